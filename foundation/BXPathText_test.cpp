#include "BXExtendedFileName.h"
#include "BXFormatSize.h"
#include "BXPathComponents.h"
#include "BXPathText.h"
#include "BXVersion64.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TextCase {
    std::u16string m_in;
    std::u16string m_out;
};

BXString Str(const std::u16string& text)
{
    return BXString(text.c_str(), int32_t(text.size()));
}

TEST(BXPathText, EnsureTrailingBackslash)
{
    const TextCase cases[] = {
        {u"C:\\Data", u"C:\\Data\\"},
        {u"C:\\Data\\", u"C:\\Data\\"},
        {u"C:\\Data\\\\\\", u"C:\\Data\\"},
        {u"\\\\", u"\\\\"},
        {u"\\\\\\", u"\\"},
        {u"", u""},
        {u"x", u"x\\"},
        {u"\\", u"\\"},
    };
    for (const TextCase& c : cases) {
        BXString path = Str(c.m_in);
        EnsureTrailingBackslash(path);
        EXPECT_EQ(path, Str(c.m_out)) << BXString(Str(c.m_in)).ToUtf8().Get();
    }
}

TEST(BXPathText, IsAbsolutePath)
{
    const std::pair<std::u16string, bool> cases[] = {
        {u"C:\\x", true},
        {u"z:\\", true},
        {u"C:x", false},
        {u"C:", false},
        {u"\\\\server\\s", true},
        {u"\\\\1host", true},
        {u"\\\\?\\C:\\x", true},
        {u"\\\\.\\pipe", false},
        {u"\\x", false},
        {u"relative\\a", false},
        {u"", false},
        {u"1:\\x", false},
        {u"\\\\", false},
        {u"\\\\?\\", false},
        {u"http://host/a", false},
        {u"C:/x", false},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(IsAbsolutePath(Str(text)), expected) << Str(text).ToUtf8().Get();
    }
}

TEST(BXPathText, JoinPath)
{
    EXPECT_EQ(JoinPath(u"C:\\A", u"B"), BXString(u"C:\\A\\B\\"));
    EXPECT_EQ(JoinPath(u"C:\\A\\\\", u"B\\\\"), BXString(u"C:\\A\\B\\"));
    EXPECT_EQ(JoinPath(u"", u"B"), BXString(u"B\\"));
}

TEST(BXPathText, LongPathPrefixFromThreshold)
{
    const BXString below = BXString(u"C:\\") + BXString(std::u16string(kLongPathThreshold - 4, u'a').c_str());
    const BXString at = below + u"b";
    ASSERT_EQ(at.GetLength(), kLongPathThreshold);
    EXPECT_EQ(WithLongPathPrefix(below), below);
    EXPECT_EQ(WithLongPathPrefix(at), BXString(kLongPathPrefix) + at);
    EXPECT_EQ(WithLongPathPrefix(WithLongPathPrefix(at)), BXString(kLongPathPrefix) + at);

    const BXString share = BXString(u"\\\\server\\share\\") + std::u16string(300, u'n').c_str();
    EXPECT_EQ(WithLongPathPrefix(share), BXString(u"\\\\?\\UNC\\server\\share\\") + std::u16string(300, u'n').c_str());
    // A relative path cannot take the prefix.
    const BXString relative(std::u16string(300, u'r').c_str());
    EXPECT_EQ(WithLongPathPrefix(relative), relative);

    BXString prefixed = BXString(kLongPathPrefix) + u"C:\\x";
    EXPECT_TRUE(RemoveLongPathPrefix(prefixed));
    EXPECT_EQ(prefixed, BXString(u"C:\\x"));
    EXPECT_FALSE(RemoveLongPathPrefix(prefixed));
}

TEST(BXPathText, MakeValidPath)
{
    const TextCase cases[] = {
        {u"C:\\My Folder \\Sub. \\a?b", u"C:\\My Folder\\Sub\\a_b"},
        {u"C:", u"C:\\"},
        {u"C:\\x:y", u"C:\\x_y"},
        {u"\\\\?\\C:\\a \\b", u"\\\\?\\C:\\a\\b"},
        {u"  C:\\a\\\\\\b  ", u"C:\\a\\b"},
        {u"\\\\server\\\\share", u"\\\\server\\share"},
        {u"C:name", u"C:\\name"},
        {u"C:\\a<b>c|d\"e*f/g", u"C:\\a_b_c_d_e_f_g"},
        {u"C:\\a\tb", u"C:\\a b"},
        {u"C:\\a. . \\b", u"C:\\a\\b"},
        {u"", u""},
        {u":", u"_"},
        {u"\\", u"\\"},
    };
    for (const TextCase& c : cases) {
        BXString path = Str(c.m_in);
        MakeValidPath(path);
        EXPECT_EQ(path, Str(c.m_out)) << Str(c.m_in).ToUtf8().Get();
    }
}

TEST(BXPathText, MakeValidPathShortensTheLastNameKeepingItsExtension)
{
    const std::u16string folder = u"C:\\" + std::u16string(200, u'f') + u"\\";
    BXString path = Str(folder + std::u16string(60, u'n') + u".ext");
    MakeValidPath(path);
    EXPECT_EQ(path.GetLength(), kMakeValidPathMaxLength);
    EXPECT_EQ(path,
              Str(folder + std::u16string(60 - (int(folder.size()) + 64 - kMakeValidPathMaxLength), u'n') + u".ext"));

    // Fewer than two characters of the name would remain: left as it is.
    const std::u16string deep = u"C:\\" + std::u16string(250, u'f') + u"\\abc.txt";
    BXString unchanged = Str(deep);
    MakeValidPath(unchanged);
    EXPECT_EQ(unchanged, Str(deep));
}

