// A popup with OK and Cancel in a button row at the bottom; the rest of the
// client area is the content rectangle, where an embedded child popup (such
// as a wizard created as its child) is placed. OK ends with 1, Cancel with 2.
#pragma once

#include "BXPopupBottomButtonsWnd.h"
#include "BXPopupWnd.h"

class BXOkCancelPopupWnd : public BXPopupWnd {
public:
    static constexpr int32_t kMargin = 8;

    BX_RUNTIME_CLASS(BXOkCancelPopupWnd, BXPopupWnd)

    virtual void OnOK() { EndModal(kResultFinish); }
    bool OnCommand(uint32_t command) override;

    // A child window placed over the content rectangle (not owned).
    void SetContent(BXBasicWnd* content) { m_content = content; }
    RECT GetContentRect() const;
    BXButton* GetOkButton() const { return m_okButton.Get(); }
    BXButton* GetCancelButton() const { return m_cancelButton.Get(); }
    BXPopupBottomButtonsWnd* GetButtonRow() const { return m_buttonRow.Get(); }

    void OnCreate() override;
    void Layout(const RECT& rect) override;

private:
    BXTypedWndPtr<BXPopupBottomButtonsWnd> m_buttonRow;
    BXTypedWndPtr<BXButton> m_okButton;
    BXTypedWndPtr<BXButton> m_cancelButton;
    BXWndPtr m_content;
};
