// The edit control as the pages use it: one line (a path entry) or several lines (the read-only
// agreement box), on the text model BXEditCtrlData. It draws the text in the section "Frame::Edit",
// blinks a caret with control timer 2 at the user's blink period, handles keys, mouse selection, the
// clipboard and a context menu, and owns its scroll bars (horizontal never; vertical in several lines).
#pragma once

#include "BXCaretPeriod.h"
#include "BXControlWnd.h"
#include "BXEditContextMenu.h"
#include "BXEditCtrlData.h"
#include "BXScrollbar.h"
#include "BXScrollbarVisibility.h"

class BXScrollbarStumpWnd;

class BXEditCtrl : public BXControlWnd, public BXEditCtrlData, public IBXScrollbarOwner {
public:
    static constexpr const BXChar* kSection = u"Frame::Edit";
    static constexpr uint32_t kCaretTimer = 2;

    BXEditCtrl();
    BX_RUNTIME_CLASS(BXEditCtrl, BXControlWnd)

    // The window text is the edited text.
    BXString GetText() const override { return BXEditCtrlData::GetText(); }
    void SetText(const BXString& text) override;
    void SetMultiLine(bool multiLine);

    // Clipboard and menu commands (BXEditCommand numbers); false when refused or not possible.
    bool Copy();
    bool Cut();
    bool Paste();
    bool ExecuteCommand(int32_t command);
    // The context menu at a point in host client coordinates; runs the chosen command.
    void ShowContextMenu(POINT point);
    BXEditMenuState GetMenuState() const;

    int32_t GetCaretPeriod() const { return m_caretPeriod; }
    bool IsCaretOn() const { return m_caretOn; }
    BXScrollbar* GetVerticalScrollbar() const { return m_vertical.Get(); }
    BXScrollbar* GetHorizontalScrollbar() const { return m_horizontal.Get(); }
    const BXEditScrollbarModes& GetScrollbarModes() const { return m_modes; }
    // The text position nearest to a point in host client coordinates.
    int32_t PositionFromPoint(POINT point) const;
    // The area the text is drawn in (inside the frame, beside a shown scroll bar).
    RECT GetTextRect() const { return m_textRect; }

    void OnCreate() override;
    void Layout(const RECT& rect) override;
    void OnTimer(uint32_t timerId) override;
    void OnPaint(HDC dc) override;
    SIZE GetPreferredSize(int32_t width) override;
    bool IsTabStop() const override { return true; }
    bool WantsDialogKey(UINT virtualKey) const override { return KeepsKey(virtualKey); }
    bool OnKeyDown(UINT virtualKey) override;
    bool OnContextMenu(POINT point) override;
    bool OnChar(UINT character) override;
    void OnMouseDown(POINT point) override;
    void OnMouseMove(POINT point) override;
    void OnMouseUp(POINT point) override;
    void OnDoubleClick(POINT point) override;
    bool OnMouseWheel(int32_t delta) override;
    void OnSetFocus() override;
    void OnKillFocus() override;
    HCURSOR GetCursor(POINT point) const override;

    void OnScrollbarPosChanged(BXScrollbar* scrollbar, int32_t pos) override;

protected:
    void OnEditDataChanged() override;

private:
    void UpdateLayout();
    void UpdateScrollRange();
    void EnsureCaretVisible();
    void StartCaret();
    void StopCaret();
    int32_t LineHeight() const;
    int32_t MeasurePrefix(int32_t lineStart, int32_t length) const;
    bool SetClipboardText(const BXString& text);

    BXTypedWndPtr<BXScrollbar> m_vertical;
    BXTypedWndPtr<BXScrollbar> m_horizontal;
    BXTypedWndPtr<BXScrollbarStumpWnd> m_stump;
    BXEditScrollbarModes m_modes;
    RECT m_textRect{};
    int32_t m_scrollY = 0;
    int32_t m_scrollX = 0;
    int32_t m_caretPeriod = kBXDefaultCaretPeriod;
    bool m_caretOn = false;
    bool m_selecting = false;
    bool m_inLayout = false;
    BXString m_laidOutText;
};