TEST(BXPathText, CountUpFileName)
{
    const TextCase cases[] = {
        {u"Report", u"Report (1)"},
        {u"Report (1)", u"Report (2)"},
        {u"Report(9)", u"Report(10)"},
        {u"a (9999)", u"a (10000)"},
        {u"a (12345)", u"a (12345) (1)"},
        {u"a ()", u"a () (1)"},
        {u"a (1x)", u"a (1x) (1)"},
        {u"", u" (1)"},
        {u")", u") (1)"},
        {u"(7)", u"(8)"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(CountUpFileName(Str(c.m_in)), Str(c.m_out)) << Str(c.m_in).ToUtf8().Get();
    }
}

struct SplitCase {
    std::u16string m_path;
    std::u16string m_drive;
    std::u16string m_folder;
    std::u16string m_name;
    std::u16string m_extension;
};

TEST(BXPathComponents, SplitsEveryForm)
{
    const SplitCase cases[] = {
        {u"C:\\Music\\song.mp3", u"C:", u"\\Music\\", u"song", u"mp3"},
        {u"C:/Music/a/song.tar.gz", u"C:", u"/Music/a/", u"song.tar", u"gz"},
        {u"C:song.mp3", u"C:", u"\\", u"song", u"mp3"},
        {u"C:", u"C:", u"\\", u"", u""},
        {u"\\\\server\\share\\dir\\f.txt", u"\\\\server", u"\\share\\dir\\", u"f", u"txt"},
        {u"\\\\server", u"\\\\server", u"", u"", u""},
        {u"\\\\?\\C:\\x\\y.z", u"\\\\?\\C:", u"\\x\\", u"y", u"z"},
        {u"file://C:/Music/song.mp3", u"C:", u"\\Music\\", u"song", u"mp3"},
        {u"file:///C:/Music/song.mp3", u"C:", u"\\Music\\", u"song", u"mp3"},
        {u"http://host/dir/page.html?a=1.2/b", u"http://", u"host/dir/", u"page", u"html"},
        {u"http://host", u"http://", u"", u"host", u""},
        {u"relative\\noext", u"", u"relative\\", u"noext", u""},
        {u"dir.x\\name", u"", u"dir.x\\", u"name", u""},
        {u".hidden", u"", u"", u"", u"hidden"},
        {u"", u"", u"", u"", u""},
    };
    for (const SplitCase& c : cases) {
        const BXPathParts parts = SplitPath(Str(c.m_path));
        SCOPED_TRACE(Str(c.m_path).ToUtf8().Get());
        EXPECT_EQ(parts.m_drive, Str(c.m_drive));
        EXPECT_EQ(parts.m_folder, Str(c.m_folder));
        EXPECT_EQ(parts.m_name, Str(c.m_name));
        EXPECT_EQ(parts.m_extension, Str(c.m_extension));
        EXPECT_EQ(GetFolderPath(Str(c.m_path)), Str(c.m_drive + c.m_folder));
    }
    EXPECT_EQ(GetPathFileName(u"C:\\a\\b.txt"), BXString(u"b.txt"));
    EXPECT_EQ(GetPathFileName(u"C:\\a\\b"), BXString(u"b"));
}

TEST(BXPathComponents, ExtendedFileNameIsReducedToItsFileName)
{
    BXPropertyMap properties;
    properties.SetString(u"FileType", u"ini");
    const BXString extended = BXExtendedFileName::Make(u"C:\\dir\\setup.cfg", properties);
    EXPECT_EQ(GetPathExtension(extended), BXString(u"cfg"));
    EXPECT_EQ(GetFolderPath(extended), BXString(u"C:\\dir\\"));
}

TEST(BXFormatSize, Units)
{
    const std::pair<int64_t, std::u16string> cases[] = {
        {0, u"0 bytes"},
        {1023, u"1023 bytes"},
        {1024, u"1.0 KB"},
        {1536, u"1.5 KB"},
        {100 * 1024, u"100 KB"},
        {1048576, u"1.0 MB"},
        {-2048, u"-2.0 KB"},
        {-5, u"-5 bytes"},
        {int64_t(3) << 30, u"3.0 GB"},
        {int64_t(1) << 40, u"1.0 TB"},
        {int64_t(2048) << 50, u"2048 PB"},
        {INT64_MIN, u"-8192 PB"},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(FormatSize(bytes), Str(text)) << bytes;
    }
}

TEST(BXVersion64, Parse)
{
    EXPECT_EQ(ParseVersion64(u"23.0.55.1"), MakeVersion64(23, 0, 55, 1));
    EXPECT_EQ(ParseVersion64(u"1,2,3,4"), ParseVersion64(u"1.2.3.4"));
    EXPECT_EQ(ParseVersion64(u"1.2.3.4"), 0x0001000200030004ull);
    EXPECT_EQ(ParseVersion64(u"5"), MakeVersion64(5, 0, 0, 0));
    EXPECT_EQ(ParseVersion64(u""), 0u);
    EXPECT_EQ(ParseVersion64(u"1.2.3.4.5"), MakeVersion64(1, 2, 3, 4));
    EXPECT_EQ(ParseVersion64(u"65535.65535.65535.65535"), ~uint64_t(0));
}

} // namespace
