#include "BXRadioGroupState.h"

#include <gtest/gtest.h>

namespace {

TEST(BXRadioGroupState, CheckingOneUnchecksTheOthersAndFiresOnce)
{
    BXRadioGroupState group;
    for (int i = 0; i < 3; ++i) {
        group.Add();
    }
    EXPECT_EQ(group.GetSelected(), -1);

    auto change = group.SetChecked(1, true);
    EXPECT_TRUE(change.fireClick);
    EXPECT_EQ(change.changed, std::vector<int32_t>{1});
    EXPECT_EQ(group.GetSelected(), 1);

    change = group.SetChecked(2, true);
    EXPECT_TRUE(change.fireClick);
    EXPECT_EQ(change.changed, (std::vector<int32_t>{1, 2}));
    EXPECT_FALSE(group.IsChecked(1));
    EXPECT_EQ(group.GetSelected(), 2);

    change = group.SetChecked(2, true); // already checked: nothing
    EXPECT_FALSE(change.fireClick);
    EXPECT_TRUE(change.changed.empty());

    change = group.SetChecked(2, false); // unchecking changes it but fires nothing
    EXPECT_FALSE(change.fireClick);
    EXPECT_EQ(change.changed, std::vector<int32_t>{2});
    EXPECT_EQ(group.GetSelected(), -1);

    change = group.SetChecked(7, true);
    EXPECT_FALSE(change.fireClick);
    EXPECT_TRUE(change.changed.empty());
}

TEST(BXRadioGroupState, ArrowKeysWrapAndSpaceOrEnterCheckTheFocusedRadio)
{
    BXRadioGroupState group;
    for (int i = 0; i < 3; ++i) {
        group.Add();
    }
    const struct {
        uint32_t key;
        int32_t focused;
        int32_t target;
    } cases[] = {
        {0x28, 0, 1},  {0x28, 2, 0},   {0x26, 0, 2}, {0x26, 2, 1}, // Down, Up
        {0x20, 1, 1},  {0x0D, 2, 2},                               // Space, Enter
        {0x25, 1, -1}, {0x41, 1, -1},                              // Left, a letter
        {0x28, 5, -1}, {0x28, -1, -1},                             // no such radio
    };
    for (const auto& c : cases) {
        EXPECT_EQ(group.TargetForKey(c.key, c.focused), c.target) << "key " << c.key << " on " << c.focused;
    }

    BXRadioGroupState single;
    single.Add();
    EXPECT_EQ(single.TargetForKey(0x28, 0), 0);
}

} // namespace
