#include "CPrerequisiteChecks.h"

#include "BXNullTools.h"
#include "BXProcessPaths.h"
#include "BXRegKey.h"
#include "BXScopedTempFolder.h"
#include "BXSystemFacts.h"
#include "BXTestRegistry.h"
#include "CInstallOptions.h"

#include <gtest/gtest.h>
#include <objbase.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr const char16_t* kDisplayName = u"Cantora 23 Media Suite";
constexpr const char16_t* kShortName = u"Cantora";
constexpr const wchar_t* kBrowserKey = L"Software\\Microsoft\\Internet Explorer";

// The product's settings and dialogs: a product that runs while `running`
// says so; every box is recorded with what the installed service journal
// held when it was shown.
class CheckTools final : public BXNullTools, public IBXSettings, public IBXDialogs {
public:
    struct Box {
        std::u16string title;
        std::u16string text;
        int32_t buttons;
    };

    CheckTools() { BXSetTools(this); }
    ~CheckTools() { BXSetTools(nullptr); }

    std::map<std::u16string, std::u16string> keys;
    std::map<int32_t, std::u16string> names{{0, kShortName}, {1, kDisplayName}};
    bool running = false;
    void* window = nullptr;
    int runningQueries = 0;
    int closeRequests = 0;
    bool closeDelivered = true;
    int stopAfterQueries = -1;             // the product stops by itself after this many looks
    std::function<void()> onCloseRequest;  // default: nothing happens
    std::function<void(const Box&)> onBox; // runs while the box is "open"
    std::vector<int32_t> answers;
    std::vector<Box> boxes;

    IBXSettings* GetSettings() override { return this; }
    IBXDialogs* GetDialogs() override { return this; }

    void GetKeyText(const BXChar* key, const BXChar* defaultValue, BXDllString* value) override
    {
        auto found = keys.find(key);
        value->SetString(found != keys.end() ? found->second.c_str() : defaultValue, -1);
    }
    int32_t GetKeyInt(const BXChar*, int32_t defaultValue) override { return defaultValue; }
    void GetProductName(int32_t form, BXDllString* name) override
    {
        auto found = names.find(form);
        name->SetString(found != names.end() ? found->second.c_str() : u"", -1);
    }
    void GetProductItem(int32_t, BXDllString* value) override { value->Empty(); }
    bool IsFeatureOn(int32_t) override { return false; }
    void GetApplicationDataFolder(BXDllString* folder) override { folder->Empty(); }
    bool IsProductRunning() override
    {
        ++runningQueries;
        if (stopAfterQueries >= 0 && runningQueries > stopAfterQueries)
            running = false;
        return running;
    }
    void* GetProductWindow() override { return running ? window : nullptr; }
    bool RequestProductClose() override
    {
        ++closeRequests;
        if (onCloseRequest)
            onCloseRequest();
        return closeDelivered;
    }
    IBXRegistryKey* OpenProductKey(const BXChar*, bool) override { return nullptr; }
    IBXRegistryKey* OpenKey(int32_t, const BXChar*, bool) override { return nullptr; }

    int32_t ShowMessageBox(const BXMessageBoxInfo* info) override
    {
        boxes.push_back({info->title, info->text, info->buttons});
        if (onBox)
            onBox(boxes.back());
        if (answers.empty())
            return info->defaultAnswer;
        const int32_t answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    bool PickFolder(void*, const BXChar*, const BXChar*, BXDllString*) override { return false; }
};

// A machine that passes every check unless a test changes a fact; counts the
// reads so a test can tell which checks ran.
class MachineFacts final : public BXOsSystemFacts {
public:
    DWORD platformId = VER_PLATFORM_WIN32_NT;
    DWORD major = 10;
    DWORD minor = 0;
    bool versionFails = false;
    uint32_t cpuMask = 0x1 | 0x2 | 0x4 | 0x8;
    // The machine registry refuses keys of these names (after "Software\...").
    std::vector<std::u16string> refusedKeys;
    // Keys of these names open for reading only, so their values cannot be written.
    std::vector<std::u16string> readOnlyKeys;
    int versionReads = 0;
    int cpuReads = 0;

