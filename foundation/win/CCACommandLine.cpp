#include "CCACommandLine.h"

#include "BXNamedLock.h"
#include "BXProcessPaths.h"
#include "BXTraceScope.h"
#include "CPostString.h"
#include "IBXTools.h"

namespace {

void StartProduct(const BXString& program, const BXString& arguments)
{
    BXString commandLine = BXString(u"\"") + program + u"\"";
    if (!arguments.IsEmpty())
        commandLine += BXString(u" ") + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    BXString writable = commandLine; // CreateProcessW may write into its command line
    if (::CreateProcessW(program.W(), const_cast<wchar_t*>(writable.W()), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &process)) {
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
}

BXString ProductName(IBXSettings* settings, int32_t form)
{
    BXString name;
    BXDllStringRef out(name);
    settings->GetProductName(form, &out);
    return name;
}

} // namespace

bool CCACommandLine::Execute(const BXString& commandLine)
{
    BXTraceScope trace(u"CCACommandLine::Execute");
    IBXToolsDLL* tools = BXGetTools();
    IBXSettings* settings = tools != nullptr ? tools->GetSettings() : nullptr;
    if (settings == nullptr)
        return false;
    trace.Trace(u"Waiting on lock");
    BXNamedLock lock(BXString(kCommandLock), kLockTimeoutMs);
    if (!lock.IsHeld())
        return false;
    trace.Trace(u"Have lock");

    BXString line = commandLine;
    HWND window = static_cast<HWND>(settings->GetProductWindow());
    if (window == nullptr) {
        trace.Trace(u"Coravel not running");
        if (line.Find(u"/Play ") == 0)
            line = BXString(u"/PlayReplace ") + line.Mid(6);
        const bool asArguments = line.GetLength() < kLongCommandLine && line.Find(u"TREEPATH=") < 0;
        BXString programFile;
        BXDllStringRef out(programFile);
        settings->GetProductItem(IBXSettings::kProgramFile, &out);
        BXString program = GetProcessPaths().GetProgramPath();
        program.AppendPath(programFile);
        StartProduct(program, asArguments ? line : BXString());
        const DWORD start = ::GetTickCount();
        while (window == nullptr && ::GetTickCount() - start < kStartWaitMs) {
            ::Sleep(20);
            window = static_cast<HWND>(settings->GetProductWindow());
        }
        if (asArguments)
            return true;
    }

    trace.Trace(u"Posting: %s", line);
    const BXString channel = ProductName(settings, 1) + u" FC_IPC";
    trace.Trace(u"IPC Name: %s", channel);
    CPostString poster(channel, false);
    const DWORD start = ::GetTickCount();
    while (!poster.Post(window, line)) {
        if (::GetTickCount() - start >= kPostTimeoutMs) {
            trace.Trace(u"Timeout");
            break;
        }
        ::Sleep(100);
        window = ::FindWindowW(L"VTFrame", nullptr);
    }
    return true;
}
