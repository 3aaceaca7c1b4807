#include "BXAgreementText.h"

#include "BXScopedTempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

BXString FolderOf(const BXScopedTempFolder& folder)
{
    std::u16string text = folder.Path().u16string();
    text += char16_t(std::filesystem::path::preferred_separator);
    return BXString(text.data(), int32_t(text.size()));
}

struct LicenceCase {
    const char* name;
    std::string bytes;
    const BXChar* text;
};

TEST(BXAgreementText, ReadsTheFileAsUtf16)
{
    using namespace std::string_literals;
    const LicenceCase cases[] = {
        {"little-endian with mark",
         "\xFF\xFE"
         "A\0g\0r\0\xE9\0"s,
         u"Agr\u00E9"},
        {"big-endian with mark", "\xFE\xFF\0A\0g\0r\0\xE9"s, u"Agr\u00E9"},
        {"little-endian without mark", "O\0K\0"s, u"OK"},
        {"a zero unit ends the text",
         "\xFF\xFE"
         "a\0b\0\0\0c\0"s,
         u"ab"},
        {"a zero unit after a swapped mark", "\xFE\xFF\0x\0\0\0y"s, u"x"},
        {"line breaks stay",
         "\xFF\xFE"
         "1\0\r\0\n\0"
         "2\0"s,
         u"1\r\n2"},
        {"UTF-8 is not decoded as UTF-8", "ab"s, u"\u6261"},
        {"empty file", ""s, u""},
    };
    for (const LicenceCase& c : cases) {
        SCOPED_TRACE(c.name);
        BXScopedTempFolder folder;
        folder.WriteFile("license.txt", c.bytes);
        EXPECT_EQ(BXReadAgreementText(FolderOf(folder)), BXString(c.text));
    }
}

TEST(BXAgreementText, MissingFileGivesAnEmptyText)
{
    BXScopedTempFolder folder;
    folder.WriteFile("other.txt", "\xFF\xFEx\0");
    EXPECT_TRUE(BXReadAgreementText(FolderOf(folder)).IsEmpty());
    EXPECT_TRUE(BXReadAgreementText(BXString()).IsEmpty());
}

} // namespace
