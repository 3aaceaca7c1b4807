#include "BXWizardPopupWnd.h"

#include "BXOkCancelPopupWnd.h"
#include "BXSkinAccess.h"
#include "BXWndDeleteProbe.h"

#include <algorithm>

BXWizardPopupWnd::~BXWizardPopupWnd()
{
    std::vector<BXWizardPageInfo> pages;
    pages.swap(m_pages);
    for (const BXWizardPageInfo& info : pages) {
        RemoveChild(info.m_page);
        if (info.m_page->GetParent() == this)
            info.m_page->DetachFromParent();
        if (info.m_owned)
            delete info.m_page;
    }
}

void BXWizardPopupWnd::AddPage(BXWizardPageWnd* page, bool owned)
{
    if (page != nullptr)
        m_pages.push_back(BXWizardPageInfo{page, owned});
}

BXWizardPageWnd* BXWizardPopupWnd::GetPage(int32_t index) const
{
    if (index == -1)
        index = m_currentIndex;
    return index >= 0 && index < GetPageCount() ? m_pages[size_t(index)].m_page : nullptr;
}

int32_t BXWizardPopupWnd::IndexOfPage(const BXWizardPageWnd* page) const
{
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (m_pages[i].m_page == page)
            return int32_t(i);
    }
    return -1;
}

void BXWizardPopupWnd::OnCreate()
{
    BXPopupWnd::OnCreate();
    m_endedInParent = false;
    // A second creation (the popup ended and is shown again) keeps its parts.
    if (m_buttonRow.Get() == nullptr) {
        m_header = CreateChild<BXDialogHeaderCtrl>(BXString(), BXString());
        m_buttonRow = CreateChild<BXPopupBottomButtonsWnd>();
        m_buttonRow->SetOwner(this);
        m_backButton = m_buttonRow->AddButton(BXString());
        m_nextButton = m_buttonRow->AddButton(BXString());
        m_cancelButton = m_buttonRow->AddButton(BXString());
        m_cancelButton->SetText(BXString(u"Cancel"));
        m_backButton->OnEvent<&BXWizardPopupWnd::OnBackClicked>(kClickEvent, this);
        m_nextButton->OnEvent<&BXWizardPopupWnd::OnNextClicked>(kClickEvent, this);
        m_cancelButton->OnEvent<&BXWizardPopupWnd::OnCancelClicked>(kClickEvent, this);
        m_separator = CreateStatic(BXString());
        m_separator->SetStyle(BXStatic::kStyleSeparator);
    }
    HostSetFocus(m_nextButton.Get());
    const SIZE page = GetDefaultPageSize();
    SetMinTrackSize(GetMinimumSize(page.cx, page.cy));
    GoToPage(0, false);
}

SIZE BXWizardPopupWnd::GetMinimumSize(int32_t pageWidth, int32_t pageHeight)
{
    const int32_t width = BXScale(pageWidth) + 2 * BXScale(kMargin);
    const int32_t height = BXScale(pageHeight) + BXScale(kHeaderHeight) + BXGetStandardControlHeight() +
                           BXScale(kSeparatorHeight) + 3 * BXScale(kGap);
    return SIZE{width, height};
}

SIZE BXWizardPopupWnd::GetInitialClientSize() const
{
    auto* self = const_cast<BXWizardPopupWnd*>(this);
    const SIZE page = self->GetDefaultPageSize();
    return self->GetMinimumSize(page.cx, page.cy);
}

