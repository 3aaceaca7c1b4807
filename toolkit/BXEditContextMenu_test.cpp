#include "BXEditContextMenu.h"

#include <gtest/gtest.h>

namespace {

TEST(BXEditContextMenu, ListsTheItemsWithTheirCommandNumbers)
{
    const auto items = BXBuildEditContextMenu(BXEditMenuState{});
    const struct {
        int32_t command;
        const BXChar* text;
    } expected[] = {
        {10000, u"Cut\tCtrl+X"},
        {10001, u"Copy\tCtrl+C"},
        {10002, u"Paste\tCtrl+V"},
        {10003, u"Delete\tDel"},
        {0, u""},
        {10004, u"Undo\tCtrl+Z"},
        {10005, u"Redo\tCtrl+Y"},
        {0, u""},
        {10006, u"Select All"},
    };
    ASSERT_EQ(items.size(), std::size(expected));
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].command, expected[i].command) << i;
        EXPECT_EQ(items[i].text, BXString(expected[i].text)) << i;
    }
}

TEST(BXEditContextMenu, TranslatesBeforeNamingTheModifier)
{
    const auto items = BXBuildEditContextMenu(BXEditMenuState{}, [](const BXString& text) {
        return text == BXString(u"Copy\t%s+C") ? BXString(u"Kopieren\t%s+C") : text;
    });
    EXPECT_EQ(items[1].text, BXString(u"Kopieren\tCtrl+C"));
    EXPECT_EQ(items[0].text, BXString(u"Cut\tCtrl+X"));
}

struct EnableCase {
    const char* name;
    BXEditMenuState state;
    // Cut, Copy, Paste, Delete, Undo, Redo, Select All
    bool enabled[7];
};

TEST(BXEditContextMenu, EnablesWhatTheStateAllows)
{
    // readOnly, hasSelection, hasText, clipboardHasText, canUndo, canRedo
    const EnableCase cases[] = {
        {"nothing", {false, false, false, false, false, false}, {false, false, false, false, false, false, false}},
        {"selection", {false, true, true, false, false, false}, {true, true, false, true, false, false, true}},
        {"clipboard", {false, false, true, true, false, false}, {false, false, true, false, false, false, true}},
        {"history", {false, false, true, false, true, true}, {false, false, false, false, true, true, true}},
        {"read-only keeps Copy and Select All",
         {true, true, true, true, true, true},
         {false, true, false, false, false, false, true}},
    };
    for (const EnableCase& c : cases) {
        SCOPED_TRACE(c.name);
        int32_t index = 0;
        for (const BXEditMenuItem& item : BXBuildEditContextMenu(c.state)) {
            if (item.command == 0) {
                continue;
            }
            EXPECT_EQ(item.enabled, c.enabled[index]) << ::testing::PrintToString(item.text);
            ++index;
        }
        EXPECT_EQ(index, 7);
    }
}

} // namespace
