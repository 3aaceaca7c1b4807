#include "BXSampleWizard.h"

#include "CLayoutHelper.h"

void CSampleWelcomePage::OnCreate()
{
    m_intro = CreateStatic(BXString(u"This program is built from the same window objects as the installer: a "
                                    u"popup that hosts windowless controls, a header band, pages and a row of "
                                    u"buttons. Text wraps to the width of the page."));
    m_note = CreateStatic(BXString(u"Press Next to see labelled controls, or Cancel to leave."));
}

void CSampleWelcomePage::Layout(const RECT& rect)
{
    CLayoutHelper layout(this, rect);
    layout.DockTop(m_intro.Get());
    layout.DockTop(m_note.Get());
}

void CSampleOptionsPage::OnCreate()
{
    m_folder = AddControlWithLabel(new BXStatic(BXString(u"C:\\Program Files\\Brenix\\Sample")),
                                   BXString(u"Destination folder:"), BXControlAttachedLabelInfo::kPlaceAbove);
    m_browse = CreateButton(BXString(u"Browse..."));
    m_toggle = AddControlWithLabel(new BXButton(BXString(u"Switch & see")), BXString(u"A button with an ampersand:"),
                                   BXControlAttachedLabelInfo::kPlaceAbove);
    m_toggle->OnEvent<&CSampleOptionsPage::OnToggle>(kClickEvent, this);
    m_state = CreateStatic(BXString(u"State: on"));
}

void CSampleOptionsPage::OnToggle()
{
    m_on = !m_on;
    m_state->SetText(BXString(m_on ? u"State: on" : u"State: off"));
}

void CSampleOptionsPage::Layout(const RECT& rect)
{
    CLayoutHelper layout(this, rect);
    layout.DockTop(m_folder.Get());
    layout.DockTop(m_browse.Get(), -1, CLayoutHelper::kPreferredLeft);
    layout.DockTop(m_toggle.Get(), -1, CLayoutHelper::kPreferredLeft);
    layout.DockTop(m_state.Get());
}

void CSampleFinishPage::OnCreate()
{
    m_summary = CreateStatic(BXString(u"Everything is in place. A disabled button looks like this:"));
    m_disabled = CreateButton(BXString(u"Disabled"));
    m_disabled->Enable(false);
}

void CSampleFinishPage::Layout(const RECT& rect)
{
    CLayoutHelper layout(this, rect);
    layout.DockTop(m_summary.Get());
    layout.DockTop(m_disabled.Get(), -1, CLayoutHelper::kPreferredCentred);
}

CSampleWizard::CSampleWizard()
{
    AddPage(&m_welcome);
    AddPage(&m_options);
    AddPage(&m_finish);
}
