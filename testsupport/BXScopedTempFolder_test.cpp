#include "BXScopedTempFolder.h"

#include <gtest/gtest.h>

TEST(BXScopedTempFolder, CreatesUniqueFoldersAndRemovesThemWithContent)
{
    std::filesystem::path first;
    {
        BXScopedTempFolder a;
        BXScopedTempFolder b;
        first = a.Path();
        EXPECT_NE(a.Path(), b.Path());
        EXPECT_TRUE(std::filesystem::is_directory(a.Path()));
        EXPECT_TRUE(std::filesystem::is_empty(a.Path()));

        a.WriteFile("deep/er/file.bin", std::string("x\0y", 3));
        EXPECT_EQ(a.ReadFile("deep/er/file.bin"), std::string("x\0y", 3));
    }
    EXPECT_FALSE(std::filesystem::exists(first));
}