bool BXWizardPopupWnd::GoToPage(int32_t target, bool relayout)
{
    if (target < 0 || target == m_currentIndex)
        return false;
    BXWndDeleteProbe probe(*this);
    const int32_t before = m_currentIndex;
    if (BXWizardPageWnd* page = GetPage(m_currentIndex)) {
        const bool forward = target > m_currentIndex;
        const bool leave = forward ? page->OnNext() : page->OnBack();
        if (probe.IsDeleted() || !leave)
            return false;
        RemoveChild(page);
        page->Show(false);
        page->OnPageLeft();
        if (probe.IsDeleted())
            return false;
        const bool remove = page->RemoveAfterLeaving();
        if (probe.IsDeleted())
            return false;
        if (remove) {
            const BXWizardPageInfo info = m_pages[size_t(m_currentIndex)];
            m_pages.erase(m_pages.begin() + m_currentIndex);
            // Out of the list, out of the wizard: the page must not point back to it.
            info.m_page->DetachFromParent();
            if (info.m_owned)
                delete info.m_page;
            if (forward) {
                m_currentIndex -= 1;
                target = before;
            } else {
                target = before - 1;
            }
        }
    }

    const int32_t direction = target > m_currentIndex ? 1 : -1;
    bool result = false;
    for (;;) {
        m_currentIndex = target;
        if (target < 0 || target >= GetPageCount()) {
            OnFinish();
            if (probe.IsDeleted())
                return true;
            if (!HasEnded()) {
                // Still running: back to the page that was current, in view again.
                m_currentIndex = before;
                if (BXWizardPageWnd* page = GetPage(m_currentIndex)) {
                    AddChild(page, false);
                    page->Show(true);
                }
                result = false;
            } else {
                result = true;
            }
            break;
        }
        BXWizardPageWnd* page = m_pages[size_t(target)].m_page;
        if (!page->IsCreated()) {
            page->Show(false);
            page->Create(this);
            if (probe.IsDeleted())
                return false;
        }
        const bool show = page->ShouldShowPage();
        if (probe.IsDeleted())
            return false;
        m_pageTimer.Restart();
        if (show) {
            AddChild(page, false);
            page->Show(true);
            result = true;
            break;
        }
        target += direction;
    }

    if (m_hwnd != nullptr) {
        UpdateButtons();
        if (probe.IsDeleted())
            return result;
        if (relayout && m_hwnd != nullptr)
            Layout(GetRect());
    }
    return result;
}

bool BXWizardPopupWnd::GoBack()
{
    BXWizardPageWnd* page = GetPage(-1);
    if (page == nullptr || !page->IsBackEnabled())
        return false;
    return GoToPage(m_currentIndex - 1, true);
}

bool BXWizardPopupWnd::GoNext()
{
    BXWizardPageWnd* page = GetPage(-1);
    if (page == nullptr || !page->IsNextEnabled())
        return false;
    return GoToPage(m_currentIndex + 1, true);
}

void BXWizardPopupWnd::UpdateButtons()
{
    BXWizardPageWnd* page = GetPage(-1);
    if (page == nullptr || m_buttonRow.Get() == nullptr)
        return;
    BXWndDeleteProbe probe(*this);
    const BXString backText = page->GetBackText();
    const bool backEnabled = page->IsBackEnabled();
    const BXString nextText = page->GetNextText();
    const bool nextEnabled = page->IsNextEnabled();
    const bool cancelEnabled = page->IsCancelEnabled();
    const BXString caption = page->GetCaption();
    const BXString heading = page->GetHeading();
    const BXString description = page->GetDescription();
    if (probe.IsDeleted())
        return;

    if (BXButton* back = m_backButton.Get()) {
        back->SetText(backText);
        back->Enable(backEnabled);
        m_buttonRow->SetButtonVisible(back, GetPageCount() >= 2);
    }
    if (BXButton* next = m_nextButton.Get()) {
        next->SetText(nextText);
        next->Enable(nextEnabled);
    }
    if (BXButton* cancel = m_cancelButton.Get())
        cancel->Enable(cancelEnabled);
    m_caption = caption;
    SetText(m_caption);
    m_heading = heading;
    m_description = description;
    BXString header = BXString(u"<b>") + m_heading + u"</b>";
    if (!m_description.IsEmpty())
        header += BXString(u"\r\n\t") + m_description;
    if (BXDialogHeaderCtrl* headerCtrl = m_header.Get())
        headerCtrl->SetText(header);
    Layout(GetRect());
    Invalidate();
}

