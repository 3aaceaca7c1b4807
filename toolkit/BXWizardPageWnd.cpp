#include "BXWizardPageWnd.h"

#include "BXWizardPopupWnd.h"

BXWizardPopupWnd* BXWizardPageWnd::GetWizard() const
{
    return dynamic_cast<BXWizardPopupWnd*>(m_parent);
}

int32_t BXWizardPageWnd::GetPageIndex() const
{
    BXWizardPopupWnd* wizard = GetWizard();
    return wizard != nullptr ? wizard->IndexOfPage(this) : -1;
}

BXString BXWizardPageWnd::GetNextText()
{
    BXWizardPopupWnd* wizard = GetWizard();
    const int32_t index = GetPageIndex();
    if (wizard != nullptr && index >= 0 && index == wizard->GetPageCount() - 1)
        return BXString(u"Finish");
    return BXString(u"Next >");
}

bool BXWizardPageWnd::IsBackEnabled()
{
    return GetPageIndex() > 0;
}