    bool GetVersion(OSVERSIONINFOEXW* info) override
    {
        ++versionReads;
        ZeroMemory(info, sizeof(*info));
        info->dwOSVersionInfoSize = sizeof(*info);
        info->dwPlatformId = platformId;
        info->dwMajorVersion = major;
        info->dwMinorVersion = minor;
        return !versionFails;
    }
    uint32_t GetCpuFeatureMask() override
    {
        ++cpuReads;
        return cpuMask;
    }
    bool CreateRegistryKey(HKEY parent, const BXChar* subKey, REGSAM access, BXRegKey& key) override
    {
        for (const std::u16string& refused : refusedKeys) {
            if (refused == subKey) {
                key.Close();
                return false;
            }
        }
        for (const std::u16string& readOnly : readOnlyKeys) {
            if (readOnly == subKey)
                return BXOsSystemFacts::CreateRegistryKey(parent, subKey, KEY_READ, key);
        }
        return BXOsSystemFacts::CreateRegistryKey(parent, subKey, access, key);
    }
};

bool KeyExists(HKEY root, const wchar_t* path)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

std::vector<std::wstring> ValueNames(HKEY root, const wchar_t* path)
{
    std::vector<std::wstring> names;
    BXRegKey key;
    if (!key.Open(root, BXFromWide(path)))
        return names;
    BXString name;
    for (DWORD i = 0; key.EnumValue(i, name); ++i)
        names.emplace_back(name.W());
    return names;
}

void WriteMachineString(const wchar_t* path, const wchar_t* name, const wchar_t* value)
{
    BXRegKey key;
    ASSERT_TRUE(key.Create(HKEY_LOCAL_MACHINE, BXFromWide(path)));
    ASSERT_TRUE(key.WriteString(BXFromWide(name), BXString(BXFromWide(value))));
}

const std::u16string kRightsTitle = u"Information";
const std::u16string kRightsText = u"Sorry, but you do not have sufficient rights to install the program.\r\n"
                                   u"Please make sure you have administrative rights before you begin the "
                                   u"installation.";
const std::u16string kBrowserTitle = u"Internet Explorer Warning";
const std::u16string kBrowserText =
    u"Install Wizard did not detect a new enough version of Microsoft Internet Explorer.  Setup cannot continue."
    u"\r\n\r\nClick on 'Download' to download and install the latest version of Internet Explorer.  Please re-run "
    u"setup after installing Internet Explorer.";
const std::u16string kCpuTitle = u"SSE2 Not Available";
const std::u16string kCpuText = u"The Cantora 23 Media Suite Install Wizard failed to detect an SSE2-capable CPU."
                                u"\r\n\r\nCantora 23 Media Suite requires SSE2 capabilities to run.  Setup will "
                                u"now abort.";
const std::u16string kOsTitle = u"Operating System Not Supported";
const std::u16string kOsText = u"The Cantora 23 Media Suite Install Wizard can not run on this version of Microsoft "
                               u"Windows.\r\n\r\nCantora 23 Media Suite requires Windows 2000 or later.  Setup "
                               u"will now abort.";
const std::u16string kQuestionTitle = u"Cantora 23 Media Suite Open";
const std::u16string kQuestionText = u"Install Wizard has detected a running copy of Cantora 23 Media Suite.\r\n\r\n"
                                     u"Do you want Install Wizard to close Cantora 23 Media Suite and continue setup?";

std::u16string CloseTitle(const std::u16string& shortName)
{
    return u"Please Close " + shortName;
}

std::u16string CloseText(const std::u16string& shortName)
{
    return u"Install Wizard could not close the running copy of " + shortName + u".\r\nPlease manually close " +
           shortName + u" and then press 'OK'.\r\n\r\nIf you can not close " + shortName +
           u" restart your computer and run Install Wizard again.";
}

const std::u16string kStillRunningTitle = u"Install Wizard Error";

std::u16string StillRunningText(const std::u16string& shortName)
{
    return shortName + u" is still running.  Install Wizard can not continue.\r\n\r\nPlease restart your computer "
                       u"and run Install Wizard again.";
}

class PrerequisiteChecks : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        m_savedSilent = GetInstallOptions().Silent;
        GetInstallOptions().Silent = false;
        m_savedProgramPath = GetProcessPaths().GetProgramPath();
        GetProcessPaths().SetProgramPath(BXString(), false, false);
        WriteMachineString(kBrowserKey, L"Version", L"9.11.9600.18376");
    }
    void TearDown() override
    {
        GetProcessPaths().SetProgramPath(m_savedProgramPath, false, false);
        GetInstallOptions().Silent = m_savedSilent;
        ::CoUninitialize();
    }

    std::vector<std::u16string> Titles() const
    {
        std::vector<std::u16string> titles;
        for (const CheckTools::Box& box : tools.boxes)
            titles.push_back(box.title);
        return titles;
    }

    BXTestRegistry registry{HKEY_LOCAL_MACHINE};
    MachineFacts facts;
    BXScopedSystemFacts factsScope{facts};
    CheckTools tools;

