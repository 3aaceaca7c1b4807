#include "BXEditCtrl.h"

#include "BXControlsTestSupport.h"
#include "BXRegKey.h"
#include "BXTestRegistry.h"

#include <gtest/gtest.h>

namespace {

BXString ReadClipboard(HWND owner)
{
    BXString text;
    if (!::OpenClipboard(owner))
        return BXString(u"<clipboard not opened>");
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const void* source = ::GlobalLock(data)) {
            text = BXString(static_cast<const BXChar*>(source));
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

BXTypedWndPtr<BXEditCtrl> MakeEdit(BXControlHostFixture& fixture, bool multiLine, int32_t readOnly, const RECT& rect,
                                   const BXString& text)
{
    BXTypedWndPtr<BXEditCtrl> edit = fixture.m_host->CreateChild<BXEditCtrl>();
    edit->SetMultiLine(multiLine);
    edit->SetReadOnlyLevel(readOnly);
    edit->SetText(text);
    edit->SetWindowPos(rect, SWP_SHOWWINDOW);
    return edit;
}

TEST(BXEditCtrl, ReadOnlyIgnoresTypingButCopiesTheSelection)
{
    BXControlHostFixture fixture;
    ASSERT_TRUE(fixture.m_created);
    const struct {
        int32_t readOnly;
        const BXChar* afterTyping;
    } cases[] = {{2, u"Licence text"}, {0, u"xLicence tex"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.readOnly);
        BXTypedWndPtr<BXEditCtrl> edit =
            MakeEdit(fixture, true, c.readOnly, RECT{10, 10, 300, 200}, BXString(u"Licence text"));
        edit->SetFocus();
        fixture.Char(u'x');   // typed at the start
        fixture.Key(VK_END);  // caret to the end of the line
        fixture.Key(VK_BACK); // and one unit removed before it
        EXPECT_EQ(edit->GetText(), BXString(c.afterTyping));

        edit->SetSelection(0, 7);
        fixture.Key(VK_LEFT); // arrows still move in a read-only box
        EXPECT_EQ(edit->GetCaret(), 0);
        edit->SetSelection(1, 4);
        const BXString selected = edit->GetSelectedText();
        ASSERT_TRUE(edit->ExecuteCommand(kBXEditCommandCopy));
        EXPECT_EQ(ReadClipboard(fixture.Hwnd()), selected);

        // Paste and Cut change only an editable field.
        EXPECT_EQ(edit->ExecuteCommand(kBXEditCommandPaste), c.readOnly == 0);
        EXPECT_EQ(edit->ExecuteCommand(kBXEditCommandCut), c.readOnly == 0 && edit->HasSelection());
        if (c.readOnly != 0) {
            EXPECT_EQ(edit->GetText(), BXString(c.afterTyping));
        }
        const BXEditMenuState state = edit->GetMenuState();
        EXPECT_EQ(state.readOnly, c.readOnly != 0);
        EXPECT_TRUE(state.clipboardHasText);
        delete edit.Get();
    }
}

TEST(BXEditCtrl, KeepsArrowsAndEnterOnlyWhenSeveralLines)
{
    BXEditCtrl oneLine;
    BXEditCtrl multiLine;
    multiLine.SetMultiLine(true);
    for (UINT key : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}) {
        EXPECT_TRUE(oneLine.WantsDialogKey(key));
        EXPECT_TRUE(multiLine.WantsDialogKey(key));
    }
    EXPECT_FALSE(oneLine.WantsDialogKey(VK_RETURN));
    EXPECT_TRUE(multiLine.WantsDialogKey(VK_RETURN));
    EXPECT_FALSE(multiLine.WantsDialogKey(VK_ESCAPE));
    EXPECT_FALSE(multiLine.WantsDialogKey(VK_TAB));
}

TEST(BXEditCtrl, TextSetBeforePlacementWrapsOnlyOnceItHasAWidth)
{
    BXControlHostFixture fixture;
    ASSERT_TRUE(fixture.m_created);
    BXTypedWndPtr<BXEditCtrl> edit = fixture.m_host->CreateChild<BXEditCtrl>();
    edit->SetMultiLine(true);
    edit->SetText(BXString(u"hello world\r\nsecond"));
    EXPECT_EQ(edit->GetLines().size(), 2u); // no width yet: not one line per character
    // Placed: 8 pixels a unit, 6 units of room, so "hello " and "world" wrap apart.
    edit->SetWindowPos(RECT{0, 0, 48 + 6, 200}, SWP_SHOWWINDOW);
    EXPECT_EQ(edit->GetLines().size(), 3u);
}

TEST(BXEditCtrl, EnterAddsALineBreakOnlyWhenSeveralLines)
{
    BXControlHostFixture fixture;
    ASSERT_TRUE(fixture.m_created);
    BXTypedWndPtr<BXEditCtrl> multi = MakeEdit(fixture, true, 0, RECT{10, 10, 300, 100}, BXString(u"ab"));
    multi->SetFocus();
    fixture.Key(VK_RIGHT);
    fixture.Char(u'\r');
    EXPECT_EQ(multi->GetText(), BXString(u"a\r\nb"));
    BXTypedWndPtr<BXEditCtrl> single = MakeEdit(fixture, false, 0, RECT{10, 110, 300, 140}, BXString(u"ab"));
    single->SetFocus();
    fixture.Char(u'\r');
    EXPECT_EQ(single->GetText(), BXString(u"ab"));
}

TEST(BXEditCtrl, VerticalScrollBarShowsOnlyWhenNeededAndWideEnough)
{
    BXControlHostFixture fixture;
    ASSERT_TRUE(fixture.m_created);
    BXString longText;
    for (int i = 0; i < 40; ++i)
        longText += u"A line of the agreement.\r\n";
    const struct {
        const char* name;
        int32_t width;
        const BXString text;
        bool shown;
    } cases[] = {
        {"taller than the box", 300, longText, true},
        {"fits", 300, BXString(u"short"), false},
        {"narrower than 40", 39, longText, false},
        {"exactly 40", 40, longText, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BXTypedWndPtr<BXEditCtrl> edit = MakeEdit(fixture, true, 2, RECT{0, 0, c.width, 120}, c.text);
        ASSERT_NE(edit->GetVerticalScrollbar(), nullptr);
        EXPECT_EQ(edit->GetVerticalScrollbar()->IsVisible(), c.shown);
        EXPECT_FALSE(edit->GetHorizontalScrollbar()->IsVisible());
        EXPECT_EQ(edit->GetScrollbarModes().Vertical(), kBXScrollbarAsNeeded);
        if (c.shown) {
            // The bar takes the right edge; the text stays left of it.
            EXPECT_EQ(edit->GetVerticalScrollbar()->GetRect().right, c.width);
            EXPECT_LE(edit->GetTextRect().right, edit->GetVerticalScrollbar()->GetRect().left);
        }
        delete edit.Get();
    }
    BXEditCtrl oneLine;
    EXPECT_EQ(oneLine.GetScrollbarModes().Vertical(), kBXScrollbarNever);
}

TEST(BXEditCtrl, ScrollBarScrollsTheTextAndFollowsTheCaret)
{
    BXControlHostFixture fixture;
    ASSERT_TRUE(fixture.m_created);
    BXString text;
    for (int i = 0; i < 30; ++i)
        text += u"line\r\n";
    BXTypedWndPtr<BXEditCtrl> edit = MakeEdit(fixture, true, 2, RECT{0, 0, 200, 106}, text);
    BXScrollbar* bar = edit->GetVerticalScrollbar();
    ASSERT_TRUE(bar->IsVisible());
    EXPECT_EQ(bar->GetTotal(), 31 * 16);
    EXPECT_EQ(bar->GetPage(), 100);
    edit->SetSelection(text.GetLength(), text.GetLength()); // the last line
    EXPECT_EQ(bar->GetPos(), bar->GetMaxPos());
    // A click on the up arrow scrolls one line.
    const int32_t before = bar->GetPos();
    fixture.Click(bar->GetRect().left + 2, 2);
    EXPECT_EQ(bar->GetPos(), before - 16);
}

TEST(BXEditCtrl, MouseSelectsFromPressToRelease)
{
    BXControlHostFixture fixture;
    ASSERT_TRUE(fixture.m_created);
    BXTypedWndPtr<BXEditCtrl> edit =
        MakeEdit(fixture, false, 0, RECT{10, 10, 300, 36}, BXString(u"C:\\Program Files\\"));
    const RECT text = edit->GetTextRect();
    // Units are 8 pixels wide in the test skin: x = left + 8 * n is the boundary before unit n.
    fixture.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(text.left + 8 * 3 + 1, text.top + 4));
    fixture.Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(text.left + 8 * 10 - 2, text.top + 4));
    fixture.Send(WM_LBUTTONUP, 0, MAKELPARAM(text.left + 8 * 10 - 2, text.top + 4));
    EXPECT_EQ(edit->GetSelectedText(), BXString(u"Program"));
    EXPECT_TRUE(edit->HasFocus());
    fixture.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(text.left + 8 * 14, text.top + 4));
    EXPECT_EQ(edit->GetSelectedText(), BXString(u"Files")); // separators end a word
}

