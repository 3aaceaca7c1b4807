#include "BXFilenameWnd.h"

#include "BXButton.h"
#include "BXControlsTestSupport.h"
#include "BXFilenameEdit.h"

#include <gtest/gtest.h>

namespace {

class FolderPickerDouble final : public IBXDialogs {
public:
    bool m_answer = false;
    BXString m_folder;
    BXString m_title;
    BXString m_start;
    int m_calls = 0;

    int32_t ShowMessageBox(const BXMessageBoxInfo*) override { return 1; }
    bool PickFolder(void*, const BXChar* title, const BXChar* start, BXDllString* folder) override
    {
        ++m_calls;
        m_title = BXString(title);
        m_start = BXString(start);
        if (m_answer)
            folder->SetString(m_folder.GetString(), m_folder.GetLength());
        return m_answer;
    }
};

TEST(BXFilenameWnd, BrowseReplacesThePathUnlessCancelled)
{
    BXControlHostFixture fixture;
    ASSERT_TRUE(fixture.m_created);
    FolderPickerDouble picker;
    fixture.m_tools.m_dialogs = &picker;
    BXTypedWndPtr<BXFilenameWnd> field =
        fixture.m_host->CreateChild<BXFilenameWnd>(BXString(u"C:\\Program Files\\Cantora\\"));
    field->SetWindowPos(RECT{10, 10, 390, 40}, SWP_SHOWWINDOW);
    ASSERT_NE(field->GetBrowseButton(), nullptr);
    EXPECT_EQ(field->GetBrowseButton()->GetText(), BXString(u"Browse"));
    // The button sits at the right end, the edit part fills the rest.
    EXPECT_EQ(field->GetBrowseButton()->GetRect().right, 390);
    EXPECT_LT(field->GetEdit()->GetRect().right, field->GetBrowseButton()->GetRect().left);

    const struct {
        const char* name;
        bool answer;
        const BXChar* folder;
        const BXChar* path;
    } cases[] = {
        {"cancelled", false, u"D:\\Ignored\\", u"C:\\Program Files\\Cantora\\"},
        {"chosen", true, u"D:\\Apps\\", u"D:\\Apps\\"},
        {"empty answer", true, u"", u"D:\\Apps\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const BXString before = field->GetPath();
        picker.m_answer = c.answer;
        picker.m_folder = BXString(c.folder);
        ASSERT_TRUE(field->GetBrowseButton()->Click());
        EXPECT_EQ(picker.m_title, BXString(u"Select Path"));
        EXPECT_EQ(picker.m_start, before);
        EXPECT_EQ(field->GetPath(), BXString(c.path));
        EXPECT_EQ(field->GetEdit()->GetText(), BXString(c.path));
    }
    EXPECT_EQ(picker.m_calls, 3);

    // The value is whatever the edit part holds now.
    field->GetEdit()->SetText(BXString(u"E:\\Typed\\"));
    EXPECT_EQ(field->GetPath(), BXString(u"E:\\Typed\\"));
}

TEST(BXFilenameWnd, BrowseWithoutADialogServiceChangesNothing)
{
    BXControlHostFixture fixture;
    ASSERT_TRUE(fixture.m_created);
    BXTypedWndPtr<BXFilenameWnd> field = fixture.m_host->CreateChild<BXFilenameWnd>(BXString(u"C:\\A\\"));
    EXPECT_FALSE(field->Browse());
    EXPECT_EQ(field->GetPath(), BXString(u"C:\\A\\"));
}

} // namespace
