#include "BXRunProgram.h"

#include "BXHandle.h"
#include "BXKnownFolders.h"
#include "BXLibrary.h"
#include "BXSystemFacts.h"
#include "BXTraceScope.h"
#include "IBXTools.h"

#include <shellapi.h>

#include <cstdio>
#include <vector>

namespace {

constexpr const BXChar* kFinishingProgram = u"PackageInstaller.exe";
constexpr const BXChar* kBoxTitle = u"Information";
constexpr DWORD kPumpPollMs = 10;
constexpr DWORD kQuietPollMs = 500;
// TerminateProcess only starts the end; give the child this long to be gone.
constexpr DWORD kTerminateWaitMs = 2000;
constexpr int kCaptureLineBytes = 1024;

BXString Translated(const BXChar* text)
{
    BXString result(text);
    IBXToolsDLL* tools = BXGetTools();
    if (IBXLanguage* language = tools != nullptr ? tools->GetLanguage() : nullptr) {
        BXDllStringRef ref(result);
        language->Translate(&ref);
    }
    return result;
}

} // namespace

BXString GetStartFailureText(const BXString& program, int32_t code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
        return BXString::Formatted(Translated(u"File '%s' is not found.").GetString(), program);
    case ERROR_PATH_NOT_FOUND:
        return BXString::Formatted(Translated(u"The specified path to file '%s' was not found.").GetString(), program);
    case ERROR_BAD_FORMAT:
        return BXString::Formatted(Translated(u"File '%s' is invalid.").GetString(), program);
    default:
        return BXString::Formatted(Translated(u"Can not start program '%s'.  Error unknown.  (%d)").GetString(),
                                   program, code);
    }
}

