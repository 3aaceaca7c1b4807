#include "BXEditCtrl.h"

#include "BXScrollbarStumpWnd.h"
#include "BXSkinAccess.h"
#include "BXTranslate.h"
#include "BXWndDeleteProbe.h"

#include <algorithm>

namespace {
constexpr int32_t kInset = 3; // frame and padding around the text, device-independent pixels
constexpr uint32_t kTextFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS;
constexpr int32_t kWheelLines = 3;

int32_t MeasureUnits(const BXChar* text, int32_t length)
{
    if (length <= 0)
        return 0;
    return BXMeasureSkinText(BXString(text, length), -1, kTextFormat, IBXSkin::kFontNormal).cx;
}

// A double click selects a run of these: path separators and punctuation end a word too.
bool IsWordUnit(BXChar c)
{
    return std::u16string_view(u" \t\r\n\\/:.,;()[]\"'").find(c) == std::u16string_view::npos;
}

bool KeyDown(int key)
{
    return ::GetKeyState(key) < 0;
}
} // namespace

BXEditCtrl::BXEditCtrl()
{
    m_modes.Reset(false);
}

void BXEditCtrl::OnCreate()
{
    BXControlWnd::OnCreate();
    if (m_vertical.Get() != nullptr)
        return;
    m_vertical = CreateChild<BXScrollbar>(true).Get();
    m_horizontal = CreateChild<BXScrollbar>(false).Get();
    m_stump = CreateChild<BXScrollbarStumpWnd>().Get();
    m_vertical->SetOwnerCallback(this);
    m_horizontal->SetOwnerCallback(this);
    m_vertical->Show(false);
    m_horizontal->Show(false);
    m_stump->Show(false);
    UpdateLayout();
}

void BXEditCtrl::SetText(const BXString& text)
{
    // The model tells OnEditDataChanged, which lays the new text out.
    BXEditCtrlData::SetText(text);
}

void BXEditCtrl::SetMultiLine(bool multiLine)
{
    BXEditCtrlData::SetMultiLine(multiLine);
    m_modes.Reset(multiLine);
    UpdateLayout();
}

int32_t BXEditCtrl::LineHeight() const
{
    return std::max<int32_t>(BXGetLineHeight(IBXSkin::kFontNormal), 1);
}

int32_t BXEditCtrl::MeasurePrefix(int32_t lineStart, int32_t length) const
{
    return MeasureUnits(BXEditCtrlData::GetText().GetString() + lineStart, length);
}

void BXEditCtrl::Layout(const RECT& rect)
{
    (void)rect;
    UpdateLayout();
}

