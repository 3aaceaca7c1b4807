#include "CMessages.h"

#include "IBXTools.h"

#if defined(_WIN32)
#include "BXWindows.h"
#endif

namespace {

int32_t ShowBox(void* owner, const BXString& text, const BXString& title, int32_t buttons, int32_t defaultAnswer,
                int32_t escapeAnswer)
{
    IBXToolsDLL* tools = BXGetTools();
    if (IBXDialogs* dialogs = tools != nullptr ? tools->GetDialogs() : nullptr) {
        BXMessageBoxInfo info{owner,         title.GetString(), text.GetString(), buttons, 0,
                              defaultAnswer, escapeAnswer,      nullptr,          0};
        return dialogs->ShowMessageBox(&info);
    }
#if defined(_WIN32)
    const int answer = ::MessageBoxW(static_cast<HWND>(owner), text.W(), title.W(), UINT(buttons));
    return answer != 0 ? answer : escapeAnswer;
#else
    (void)owner;
    return defaultAnswer;
#endif
}

} // namespace

BXString Translate(const BXChar* literal)
{
    BXString text(literal != nullptr ? literal : u"");
    IBXToolsDLL* tools = BXGetTools();
    if (!text.IsEmpty() && tools != nullptr) {
        if (IBXLanguage* language = tools->GetLanguage()) {
            BXDllStringRef out(text);
            language->Translate(&out);
        }
    }
    return text;
}

int32_t ShowMessage(void* owner, const BXString& text, const BXString& title)
{
    return ShowBox(owner, text, title, 0, kAnswerOK, kAnswerOK);
}

int32_t ShowQuestion(void* owner, const BXString& text, const BXString& title)
{
    return ShowBox(owner, text, title, 4, kAnswerYes, kAnswerNo);
}

void ShowCriticalError()
{
    BXString text = Translate(u"Install Wizard encountered a critical error and must close.\r\n\r\n");
    text.Append(Translate(u"It is recommended that you reboot your computer and install again.\r\n\r\n"));
    text.Append(Translate(u"If this error persists, please uninstall and then install again."));
    ShowMessage(nullptr, text, Translate(u"Install Error"));
}

void InstallerLog(int32_t level, const BXString& text)
{
    IBXToolsDLL* tools = BXGetTools();
    if (IBXLog* log = tools != nullptr ? tools->GetLog() : nullptr)
        log->Write(level, u"Installer", text.GetString());
}
