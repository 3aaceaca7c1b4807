// Starting other programs through the shell, with optional waiting, time
// limit, cancel event, message pumping and output capture, and the ways the
// installer registers COM components. Every call runs on the calling thread,
// traces what it does and closes every handle it opened before it returns; a
// wait that ends early terminates the started program.
#pragma once

#include "BXString.h"
#include "BXStringArray.h"
#include "BXWindows.h"

#include <cstdint>

// Starts program with the arguments joined by single blanks (not quoted: quote
// paths yourself). True when the program ran as asked: it started (and, with
// wait, ended by itself); in capture mode, when it exited with 0.
//   show        SW_SHOWNORMAL and shell error dialogs; false: SW_HIDE, no UI
//   pump        while waiting, poll every 10 ms and pump the thread's messages
//               (re-entrant window messages!); false: poll every 500 ms
//   exitCode    the program's exit code when it ended by itself; -1 when the
//               capture pipe could not be opened
//   priority    a priority class, applied unless 0 or NORMAL_PRIORITY_CLASS
//   showErrors  a message box titled "Information" when the start fails
//   timeLimitMs the wait ends (program terminated) after this long; < 1: none
//   cancelEvent the wait ends (program terminated) when it is signalled
//   outputLines when given, the program runs through a read pipe and each line
//               it writes is appended; no other option applies then
bool RunProgram(const BXString& program, const BXStringArray& arguments, bool show = true, bool wait = false,
                bool pump = false, int32_t* exitCode = nullptr, uint32_t priority = NORMAL_PRIORITY_CLASS,
                bool showErrors = false, int32_t timeLimitMs = 0, HANDLE cancelEvent = nullptr,
                const BXString& workingFolder = BXString(), BXStringArray* outputLines = nullptr);

// RunProgram with wait set and one argument.
bool RunAndWait(const BXString& program, bool show, const BXString& argument, bool pump = false,
                int32_t* exitCode = nullptr, uint32_t priority = NORMAL_PRIORITY_CLASS, bool showErrors = false,
                int32_t timeLimitMs = 0, HANDLE cancelEvent = nullptr, const BXString& workingFolder = BXString(),
                BXStringArray* outputLines = nullptr);

// The text of the box RunProgram shows when the shell could not start
// program: by the shell's code (2, 3, 11, anything else), translated.
BXString GetStartFailureText(const BXString& program, int32_t code);

// The arguments as RunProgram passes them: joined with single blanks.
BXString JoinProgramArguments(const BXStringArray& arguments);

// The product's finishing program (program folder of the per-process path
// record + "PackageInstaller.exe") with one argument: shown, waited for
// without pumping, no error box. True when it started and ended.
bool RunFinishingProgram(const BXString& argument);
BXString GetFinishingProgramPath();

// Runs Windows' RegSvr32 silently on path and waits for it; with is64Bit the
// native system32 copy is used (redirection off under WOW64). Always true:
// RegSvr32 reports failure only through message boxes it does not show here.
bool RegisterWithRegSvr32(const BXString& path, bool doRegister, bool is64Bit);
// RegSvr32's parameters for path: "/s ", "/u " when unregistering, the path in quotes.
BXString GetRegSvr32Parameters(const BXString& path, bool doRegister);

// The finishing program with "/RegDLL " or "/UnRegDLL " and the path.
bool RegisterThroughFinishingProgram(const BXString& path, bool doRegister);

// Loads path (with its own folder as the current directory, restored after)
// and calls its DllRegisterServer; true when that returned a success code.
bool RegisterInProcess(const BXString& path);
// The same with DllUnregisterServer.
bool UnregisterInProcess(const BXString& path);

// Whether path names a registrable component: contains ".dll", ".ocx" or
// ".ax", case-sensitively (lower-case the path first when that matters).
bool IsRegistrable(const BXString& path);
