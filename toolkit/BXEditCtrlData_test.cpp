#include "BXEditCtrlData.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every unit is 10 pixels wide.
int32_t Monospace(const BXChar*, int32_t length)
{
    return length * 10;
}

enum class Action { Type, Insert, Backspace, Delete };

struct EditCase {
    const char* name;
    const BXChar* text;
    int32_t anchor;
    int32_t caret;
    Action action;
    const BXChar* argument;
    bool multiLine;
    const BXChar* expectText;
    int32_t expectCaret;
};

bool Apply(BXEditCtrlData& data, Action action, const BXChar* argument)
{
    switch (action) {
    case Action::Type:
        return data.InsertText(BXString(argument), true);
    case Action::Insert:
        return data.InsertText(BXString(argument));
    case Action::Backspace:
        return data.Backspace();
    case Action::Delete:
        return data.DeleteForward();
    }
    return false;
}

TEST(BXEditCtrlData, EditsTheTextAtTheCaretOrSelection)
{
    const EditCase cases[] = {
        {"type at caret", u"abc", 1, 1, Action::Type, u"X", false, u"aXbc", 2},
        {"type replaces selection", u"abcdef", 4, 1, Action::Type, u"X", false, u"aXef", 2},
        {"backspace", u"abc", 2, 2, Action::Backspace, nullptr, false, u"ac", 1},
        {"backspace at start", u"abc", 0, 0, Action::Backspace, nullptr, false, u"abc", 0},
        {"backspace removes a whole line break", u"ab\r\ncd", 4, 4, Action::Backspace, nullptr, true, u"abcd", 2},
        {"backspace removes a whole surrogate pair", u"a\xD83D\xDE00z", 3, 3, Action::Backspace, nullptr, false, u"az",
         1},
        {"delete", u"abc", 1, 1, Action::Delete, nullptr, false, u"ac", 1},
        {"delete at end", u"abc", 3, 3, Action::Delete, nullptr, false, u"abc", 3},
        {"delete removes a whole line break", u"ab\r\ncd", 2, 2, Action::Delete, nullptr, true, u"abcd", 2},
        {"delete the selection", u"abcdef", 1, 4, Action::Delete, nullptr, false, u"aef", 1},
        {"backspace the selection", u"abcdef", 4, 1, Action::Backspace, nullptr, false, u"aef", 1},
        {"one line keeps the first line of an insert", u"ab", 1, 1, Action::Insert, u"XY\r\nZ", false, u"aXYb", 3},
        {"several lines keep the whole insert", u"ab", 1, 1, Action::Insert, u"X\r\nZ", true, u"aX\r\nZb", 5},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        BXEditCtrlData data;
        data.SetMultiLine(c.multiLine);
        data.SetText(BXString(c.text));
        data.SetSelection(c.anchor, c.caret);
        const bool changed = Apply(data, c.action, c.argument);
        EXPECT_EQ(data.GetText(), BXString(c.expectText));
        EXPECT_EQ(changed, data.GetText() != BXString(c.text));
        EXPECT_EQ(data.GetCaret(), c.expectCaret);
        EXPECT_FALSE(data.HasSelection());
    }
}

TEST(BXEditCtrlData, ReadOnlyRefusesEveryChangeButMovesSelectsAndCopies)
{
    BXEditCtrlData data;
    data.SetMultiLine(true);
    data.SetText(u"first line\r\nsecond");
    data.SetReadOnlyLevel(2);
    data.SetSelection(0, 5);
    EXPECT_FALSE(data.InsertText(u"x", true));
    EXPECT_FALSE(data.Backspace());
    EXPECT_FALSE(data.DeleteForward());
    EXPECT_FALSE(data.DeleteSelection());
    EXPECT_FALSE(data.CanUndo());
    EXPECT_FALSE(data.Undo());
    EXPECT_EQ(data.GetText(), BXString(u"first line\r\nsecond"));
    EXPECT_EQ(data.GetSelectedText(), BXString(u"first"));

    data.MoveCaret(BXEditCtrlData::Move::Down, true);
    EXPECT_EQ(data.GetCaret(), 17);
    EXPECT_EQ(data.GetSelectedText(), BXString(u"first line\r\nsecon"));
    data.SelectAll();
    EXPECT_EQ(data.GetSelectedText(), BXString(u"first line\r\nsecond"));
}