namespace {

void ShowStartFailure(const BXString& program, int32_t code)
{
    const BXString text = GetStartFailureText(program, code);
    const BXString title = Translated(kBoxTitle);
    IBXToolsDLL* tools = BXGetTools();
    if (IBXDialogs* dialogs = tools != nullptr ? tools->GetDialogs() : nullptr) {
        BXMessageBoxInfo info{
            nullptr, title.GetString(), text.GetString(), MB_OK, MB_ICONINFORMATION, IDOK, IDOK, nullptr, 0};
        dialogs->ShowMessageBox(&info);
        return;
    }
    ::MessageBoxW(nullptr, text.W(), title.W(), MB_OK | MB_ICONINFORMATION);
}

// Handles the thread's waiting messages; false once WM_QUIT was seen, which
// is posted again so the caller's own loop still ends.
bool PumpWaitingMessages()
{
    IBXToolsDLL* tools = BXGetTools();
    if (IBXWindowTools* window = tools != nullptr ? tools->GetWindow() : nullptr)
        return window->PumpMessages();
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(int(message.wParam));
            return false;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return true;
}

void Terminate(HANDLE process)
{
    ::TerminateProcess(process, UINT(-1));
    ::WaitForSingleObject(process, kTerminateWaitMs);
}

bool RunCaptured(BXTraceScope& trace, const BXString& program, const BXString& parameters, int32_t* exitCode,
                 BXStringArray& lines)
{
    const BXString commandLine = program + u" " + parameters;
    trace.Trace(u"Capturing: %s", commandLine);
    FILE* pipe = ::_wpopen(commandLine.W(), L"r");
    if (pipe == nullptr) {
        trace.Trace(u"Failed to open the pipe (errno %d)", int32_t(errno));
        if (exitCode != nullptr)
            *exitCode = -1;
        return false;
    }
    char line[kCaptureLineBytes];
    while (std::fgets(line, kCaptureLineBytes, pipe) != nullptr) {
        BXString text = BXString::FromAnsi(line);
        text.TrimRight(u"\r\n");
        lines.Add(text);
    }
    const int32_t code = ::_pclose(pipe);
    if (exitCode != nullptr)
        *exitCode = code;
    return code == 0;
}

// Waits for process (and cancelEvent) the way RunProgram's options ask;
// every early end terminates the process.
bool WaitForProcess(BXTraceScope& trace, HANDLE process, bool pump, int32_t* exitCode, int32_t timeLimitMs,
                    HANDLE cancelEvent)
{
    trace.Trace(u"Waiting for completion");
    const HANDLE handles[2] = {process, cancelEvent};
    const DWORD count = cancelEvent != nullptr ? 2 : 1;
    const DWORD start = ::GetTickCount();
    bool pumping = pump;
    bool result = false;
    for (;;) {
        const DWORD wait = ::WaitForMultipleObjects(count, handles, FALSE, pump ? kPumpPollMs : kQuietPollMs);
        if (wait == WAIT_OBJECT_0) {
            trace.Trace(u"Finished");
            DWORD code = 0;
            if (exitCode != nullptr && ::GetExitCodeProcess(process, &code))
                *exitCode = int32_t(code);
            result = true;
            break;
        }
        if (count == 2 && wait == WAIT_OBJECT_0 + 1) {
            trace.Trace(u"Cancel");
            Terminate(process);
            break;
        }
        if (wait == WAIT_TIMEOUT) {
            if (timeLimitMs > 0 && ::GetTickCount() - start > DWORD(timeLimitMs)) {
                trace.Trace(u"Timeout");
                Terminate(process);
                break;
            }
            if (pumping)
                pumping = PumpWaitingMessages();
            continue;
        }
        trace.Trace(u"Unknown wait code (%d)", int32_t(wait));
        Terminate(process);
        break;
    }
    trace.Trace(u"Done waiting");
    return result;
}

bool RunShell(BXTraceScope& trace, const BXString& program, const BXString& parameters, bool show, bool wait, bool pump,
              int32_t* exitCode, uint32_t priority, bool showErrors, int32_t timeLimitMs, HANDLE cancelEvent,
              const BXString& workingFolder)
{
    trace.Trace(u"Filename: %s / Parameters: %s", program, parameters);
    trace.Trace(u"Performing ShellExecute...");
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOZONECHECKS | (show ? 0 : SEE_MASK_FLAG_NO_UI);
    info.lpFile = program.W();
    info.lpParameters = parameters.W();
    info.lpDirectory = workingFolder.IsEmpty() ? nullptr : workingFolder.W();
    info.nShow = show ? SW_SHOWNORMAL : SW_HIDE;
    const BOOL started = ::ShellExecuteExW(&info);
    const DWORD lastError = ::GetLastError();
    BXHandle process(info.hProcess);
    const intptr_t instance = reinterpret_cast<intptr_t>(info.hInstApp);
    if (!started || instance <= 32) {
        // A failed call that left no shell code behind still has its system error.
        const int32_t code = instance <= 32 && instance > 0 ? int32_t(instance) : int32_t(lastError);
        trace.Trace(u"Failed to start (error %d)", code);
        if (showErrors)
            ShowStartFailure(program, code);
        return false;
    }
    if (!process.IsValid())
        return true;
    trace.Trace(u"Running process...");
    if (priority != 0 && priority != NORMAL_PRIORITY_CLASS)
        ::SetPriorityClass(process.Get(), priority);
    if (!wait)
        return true;
    return WaitForProcess(trace, process.Get(), pump, exitCode, timeLimitMs, cancelEvent);
}

typedef HRESULT(STDAPICALLTYPE* RegistrationEntry)();

// Calls the library's registration entry with the library's folder as the
// current directory, so the libraries it depends on are found there.
bool CallRegistrationEntry(const BXString& path, const BXChar* entryName)
{
    BXTraceScope trace(u"ComponentRegistration");
    trace.Trace(u"%s: %s", entryName, path);
    const DWORD needed = ::GetCurrentDirectoryW(0, nullptr);
    std::vector<wchar_t> saved(needed + 1, L'\0');
    const bool haveSaved = needed != 0 && ::GetCurrentDirectoryW(DWORD(saved.size()), saved.data()) != 0;
    BXString folder(path);
    if (folder.StripFileName())
        ::SetCurrentDirectoryW(folder.W());

    bool result = false;
    {
        BXLibrary library;
        if (BXLoadLibrary(library, path, 0)) {
            // Through void(*)(): FARPROC's signature is only a placeholder.
            if (auto entry = reinterpret_cast<RegistrationEntry>(
                    reinterpret_cast<void (*)()>(BXGetProcedure(library, BXString(entryName))))) {
                const HRESULT hr = entry();
                trace.Trace(u"%s returned 0x%08X", entryName, uint32_t(hr));
                result = SUCCEEDED(hr);
            } else {
                trace.Trace(u"%s not found", entryName);
            }
        } else {
            trace.Trace(u"Loading failed, error: %d", int32_t(::GetLastError()));
        }
    }
    if (haveSaved)
        ::SetCurrentDirectoryW(saved.data());
    trace.SetResult(result ? 1 : 0);
    return result;
}

} // namespace