private:
    bool m_savedSilent = false;
    BXString m_savedProgramPath;
};

TEST_F(PrerequisiteChecks, AGoodMachinePassesWithoutABox)
{
    EXPECT_TRUE(RunPrerequisiteChecks());
    EXPECT_TRUE(tools.boxes.empty());
    EXPECT_EQ(facts.cpuReads, 1);
    EXPECT_EQ(facts.versionReads, 1);
    // The rights probe keeps "Software\Brenix" and removes everything it made.
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, L"Software\\Brenix"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, L"Software\\Brenix\\Rights Check"));
    EXPECT_TRUE(ValueNames(HKEY_LOCAL_MACHINE, L"Software\\Brenix").empty());
}

// One fault per case: the box it shows, and which later checks still ran.
struct FailureCase {
    const char* what;
    std::function<void(MachineFacts&, CheckTools&)> arrange;
    std::u16string title;
    std::u16string text;
    bool cpuRead;
    bool versionRead;
};

TEST_F(PrerequisiteChecks, EachFailingCheckShowsItsBoxAndStopsTheRest)
{
    const FailureCase cases[] = {
        {"machine registry refused", [](MachineFacts& f, CheckTools&) { f.refusedKeys = {u"Software\\Brenix"}; },
         kRightsTitle, kRightsText, false, false},
        {"browser version missing",
         [](MachineFacts&, CheckTools&) { ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, kBrowserKey); }, kBrowserTitle,
         kBrowserText, false, false},
        {"browser older than the product's minimum",
         [](MachineFacts&, CheckTools& t) { t.keys[u"/*/SpecialFeatures/MinIEVersion"] = u"9.11.9600.18377"; },
         kBrowserTitle, kBrowserText, false, false},
        {"SSE2 without MMX", [](MachineFacts& f, CheckTools&) { f.cpuMask = 0x1 | 0x4 | 0x8; }, kCpuTitle, kCpuText,
         true, false},
        {"MMX without SSE2", [](MachineFacts& f, CheckTools&) { f.cpuMask = 0x1 | 0x2 | 0x4; }, kCpuTitle, kCpuText,
         true, false},
        {"Windows ME",
         [](MachineFacts& f, CheckTools&) {
             f.platformId = VER_PLATFORM_WIN32_WINDOWS;
             f.major = 4;
             f.minor = 90;
         },
         kOsTitle, kOsText, true, true},
        {"Windows NT 4",
         [](MachineFacts& f, CheckTools&) {
             f.major = 4;
             f.minor = 0;
         },
         kOsTitle, kOsText, true, true},
        {"version call fails", [](MachineFacts& f, CheckTools&) { f.versionFails = true; }, kOsTitle, kOsText, true,
         true},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.what);
        BXTestRegistry machine{HKEY_LOCAL_MACHINE};
        WriteMachineString(kBrowserKey, L"Version", L"9.11.9600.18376");
        MachineFacts caseFacts;
        BXScopedSystemFacts scope(caseFacts);
        CheckTools caseTools;
        c.arrange(caseFacts, caseTools);

        EXPECT_FALSE(RunPrerequisiteChecks());
        ASSERT_EQ(caseTools.boxes.size(), 1u);
        EXPECT_EQ(caseTools.boxes[0].title, c.title);
        EXPECT_EQ(caseTools.boxes[0].text, c.text);
        EXPECT_EQ(caseTools.boxes[0].buttons, 0); // OK only
        EXPECT_EQ(caseFacts.cpuReads > 0, c.cpuRead);
        EXPECT_EQ(caseFacts.versionReads > 0, c.versionRead);
        // A refused rights probe asks nothing of the product either.
        if (c.title == kRightsTitle) {
            EXPECT_EQ(caseTools.runningQueries, 0);
        }
    }
}