TEST(BXEditCtrlData, UndoAndRedoRestoreTextAndSelection)
{
    BXEditCtrlData data;
    data.SetText(u"hello world");
    data.SetSelection(6, 11);
    ASSERT_TRUE(data.InsertText(u"t", true));
    ASSERT_TRUE(data.InsertText(u"h", true));
    ASSERT_TRUE(data.InsertText(u"e", true));
    ASSERT_TRUE(data.InsertText(u"r", true));
    ASSERT_TRUE(data.InsertText(u"e", true));
    EXPECT_EQ(data.GetText(), BXString(u"hello there"));

    // The replaced selection and the letters typed after it are one step.
    ASSERT_TRUE(data.Undo());
    EXPECT_EQ(data.GetText(), BXString(u"hello world"));
    EXPECT_EQ(data.GetSelectedText(), BXString(u"world"));
    EXPECT_FALSE(data.CanUndo());

    ASSERT_TRUE(data.Redo());
    EXPECT_EQ(data.GetText(), BXString(u"hello there"));
    EXPECT_EQ(data.GetCaret(), 11);
    EXPECT_FALSE(data.CanRedo());

    ASSERT_TRUE(data.Undo());
    ASSERT_TRUE(data.Backspace()); // removes the restored selection
    EXPECT_EQ(data.GetText(), BXString(u"hello "));
    EXPECT_FALSE(data.CanRedo()); // a new edit drops what could be redone
    ASSERT_TRUE(data.Undo());
    EXPECT_EQ(data.GetText(), BXString(u"hello world"));
}

TEST(BXEditCtrlData, TypingAfterMovingTheCaretStartsANewUndoStep)
{
    BXEditCtrlData data;
    data.SetText(u"ac");
    data.SetSelection(1, 1);
    data.InsertText(u"b", true);
    data.MoveCaret(BXEditCtrlData::Move::TextEnd, false);
    data.InsertText(u"d", true);
    EXPECT_EQ(data.GetText(), BXString(u"abcd"));
    data.Undo();
    EXPECT_EQ(data.GetText(), BXString(u"abc"));
}

struct BreakCase {
    const char* name;
    const BXChar* text;
    bool multiLine;
    int32_t width;
    std::vector<BXEditLine> lines;
};

TEST(BXEditCtrlData, BreaksLinesForAWidth)
{
    const BreakCase cases[] = {
        {"empty", u"", true, 50, {{0, 0}}},
        {"fits", u"abc de", true, 60, {{0, 6}}},
        {"wraps after the space", u"hello world", true, 50, {{0, 6}, {6, 5}}},
        {"spaces at the break hang", u"abcde   fg", true, 50, {{0, 8}, {8, 2}}},
        {"long word is cut", u"abcdefghijkl", true, 50, {{0, 5}, {5, 5}, {10, 2}}},
        {"narrower than one character", u"abc", true, 5, {{0, 1}, {1, 1}, {2, 1}}},
        {"surrogate pair stays whole", u"abcd\xD83D\xDE00z", true, 50, {{0, 4}, {4, 3}}},
        {"hard breaks of every kind", u"a\r\nb\nc\rd", true, 50, {{0, 1}, {3, 1}, {5, 1}, {7, 1}}},
        {"break at the end gives an empty last line", u"ab\r\n", true, 50, {{0, 2}, {4, 0}}},
        {"empty lines between", u"a\n\nb", true, 50, {{0, 1}, {2, 0}, {3, 1}}},
        {"no width: only hard breaks", u"hello world\nx", true, 0, {{0, 11}, {12, 1}}},
        {"one line ignores breaks and width", u"hello\r\nworld", false, 20, {{0, 12}}},
    };
    for (const BreakCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BXEditCtrlData::BreakText(BXString(c.text), c.multiLine, c.width, Monospace), c.lines);
    }
}

