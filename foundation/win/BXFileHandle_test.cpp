#include "BXFileHandle.h"
#include "BXScopedTempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BXFileHandle, WritesReadsAndClosesOnDestruction)
{
    BXScopedTempFolder temp;
    const BXString path((temp.Path() / "data.bin").wstring().c_str());
    {
        BXFileHandle file;
        ASSERT_TRUE(file.Open(path, GENERIC_WRITE, 0, CREATE_NEW));
        EXPECT_TRUE(file.Write("hello", 5));
        // Share mode 0: nobody else may open it meanwhile.
        BXFileHandle second;
        EXPECT_FALSE(second.Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING));
        EXPECT_EQ(second.Read(nullptr, 1), -1);
        EXPECT_FALSE(second.Write("x", 1));
    }
    BXFileHandle reader;
    ASSERT_TRUE(reader.Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING));
    char buffer[16] = {};
    EXPECT_EQ(reader.Read(buffer, sizeof(buffer)), 5);
    EXPECT_EQ(std::string(buffer, 5), "hello");
    EXPECT_EQ(reader.Read(buffer, sizeof(buffer)), 0);
    reader.Close();
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_FALSE(reader.Open(path + u".missing", GENERIC_READ, 0, OPEN_EXISTING));
}

TEST(BXFileHandle, OpensPathsBeyondTheLimit)
{
    BXScopedTempFolder temp;
    BXString folder((temp.Path()).wstring().c_str());
    for (int i = 0; i < 3; ++i) {
        folder += BXString(u"\\") + std::u16string(100, char16_t(u'k' + i)).c_str();
        ASSERT_TRUE(::CreateDirectoryW((BXString(u"\\\\?\\") + folder).W(), nullptr));
    }
    BXFileHandle file;
    ASSERT_TRUE(file.Open(folder + u"\\f.txt", GENERIC_WRITE, 0, CREATE_ALWAYS));
    EXPECT_TRUE(file.Write("x", 1));
}

} // namespace
