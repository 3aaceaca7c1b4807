// The sample's wizard: a welcome page, an options page with labelled
// controls, and a last page; the pages own their controls.
#pragma once

#include "BXButton.h"
#include "BXStatic.h"
#include "BXWizardPopupWnd.h"

class CSampleWelcomePage : public BXWizardPageWnd {
public:
    void OnCreate() override;
    void Layout(const RECT& rect) override;
    BXString GetCaption() override { return BXString(u"Toolkit Sample"); }
    BXString GetHeading() override { return BXString(u"Welcome"); }
    BXString GetDescription() override { return BXString(u"A short tour of the toolkit's controls."); }

private:
    BXTypedWndPtr<BXStatic> m_intro;
    BXTypedWndPtr<BXStatic> m_note;
};

class CSampleOptionsPage : public BXWizardPageWnd {
public:
    void OnCreate() override;
    void Layout(const RECT& rect) override;
    BXString GetCaption() override { return BXString(u"Toolkit Sample - Options"); }
    BXString GetHeading() override { return BXString(u"Options"); }
    BXString GetDescription() override { return BXString(u"Labelled controls placed by the docking layout."); }

private:
    void OnToggle();

    BXTypedWndPtr<BXStatic> m_folder;
    BXTypedWndPtr<BXButton> m_browse;
    BXTypedWndPtr<BXButton> m_toggle;
    BXTypedWndPtr<BXStatic> m_state;
    bool m_on = true;
};

class CSampleFinishPage : public BXWizardPageWnd {
public:
    void OnCreate() override;
    void Layout(const RECT& rect) override;
    BXString GetCaption() override { return BXString(u"Toolkit Sample - Done"); }
    BXString GetHeading() override { return BXString(u"Ready"); }
    BXString GetDescription() override { return BXString(u"Finish closes the sample."); }

private:
    BXTypedWndPtr<BXStatic> m_summary;
    BXTypedWndPtr<BXButton> m_disabled;
};

class CSampleWizard : public BXWizardPopupWnd {
public:
    CSampleWizard();

private:
    CSampleWelcomePage m_welcome;
    CSampleOptionsPage m_options;
    CSampleFinishPage m_finish;
};
