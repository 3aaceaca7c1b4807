#include "BXCaretPeriod.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include "BXRegKey.h"
#include "BXTestRegistry.h"
#endif

namespace {

struct PeriodCase {
    const BXChar* setting; // null: missing
    int32_t period;
};

TEST(BXCaretPeriod, ClampsAPositiveRateAndFallsBackOtherwise)
{
    const PeriodCase cases[] = {
        {nullptr, 530},  {u"50", 100}, {u"100", 100}, {u"250", 250}, {u"1000", 1000},
        {u"5000", 1000}, {u"0", 530},  {u"-1", 530},  {u"", 530},    {u"fast", 530},
    };
    for (const PeriodCase& c : cases) {
        SCOPED_TRACE(c.setting == nullptr ? "missing" : BXString(c.setting).ToUtf8().Get());
        BXString value(c.setting);
        EXPECT_EQ(BXCaretPeriodFromSetting(c.setting == nullptr ? nullptr : &value), c.period);
    }
}

#ifdef _WIN32
TEST(BXCaretPeriod, ReadsTheUsersBlinkRate)
{
    BXTestRegistry registry({HKEY_CURRENT_USER});
    EXPECT_EQ(BXReadCaretPeriod(), 530); // no "Control Panel\Desktop" key at all

    BXRegKey desktop;
    ASSERT_TRUE(desktop.Create(HKEY_CURRENT_USER, u"Control Panel\\Desktop"));
    EXPECT_EQ(BXReadCaretPeriod(), 530);
    const struct {
        const BXChar* value;
        int32_t period;
    } cases[] = {{u"50", 100}, {u"5000", 1000}, {u"400", 400}};
    for (const auto& c : cases) {
        ASSERT_TRUE(desktop.WriteString(u"CursorBlinkRate", c.value));
        EXPECT_EQ(BXReadCaretPeriod(), c.period);
    }
    ASSERT_TRUE(desktop.DeleteValue(u"CursorBlinkRate"));
    EXPECT_EQ(BXReadCaretPeriod(), 530);
}
#endif

} // namespace