TEST_F(PrerequisiteChecks, BordersThatPass)
{
    struct Case {
        const char* what;
        DWORD platformId;
        DWORD major;
        DWORD minor;
        const wchar_t* browserVersion;
        const char16_t* minimum;
    } const cases[] = {
        {"Windows 2000, browser exactly at the default minimum", VER_PLATFORM_WIN32_NT, 5, 0, L"5.0.0.0", nullptr},
        {"an unknown later NT", VER_PLATFORM_WIN32_NT, 10, 1, L"11.0", nullptr},
        {"a version with commas", VER_PLATFORM_WIN32_NT, 6, 1, L"6,0,2900,2180", u"6.0.2900.2180"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BXTestRegistry machine{HKEY_LOCAL_MACHINE};
        WriteMachineString(kBrowserKey, L"Version", c.browserVersion);
        MachineFacts caseFacts;
        caseFacts.platformId = c.platformId;
        caseFacts.major = c.major;
        caseFacts.minor = c.minor;
        BXScopedSystemFacts scope(caseFacts);
        CheckTools caseTools;
        if (c.minimum != nullptr)
            caseTools.keys[u"/*/SpecialFeatures/MinIEVersion"] = c.minimum;
        EXPECT_TRUE(RunPrerequisiteChecks());
        EXPECT_TRUE(caseTools.boxes.empty());
    }
}

TEST_F(PrerequisiteChecks, BrowserControlThatCannotBeCreatedFailsTheCheck)
{
    // Without COM on the thread the control cannot be created; the version alone is recent enough.
    ::CoUninitialize();
    const bool passed = RunPrerequisiteChecks();
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    EXPECT_FALSE(passed);
    ASSERT_EQ(tools.boxes.size(), 1u);
    EXPECT_EQ(tools.boxes[0].title, kBrowserTitle);
    EXPECT_EQ(tools.boxes[0].text, kBrowserText);
    EXPECT_EQ(facts.cpuReads, 0);
}

TEST_F(PrerequisiteChecks, RightsProbeLeavesOnlyTheBrenixKey)
{
    WriteMachineString(L"Software\\Brenix", L"Kept", L"yes");
    WriteMachineString(L"Software\\Brenix\\Cantora 23", L"Install Directory", L"C:\\Cantora\\");
    EXPECT_TRUE(CheckAdminRights());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, L"Software\\Brenix\\Rights Check"));
    EXPECT_EQ(ValueNames(HKEY_LOCAL_MACHINE, L"Software\\Brenix"), std::vector<std::wstring>{L"Kept"});
    EXPECT_EQ(ValueNames(HKEY_LOCAL_MACHINE, L"Software\\Brenix\\Cantora 23"),
              std::vector<std::wstring>{L"Install Directory"});
}

TEST_F(PrerequisiteChecks, RightsProbeFailuresLeaveNothingBehind)
{
    struct Case {
        const char* what;
        std::vector<std::u16string> refused;
        std::vector<std::u16string> readOnly;
        bool brenixLeft;
    } const cases[] = {
        {"machine key refused", {u"Software\\Brenix"}, {}, false},
        {"probe key refused", {u"Rights Check"}, {}, true},
        {"probe value refused", {}, {u"Rights Check"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BXTestRegistry machine{HKEY_LOCAL_MACHINE};
        MachineFacts caseFacts;
        caseFacts.refusedKeys = c.refused;
        caseFacts.readOnlyKeys = c.readOnly;
        BXScopedSystemFacts scope(caseFacts);
        EXPECT_FALSE(CheckAdminRights());
        EXPECT_EQ(KeyExists(HKEY_LOCAL_MACHINE, L"Software\\Brenix"), c.brenixLeft);
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, L"Software\\Brenix\\Rights Check"));
    }
}

TEST_F(PrerequisiteChecks, RightsProbeFailsWhenItsKeyCannotBeRemoved)
{
    // A leftover with a sub-key survives the non-recursive deletion.
    WriteMachineString(L"Software\\Brenix\\Rights Check\\Stuck", L"x", L"1");
    EXPECT_FALSE(CheckAdminRights());
    EXPECT_TRUE(ValueNames(HKEY_LOCAL_MACHINE, L"Software\\Brenix\\Rights Check").empty());
}

