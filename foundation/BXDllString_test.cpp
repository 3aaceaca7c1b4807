#include "BXDllString.h"

#include <gtest/gtest.h>

namespace {

class ModuleString final : public BXDllString {
public:
    using BXDllString::BXDllString;
};

TEST(BXDllString, FillsTheTargetString)
{
    BXString target(u"old");
    ModuleString adapter(target);
    adapter.SetString(u"new value", -1);
    EXPECT_EQ(target, u"new value");
    adapter.SetString(u"abcdef", 3);
    EXPECT_EQ(target, u"abc");
    EXPECT_EQ(adapter.GetString(), target.GetString());
    adapter.SetString(u"xyz", 0);
    EXPECT_TRUE(target.IsEmpty());

    BXChar* buffer = adapter.GetBuffer(10, false);
    for (int i = 0; i < 4; ++i) {
        buffer[i] = BXChar(u'w' + i);
    }
    buffer[4] = 0;
    adapter.ReleaseBuffer(-1);
    EXPECT_EQ(target, u"wxyz");
    adapter.Empty();
    EXPECT_TRUE(target.IsEmpty());
}

} // namespace