TEST(BXEditCtrl, CaretBlinksAtTheUsersPeriodClamped)
{
    BXTestRegistry registry({HKEY_CURRENT_USER});
    BXRegKey desktop;
    ASSERT_TRUE(desktop.Create(HKEY_CURRENT_USER, u"Control Panel\\Desktop"));
    BXControlHostFixture fixture;
    ASSERT_TRUE(fixture.m_created);
    BXTypedWndPtr<BXEditCtrl> edit = MakeEdit(fixture, false, 0, RECT{10, 10, 300, 36}, BXString(u"x"));
    BXTypedWndPtr<BXEditCtrl> other = MakeEdit(fixture, false, 0, RECT{10, 50, 300, 76}, BXString(u"y"));
    const struct {
        const BXChar* value; // null: missing
        int32_t period;
    } cases[] = {{u"50", 100}, {u"5000", 1000}, {nullptr, 530}};
    for (const auto& c : cases) {
        if (c.value != nullptr)
            ASSERT_TRUE(desktop.WriteString(u"CursorBlinkRate", c.value));
        else
            desktop.DeleteValue(u"CursorBlinkRate");
        other->SetFocus();
        edit->SetFocus();
        EXPECT_EQ(edit->GetCaretPeriod(), c.period);
        EXPECT_TRUE(edit->IsCaretOn());
    }
    // The blink runs on control timer 2.
    edit->OnTimer(BXEditCtrl::kCaretTimer);
    EXPECT_FALSE(edit->IsCaretOn());
    other->SetFocus();
    EXPECT_FALSE(edit->IsCaretOn());
}

} // namespace
