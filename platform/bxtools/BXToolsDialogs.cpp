#include "BXToolsDialogs.h"

#include "BXWindows.h"

#include <shlobj.h>

#include <cstdlib>

namespace {

struct AnswerNameEntry {
    int32_t code;
    const BXChar* name;
};

constexpr AnswerNameEntry kAnswerNames[] = {
    {IDOK, u"OK"},       {IDCANCEL, u"Cancel"},      {IDABORT, u"Abort"},
    {IDRETRY, u"Retry"}, {IDIGNORE, u"Ignore"},      {IDYES, u"Yes"},
    {IDNO, u"No"},       {IDTRYAGAIN, u"Try Again"}, {IDCONTINUE, u"Continue"},
};

int CALLBACK SelectStartFolder(HWND window, UINT message, LPARAM, LPARAM start)
{
    if (message == BFFM_INITIALIZED && start != 0)
        ::SendMessageW(window, BFFM_SETSELECTIONW, TRUE, start);
    return 0;
}

} // namespace

BXToolsDialogs::BXToolsDialogs(IBXLog* log, bool useAnswerList, const BXString& answers)
    : m_log(log), m_useAnswerList(useAnswerList)
{
    LoadAnswers(answers);
}

BXToolsDialogs::BXToolsDialogs(IBXLog* log) : m_log(log)
{
    const wchar_t* value = _wgetenv(L"BXTOOLS_ANSWERS");
    m_useAnswerList = value != nullptr;
    if (m_useAnswerList)
        LoadAnswers(BXString(BXFromWide(value)));
}

void BXToolsDialogs::LoadAnswers(const BXString& answers)
{
    if (!m_useAnswerList || answers.IsEmpty())
        return;
    int32_t start = 0;
    for (;;) {
        const int32_t bar = answers.Find(u'|', start);
        BXString piece = answers.Mid(start, bar < 0 ? answers.GetLength() - start : bar - start);
        piece.Trim();
        m_answers.push_back(piece);
        if (bar < 0)
            break;
        start = bar + 1;
    }
}

int32_t BXToolsDialogs::ParseAnswer(const BXString& text)
{
    for (const AnswerNameEntry& entry : kAnswerNames) {
        if (text.CompareNoCase(entry.name) == 0)
            return entry.code;
    }
    const int32_t number = text.ToInt();
    return number > 0 ? number : 0;
}

const BXChar* BXToolsDialogs::AnswerName(int32_t answer)
{
    for (const AnswerNameEntry& entry : kAnswerNames) {
        if (entry.code == answer)
            return entry.name;
    }
    return u"?";
}

bool BXToolsDialogs::NextAnswer(BXString& answer)
{
    const std::lock_guard<std::mutex> guard(m_lock);
    if (m_next >= m_answers.size())
        return false;
    answer = m_answers[m_next++];
    return true;
}

int32_t BXToolsDialogs::ShowMessageBox(const BXMessageBoxInfo* info)
{
    if (info == nullptr)
        return 0;
    const BXString title(info->title != nullptr ? info->title : u"");
    const BXString text(info->text != nullptr ? info->text : u"");
    int32_t answer = 0;
    const BXChar* how = u"user";
    if (m_useAnswerList) {
        BXString listed;
        if (NextAnswer(listed) && (answer = ParseAnswer(listed)) != 0) {
            how = u"answer list";
        } else {
            answer = info->defaultAnswer;
            how = u"default, answer list used up";
        }
    } else {
        answer = ::MessageBoxW(static_cast<HWND>(info->owner), text.W(), title.W(),
                               UINT(info->buttons) | UINT(info->icon) | MB_SETFOREGROUND);
        if (answer == 0)
            answer = info->escapeAnswer;
    }
    if (m_log != nullptr) {
        const BXString line = BXString::Formatted(u"Message box \"%s\": \"%s\" -> %s (%d, %s)", title, text,
                                                  AnswerName(answer), answer, how);
        m_log->Write(IBXLog::kInfo, u"Dialogs", line.GetString());
    }
    return answer;
}

bool BXToolsDialogs::PickFolder(void* owner, const BXChar* title, const BXChar* start, BXDllString* folder)
{
    BXString chosen;
    bool ok = false;
    if (m_useAnswerList) {
        ok = NextAnswer(chosen) && !chosen.IsEmpty() && chosen.CompareNoCase(u"Cancel") != 0;
    } else {
        BROWSEINFOW browse{};
        browse.hwndOwner = static_cast<HWND>(owner);
        browse.lpszTitle = BXWide(title != nullptr ? title : u"");
        browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
        browse.lpfn = SelectStartFolder;
        browse.lParam = reinterpret_cast<LPARAM>(start);
        if (LPITEMIDLIST list = ::SHBrowseForFolderW(&browse)) {
            wchar_t path[MAX_PATH + 1] = {};
            ok = ::SHGetPathFromIDListW(list, path) != FALSE;
            ::CoTaskMemFree(list);
            chosen = BXString(BXFromWide(path));
        }
    }
    if (m_log != nullptr) {
        const BXString line = BXString::Formatted(u"Folder picker \"%s\" -> %s", title != nullptr ? title : u"",
                                                  ok ? chosen : BXString(u"(cancelled)"));
        m_log->Write(IBXLog::kInfo, u"Dialogs", line.GetString());
    }
    if (ok && folder != nullptr)
        folder->SetString(chosen.GetString(), chosen.GetLength());
    return ok;
}
