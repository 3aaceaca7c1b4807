// A page of a wizard popup: a windowless control whose hooks the wizard asks
// while navigating. Created (OnCreate) the first time navigation reaches it;
// stays created, hidden while not current, until the wizard goes.
#pragma once

#include "BXControlWnd.h"

class BXWizardPopupWnd;

class BXWizardPageWnd : public BXControlWnd {
public:
    BX_RUNTIME_CLASS(BXWizardPageWnd, BXControlWnd)

    // Page hooks, with their defaults.
    virtual bool ShouldShowPage() { return true; }
    virtual bool OnPageLeft() { return true; }
    virtual bool OnBack() { return true; }
    virtual bool OnNext() { return true; }
    virtual void OnWizardCancel() {}
    virtual BXString GetCaption() { return BXString(); }
    virtual BXString GetHeading() { return BXString(); }
    virtual BXString GetDescription() { return BXString(); }
    virtual BXString GetBackText() { return BXString(u"< Back"); }
    // "Next >", or "Finish" on the last page of the list.
    virtual BXString GetNextText();
    // True when the page is not the first of the list.
    virtual bool IsBackEnabled();
    virtual bool IsNextEnabled() { return true; }
    virtual bool IsCancelEnabled() { return true; }
    virtual bool RemoveAfterLeaving() { return false; }

    BXWizardPopupWnd* GetWizard() const;
    // Index in the wizard's list, -1 outside one.
    int32_t GetPageIndex() const;
};
