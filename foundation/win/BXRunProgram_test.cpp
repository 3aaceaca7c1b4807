#include "BXRunProgram.h"

#include "BXHandle.h"
#include "BXKnownFolders.h"
#include "BXProcessPaths.h"
#include "BXRecordingTools.h"
#include "BXScopedTempFolder.h"
#include "BXSystemFacts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <thread>

namespace {

BXString Wide(const std::filesystem::path& path)
{
    return BXString(path.wstring().c_str());
}

std::string Utf8(const BXString& text)
{
    return text.ToUtf8().Get();
}

// Folder of the running test binary, where the test programs are built.
BXString TestBinaryFolder()
{
    wchar_t module[MAX_PATH + 1] = {};
    ::GetModuleFileNameW(nullptr, module, MAX_PATH);
    BXString folder(BXFromWide(module));
    folder.StripFileName();
    return folder;
}

BXString ChildPath()
{
    return TestBinaryFolder() + u"bx_test_child.exe";
}

BXString ComponentPath()
{
    return TestBinaryFolder() + u"bx_test_component.dll";
}

std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The child's "--record" file as key=value pairs (the last of each key wins).
std::map<std::string, std::string> ReadRecord(const std::filesystem::path& path)
{
    std::map<std::string, std::string> values;
    std::istringstream in(ReadText(path));
    std::string line;
    while (std::getline(in, line)) {
        const size_t equals = line.find('=');
        if (equals != std::string::npos)
            values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return values;
}

// Whether the process of the id written to pidFile has ended (or never was).
bool ChildIsGone(const std::filesystem::path& pidFile)
{
    const std::string text = ReadText(pidFile);
    if (text.empty())
        return false;
    const DWORD pid = DWORD(std::stoul(text));
    BXHandle process(::OpenProcess(SYNCHRONIZE, FALSE, pid));
    if (!process.IsValid())
        return true;
    return ::WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0;
}

BXStringArray Arguments(std::initializer_list<BXString> items)
{
    BXStringArray arguments;
    for (const BXString& item : items)
        arguments.Add(item);
    return arguments;
}

class RunProgramTest : public ::testing::Test {
protected:
    BXString Option(const char* name, const std::filesystem::path& file) const
    {
        return BXString::Formatted(u"--%s=%s", name, Wide(file));
    }
    std::filesystem::path File(const char* name) const { return m_temp.Path() / name; }

    BXRecordingTools m_tools;
    BXScopedTempFolder m_temp;
};

TEST(RunProgramArguments, JoinedWithSingleBlanksUnquoted)
{
    EXPECT_EQ(JoinProgramArguments(BXStringArray()), BXString());
    EXPECT_EQ(JoinProgramArguments(Arguments({u"/Register", u"x"})), BXString(u"/Register x"));
    EXPECT_EQ(JoinProgramArguments(Arguments({u"/Q", u"C:\\a b\\c.vtp", u""})), BXString(u"/Q C:\\a b\\c.vtp "));
}

TEST_F(RunProgramTest, ChildGetsJoinedParametersWorkingFolderAndTrace)
{
    const auto record = File("record.txt");
    int32_t exitCode = 12345;
    ASSERT_TRUE(RunProgram(ChildPath(), Arguments({Option("record", record), u"/Register", u"x"}), false, true, false,
                           &exitCode, NORMAL_PRIORITY_CLASS, false, 0, nullptr, Wide(m_temp.Path())));
    EXPECT_EQ(exitCode, 0);
    const auto values = ReadRecord(record);
    EXPECT_EQ(values.at("args"), Utf8(Option("record", record)) + " /Register x");
    EXPECT_EQ(values.at("cwd"), Utf8(Wide(m_temp.Path())));

    const std::vector<std::u16string> trace = m_tools.TextsOf(u"RunProgram");
    ASSERT_EQ(trace.size(), 8u);
    EXPECT_EQ(trace[0], u"Start");
    EXPECT_EQ(trace[1], u"Filename: " + std::u16string(ChildPath().View()) + u" / Parameters: " +
                            std::u16string(Option("record", record).View()) + u" /Register x");
    EXPECT_EQ(trace[2], u"Performing ShellExecute...");
    EXPECT_EQ(trace[3], u"Running process...");
    EXPECT_EQ(trace[4], u"Waiting for completion");
    EXPECT_EQ(trace[5], u"Finished");
    EXPECT_EQ(trace[6], u"Done waiting");
    EXPECT_EQ(trace[7].rfind(u"Finish (result: 1) (", 0), 0u) << Utf8(BXString(trace[7].c_str()));
}

TEST_F(RunProgramTest, ExitCodeOfAWaitedProgram)
{
    for (int32_t code : {0, 3, 255, -5}) {
        int32_t exitCode = 777;
        EXPECT_TRUE(RunProgram(ChildPath(), Arguments({BXString::Formatted(u"--exit=%d", code)}), false, true, false,
                               &exitCode));
        EXPECT_EQ(exitCode, code);
    }
}

TEST_F(RunProgramTest, WithoutWaitReturnsWhileTheChildRuns)
{
    const auto pid = File("pid.txt");
    const DWORD start = ::GetTickCount();
    int32_t exitCode = 777;
    ASSERT_TRUE(
        RunProgram(ChildPath(), Arguments({Option("pid", pid), u"--sleep=1500"}), false, false, false, &exitCode));
    EXPECT_LT(::GetTickCount() - start, 1200u);
    EXPECT_EQ(exitCode, 777) << "no exit code without waiting";
    for (int i = 0; i < 100 && ReadText(pid).empty(); ++i)
        ::Sleep(20);
    EXPECT_FALSE(ChildIsGone(pid));
    for (int i = 0; i < 150 && !ChildIsGone(pid); ++i)
        ::Sleep(20);
    EXPECT_TRUE(ChildIsGone(pid));
}

TEST_F(RunProgramTest, ShowFlagAndPriorityReachTheChild)
{
    struct Case {
        bool show;
        uint32_t priority;
        const char* expectedShow;
        DWORD expectedPriority;
    };
    for (const Case& c :
         {Case{false, IDLE_PRIORITY_CLASS, "0", IDLE_PRIORITY_CLASS}, Case{true, 0, "1", NORMAL_PRIORITY_CLASS},
          Case{false, BELOW_NORMAL_PRIORITY_CLASS, "0", BELOW_NORMAL_PRIORITY_CLASS}}) {
        const auto record = File("show.txt");
        std::filesystem::remove(record);
        // The priority is applied after the start: record it a little later.
        ASSERT_TRUE(RunProgram(ChildPath(), Arguments({u"--sleep=300", Option("record", record)}), c.show, true, false,
                               nullptr, c.priority));
        const auto values = ReadRecord(record);
        EXPECT_EQ(values.at("show"), c.expectedShow) << c.show;
        EXPECT_EQ(values.at("priority"), std::to_string(c.expectedPriority)) << c.priority;
    }
}

TEST_F(RunProgramTest, CaptureModeCollectsLinesAndTheExitCode)
{
    BXStringArray lines;
    lines.Add(u"kept");
    int32_t exitCode = 777;
    EXPECT_TRUE(RunProgram(ChildPath(), Arguments({u"--print=one", u"\"--print=two words\"", u"--print=Caf\u00e9"}),
                           true, false, false, &exitCode, 0, false, 0, nullptr, BXString(), &lines));
    EXPECT_EQ(exitCode, 0);
    ASSERT_EQ(lines.GetCount(), 4);
    EXPECT_EQ(lines[0], BXString(u"kept"));
    EXPECT_EQ(lines[1], BXString(u"one"));
    EXPECT_EQ(lines[2], BXString(u"two words"));
    EXPECT_EQ(lines[3], BXString(u"Caf\u00e9"));

    BXStringArray failing;
    EXPECT_FALSE(RunProgram(ChildPath(), Arguments({u"--print=last", u"--exit=4"}), true, false, false, &exitCode, 0,
                            false, 0, nullptr, BXString(), &failing));
    EXPECT_EQ(exitCode, 4);
    ASSERT_EQ(failing.GetCount(), 1);
    EXPECT_EQ(failing[0], BXString(u"last"));
}

TEST_F(RunProgramTest, StartFailuresShowTheirBoxAndReturnFalse)
{
    m_temp.WriteFile("notes.bxunregistered", "text");
    struct Case {
        BXString program;
        BXString expectedText;
    };
    const BXString missing = Wide(m_temp.Path() / "missing.exe");
    m_temp.WriteFile("bad.exe", "not a program");
    const BXString bad = Wide(m_temp.Path() / "bad.exe");
    const BXString unregistered = Wide(m_temp.Path() / "notes.bxunregistered");
    const Case cases[] = {
        {missing, u"File '" + missing + u"' is not found."},
        {bad, u"File '" + bad + u"' is invalid."},
        {unregistered, u"Can not start program '" + unregistered + u"'.  Error unknown.  (31)"},
    };
    for (const Case& c : cases) {
        const size_t before = m_tools.Boxes().size();
        EXPECT_FALSE(RunProgram(c.program, BXStringArray(), false, true, false, nullptr, 0, true));
        const auto boxes = m_tools.Boxes();
        ASSERT_EQ(boxes.size(), before + 1) << Utf8(c.program);
        EXPECT_EQ(boxes.back().title, u"Information");
        EXPECT_EQ(boxes.back().text, std::u16string(c.expectedText.View()));
    }
    const auto trace = m_tools.TextsOf(u"RunProgram");
    EXPECT_NE(std::find(trace.begin(), trace.end(), u"Failed to start (error 2)"), trace.end());
    EXPECT_NE(std::find(trace.begin(), trace.end(), u"Failed to start (error 31)"), trace.end());

    // Without show errors the failure stays silent.
    const size_t before = m_tools.Boxes().size();
    EXPECT_FALSE(RunProgram(missing, BXStringArray(), false, true));
    EXPECT_EQ(m_tools.Boxes().size(), before);
}

TEST(RunProgramStartFailure, TextByShellCode)
{
    const BXString program(u"C:\\a b\\x.exe");
    EXPECT_EQ(GetStartFailureText(program, 2), BXString(u"File 'C:\\a b\\x.exe' is not found."));
    EXPECT_EQ(GetStartFailureText(program, 3), BXString(u"The specified path to file 'C:\\a b\\x.exe' was not found."));
    EXPECT_EQ(GetStartFailureText(program, 11), BXString(u"File 'C:\\a b\\x.exe' is invalid."));
    for (int32_t code : {0, 5, 31, 32})
        EXPECT_EQ(GetStartFailureText(program, code),
                  BXString::Formatted(u"Can not start program 'C:\\a b\\x.exe'.  Error unknown.  (%d)", code));
}

TEST_F(RunProgramTest, TimeLimitTerminatesTheChild)
{
    const auto pid = File("pid.txt");
    int32_t exitCode = 777;
    const DWORD start = ::GetTickCount();
    // The limit leaves the child time to write its id even on a busy machine.
    EXPECT_FALSE(RunProgram(ChildPath(), Arguments({Option("pid", pid), u"--ignore-close", u"--sleep=30000"}), false,
                            true, false, &exitCode, 0, false, 1200));
    const DWORD elapsed = ::GetTickCount() - start;
    // Polled every 500 ms: the limit is noticed at the first poll past it.
    EXPECT_GE(elapsed, 1200u);
    EXPECT_LT(elapsed, 6000u);
    EXPECT_EQ(exitCode, 777);
    EXPECT_TRUE(ChildIsGone(pid));
    const auto trace = m_tools.TextsOf(u"RunProgram");
    EXPECT_NE(std::find(trace.begin(), trace.end(), u"Timeout"), trace.end());
    EXPECT_NE(std::find(trace.begin(), trace.end(), u"Done waiting"), trace.end());
}

TEST_F(RunProgramTest, CancelEventFromAnotherThreadTerminatesTheChild)
{
    const auto pid = File("pid.txt");
    BXHandle cancel(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    // Cancel once the child runs, so that its end can be checked.
    std::thread canceller([&] {
        for (int i = 0; i < 500 && ReadText(pid).empty(); ++i)
            ::Sleep(20);
        ::Sleep(100);
        ::SetEvent(cancel.Get());
    });
    const DWORD start = ::GetTickCount();
    const bool result = RunProgram(ChildPath(), Arguments({Option("pid", pid), u"--ignore-close", u"--sleep=30000"}),
                                   false, true, true, nullptr, 0, false, 0, cancel.Get());
    const DWORD elapsed = ::GetTickCount() - start;
    canceller.join();
    EXPECT_FALSE(result);
    EXPECT_LT(elapsed, 5000u);
    EXPECT_TRUE(ChildIsGone(pid));
    const auto trace = m_tools.TextsOf(u"RunProgram");
    EXPECT_NE(std::find(trace.begin(), trace.end(), u"Cancel"), trace.end());
}

// A window that counts the messages it receives.
class CountingWindow {
public:
    static constexpr UINT kMessage = WM_APP + 7;

    CountingWindow()
    {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"BXRunProgramTestWindow";
        ::RegisterClassW(&windowClass);
        m_window = ::CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     windowClass.hInstance, nullptr);
        ::SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&m_count));
    }
    ~CountingWindow()
    {
        ::DestroyWindow(m_window);
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    HWND Get() const { return m_window; }
    int Count() const { return m_count; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == kMessage) {
            ++*reinterpret_cast<int*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
            return 0;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    HWND m_window = nullptr;
    int m_count = 0;
};

TEST_F(RunProgramTest, PumpingDispatchesMessagesWhileWaiting)
{
    for (bool windowService : {false, true}) {
        m_tools.m_offerWindowService = windowService;
        const int pumpsBefore = m_tools.m_pumpCount;
        CountingWindow window;
        ASSERT_NE(window.Get(), nullptr);
        ::PostMessageW(window.Get(), CountingWindow::kMessage, 0, 0);
        EXPECT_TRUE(RunProgram(ChildPath(), Arguments({u"--sleep=300"}), false, true, true));
        EXPECT_EQ(window.Count(), 1) << "window service: " << windowService;
        EXPECT_EQ(m_tools.m_pumpCount > pumpsBefore, windowService);
    }
}

TEST_F(RunProgramTest, WithoutPumpingMessagesStayQueued)
{
    CountingWindow window;
    ::PostMessageW(window.Get(), CountingWindow::kMessage, 0, 0);
    EXPECT_TRUE(RunProgram(ChildPath(), Arguments({u"--sleep=100"}), false, true, false));
    EXPECT_EQ(window.Count(), 0);
    MSG message;
    EXPECT_TRUE(
        ::PeekMessageW(&message, window.Get(), CountingWindow::kMessage, CountingWindow::kMessage, PM_NOREMOVE));
}

TEST_F(RunProgramTest, RunAndWaitPassesOneArgument)
{
    const auto record = File("record.txt");
    int32_t exitCode = 777;
    EXPECT_TRUE(RunAndWait(ChildPath(), false, Option("record", record) + u" --exit=6", false, &exitCode));
    EXPECT_EQ(exitCode, 6);
    EXPECT_EQ(ReadRecord(record).at("args"), Utf8(Option("record", record)) + " --exit=6");
}

TEST(ComponentPaths, RegistrableByCaseSensitiveSubstring)
{
    struct Case {
        const BXChar* path;
        bool registrable;
    };
    for (const Case& c : {Case{u"C:\\p\\a.dll", true}, Case{u"C:\\p\\b.ocx", true}, Case{u"C:\\p\\c.ax", true},
                          Case{u"C:\\p.dll\\readme.txt", true}, Case{u"C:\\p\\A.DLL", false},
                          Case{u"C:\\p\\a.exe", false}, Case{u"C:\\p\\a.axe", true}, Case{u"", false}})
        EXPECT_EQ(IsRegistrable(BXString(c.path)), c.registrable) << Utf8(BXString(c.path));
}

TEST(ComponentPaths, RegSvr32ParametersQuoteThePath)
{
    EXPECT_EQ(GetRegSvr32Parameters(u"C:\\Program Files\\a b.dll", true),
              BXString(u"/s \"C:\\Program Files\\a b.dll\""));
    EXPECT_EQ(GetRegSvr32Parameters(u"C:\\Program Files\\a b.dll", false),
              BXString(u"/s /u \"C:\\Program Files\\a b.dll\""));
}

// Component registration against the test component, which records each
// entry it ran and the current directory it saw.
class RegistrationTest : public ::testing::Test {
protected:
    RegistrationTest()
    {
        m_folder = m_temp.Path() / "with blank";
        std::filesystem::create_directories(m_folder);
        m_component = m_folder / "component.dll";
        std::filesystem::copy_file(std::filesystem::path(ComponentPath().W()), m_component);
        m_record = m_temp.Path() / "calls.txt";
        ::SetEnvironmentVariableW(L"BX_TEST_COMPONENT_RECORD", m_record.wstring().c_str());
    }
    ~RegistrationTest() override
    {
        ::SetEnvironmentVariableW(L"BX_TEST_COMPONENT_RECORD", nullptr);
        ::SetEnvironmentVariableW(L"BX_TEST_COMPONENT_FAIL", nullptr);
    }
    std::string Calls() const { return ReadText(m_record); }
    std::string Call(const char* entry) const { return std::string(entry) + "|" + m_folder.string() + "\n"; }

    BXRecordingTools m_tools;
    BXScopedTempFolder m_temp;
    std::filesystem::path m_folder;
    std::filesystem::path m_component;
    std::filesystem::path m_record;
};

TEST_F(RegistrationTest, InProcessRunsInTheLibraryFolderAndRestoresTheDirectory)
{
    wchar_t before[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, before);
    EXPECT_TRUE(RegisterInProcess(Wide(m_component)));
    EXPECT_TRUE(UnregisterInProcess(Wide(m_component)));
    EXPECT_EQ(Calls(), Call("DllRegisterServer") + Call("DllUnregisterServer"));
    wchar_t after[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, after);
    EXPECT_STREQ(after, before);
    // The library was freed: it can be deleted.
    EXPECT_TRUE(::DeleteFileW(m_component.wstring().c_str()));
}

TEST_F(RegistrationTest, InProcessFailures)
{
    ::SetEnvironmentVariableW(L"BX_TEST_COMPONENT_FAIL", L"1");
    EXPECT_FALSE(RegisterInProcess(Wide(m_component))) << "a failure code";
    EXPECT_EQ(Calls(), Call("DllRegisterServer"));
    EXPECT_FALSE(RegisterInProcess(Wide(m_folder / "missing.dll")));
    // A library without the entry.
    wchar_t system[MAX_PATH] = {};
    ::GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_FALSE(RegisterInProcess(BXString(BXFromWide(system)) + u"\\kernel32.dll"));
}

TEST_F(RegistrationTest, ThroughTheFinishingProgram)
{
    const BXString oldProgramPath = GetProcessPaths().GetProgramPath();
    GetProcessPaths().SetProgramPath(TestBinaryFolder() + u"..\\platform\\product\\", false, false);
    const auto journal = m_temp.Path() / "journal.txt";
    ::SetEnvironmentVariableW(L"BX_PRODUCT_JOURNAL", journal.wstring().c_str());

    EXPECT_TRUE(RegisterThroughFinishingProgram(Wide(m_component), true));
    EXPECT_TRUE(RegisterThroughFinishingProgram(Wide(m_component), false));
    EXPECT_EQ(Calls(), Call("DllRegisterServer") + Call("DllUnregisterServer"));
    EXPECT_EQ(ReadText(journal), "PackageInstaller.exe\t/RegDLL " + m_component.string() +
                                     "\r\nPackageInstaller.exe\t/UnRegDLL " + m_component.string() + "\r\n");
    // The finishing program's exit code is not the result: it started and ended.
    EXPECT_TRUE(RegisterThroughFinishingProgram(Wide(m_folder / "missing.dll"), true));

    ::SetEnvironmentVariableW(L"BX_PRODUCT_JOURNAL", nullptr);
    GetProcessPaths().SetProgramPath(oldProgramPath, false, false);
}

// Facts of a 32-bit process on 64-bit Windows that record redirection changes.
class Wow64Facts final : public BXOsSystemFacts {
public:
    bool IsWow64() override { return m_wow64; }
    bool EnableFsRedirection(bool enable) override
    {
        m_calls.push_back(enable);
        return true;
    }
    bool m_wow64 = true;
    std::vector<bool> m_calls;
};

TEST_F(RegistrationTest, RegSvr32RegistersAPathWithABlank)
{
    Wow64Facts facts;
    BXScopedSystemFacts scope(facts);
    EXPECT_TRUE(RegisterWithRegSvr32(Wide(m_component), true, false));
    EXPECT_TRUE(facts.m_calls.empty()) << "32-bit registration keeps redirection";
    EXPECT_TRUE(RegisterWithRegSvr32(Wide(m_component), false, true));
    EXPECT_EQ(facts.m_calls, (std::vector<bool>{false, true}));
    // RegSvr32 runs the entries in a process of its own.
    const std::string calls = Calls();
    EXPECT_NE(calls.find("DllRegisterServer|"), std::string::npos) << calls;
    EXPECT_NE(calls.find("DllUnregisterServer|"), std::string::npos) << calls;

    facts.m_wow64 = false;
    facts.m_calls.clear();
    EXPECT_TRUE(RegisterWithRegSvr32(Wide(m_folder / "missing.dll"), true, true)) << "true whatever happened";
    EXPECT_TRUE(facts.m_calls.empty());

    const auto trace = m_tools.TextsOf(u"RunProgram");
    const std::u16string expected = u"Filename: " +
                                    std::u16string((GetWindowsFolder() + u"system32\\RegSvr32.exe").View()) +
                                    u" / Parameters: /s /u \"" + std::u16string(Wide(m_component).View()) + u"\"";
    EXPECT_NE(std::find(trace.begin(), trace.end(), expected), trace.end());
}

} // namespace
