#include "BXLibrary.h"

#include "BXRecordingTools.h"

#include <gtest/gtest.h>

namespace {

BXString SystemLibrary(const BXChar* name)
{
    wchar_t folder[MAX_PATH] = {};
    ::GetSystemDirectoryW(folder, MAX_PATH);
    return BXString(BXFromWide(folder)) + u"\\" + name;
}

TEST(BXLibrary, LoadsFindsProceduresAndFrees)
{
    BXLibrary library;
    EXPECT_EQ(BXGetProcedure(library, u"GetFileVersionInfoSizeW"), nullptr) << "empty holder";
    ASSERT_TRUE(BXLoadLibrary(library, SystemLibrary(u"version.dll"), 0));
    const HMODULE module = library.Get();
    EXPECT_EQ(BXGetProcedure(library, u"GetFileVersionInfoSizeW"), ::GetProcAddress(module, "GetFileVersionInfoSizeW"));
    EXPECT_EQ(BXGetProcedure(library, u"NoSuchExport"), nullptr);

    BXLibrary moved(std::move(library));
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_EQ(moved.Get(), module);

    // Reloading frees what the holder held first; a failed load leaves it empty.
    EXPECT_FALSE(BXLoadLibrary(moved, SystemLibrary(u"no-such-library.dll"), 0));
    EXPECT_FALSE(moved.IsLoaded());
    EXPECT_FALSE(BXLoadLibrary(moved, BXString(), 0));
}

TEST(BXLibrary, HolderFreesItsModule)
{
    wchar_t module[MAX_PATH + 1] = {};
    ::GetModuleFileNameW(nullptr, module, MAX_PATH);
    BXString path(BXFromWide(module));
    path.StripFileName();
    path += u"bx_test_component.dll";
    ASSERT_EQ(::GetModuleHandleW(path.W()), nullptr);
    {
        BXLibrary library;
        ASSERT_TRUE(BXLoadLibrary(library, path, 0));
        EXPECT_NE(::GetModuleHandleW(path.W()), nullptr);
        BXLibrary other;
        other = std::move(library);
        EXPECT_NE(::GetModuleHandleW(path.W()), nullptr) << "moving keeps it loaded";
    }
    EXPECT_EQ(::GetModuleHandleW(path.W()), nullptr);
}

TEST(BXLibrary, FailureIsTracedOnlyWithTheTopFlagBit)
{
    BXRecordingTools tools;
    const BXString missing = SystemLibrary(u"no-such-library.dll");
    BXLibrary library;
    EXPECT_FALSE(BXLoadLibrary(library, missing, 0));
    EXPECT_TRUE(tools.TextsOf(u"BXLoadLibrary").empty());
    EXPECT_FALSE(BXLoadLibrary(library, missing, kBXLoadLibraryTraceFailure | LOAD_WITH_ALTERED_SEARCH_PATH));
    const auto texts = tools.TextsOf(u"BXLoadLibrary");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], u"Loading " + std::u16string(missing.View()) + u" failed, error: 126");
    // The bit itself is not passed on: the same load without it succeeds.
    EXPECT_TRUE(BXLoadLibrary(library, SystemLibrary(u"version.dll"), kBXLoadLibraryTraceFailure));
}

} // namespace