BXString JoinProgramArguments(const BXStringArray& arguments)
{
    return arguments.Join(BXString(u" "));
}

bool RunProgram(const BXString& program, const BXStringArray& arguments, bool show, bool wait, bool pump,
                int32_t* exitCode, uint32_t priority, bool showErrors, int32_t timeLimitMs, HANDLE cancelEvent,
                const BXString& workingFolder, BXStringArray* outputLines)
{
    BXTraceScope trace(u"RunProgram");
    const BXString parameters = JoinProgramArguments(arguments);
    bool result;
    if (outputLines != nullptr && !program.IsEmpty())
        result = RunCaptured(trace, program, parameters, exitCode, *outputLines);
    else
        result = RunShell(trace, program, parameters, show, wait, pump, exitCode, priority, showErrors, timeLimitMs,
                          cancelEvent, workingFolder);
    trace.SetResult(result ? 1 : 0);
    return result;
}

bool RunAndWait(const BXString& program, bool show, const BXString& argument, bool pump, int32_t* exitCode,
                uint32_t priority, bool showErrors, int32_t timeLimitMs, HANDLE cancelEvent,
                const BXString& workingFolder, BXStringArray* outputLines)
{
    BXStringArray arguments;
    arguments.Add(argument);
    return RunProgram(program, arguments, show, true, pump, exitCode, priority, showErrors, timeLimitMs, cancelEvent,
                      workingFolder, outputLines);
}

BXString GetFinishingProgramPath()
{
    return GetProductProgramFolder() + kFinishingProgram;
}

bool RunFinishingProgram(const BXString& argument)
{
    return RunAndWait(GetFinishingProgramPath(), true, argument, false, nullptr, NORMAL_PRIORITY_CLASS, false, 0,
                      nullptr, BXString(), nullptr);
}

BXString GetRegSvr32Parameters(const BXString& path, bool doRegister)
{
    BXString parameters(u"/s ");
    if (!doRegister)
        parameters += u"/u ";
    return parameters + u"\"" + path + u"\"";
}

bool RegisterWithRegSvr32(const BXString& path, bool doRegister, bool is64Bit)
{
    IBXSystemFacts& facts = BXSystemFacts();
    const bool redirectionOff = is64Bit && facts.IsWow64() && facts.EnableFsRedirection(false);
    int32_t exitCode = 0;
    RunAndWait(GetWindowsFolder() + u"system32\\RegSvr32.exe", false, GetRegSvr32Parameters(path, doRegister), true,
               &exitCode, NORMAL_PRIORITY_CLASS, false, 0, nullptr, BXString(), nullptr);
    if (redirectionOff)
        facts.EnableFsRedirection(true);
    return true;
}

bool RegisterThroughFinishingProgram(const BXString& path, bool doRegister)
{
    return RunFinishingProgram((doRegister ? BXString(u"/RegDLL ") : BXString(u"/UnRegDLL ")) + path);
}

bool RegisterInProcess(const BXString& path)
{
    return CallRegistrationEntry(path, u"DllRegisterServer");
}

bool UnregisterInProcess(const BXString& path)
{
    return CallRegistrationEntry(path, u"DllUnregisterServer");
}

bool IsRegistrable(const BXString& path)
{
    return path.Find(u".dll") >= 0 || path.Find(u".ocx") >= 0 || path.Find(u".ax") >= 0;
}