TEST_F(PrerequisiteChecks, SilentRunClosesTheProductWithoutAsking)
{
    GetInstallOptions().Silent = true;
    tools.running = true;
    tools.onCloseRequest = [this] { tools.running = false; };
    EXPECT_TRUE(RunPrerequisiteChecks());
    EXPECT_EQ(tools.closeRequests, 1);
    EXPECT_TRUE(tools.boxes.empty());
}

TEST_F(PrerequisiteChecks, UserWhoKeepsTheProductEndsSetupWithoutAnotherBox)
{
    tools.running = true;
    tools.answers = {7};
    EXPECT_FALSE(RunPrerequisiteChecks());
    ASSERT_EQ(tools.boxes.size(), 1u);
    EXPECT_EQ(tools.boxes[0].title, kQuestionTitle);
    EXPECT_EQ(tools.boxes[0].text, kQuestionText);
    EXPECT_EQ(tools.boxes[0].buttons, 4); // Yes/No
    EXPECT_EQ(tools.closeRequests, 0);
    EXPECT_EQ(facts.cpuReads, 0);
}

TEST_F(PrerequisiteChecks, ProductThatClosesAMomentAfterTheRequestNeedsNoBox)
{
    tools.running = true;
    tools.answers = {6};
    tools.stopAfterQueries = 3;
    EXPECT_TRUE(RunPrerequisiteChecks());
    EXPECT_EQ(Titles(), std::vector<std::u16string>{kQuestionTitle});
    EXPECT_EQ(tools.closeRequests, 1);
}

TEST_F(PrerequisiteChecks, ProductClosedWhileTheManualCloseBoxIsOpenLetsSetupContinue)
{
    tools.running = true;
    tools.closeDelivered = false; // nothing to wait for
    tools.answers = {6};
    tools.onBox = [this](const CheckTools::Box& box) {
        if (box.title == CloseTitle(kShortName))
            tools.running = false;
    };
    EXPECT_TRUE(RunPrerequisiteChecks());
    EXPECT_EQ(Titles(), (std::vector<std::u16string>{kQuestionTitle, CloseTitle(kShortName)}));
    EXPECT_EQ(tools.boxes[1].text, CloseText(kShortName));
    EXPECT_EQ(tools.boxes[1].buttons, 0);
    EXPECT_EQ(tools.closeRequests, 1);
    EXPECT_EQ(facts.versionReads, 1); // the remaining checks ran
}

TEST_F(PrerequisiteChecks, ProductThatKeepsRunningEndsSetupAfterBothBoxes)
{
    tools.running = true;
    tools.answers = {6};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(RunPrerequisiteChecks());
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Given its time to shut down first.
    EXPECT_GE(elapsed, 5.0);
    EXPECT_LT(elapsed, 7.0);
    EXPECT_EQ(Titles(), (std::vector<std::u16string>{kQuestionTitle, CloseTitle(kShortName), kStillRunningTitle}));
    EXPECT_EQ(tools.boxes[2].text, StillRunningText(kShortName));
    EXPECT_EQ(facts.cpuReads, 0);
}

