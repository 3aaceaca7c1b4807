// The wizard: a popup with a header band, a page area and a row of Back, Next
// and Cancel buttons, showing one page of its list at a time. Navigation
// passes over pages that do not want to be shown, in the direction of travel;
// running off either end of the list finishes the wizard. Back and Next clicks
// within 300 ms of a page change are ignored, so a double click moves one
// page. Pages may destroy the wizard from any hook; navigation then stops.
#pragma once

#include "BXDialogHeaderCtrl.h"
#include "BXPopupBottomButtonsWnd.h"
#include "BXPopupWnd.h"
#include "BXTimer.h"
#include "BXWizardPageWnd.h"

constexpr UINT BXWM_WIZARDBACK = WM_APP + 0x89D;
constexpr UINT BXWM_WIZARDNEXT = WM_APP + 0x89E;

struct BXWizardPageInfo {
    BXWizardPageWnd* m_page;
    bool m_owned;
};

class BXWizardPopupWnd : public BXPopupWnd {
public:
    static constexpr uint64_t kButtonDebounceMs = 300;
    // Layout, in device-independent pixels.
    static constexpr int32_t kMargin = 8;
    static constexpr int32_t kHeaderHeight = 60;
    static constexpr int32_t kSeparatorHeight = 2;
    static constexpr int32_t kGap = 8;

    BXWizardPopupWnd() = default;
    ~BXWizardPopupWnd() override;
    BX_RUNTIME_CLASS(BXWizardPopupWnd, BXPopupWnd)

    void AddPage(BXWizardPageWnd* page, bool owned = false);
    // The page at index, the current page for -1; null out of range.
    BXWizardPageWnd* GetPage(int32_t index = -1) const;
    int32_t GetPageCount() const { return int32_t(m_pages.size()); }
    int32_t GetCurrentIndex() const { return m_currentIndex; }
    int32_t IndexOfPage(const BXWizardPageWnd* page) const;

    // True when a page was shown or the wizard ended.
    bool GoToPage(int32_t index, bool relayout);
    bool GoBack();
    bool GoNext();
    void UpdateButtons();

    virtual void OnBackClicked();
    virtual void OnNextClicked();
    virtual void OnCancelClicked();
    // Client size that holds a page of pageWidth by pageHeight (device-independent pixels).
    virtual SIZE GetMinimumSize(int32_t pageWidth, int32_t pageHeight);
    virtual SIZE GetDefaultPageSize() { return SIZE{500, 300}; }

    BXDialogHeaderCtrl* GetHeader() const { return m_header.Get(); }
    BXButton* GetBackButton() const { return m_backButton.Get(); }
    BXButton* GetNextButton() const { return m_nextButton.Get(); }
    BXButton* GetCancelButton() const { return m_cancelButton.Get(); }
    BXStatic* GetSeparator() const { return m_separator.Get(); }
    BXPopupBottomButtonsWnd* GetButtonRow() const { return m_buttonRow.Get(); }
    const BXString& GetCaption() const { return m_caption; }
    const BXString& GetHeading() const { return m_heading; }
    const BXString& GetDescription() const { return m_description; }
    BXTimer& GetPageTimer() { return m_pageTimer; }

    void OnCreate() override;
    void Layout(const RECT& rect) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnChildDestroyed(BXWnd* child) override;
    void OnFinish() override;
    void OnCancel() override;
    // Ended itself, or (embedded) its OK/Cancel parent ended on its finish.
    bool HasEnded() const;

protected:
    SIZE GetInitialClientSize() const override;

private:
    std::vector<BXWizardPageInfo> m_pages;
    int32_t m_currentIndex = -1;
    BXTypedWndPtr<BXDialogHeaderCtrl> m_header;
    BXTypedWndPtr<BXButton> m_backButton;
    BXTypedWndPtr<BXButton> m_nextButton;
    BXTypedWndPtr<BXButton> m_cancelButton;
    BXTypedWndPtr<BXStatic> m_separator;
    BXTypedWndPtr<BXPopupBottomButtonsWnd> m_buttonRow;
    BXString m_caption;
    BXString m_heading;
    BXString m_description;
    BXTimer m_pageTimer;
    bool m_endedInParent = false;
};
