#include "BXToolsDialogs.h"

#include "BXScopedTempFolder.h"
#include "BXToolsLog.h"

#include <gtest/gtest.h>

namespace {

BXMessageBoxInfo Box(const BXChar* title, const BXChar* text, int32_t buttons, int32_t defaultAnswer)
{
    return BXMessageBoxInfo{nullptr, title, text, buttons, 0, defaultAnswer, defaultAnswer, nullptr, 0};
}

} // namespace

TEST(BXToolsDialogs, AnswerListAnswersInOrderThenDefaultsAndLogsEveryBox)
{
    BXScopedTempFolder temp;
    BXToolsLog log(BXString(BXFromWide((temp.Path() / "run.log").wstring().c_str())));
    BXToolsDialogs dialogs(&log, true, u"No| yes |7|nonsense");

    const BXMessageBoxInfo question = Box(u"Question", u"Go on?\r\n\r\nReally.", 4, 6);
    EXPECT_EQ(dialogs.ShowMessageBox(&question), 7);
    EXPECT_EQ(dialogs.ShowMessageBox(&question), 6);
    EXPECT_EQ(dialogs.ShowMessageBox(&question), 7);
    EXPECT_EQ(dialogs.ShowMessageBox(&question), 6); // unreadable answer: the default
    const BXMessageBoxInfo info = Box(u"Information", u"Done.", 0, 1);
    EXPECT_EQ(dialogs.ShowMessageBox(&info), 1); // list used up: the default

    const std::string text = temp.ReadFile("run.log");
    EXPECT_NE(text.find("Message box \"Question\": \"Go on?\\r\\n\\r\\nReally.\" -> No (7, answer list)"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Message box \"Information\": \"Done.\" -> OK (1, default, answer list used up)"),
              std::string::npos)
        << text;
    // One line per box.
    size_t lines = 0;
    for (char c : text)
        lines += c == '\n';
    EXPECT_EQ(lines, 5u);
}

TEST(BXToolsDialogs, FolderPickerTakesTheNextEntry)
{
    BXToolsDialogs dialogs(nullptr, true, u"D:\\Target|Cancel|");
    BXString folder(u"before");
    BXDllStringRef out(folder);
    EXPECT_TRUE(dialogs.PickFolder(nullptr, u"Choose", u"C:\\", &out));
    EXPECT_EQ(folder, BXString(u"D:\\Target"));
    EXPECT_FALSE(dialogs.PickFolder(nullptr, u"Choose", u"C:\\", &out));
    EXPECT_FALSE(dialogs.PickFolder(nullptr, u"Choose", u"C:\\", &out));
    EXPECT_FALSE(dialogs.PickFolder(nullptr, u"Choose", u"C:\\", &out));
    EXPECT_EQ(folder, BXString(u"D:\\Target"));
}

TEST(BXToolsDialogs, AnswerNames)
{
    EXPECT_EQ(BXToolsDialogs::ParseAnswer(u"cancel"), 2);
    EXPECT_EQ(BXToolsDialogs::ParseAnswer(u"Retry"), 4);
    EXPECT_EQ(BXToolsDialogs::ParseAnswer(u"11"), 11);
    EXPECT_EQ(BXToolsDialogs::ParseAnswer(u"-3"), 0);
    EXPECT_EQ(BXToolsDialogs::ParseAnswer(u""), 0);
}