void BXEditCtrl::UpdateLayout()
{
    if (m_inLayout)
        return;
    m_inLayout = true;
    const int32_t inset = BXScale(kInset);
    const int32_t width = m_rect.right - m_rect.left;
    const int32_t height = m_rect.bottom - m_rect.top;
    const int32_t bar = BXScrollbar::GetThickness(true);
    const int32_t innerWidth = std::max(width - 2 * inset, 0);
    // Before the control is placed there is no width to wrap at: only the line breaks count then.
    auto layoutFor = [&](int32_t textWidth) {
        BreakLines(IsMultiLine() && textWidth > 0 ? textWidth : -1, MeasureUnits);
        return int32_t(GetLines().size()) * LineHeight() + 2 * inset;
    };
    int32_t contentHeight = layoutFor(innerWidth);
    const BXScrollbarVisibility shown =
        BXComputeScrollbarVisibility(m_modes.Horizontal(), m_modes.Vertical(), width, height, 0, contentHeight, bar);
    if (shown.vertical)
        contentHeight = layoutFor(std::max(innerWidth - bar, 0));
    m_laidOutText = BXEditCtrlData::GetText();

    const int32_t barHeight = BXScrollbar::GetThickness(false);
    m_textRect = RECT{m_rect.left + inset, m_rect.top + inset, m_rect.right - inset - (shown.vertical ? bar : 0),
                      m_rect.bottom - inset - (shown.horizontal ? barHeight : 0)};
    if (m_textRect.right < m_textRect.left)
        m_textRect.right = m_textRect.left;
    if (m_textRect.bottom < m_textRect.top)
        m_textRect.bottom = m_textRect.top;
    if (m_vertical.Get() != nullptr) {
        const RECT vertical{m_rect.right - bar, m_rect.top, m_rect.right,
                            m_rect.bottom - (shown.horizontal ? barHeight : 0)};
        m_vertical->SetWindowPos(vertical, shown.vertical ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
        const RECT horizontal{m_rect.left, m_rect.bottom - barHeight, m_rect.right - (shown.vertical ? bar : 0),
                              m_rect.bottom};
        m_horizontal->SetWindowPos(horizontal, shown.horizontal ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
        const RECT stump{m_rect.right - bar, m_rect.bottom - barHeight, m_rect.right, m_rect.bottom};
        m_stump->SetWindowPos(stump, shown.stump ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    }
    UpdateScrollRange();
    EnsureCaretVisible();
    m_inLayout = false;
    Invalidate();
}

void BXEditCtrl::UpdateScrollRange()
{
    const int32_t total = int32_t(GetLines().size()) * LineHeight();
    const int32_t page = m_textRect.bottom - m_textRect.top;
    m_scrollY = std::clamp(m_scrollY, 0, std::max(total - page, 0));
    if (m_vertical.Get() != nullptr) {
        m_vertical->SetScrollInfo(total, page, m_scrollY);
        m_vertical->SetLineStep(LineHeight());
        m_modes.OnScrollRangeUpdated();
        m_vertical->SetShowMode(m_modes.Vertical());
        m_horizontal->SetShowMode(m_modes.Horizontal());
    }
}

void BXEditCtrl::EnsureCaretVisible()
{
    const int32_t lineHeight = LineHeight();
    const int32_t line = LineOfPosition(GetCaret());
    const int32_t top = line * lineHeight;
    const int32_t viewHeight = m_textRect.bottom - m_textRect.top;
    int32_t scrollY = m_scrollY;
    if (top < scrollY)
        scrollY = top;
    else if (top + lineHeight > scrollY + viewHeight)
        scrollY = top + lineHeight - viewHeight;
    const int32_t total = int32_t(GetLines().size()) * lineHeight;
    scrollY = std::clamp(scrollY, 0, std::max(total - viewHeight, 0));
    if (scrollY != m_scrollY) {
        m_scrollY = scrollY;
        if (m_vertical.Get() != nullptr)
            m_vertical->SetScrollInfo(total, viewHeight, m_scrollY);
    }
    // One line scrolls sideways to keep the caret in view; several lines wrap instead.
    if (IsMultiLine()) {
        m_scrollX = 0;
        return;
    }
    const BXEditLine& current = GetLines()[size_t(line)];
    const int32_t x = MeasurePrefix(current.start, GetCaret() - current.start);
    const int32_t viewWidth = m_textRect.right - m_textRect.left;
    if (x < m_scrollX)
        m_scrollX = x;
    else if (x + 1 > m_scrollX + viewWidth)
        m_scrollX = x + 1 - viewWidth;
    m_scrollX = std::max(m_scrollX, 0);
}

void BXEditCtrl::OnEditDataChanged()
{
    if (!m_inLayout) {
        if (!(BXEditCtrlData::GetText() == m_laidOutText))
            UpdateLayout();
        else
            EnsureCaretVisible();
    }
    if (HasFocus()) {
        // Moving or typing shows the caret at once and restarts its blink.
        m_caretOn = true;
        SetTimer(kCaretTimer, uint32_t(m_caretPeriod));
    }
    Invalidate();
}

void BXEditCtrl::OnScrollbarPosChanged(BXScrollbar* scrollbar, int32_t pos)
{
    if (scrollbar == m_vertical.Get())
        m_scrollY = pos;
    else
        m_scrollX = pos;
    Invalidate();
}

int32_t BXEditCtrl::PositionFromPoint(POINT point) const
{
    const std::vector<BXEditLine>& lines = GetLines();
    const int32_t lineHeight = LineHeight();
    const int32_t y = point.y - m_textRect.top + m_scrollY;
    const int32_t index = std::clamp(y >= 0 ? y / lineHeight : 0, 0, int32_t(lines.size()) - 1);
    const BXEditLine& line = lines[size_t(index)];
    const int32_t x = point.x - m_textRect.left + m_scrollX;
    // Prefix widths grow with the length: find the first boundary at or past x, then the nearer one.
    int32_t low = 0;
    int32_t high = line.length;
    while (low < high) {
        const int32_t middle = (low + high) / 2;
        if (MeasurePrefix(line.start, middle) < x)
            low = middle + 1;
        else
            high = middle;
    }
    int32_t units = low;
    if (units > 0 && x - MeasurePrefix(line.start, units - 1) < MeasurePrefix(line.start, units) - x)
        --units;
    const bool wrapped = size_t(index) + 1 < lines.size() && lines[size_t(index) + 1].start == line.start + line.length;
    if (wrapped && units == line.length && units > 0)
        --units;
    return line.start + units;
}

void BXEditCtrl::OnPaint(HDC dc)
{
    if (BXGetSkin() != nullptr) {
        BXDrawSkinImage(dc, kSection, u"Frame", m_rect, IsEnabled() ? (HasFocus() ? 1 : 0) : 3);
    } else {
        RECT frame = m_rect;
        ::FillRect(dc, &frame, ::GetSysColorBrush(IsEnabled() ? COLOR_WINDOW : COLOR_BTNFACE));
        ::DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
    }
    const uint32_t color = BXGetSkinColor(kSection, u"TextColor", ::GetSysColor(COLOR_WINDOWTEXT));
    const int32_t saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, m_textRect.left, m_textRect.top, m_textRect.right, m_textRect.bottom);
    const BXString& text = BXEditCtrlData::GetText();
    const std::vector<BXEditLine>& lines = GetLines();
    const int32_t lineHeight = LineHeight();
    const int32_t selectionStart = GetSelectionStart();
    const int32_t selectionEnd = GetSelectionEnd();
    const int32_t left = m_textRect.left - m_scrollX;
    for (size_t i = size_t(m_scrollY / lineHeight); i < lines.size(); ++i) {
        const int32_t top = m_textRect.top + int32_t(i) * lineHeight - m_scrollY;
        if (top >= m_textRect.bottom)
            break;
        const BXEditLine& line = lines[i];
        const RECT lineRect{left, top, m_textRect.right + m_scrollX + 0x4000, top + lineHeight};
        BXDrawSkinText(dc, text.Mid(line.start, line.length), lineRect, kTextFormat, color, IBXSkin::kFontNormal);
        const int32_t from = std::max(selectionStart, line.start);
        const int32_t to = std::min(selectionEnd, line.start + line.length);
        if (from < to) {
            const RECT selected{left + MeasurePrefix(line.start, from - line.start), top,
                                left + MeasurePrefix(line.start, to - line.start), top + lineHeight};
            ::FillRect(dc, &selected, ::GetSysColorBrush(COLOR_HIGHLIGHT));
            RECT selectedText = selected;
            selectedText.right += 0x4000;
            BXDrawSkinText(dc, text.Mid(from, to - from), selectedText, kTextFormat, ::GetSysColor(COLOR_HIGHLIGHTTEXT),
                           IBXSkin::kFontNormal);
        }
    }
    if (HasFocus() && m_caretOn) {
        const int32_t line = LineOfPosition(GetCaret());
        const BXEditLine& current = lines[size_t(line)];
        const int32_t x = left + MeasurePrefix(current.start, GetCaret() - current.start);
        const int32_t top = m_textRect.top + line * lineHeight - m_scrollY;
        const RECT caret{x, top, x + std::max(BXScale(1), 1), top + lineHeight};
        HBRUSH brush = ::CreateSolidBrush(color);
        ::FillRect(dc, &caret, brush);
        ::DeleteObject(brush);
    }
    ::RestoreDC(dc, saved);
}

SIZE BXEditCtrl::GetPreferredSize(int32_t width)
{
    (void)width;
    const int32_t inset = BXScale(kInset);
    if (!IsMultiLine())
        return SIZE{-1, std::max(BXGetStandardControlHeight(), LineHeight() + 2 * inset)};
    return SIZE{-1, int32_t(GetLines().size()) * LineHeight() + 2 * inset};
}

void BXEditCtrl::StartCaret()
{
    m_caretPeriod = BXReadCaretPeriod();
    m_caretOn = true;
    SetTimer(kCaretTimer, uint32_t(m_caretPeriod));
    Invalidate();
}

void BXEditCtrl::StopCaret()
{
    KillTimer(kCaretTimer);
    m_caretOn = false;
    Invalidate();
}

void BXEditCtrl::OnSetFocus()
{
    StartCaret();
}

void BXEditCtrl::OnKillFocus()
{
    StopCaret();
}

void BXEditCtrl::OnTimer(uint32_t timerId)
{
    if (timerId != kCaretTimer)
        return;
    m_caretOn = !m_caretOn;
    Invalidate();
}

bool BXEditCtrl::OnKeyDown(UINT virtualKey)
{
    const bool control = KeyDown(VK_CONTROL) && !KeyDown(VK_MENU);
    const bool shift = KeyDown(VK_SHIFT);
    switch (virtualKey) {
    case VK_LEFT:
        MoveCaret(Move::Left, shift);
        return true;
    case VK_RIGHT:
        MoveCaret(Move::Right, shift);
        return true;
    case VK_UP:
        MoveCaret(Move::Up, shift);
        return true;
    case VK_DOWN:
        MoveCaret(Move::Down, shift);
        return true;
    case VK_HOME:
        MoveCaret(control ? Move::TextStart : Move::LineStart, shift);
        return true;
    case VK_END:
        MoveCaret(control ? Move::TextEnd : Move::LineEnd, shift);
        return true;
    case VK_PRIOR:
    case VK_NEXT: {
        const int32_t lines = std::max<int32_t>((m_textRect.bottom - m_textRect.top) / LineHeight(), 1);
        for (int32_t i = 0; i < lines; ++i)
            MoveCaret(virtualKey == VK_PRIOR ? Move::Up : Move::Down, shift);
        return true;
    }
    case VK_DELETE:
        if (shift)
            Cut();
        else
            DeleteForward();
        return true;
    case VK_BACK:
        Backspace();
        return true;
    case VK_INSERT:
        if (control)
            Copy();
        else if (shift)
            Paste();
        return true;
    case VK_APPS: {
        const int32_t line = LineOfPosition(GetCaret());
        const BXEditLine& current = GetLines()[size_t(line)];
        ShowContextMenu(POINT{m_textRect.left - m_scrollX + MeasurePrefix(current.start, GetCaret() - current.start),
                              m_textRect.top + (line + 1) * LineHeight() - m_scrollY});
        return true;
    }
    default:
        break;
    }
    if (!control)
        return false;
    switch (virtualKey) {
    case 'A':
        return ExecuteCommand(kBXEditCommandSelectAll), true;
    case 'C':
        return Copy(), true;
    case 'X':
        return Cut(), true;
    case 'V':
        return Paste(), true;
    case 'Z':
        return Undo(), true;
    case 'Y':
        return Redo(), true;
    default:
        return false;
    }
}

bool BXEditCtrl::OnChar(UINT character)
{
    if (character == '\r') {
        if (!IsMultiLine())
            return false;
        InsertText(BXString(u"\r\n"));
        return true;
    }
    // Control characters (Backspace, Ctrl+letter) are handled as keys; Ctrl without Alt types nothing.
    if (character < 0x20 || character == 0x7F || (KeyDown(VK_CONTROL) && !KeyDown(VK_MENU)))
        return false;
    InsertText(BXString(BXChar(character)), true);
    return true;
}

void BXEditCtrl::OnMouseDown(POINT point)
{
    const int32_t position = PositionFromPoint(point);
    SetSelection(KeyDown(VK_SHIFT) ? GetAnchor() : position, position);
    m_selecting = true;
    HostSetCapture(this);
}

void BXEditCtrl::OnMouseMove(POINT point)
{
    if (m_selecting)
        SetSelection(GetAnchor(), PositionFromPoint(point));
}

void BXEditCtrl::OnMouseUp(POINT point)
{
    (void)point;
    m_selecting = false;
    HostReleaseCapture(this);
}

void BXEditCtrl::OnDoubleClick(POINT point)
{
    const BXString& text = BXEditCtrlData::GetText();
    const int32_t position = PositionFromPoint(point);
    int32_t start = position;
    int32_t end = position;
    while (start > 0 && IsWordUnit(text[start - 1]))
        --start;
    while (end < text.GetLength() && IsWordUnit(text[end]))
        ++end;
    SetSelection(start, end);
}

bool BXEditCtrl::OnMouseWheel(int32_t delta)
{
    const int32_t total = int32_t(GetLines().size()) * LineHeight();
    const int32_t page = m_textRect.bottom - m_textRect.top;
    if (!IsMultiLine() || total <= page)
        return false;
    const int32_t scrollY =
        std::clamp(m_scrollY - delta * kWheelLines * LineHeight() / WHEEL_DELTA, 0, std::max(total - page, 0));
    if (scrollY != m_scrollY) {
        m_scrollY = scrollY;
        if (m_vertical.Get() != nullptr)
            m_vertical->SetScrollInfo(total, page, m_scrollY);
        Invalidate();
    }
    return true;
}

HCURSOR BXEditCtrl::GetCursor(POINT point) const
{
    return ::PtInRect(&m_textRect, point) ? ::LoadCursorW(nullptr, IDC_IBEAM) : nullptr;
}

bool BXEditCtrl::SetClipboardText(const BXString& text)
{
    if (!::OpenClipboard(GetHostHwnd()))
        return false;
    bool done = false;
    if (::EmptyClipboard()) {
        const size_t bytes = (size_t(text.GetLength()) + 1) * sizeof(wchar_t);
        if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes)) {
            if (void* target = ::GlobalLock(memory)) {
                std::copy_n(text.GetString(), text.GetLength() + 1, static_cast<BXChar*>(target));
                ::GlobalUnlock(memory);
                done = ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
            }
            if (!done)
                ::GlobalFree(memory);
        }
    }
    ::CloseClipboard();
    return done;
}

