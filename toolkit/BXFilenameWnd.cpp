#include "BXFilenameWnd.h"

#include "BXButton.h"
#include "BXFilenameEdit.h"
#include "BXSkinAccess.h"
#include "BXTranslate.h"

#include <algorithm>

namespace {
constexpr int32_t kGap = 8; // device-independent pixels between the edit part and the button
}

BXFilenameWnd::BXFilenameWnd(const BXString& path, int32_t mode) : m_mode(mode), m_initialPath(path) {}

void BXFilenameWnd::OnCreate()
{
    BXControlWnd::OnCreate();
    if (m_edit.Get() != nullptr)
        return;
    m_edit = CreateChild<BXFilenameEdit>(m_initialPath).Get();
    m_browse = CreateChild<BXButton>(BXTranslate(BXString(u"Browse"))).Get();
    m_browse->OnEvent<&BXFilenameWnd::OnBrowseClicked>(kClickEvent, this);
    Layout(m_rect);
}

BXString BXFilenameWnd::GetPath() const
{
    return m_edit.Get() != nullptr ? m_edit->GetText() : m_initialPath;
}

void BXFilenameWnd::SetPath(const BXString& path)
{
    if (m_edit.Get() != nullptr)
        m_edit->SetText(path);
    else
        m_initialPath = path;
}

bool BXFilenameWnd::Browse()
{
    IBXToolsDLL* tools = BXGetTools();
    IBXDialogs* dialogs = tools != nullptr ? tools->GetDialogs() : nullptr;
    if (dialogs == nullptr || m_mode != kModeFolder)
        return false;
    const BXString title = BXTranslate(BXString(u"Select Path"));
    const BXString start = GetPath();
    BXString folder;
    BXDllStringRef answer(folder);
    if (!dialogs->PickFolder(GetHostHwnd(), title.GetString(), start.GetString(), &answer) || folder.IsEmpty())
        return false;
    SetPath(folder);
    return true;
}

void BXFilenameWnd::OnBrowseClicked()
{
    Browse();
}

void BXFilenameWnd::Layout(const RECT& rect)
{
    if (m_edit.Get() == nullptr)
        return;
    const int32_t buttonWidth = std::min<int32_t>(m_browse->GetPreferredSize(-1).cx, rect.right - rect.left);
    const RECT button{rect.right - buttonWidth, rect.top, rect.right, rect.bottom};
    const RECT edit{rect.left, rect.top, std::max<int32_t>(rect.left, button.left - BXScale(kGap)), rect.bottom};
    m_edit->SetWindowPos(edit, 0);
    m_browse->SetWindowPos(button, 0);
}

SIZE BXFilenameWnd::GetPreferredSize(int32_t width)
{
    (void)width;
    int32_t height = BXGetStandardControlHeight();
    if (m_edit.Get() != nullptr)
        height = std::max<int32_t>(height, m_edit->GetPreferredSize(-1).cy);
    return SIZE{-1, height};
}
