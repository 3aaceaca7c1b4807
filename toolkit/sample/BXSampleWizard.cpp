#include "BXSampleWizard.h"

#include "BXRadio.h"
#include "BXSkinAccess.h"
#include "CLayoutHelper.h"

namespace {
constexpr int32_t kImageSide = 64;
BXString g_image;
BXString ResolveAsFile(const BXString& name)
{
    return name;
}
} // namespace

void SetSampleImage(const BXString& path)
{
    g_image = path;
    BXImageStatic::SetNameResolver(&ResolveAsFile);
}

void CSampleWelcomePage::OnCreate()
{
    m_image = CreateChild<BXImageStatic>(g_image);
    m_intro = CreateStatic(BXString(u"This program is built from the same window objects as the installer: a "
                                    u"popup that hosts windowless controls, a header band, pages and a row of "
                                    u"buttons. Text wraps to the width of the page."));
    m_note = CreateStatic(BXString(u"Press Next to see labelled controls, or Cancel to leave."));
}

void CSampleWelcomePage::Layout(const RECT& rect)
{
    // The picture keeps its own size at the top; the texts share the rest.
    const int32_t side = BXScale(kImageSide);
    const LONG left = rect.left + (rect.right - rect.left - side) / 2;
    m_image->SetWindowPos(RECT{left, rect.top, left + side, rect.top + side}, 0);
    RECT rest = rect;
    rest.top += side + BXScale(CLayoutHelper::kStandardGap);
    CLayoutHelper layout(this, rest);
    layout.DockTop(m_intro.Get());
    layout.DockTop(m_note.Get());
}

void CSampleOptionsPage::OnCreate()
{
    m_folder = AddControlWithLabel(new BXFilenameWnd(BXString(u"C:\\Program Files\\Brenix\\Sample")),
                                   BXString(u"Destination folder:"), BXControlAttachedLabelInfo::kPlaceAbove);
    m_shortcut = CreateChild<BXCheckbox>(BXString(u"Create a desktop shortcut"), true);
    m_choice.SetParent(this);
    m_choice.AddRadio(BXString(u"Standard"), 0, BXString(u"Everything most people need."));
    m_choice.AddRadio(BXString(u"Custom"), 1, BXString(u"Choose the parts yourself."));
    m_choice.Select(0);
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
    layout.DockTop(m_shortcut.Get());
    for (int32_t i = 0; i < m_choice.GetCount(); ++i) {
        layout.DockTop(m_choice.GetRadio(i), 2);
        layout.DockTop(m_choice.GetDescription(i));
    }
    layout.DockTop(m_toggle.Get(), -1, CLayoutHelper::kPreferredLeft);
    layout.DockTop(m_state.Get());
}

void CSampleFinishPage::OnCreate()
{
    m_summary = CreateStatic(BXString(u"Everything is in place. A disabled button, notes and the progress so far:"));
    m_notes = CreateChild<BXEditCtrl>();
    m_notes->SetMultiLine(true);
    m_notes->SetReadOnlyLevel(1);
    BXString notes;
    for (int line = 1; line <= 30; ++line)
        notes += BXString::Formatted(u"Note %d: the text field scrolls when its lines do not fit.\r\n", line);
    m_notes->SetText(notes);
    m_progress = CreateChild<BXProgressCtrl>();
    m_progress->SetPos(50);
    m_disabled = CreateButton(BXString(u"Disabled"));
    m_disabled->Enable(false);
}

void CSampleFinishPage::Layout(const RECT& rect)
{
    CLayoutHelper layout(this, rect);
    layout.DockTop(m_summary.Get());
    layout.DockTop(m_disabled.Get(), -1, CLayoutHelper::kPreferredLeft);
    layout.DockBottom(m_progress.Get());
    layout.Fill(m_notes.Get());
}

CSampleWizard::CSampleWizard()
{
    AddPage(&m_welcome);
    AddPage(&m_options);
    AddPage(&m_finish);
}
