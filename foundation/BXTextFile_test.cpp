#include "BXTextFile.h"

#include "BXExtendedFileName.h"
#include "BXScopedTempFolder.h"
#include "BXXmlDocument.h"
#include "BXXmlTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

BXString PathOf(const std::filesystem::path& path)
{
    std::u16string text = path.u16string();
    return BXString(text.data(), int32_t(text.size()));
}

std::vector<uint8_t> Bytes(std::string_view text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

struct DetectCase {
    const char* m_name;
    std::string_view m_bytes;
    int m_encoding;
};

TEST(BXTextFile, DetectsEncodings)
{
    using F = BXTextFile;
    const DetectCase cases[] = {
        {"utf-16 mark",
         std::string_view("\xFF\xFE"
                          "a\0",
                          4),
         F::kEncodingUtf16},
        {"utf-8 mark",
         "\xEF\xBB\xBF"
         "abc",
         F::kEncodingUtf8SkipMark},
        {"utf-16 without mark", std::string_view("<\0a\0/\0>\0", 8), F::kEncodingUtf16},
        {"utf-32", std::string_view("<\0\0\0a\0\0\0", 8), F::kEncodingUtf32},
        {"trailing zeros only", std::string_view("abc\0\0", 5), F::kEncodingAnsi},
        {"utf-8 sequences", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xB5", F::kEncodingUtf8},
        {"invalid byte", "caf\xC3\xA9 \xE9t\xE9", F::kEncodingAnsi},
        {"plain ascii", "plain", F::kEncodingAnsi},
        {"truncated sequence", "ab\xE2\x82", F::kEncodingAnsi},
    };
    for (const DetectCase& c : cases) {
        SCOPED_TRACE(c.m_name);
        std::vector<uint8_t> bytes = Bytes(c.m_bytes);
        int detected = F::DetectEncoding(bytes.data(), bytes.size());
        EXPECT_EQ(detected, c.m_encoding);
    }
}

TEST(BXTextFile, DecodesEachEncoding)
{
    using F = BXTextFile;
    auto decode = [](std::string_view bytes, int encoding) {
        std::vector<uint8_t> data = Bytes(bytes);
        return BXXmlTestUtf8(F::Decode(data.data(), data.size(), encoding));
    };
    EXPECT_EQ(decode(std::string_view("\xFE\xFF\0a\x20\xAC", 6), F::kEncodingDetect), "a\\u20AC");
    EXPECT_EQ(decode(std::string_view("\xFF\xFE"
                                      "a\0\xAC\x20",
                                      6),
                     F::kEncodingDetect),
              "a\\u20AC");
    EXPECT_EQ(decode(std::string_view("a\0b\0", 4), F::kEncodingDetect), "ab");
    EXPECT_EQ(decode(std::string_view("a\0\0\0\x00\xF6\x01\0", 8), F::kEncodingDetect), "a\\uD83D\\uDE00");
    EXPECT_EQ(decode("\xEF\xBB\xBF"
                     "a",
                     F::kEncodingDetect),
              "a");
    EXPECT_EQ(decode("\xEF\xBB\xBF"
                     "a",
                     F::kEncodingUtf8),
              "\\uFEFFa");
    EXPECT_EQ(decode("\xEF\xBB\xBF"
                     "a",
                     F::kEncodingUtf8SkipMark),
              "a");
    EXPECT_EQ(decode("\xC3\xA9\xF0\x9F\x8E\xB5", F::kEncodingDetect), "\\u00E9\\uD83C\\uDFB5");
    EXPECT_EQ(decode("\xE9t\xE9", F::kEncodingDetect), "\\u00E9t\\u00E9");
    EXPECT_EQ(decode(std::string_view("a\0b", 3), F::kEncodingUtf8), "a\\u0000b");
    EXPECT_EQ(decode("\x80"
                     "a\xC3",
                     F::kEncodingUtf8),
              "\\u0080a\\u00C3");
}

TEST(BXTextFile, SaveAndReadBack)
{
    BXScopedTempFolder folder;
    const BXChar* text = u"<r>\x00E9\x20AC \xD83C\xDFB5</r>";
    const int encodings[] = {BXTextFile::kEncodingUtf16, BXTextFile::kEncodingUtf8};
    for (int encoding : encodings) {
        SCOPED_TRACE(encoding);
        BXString path = PathOf(folder.Path() / "new folder" / "deeper" / "file.xml");
        ASSERT_TRUE(BXTextFile::SaveTextFile(text, path, encoding));
        BXString read;
        ASSERT_TRUE(BXTextFile::ReadTextFile(path, read));
        EXPECT_EQ(BXXmlTestUtf8(read), BXXmlTestUtf8(BXString(text)));
    }
    std::string utf16 = folder.ReadFile(std::filesystem::path("new folder") / "deeper" / "file.xml");
    EXPECT_EQ(utf16.substr(0, 3), "<r>"); // the last save was UTF-8, without a mark

    BXString path = PathOf(folder.Path() / "ansi.txt");
    ASSERT_TRUE(BXTextFile::SaveTextFile(u"caf\x00E9", path, BXTextFile::kEncodingAnsi));
    EXPECT_EQ(folder.ReadFile("ansi.txt"), "caf\xE9");
    BXString read;
    ASSERT_TRUE(BXTextFile::ReadTextFile(path, read));
    EXPECT_EQ(BXXmlTestUtf8(read), "caf\\u00E9");
}

TEST(BXTextFile, MissingFilesAndEmptyPaths)
{
    BXScopedTempFolder folder;
    BXString text = u"old";
    EXPECT_FALSE(BXTextFile::ReadTextFile(PathOf(folder.Path() / "missing.xml"), text));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_FALSE(BXTextFile::ReadTextFile(u"", text));
    EXPECT_FALSE(BXTextFile::SaveTextFile(u"x", u"", BXTextFile::kEncodingUtf8));
    folder.WriteFile("empty.txt", "");
    EXPECT_TRUE(BXTextFile::ReadTextFile(PathOf(folder.Path() / "empty.txt"), text));
    EXPECT_TRUE(text.IsEmpty());
}

TEST(BXTextFile, ExtendedNamesReadTheirFile)
{
    BXScopedTempFolder folder;
    folder.WriteFile("song.txt", "hello");
    BXPropertyMap properties;
    properties.SetString(u"Extra", u"1");
    BXString text;
    EXPECT_TRUE(
        BXTextFile::ReadTextFile(BXExtendedFileName::Make(PathOf(folder.Path() / "song.txt"), properties), text));
    EXPECT_EQ(BXXmlTestUtf8(text), "hello");
}

TEST(BXXmlDocumentFile, LoadFileReadsUtf8AndKeepsTheMark)
{
    BXScopedTempFolder folder;
    folder.WriteFile("Install.xml", "\xEF\xBB\xBF<BXIC><Name>Caf\xC3\xA9</Name></BXIC>");
    BXXmlDocument doc;
    EXPECT_TRUE(doc.LoadFile(PathOf(folder.Path() / "Install.xml")));
    EXPECT_EQ(doc.GetDocumentText()[0], 0xFEFF);
    EXPECT_TRUE(doc.FindElement(u"BXIC"));
    EXPECT_EQ(BXXmlTestUtf8(doc.GetTextAt(u"/*/Name")), "Caf\\u00E9");

    EXPECT_FALSE(doc.LoadFile(PathOf(folder.Path() / "missing.xml")));
    EXPECT_EQ(BXXmlTestUtf8(doc.GetTextAt(u"/*/Name")), "Caf\\u00E9"); // the previous document stays

    folder.WriteFile("broken.xml", "<a><b></a>");
    EXPECT_FALSE(doc.LoadFile(PathOf(folder.Path() / "broken.xml")));
    EXPECT_EQ(BXXmlTestUtf8(doc.GetErrorText()), "End tag 'a' at offset 6 does not match start tag 'b' at offset 3");
}

} // namespace
