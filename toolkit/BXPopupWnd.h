// A popup: a top-level window owned by another, class "Brenix Popup Class",
// that runs modally until EndModal, OnFinish (result 1), OnCancel (result 2)
// or a BXWM_ENDMODAL message with its result. The owner is disabled while the
// loop runs and enabled again before the popup's window goes. Dialog keys:
// Escape runs OnCancel; Enter is left to the focused control (a focused
// button clicks itself).
#pragma once

#include "BXControlsWnd.h"

// Ends a popup with the result in wParam.
constexpr UINT BXWM_ENDMODAL = WM_APP + 0x89A;

class BXPopupWnd : public BXControlsWnd {
public:
    static constexpr const BXChar* kClassName = u"Brenix Popup Class";
    static constexpr const BXChar* kMenuClassName = u"Brenix Menu Class";
    static constexpr int32_t kResultFinish = 1;
    static constexpr int32_t kResultCancel = 2;

    BXPopupWnd() = default;
    ~BXPopupWnd() override;
    BX_RUNTIME_CLASS(BXPopupWnd, BXControlsWnd)

    const BXChar* GetWindowClassName() const override { return kClassName; }

    // Creates the window hidden, owned by owner (or, with child, as a child of
    // it), its client area clientSize (device pixels; the popup's own choice
    // when null), centred on the owner or the work area.
    bool CreatePopup(HWND owner, const SIZE* clientSize = nullptr, bool child = false);
    // Creates the popup when needed, shows it and runs the modal loop; the end
    // result, or -1 when the window cannot be created.
    int32_t DoModal(HWND owner);
    // Pumps messages until the popup ends or its window is gone; timeoutMs 0:
    // no time limit. Returns the end result (-1 when it did not end).
    int32_t RunModalLoop(uint32_t timeoutMs = 0);
    void EndModal(int32_t result);
    int32_t GetEndResult() const { return m_endResult; }
    bool IsModal() const { return m_modal; }
    // Smallest client size the user can size the window to.
    void SetMinTrackSize(SIZE clientSize) { m_minTrackSize = clientSize; }
    SIZE GetMinTrackSize() const { return m_minTrackSize; }

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // WM_COMMAND from a control or a button row; true when handled.
    virtual bool OnCommand(uint32_t command)
    {
        (void)command;
        return false;
    }
    virtual void OnFinish() { EndModal(kResultFinish); }
    virtual void OnCancel() { EndModal(kResultCancel); }

protected:
    bool PreTranslateKey(UINT virtualKey) override;
    void PaintBackground(HDC dc, const RECT& client) override;
    virtual DWORD GetPopupStyle() const { return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN; }
    virtual SIZE GetInitialClientSize() const;

private:
    int32_t m_endResult = -1;
    bool m_modal = false;
    bool m_ending = false;
    SIZE m_minTrackSize{0, 0};
};
