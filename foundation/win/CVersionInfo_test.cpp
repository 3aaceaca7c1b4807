#include "BXKnownFolders.h"
#include "BXScopedTempFolder.h"
#include "BXVersion64.h"
#include "CVersionInfo.h"

#include <gtest/gtest.h>

namespace {

TEST(CVersionInfo, ReadsASystemLibrary)
{
    const BXString kernel = GetSystemFolder() + u"kernel32.dll";
    CVersionInfo info;
    ASSERT_EQ(info.Open(kernel), S_OK);
    const BXString four = info.GetVersionText(true);
    const BXString three = info.GetVersionText(false);
    EXPECT_NE(info.GetVersion64(), 0u);
    EXPECT_EQ(info.GetVersion64(), ParseVersion64(four));
    EXPECT_EQ(GetFileVersion64(kernel), info.GetVersion64());
    // Three parts are the first three of four.
    EXPECT_EQ(four.Find(three + u"."), 0) << four.ToUtf8().Get() << " / " << three.ToUtf8().Get();
    int dots = 0;
    for (BXChar c : four.View()) {
        dots += c == u'.';
    }
    EXPECT_EQ(dots, 3);
}

TEST(CVersionInfo, FailuresGiveEFailAndZero)
{
    BXScopedTempFolder temp;
    temp.WriteFile("plain.dll", "not a program");
    const BXString plain((temp.Path() / "plain.dll").wstring().c_str());
    CVersionInfo info;
    EXPECT_EQ(info.Open(plain), E_FAIL);
    EXPECT_EQ(info.GetVersion64(), 0u);
    EXPECT_TRUE(info.GetVersionText(true).IsEmpty());
    EXPECT_EQ(info.Open(plain + u".missing"), E_FAIL);
    EXPECT_EQ(info.Open(u""), E_FAIL);
    EXPECT_EQ(GetFileVersion64(plain), 0u);

    // A failed Open forgets what an earlier one read.
    ASSERT_EQ(info.Open(GetSystemFolder() + u"kernel32.dll"), S_OK);
    EXPECT_EQ(info.Open(plain), E_FAIL);
    EXPECT_EQ(info.GetVersion64(), 0u);
}

} // namespace