void BXWizardPopupWnd::Layout(const RECT& client)
{
    RECT r = client;
    const int32_t margin = BXScale(kMargin);
    ::InflateRect(&r, -margin, -margin);
    const RECT header{r.left, r.top, r.right, r.top + BXScale(kHeaderHeight)};
    const RECT row{r.left, r.bottom - BXGetStandardControlHeight(), r.right, r.bottom};
    const LONG separatorBottom = row.top - BXScale(kGap);
    const RECT separator{r.left, separatorBottom - BXScale(kSeparatorHeight), r.right, separatorBottom};
    const RECT pageRect{r.left, header.bottom, r.right, std::max(header.bottom, separator.top)};
    if (BXDialogHeaderCtrl* headerCtrl = m_header.Get())
        headerCtrl->SetWindowPos(header, 0);
    if (BXPopupBottomButtonsWnd* buttonRow = m_buttonRow.Get()) {
        // The row lays its buttons out again when their texts changed.
        buttonRow->SetWindowPos(row, 0);
        buttonRow->Layout(row);
    }
    if (BXStatic* line = m_separator.Get())
        line->SetWindowPos(separator, 0);
    BXWizardPageWnd* current = GetPage(-1);
    for (const BXWizardPageInfo& info : m_pages) {
        if (info.m_page == current)
            info.m_page->SetWindowPos(pageRect, SWP_SHOWWINDOW);
        else if (info.m_page->IsCreated())
            info.m_page->SetWindowPos(info.m_page->GetRect(), SWP_HIDEWINDOW);
    }
}

void BXWizardPopupWnd::OnBackClicked()
{
    if (m_pageTimer.GetElapsedMs() < kButtonDebounceMs)
        return;
    GoBack();
}

void BXWizardPopupWnd::OnNextClicked()
{
    if (m_pageTimer.GetElapsedMs() < kButtonDebounceMs)
        return;
    GoNext();
}

void BXWizardPopupWnd::OnCancelClicked()
{
    OnCancel();
}

namespace {

BXOkCancelPopupWnd* EmbeddingPopup(HWND window)
{
    if (window == nullptr || (::GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0)
        return nullptr;
    return dynamic_cast<BXOkCancelPopupWnd*>(BXBasicWnd::FromHandle(::GetParent(window)));
}

} // namespace

void BXWizardPopupWnd::OnFinish()
{
    BXOkCancelPopupWnd* parent = EmbeddingPopup(m_hwnd);
    if (parent == nullptr) {
        EndModal(kResultFinish);
        return;
    }
    BXWndDeleteProbe probe(*this);
    BXTypedWndPtr<BXOkCancelPopupWnd> watch(parent);
    parent->OnOK();
    if (!probe.IsDeleted())
        m_endedInParent = watch.Get() == nullptr || watch->GetEndResult() != -1;
}

bool BXWizardPopupWnd::HasEnded() const
{
    return GetEndResult() != -1 || m_endedInParent;
}

void BXWizardPopupWnd::OnCancel()
{
    BXWndDeleteProbe probe(*this);
    if (BXWizardPageWnd* page = GetPage(-1)) {
        page->OnWizardCancel();
        if (probe.IsDeleted())
            return;
        page->OnPageLeft();
        if (probe.IsDeleted())
            return;
    }
    if (BXOkCancelPopupWnd* parent = EmbeddingPopup(m_hwnd))
        parent->OnCancel();
    else
        EndModal(kResultCancel);
}

bool BXWizardPopupWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case BXWM_WIZARDBACK:
        GoBack();
        return true;
    case BXWM_WIZARDNEXT:
        GoNext();
        return true;
    default:
        return BXPopupWnd::OnMessage(message, wParam, lParam, result);
    }
}

void BXWizardPopupWnd::OnChildDestroyed(BXWnd* child)
{
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (m_pages[i].m_page != child)
            continue;
        m_pages.erase(m_pages.begin() + ptrdiff_t(i));
        if (int32_t(i) < m_currentIndex)
            --m_currentIndex;
        else if (int32_t(i) == m_currentIndex)
            m_currentIndex = -1;
        break;
    }
    BXPopupWnd::OnChildDestroyed(child);
}
