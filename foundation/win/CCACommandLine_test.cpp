#include "CCACommandLine.h"

#include "BXLogRecorder.h"
#include "BXProcessPaths.h"
#include "BXScopedTempFolder.h"
#include "BXWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

// Product information for the stand-in Cantora.exe, which the build places in
// platform\product beside this test's folder.
class ProductTools final : public BXNullTools, public IBXSettings {
public:
    explicit ProductTools(IBXLog* log) : m_log(log) { BXSetTools(this); }
    ~ProductTools() { BXSetTools(nullptr); }

    IBXSettings* GetSettings() override { return this; }
    IBXLog* GetLog() override { return m_log; }

    void GetKeyText(const BXChar*, const BXChar* defaultValue, BXDllString* value) override
    {
        value->SetString(defaultValue, -1);
    }
    int32_t GetKeyInt(const BXChar*, int32_t defaultValue) override { return defaultValue; }
    void GetProductName(int32_t form, BXDllString* name) override
    {
        name->SetString(form == 1 ? u"Cantora 23 Media Suite" : u"Cantora", -1);
    }
    void GetProductItem(int32_t item, BXDllString* value) override
    {
        value->SetString(item == kProgramFile ? u"Cantora.exe" : u"", -1);
    }
    bool IsFeatureOn(int32_t) override { return false; }
    void GetApplicationDataFolder(BXDllString*) override {}
    bool IsProductRunning() override { return GetProductWindow() != nullptr; }
    void* GetProductWindow() override { return ::FindWindowW(L"VTFrame", nullptr); }
    bool RequestProductClose() override { return false; }
    IBXRegistryKey* OpenProductKey(const BXChar*, bool) override { return nullptr; }
    IBXRegistryKey* OpenKey(int32_t, const BXChar*, bool) override { return nullptr; }

private:
    IBXLog* m_log;
};

class CommandLineTest : public ::testing::Test {
protected:
    CommandLineTest() : m_tools(&m_log), m_oldProgramPath(GetProcessPaths().GetProgramPath())
    {
        wchar_t module[MAX_PATH + 1] = {};
        ::GetModuleFileNameW(nullptr, module, MAX_PATH);
        BXString folder(BXFromWide(module));
        folder.StripFileName();
        folder += u"..\\platform\\product\\";
        GetProcessPaths().SetProgramPath(folder, false, false);
        m_journal = m_temp.Path() / "journal.txt";
        ::SetEnvironmentVariableW(L"BX_PRODUCT_JOURNAL", m_journal.wstring().c_str());
    }
    ~CommandLineTest() override
    {
        CloseProduct();
        ::SetEnvironmentVariableW(L"BX_PRODUCT_JOURNAL", nullptr);
        GetProcessPaths().SetProgramPath(m_oldProgramPath, false, false);
    }
    static void CloseProduct()
    {
        for (int i = 0; i < 250; ++i) {
            HWND window = ::FindWindowW(L"VTFrame", nullptr);
            if (window == nullptr)
                return;
            ::PostMessageW(window, WM_CLOSE, 0, 0);
            ::Sleep(20);
        }
    }
    // Waits until the journal holds the line (the receiver runs in another process).
    bool JournalHas(const std::string& line)
    {
        for (int i = 0; i < 250; ++i) {
            std::ifstream file(m_journal, std::ios::binary);
            std::stringstream text;
            text << file.rdbuf();
            if (text.str().find(line + "\r\n") != std::string::npos)
                return true;
            ::Sleep(20);
        }
        return false;
    }

    BXLogRecorder m_log;
    ProductTools m_tools;
    BXString m_oldProgramPath;
    BXScopedTempFolder m_temp;
    std::filesystem::path m_journal;
};

} // namespace

TEST_F(CommandLineTest, PlayIsRewrittenWhenTheProductIsNotRunningAndGoesAsArguments)
{
    ASSERT_EQ(::FindWindowW(L"VTFrame", nullptr), nullptr);
    EXPECT_TRUE(CCACommandLine::Execute(u"/Play C:\\Music\\one.mp3"));
    EXPECT_TRUE(JournalHas("Cantora.exe\t/PlayReplace C:\\Music\\one.mp3"));
    EXPECT_NE(::FindWindowW(L"VTFrame", nullptr), nullptr);
    const auto texts = m_log.TextsOf(u"CCACommandLine::Execute");
    EXPECT_NE(std::find(texts.begin(), texts.end(), u"Coravel not running"), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), u"Posting: /PlayReplace C:\\Music\\one.mp3"), texts.end());
}

TEST_F(CommandLineTest, ARunningProductReceivesTheLineThroughItsChannel)
{
    ASSERT_TRUE(CCACommandLine::Execute(u"/Start"));
    ASSERT_TRUE(JournalHas("Cantora.exe\t/Start"));
    BXString longLine(u"/Add ");
    for (int32_t i = 0; i < 300; ++i)
        longLine += u'z';
    EXPECT_TRUE(CCACommandLine::Execute(u"/Play C:\\two.mp3"));
    EXPECT_TRUE(CCACommandLine::Execute(longLine));
    // Running: no rewrite, and the long line arrives whole through a file.
    EXPECT_TRUE(JournalHas("Cantora.exe post\t/Play C:\\two.mp3"));
    EXPECT_TRUE(JournalHas("Cantora.exe post\t" + std::string(longLine.ToUtf8().Get())));
}

TEST_F(CommandLineTest, ALongOrTreePathLineStartsTheProductBareAndIsPosted)
{
    EXPECT_TRUE(CCACommandLine::Execute(u"/Open TREEPATH=Library\\Albums"));
    EXPECT_TRUE(JournalHas("Cantora.exe\t"));
    EXPECT_TRUE(JournalHas("Cantora.exe post\t/Open TREEPATH=Library\\Albums"));
}

TEST(CCACommandLine, FailsWithoutTheProductInformationService)
{
    BXLogRecorder log; // a component with a log but no settings
    EXPECT_FALSE(CCACommandLine::Execute(u"/Play x"));
}
