#include "BXOkCancelPopupWnd.h"

#include "BXSkinAccess.h"

void BXOkCancelPopupWnd::OnCreate()
{
    BXPopupWnd::OnCreate();
    if (m_buttonRow.Get() == nullptr) {
        m_buttonRow = CreateChild<BXPopupBottomButtonsWnd>();
        m_buttonRow->SetOwner(this);
        m_okButton = m_buttonRow->AddButton(BXString(u"OK"), IDOK);
        m_cancelButton = m_buttonRow->AddButton(BXString(u"Cancel"), IDCANCEL);
    }
    HostSetFocus(m_okButton.Get());
    Layout(GetRect());
}

bool BXOkCancelPopupWnd::OnCommand(uint32_t command)
{
    if (command == IDOK) {
        OnOK();
        return true;
    }
    if (command == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

RECT BXOkCancelPopupWnd::GetContentRect() const
{
    RECT r = GetRect();
    const int32_t margin = BXScale(kMargin);
    ::InflateRect(&r, -margin, -margin);
    r.bottom -= BXGetStandardControlHeight() + margin;
    if (r.bottom < r.top)
        r.bottom = r.top;
    return r;
}

void BXOkCancelPopupWnd::Layout(const RECT& rect)
{
    RECT r = rect;
    const int32_t margin = BXScale(kMargin);
    ::InflateRect(&r, -margin, -margin);
    if (BXPopupBottomButtonsWnd* row = m_buttonRow.Get()) {
        const RECT place{r.left, r.bottom - BXGetStandardControlHeight(), r.right, r.bottom};
        row->SetWindowPos(place, 0);
        row->Layout(place);
    }
    if (BXWnd* content = m_content.Get())
        content->SetWindowPos(GetContentRect(), 0);
}