class CloseTarget {
public:
    CloseTarget()
    {
        m_window = ::CreateWindowExW(0, L"STATIC", L"server", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    }
    ~CloseTarget() { ::DestroyWindow(m_window); }
    HWND Get() const { return m_window; }

private:
    HWND m_window = nullptr;
};

TEST_F(PrerequisiteChecks, ServerEditionIsAskedByWmCloseAndWaitedForAtMostFiveSeconds)
{
    CloseTarget server;
    ASSERT_NE(server.Get(), nullptr);
    const std::u16string serverName = u"Rendix Media Server";
    tools.names[0] = serverName;
    tools.window = server.Get();
    tools.running = true;
    GetInstallOptions().Silent = true;

    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(RunPrerequisiteChecks());
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    EXPECT_GE(elapsed, 5.0);
    EXPECT_LT(elapsed, 7.0);
    EXPECT_EQ(tools.closeRequests, 0);
    EXPECT_GT(tools.runningQueries, 3); // polled while waiting
    EXPECT_EQ(Titles(), (std::vector<std::u16string>{CloseTitle(serverName), kStillRunningTitle}));
    EXPECT_EQ(tools.boxes[0].text, CloseText(serverName));
    MSG message{};
    ASSERT_TRUE(::PeekMessageW(&message, server.Get(), WM_CLOSE, WM_CLOSE, PM_REMOVE));
    EXPECT_EQ(message.wParam, WPARAM(1));
    EXPECT_EQ(message.lParam, LPARAM(0));
}

TEST_F(PrerequisiteChecks, ServerEditionThatStopsEndsTheWaitEarly)
{
    CloseTarget server;
    tools.names[0] = u"rendix";
    tools.window = server.Get();
    tools.running = true;
    tools.answers = {6};
    // Running at the first look and for two polls after the WM_CLOSE.
    tools.stopAfterQueries = 3;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(RunPrerequisiteChecks());
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 2.0);
    EXPECT_EQ(Titles(), std::vector<std::u16string>{kQuestionTitle});
    EXPECT_EQ(tools.closeRequests, 0);
}

// The service stand-in of the build tree in a folder that plays the existing
// installation; it writes each start into the journal.
class InstalledService {
public:
    InstalledService()
    {
        wchar_t module[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, module, MAX_PATH);
        const std::filesystem::path standIn =
            std::filesystem::path(module).parent_path().parent_path() / L"platform" / L"product" / L"BXService.exe";
        std::error_code error;
        m_present = std::filesystem::copy_file(standIn, m_folder.Path() / L"BXService.exe", error);
        m_journal = m_folder.Path() / L"journal.txt";
        ::SetEnvironmentVariableW(L"BX_PRODUCT_JOURNAL", m_journal.c_str());
    }
    ~InstalledService() { ::SetEnvironmentVariableW(L"BX_PRODUCT_JOURNAL", nullptr); }

    bool Present() const { return m_present; }
    BXString Folder() const { return BXString(BXFromWide(m_folder.Path().c_str())); }
    std::string Journal() const
    {
        return std::filesystem::exists(m_journal) ? m_folder.ReadFile(L"journal.txt") : std::string();
    }

private:
    BXScopedTempFolder m_folder;
    std::filesystem::path m_journal;
    bool m_present = false;
};

TEST_F(PrerequisiteChecks, ServiceOfTheInstalledCopyIsStoppedAfterTheRunningCopyAndBeforeTheBrowserCheck)
{
    InstalledService service;
    ASSERT_TRUE(service.Present()) << "BXService.exe of the build tree is missing";
    GetProcessPaths().SetProgramPath(service.Folder(), false, false);
    GetInstallOptions().Silent = true;
    tools.running = true;
    std::string journalAtClose = "unread";
    std::string journalAtBox = "unread";
    tools.onCloseRequest = [&] {
        journalAtClose = service.Journal();
        tools.running = false;
    };
    tools.onBox = [&](const CheckTools::Box&) { journalAtBox = service.Journal(); };
    ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, kBrowserKey);

    EXPECT_FALSE(RunPrerequisiteChecks());
    EXPECT_EQ(journalAtClose, "");
    EXPECT_EQ(journalAtBox, "BXService.exe\t/Stop\r\n");
    EXPECT_EQ(Titles(), std::vector<std::u16string>{kBrowserTitle});
    EXPECT_EQ(service.Journal(), "BXService.exe\t/Stop\r\n");
}

TEST_F(PrerequisiteChecks, NoInstalledCopyRunsNoService)
{
    InstalledService service;
    ASSERT_TRUE(service.Present()) << "BXService.exe of the build tree is missing";
    EXPECT_TRUE(GetProcessPaths().GetProgramPath().IsEmpty());
    EXPECT_TRUE(RunPrerequisiteChecks());
    EXPECT_EQ(service.Journal(), "");
}

TEST_F(PrerequisiteChecks, ServiceOutcomeDoesNotMatter)
{
    // The installed copy has no service program at all.
    BXScopedTempFolder installed;
    GetProcessPaths().SetProgramPath(BXString(BXFromWide(installed.Path().c_str())), false, false);
    EXPECT_TRUE(RunPrerequisiteChecks());
    EXPECT_TRUE(tools.boxes.empty());
}

} // namespace
