#include "BXRadioArray.h"

#include "BXControlsTestSupport.h"
#include "BXRadio.h"
#include "BXStatic.h"

#include <gtest/gtest.h>

namespace {

struct RadioClickLog : BXWndEvents {
    std::vector<int32_t> clicked; // choice numbers
    void OnClick(const BXWndEvent& event) { clicked.push_back(static_cast<BXRadio*>(event.m_source)->GetIndex()); }
};

class BXRadioArrayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fixture.m_created);
        group.SetParent(fixture.m_host.get());
        const BXChar* texts[] = {u"Express", u"Custom", u"Portable"};
        for (int32_t i = 0; i < 3; ++i) {
            BXRadio* radio = group.AddRadio(BXString(texts[i]), 10 + i, BXString(u"description"));
            ASSERT_NE(radio, nullptr);
            radio->SetWindowPos(RECT{10, 10 + 40 * i, 200, 30 + 40 * i}, SWP_SHOWWINDOW);
            radio->OnEvent<&RadioClickLog::OnClick>(BXCallbackWnd::kClickEvent, &log);
        }
    }

    BXControlHostFixture fixture;
    BXRadioArray group;
    RadioClickLog log;
};

TEST_F(BXRadioArrayTest, SelectChecksOneAndFiresOnlyOnChange)
{
    EXPECT_EQ(group.GetSelectedIndex(), -1);
    EXPECT_NE(group.GetDescription(1), nullptr);
    EXPECT_EQ(group.GetDescription(1)->GetText(), BXString(u"description"));

    group.Select(10);
    EXPECT_EQ(group.GetSelectedIndex(), 10);
    group.Select(12);
    EXPECT_EQ(group.GetSelectedIndex(), 12);
    EXPECT_FALSE(group.GetRadio(0)->IsChecked());
    EXPECT_TRUE(group.GetRadio(2)->IsChecked());
    EXPECT_EQ(log.clicked, (std::vector<int32_t>{10, 12}));

    group.Select(12); // already checked
    fixture.Click(20, 100);
    EXPECT_EQ(log.clicked, (std::vector<int32_t>{10, 12}));

    fixture.Click(20, 60); // the second radio, through mouse messages
    EXPECT_EQ(group.GetSelectedIndex(), 11);
    EXPECT_EQ(log.clicked, (std::vector<int32_t>{10, 12, 11}));
    EXPECT_EQ(group.GetSelectedIndex(), 11);
    int checked = 0;
    for (int32_t i = 0; i < group.GetCount(); ++i)
        checked += group.GetRadio(i)->IsChecked() ? 1 : 0;
    EXPECT_EQ(checked, 1);
}

TEST_F(BXRadioArrayTest, ArrowKeysWrapAroundTheGroup)
{
    group.Select(12);
    group.GetRadio(2)->SetFocus();
    log.clicked.clear();

    fixture.Key(VK_DOWN); // Down on the last selects the first
    EXPECT_EQ(group.GetSelectedIndex(), 10);
    EXPECT_TRUE(group.GetRadio(0)->HasFocus());
    fixture.Key(VK_UP); // and Up on the first the last
    EXPECT_EQ(group.GetSelectedIndex(), 12);
    EXPECT_TRUE(group.GetRadio(2)->HasFocus());
    fixture.Key(VK_UP);
    EXPECT_EQ(group.GetSelectedIndex(), 11);
    EXPECT_EQ(log.clicked, (std::vector<int32_t>{10, 12, 11}));

    fixture.Key(VK_SPACE); // the focused radio is checked already: nothing
    EXPECT_EQ(log.clicked.size(), 3u);

    // Only the checked radio is a tab stop.
    EXPECT_TRUE(group.GetRadio(1)->IsTabStop());
    EXPECT_FALSE(group.GetRadio(0)->IsTabStop());
}

TEST_F(BXRadioArrayTest, SpaceAndEnterCheckTheFocusedRadio)
{
    group.GetRadio(1)->SetFocus();
    fixture.Key(VK_SPACE);
    EXPECT_EQ(group.GetSelectedIndex(), 11);
    group.GetRadio(2)->SetFocus();
    fixture.Key(VK_RETURN);
    EXPECT_EQ(group.GetSelectedIndex(), 12);
    EXPECT_EQ(log.clicked, (std::vector<int32_t>{11, 12}));
}

} // namespace
