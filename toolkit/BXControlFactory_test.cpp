#include "BXControlFactory.h"

#include "BXControlsTestSupport.h"
#include "BXFilenameEdit.h"

#include <gtest/gtest.h>

namespace {

TEST(BXControlFactory, CreatesAttachedControlsInTheirInitialState)
{
    BXControlHostFixture fixture;
    ASSERT_TRUE(fixture.m_created);
    BXPopupWnd& host = *fixture.m_host;

    BXTypedWndPtr<BXCheckbox> box = BXCreateCheckbox(host, BXString(u"Auto"), true);
    EXPECT_TRUE(box->IsChecked());
    EXPECT_EQ(box->GetText(), BXString(u"Auto"));

    BXTypedWndPtr<BXProgressCtrl> bar = BXCreateProgressBar(host);
    EXPECT_EQ(bar->GetRange().GetMin(), 0);
    EXPECT_EQ(bar->GetRange().GetMax(), 100);
    EXPECT_EQ(bar->GetPos(), 0);

    BXTypedWndPtr<BXFilenameWnd> field = BXCreatePathField(host, BXString(u"C:\\Dest\\"), BXFilenameWnd::kModeFolder);
    ASSERT_NE(field->GetEdit(), nullptr); // its parts exist once it is attached
    EXPECT_EQ(field->GetEdit()->GetText(), BXString(u"C:\\Dest\\"));
    EXPECT_FALSE(field->GetEdit()->IsMultiLine());

    BXTypedWndPtr<BXImageStatic> image = BXCreateImage(host, BXString(u"no such image"));
    EXPECT_FALSE(image->HasImage());

    for (BXWnd* control : {static_cast<BXWnd*>(box.Get()), static_cast<BXWnd*>(bar.Get()),
                           static_cast<BXWnd*>(field.Get()), static_cast<BXWnd*>(image.Get())}) {
        EXPECT_EQ(control->GetParent(), &host);
        EXPECT_TRUE(host.HasChild(control));
    }
}

} // namespace
