// The sample's wizard: a welcome page with an image, an options page with a
// path field, a check box, radio buttons and a button, and a last page with a
// read-only text field, a progress bar and a disabled button. The image is a
// file named with SetSampleImage.
#pragma once

#include "BXButton.h"
#include "BXCheckbox.h"
#include "BXEditCtrl.h"
#include "BXFilenameWnd.h"
#include "BXImageStatic.h"
#include "BXProgressCtrl.h"
#include "BXRadioArray.h"
#include "BXStatic.h"
#include "BXWizardPopupWnd.h"

void SetSampleImage(const BXString& path);

class CSampleWelcomePage : public BXWizardPageWnd {
public:
    void OnCreate() override;
    void Layout(const RECT& rect) override;
    BXString GetCaption() override { return BXString(u"Toolkit Sample"); }
    BXString GetHeading() override { return BXString(u"Welcome"); }
    BXString GetDescription() override { return BXString(u"A short tour of the toolkit's controls."); }

private:
    BXTypedWndPtr<BXImageStatic> m_image;
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

    BXTypedWndPtr<BXFilenameWnd> m_folder;
    BXTypedWndPtr<BXCheckbox> m_shortcut;
    BXRadioArray m_choice;
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
    BXTypedWndPtr<BXEditCtrl> m_notes;
    BXTypedWndPtr<BXProgressCtrl> m_progress;
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