bool BXEditCtrl::Copy()
{
    return HasSelection() && SetClipboardText(GetSelectedText());
}

bool BXEditCtrl::Cut()
{
    if (IsReadOnly() || !HasSelection())
        return false;
    return Copy() && DeleteSelection();
}

bool BXEditCtrl::Paste()
{
    if (IsReadOnly() || !::OpenClipboard(GetHostHwnd()))
        return false;
    BXString text;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const void* source = ::GlobalLock(data)) {
            text = BXString(static_cast<const BXChar*>(source));
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return !text.IsEmpty() && InsertText(text);
}

BXEditMenuState BXEditCtrl::GetMenuState() const
{
    BXEditMenuState state;
    state.readOnly = IsReadOnly();
    state.hasSelection = HasSelection();
    state.hasText = !BXEditCtrlData::GetText().IsEmpty();
    state.clipboardHasText = ::IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
    state.canUndo = CanUndo();
    state.canRedo = CanRedo();
    return state;
}

bool BXEditCtrl::ExecuteCommand(int32_t command)
{
    switch (command) {
    case kBXEditCommandCut:
        return Cut();
    case kBXEditCommandCopy:
        return Copy();
    case kBXEditCommandPaste:
        return Paste();
    case kBXEditCommandDelete:
        return DeleteSelection();
    case kBXEditCommandUndo:
        return Undo();
    case kBXEditCommandRedo:
        return Redo();
    case kBXEditCommandSelectAll:
        SelectAll();
        return true;
    default:
        return false;
    }
}

bool BXEditCtrl::OnContextMenu(POINT point)
{
    ShowContextMenu(point);
    return true;
}

void BXEditCtrl::ShowContextMenu(POINT point)
{
    HWND host = GetHostHwnd();
    HMENU menu = ::CreatePopupMenu();
    if (menu == nullptr)
        return;
    for (const BXEditMenuItem& item : BXBuildEditContextMenu(GetMenuState(), BXTranslate)) {
        if (item.command == 0)
            ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenuW(menu, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), UINT_PTR(item.command),
                          item.text.W());
    }
    if (host != nullptr)
        ::ClientToScreen(host, &point);
    BXWndDeleteProbe probe(*this);
    const int32_t command = int32_t(
        ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, point.x, point.y, 0, host, nullptr));
    ::DestroyMenu(menu);
    if (!probe.IsDeleted() && command != 0)
        ExecuteCommand(command);
}
