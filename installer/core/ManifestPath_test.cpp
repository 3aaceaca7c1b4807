#include "ManifestPath.h"

#include <gtest/gtest.h>

TEST(ManifestPath, ResolvesAgainstTheManifestFolder)
{
    struct Case {
        const BXChar* folder;
        const BXChar* text;
        const BXChar* expected;
    };
    const Case cases[] = {
        {u"C:\\Pkg\\", u"", u""},
        {u"C:\\Pkg\\", u"Extra", u"C:\\Pkg\\Extra\\"},
        {u"C:\\Pkg\\", u"Extra\\\\", u"C:\\Pkg\\Extra\\"},
        {u"C:\\Pkg\\Sub\\", u"..\\Support", u"C:\\Pkg\\Support\\"},
        {u"C:\\Pkg\\", u"..\\..\\..\\x", u"C:\\x\\"},
        {u"C:\\Pkg\\", u".\\a\\.\\b\\..\\c", u"C:\\Pkg\\a\\c\\"},
        {u"C:\\Pkg\\", u"D:\\Media", u"D:\\Media\\"},
        {u"C:\\Pkg\\", u"d:\\Media\\..\\Other\\", u"d:\\Other\\"},
        {u"C:\\Pkg\\", u"\\\\server\\share\\dir\\..\\..", u"\\\\server\\share\\"},
        {u"C:\\Pkg\\", u"Media/Sub", u"C:\\Pkg\\Media\\Sub\\"},
        {u"\\\\nas\\pkgs\\", u"..\\up", u"\\\\nas\\pkgs\\up\\"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResolveManifestPath(c.folder, c.text), BXString(c.expected)) << BXString(c.text).ToUtf8().Get();
    }
}