TEST(BXEditCtrlData, ArrowsMoveAcrossLinesKeepingTheColumn)
{
    BXEditCtrlData data;
    data.SetMultiLine(true);
    // Lines at width 100: "long line " (wrapped), "here", "", "tail end".
    data.SetText(u"long line here\r\n\r\ntail end");
    data.BreakLines(100, Monospace);
    ASSERT_EQ(data.GetLines(), (std::vector<BXEditLine>{{0, 10}, {10, 4}, {16, 0}, {18, 8}}));

    using Move = BXEditCtrlData::Move;
    data.SetSelection(7, 7);
    data.MoveCaret(Move::Up, false);
    EXPECT_EQ(data.GetCaret(), 7); // already on the first line
    data.MoveCaret(Move::Down, false);
    EXPECT_EQ(data.GetCaret(), 14); // column 7 clamped to the end of "here"
    data.MoveCaret(Move::Down, false);
    EXPECT_EQ(data.GetCaret(), 16);
    data.MoveCaret(Move::Down, false);
    EXPECT_EQ(data.GetCaret(), 25); // the column of the first line comes back
    data.MoveCaret(Move::Down, false);
    EXPECT_EQ(data.GetCaret(), 25);
    data.MoveCaret(Move::Up, false);
    data.MoveCaret(Move::Up, false);
    data.MoveCaret(Move::Up, false);
    EXPECT_EQ(data.GetCaret(), 7);

    // The end of a wrapped line stops before its hanging space, so the caret stays on that line.
    data.MoveCaret(Move::LineEnd, false);
    EXPECT_EQ(data.GetCaret(), 9);
    EXPECT_EQ(data.LineOfPosition(data.GetCaret()), 0);
    data.SetSelection(12, 12);
    data.MoveCaret(Move::LineStart, true);
    EXPECT_EQ(data.GetCaret(), 10);
    EXPECT_EQ(data.GetSelectedText(), BXString(u"he"));

    // Left and Right step over a line break as one unit, and collapse a selection to its side.
    data.SetSelection(18, 18);
    data.MoveCaret(Move::Left, false);
    EXPECT_EQ(data.GetCaret(), 16);
    data.MoveCaret(Move::Right, false);
    EXPECT_EQ(data.GetCaret(), 18);
    data.SetSelection(3, 8);
    data.MoveCaret(Move::Left, false);
    EXPECT_EQ(data.GetCaret(), 3);
    EXPECT_FALSE(data.HasSelection());
}

TEST(BXEditCtrlData, LayoutFollowsEdits)
{
    BXEditCtrlData data;
    data.SetMultiLine(true);
    data.SetText(u"abc");
    data.BreakLines(50, Monospace);
    data.SetSelection(3, 3);
    data.InsertText(u" defgh");
    EXPECT_EQ(data.GetLines(), (std::vector<BXEditLine>{{0, 4}, {4, 5}}));
    data.Undo();
    EXPECT_EQ(data.GetLines(), (std::vector<BXEditLine>{{0, 3}}));
}

TEST(BXEditCtrlData, SelectionIsClampedAndNeverSplitsALineBreak)
{
    BXEditCtrlData data;
    data.SetMultiLine(true);
    data.SetText(u"ab\r\ncd");
    data.SetSelection(-4, 99);
    EXPECT_EQ(data.GetSelectionStart(), 0);
    EXPECT_EQ(data.GetSelectionEnd(), 6);
    data.SetSelection(3, 3);
    EXPECT_EQ(data.GetCaret(), 2);
}

struct KeyCase {
    uint32_t key;
    bool multiLine;
    uint32_t modes;
    bool kept;
};

TEST(BXEditCtrlData, KeepsArrowsAlwaysAndEnterOnlyWithSeveralLines)
{
    using D = BXEditCtrlData;
    const KeyCase cases[] = {
        {0x25, false, 0, true},
        {0x26, false, 0, true},
        {0x27, false, 0, true},
        {0x28, false, 0, true},
        {0x0D, false, 0, false},
        {0x0D, true, 0, true},
        {0x09, true, 0, false},
        {0x1B, true, 0, false},
        {0x0D, false, D::kModeWantsEnter, true},
        {0x09, false, D::kModeWantsTab, true},
        {0x1B, false, D::kModeWantsEscape, true},
        {0x24, true, 0, false},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "key " << c.key << " multi-line " << c.multiLine << " modes " << c.modes);
        BXEditCtrlData data;
        data.SetMultiLine(c.multiLine);
        data.SetKeyModes(c.modes);
        EXPECT_EQ(data.KeepsKey(c.key), c.kept);
    }
}

} // namespace
