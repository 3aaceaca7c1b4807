#include "BXTestSkin.h"
#include "BXStatic.h"
#include "CLayoutHelper.h"

#include <gtest/gtest.h>

namespace {

// A control that asks for a fixed size.
class FixedControl : public BXControlWnd {
public:
    FixedControl(int32_t width, int32_t height) : m_size{width, height} {}
    SIZE GetPreferredSize(int32_t) override { return m_size; }

private:
    SIZE m_size;
};

bool Same(const RECT& a, const RECT& b)
{
    return ::EqualRect(&a, &b) != FALSE;
}

std::string Text(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

class LayoutTest : public ::testing::Test {
protected:
    BXTestSkin skin;
    BXControlWnd page;
};

TEST_F(LayoutTest, DockAtTopTakesBandsAcrossLeftOrCentredWithTheGap)
{
    auto full = page.CreateChild<FixedControl>(50, 20);
    auto left = page.CreateChild<FixedControl>(50, 20);
    auto centred = page.CreateChild<FixedControl>(50, 20);
    auto free = page.CreateChild<FixedControl>(-1, 10);
    CLayoutHelper layout(&page, RECT{10, 10, 210, 310});
    layout.DockTop(full.Get());
    layout.DockTop(left.Get(), 4, CLayoutHelper::kPreferredLeft);
    layout.DockTop(centred.Get(), -1, CLayoutHelper::kPreferredCentred);
    layout.DockTop(free.Get(), 0, CLayoutHelper::kPreferredCentred);
    EXPECT_PRED2(Same, full->GetRect(), (RECT{10, 10, 210, 30})) << Text(full->GetRect());
    EXPECT_PRED2(Same, left->GetRect(), (RECT{10, 38, 60, 58})) << Text(left->GetRect());
    EXPECT_PRED2(Same, centred->GetRect(), (RECT{85, 62, 135, 82})) << Text(centred->GetRect());
    EXPECT_PRED2(Same, free->GetRect(), (RECT{10, 90, 210, 100})) << Text(free->GetRect());
    EXPECT_PRED2(Same, layout.GetRemaining(), (RECT{10, 100, 210, 310}));
}

TEST_F(LayoutTest, ControlWithoutHeightGetsAnEmptyRectangleAndTakesNoRoom)
{
    auto empty = page.CreateChild<FixedControl>(50, 0);
    CLayoutHelper layout(&page, RECT{0, 0, 100, 100});
    layout.DockTop(empty.Get());
    const RECT placed = empty->GetRect();
    EXPECT_TRUE(::IsRectEmpty(&placed));
    EXPECT_PRED2(Same, layout.GetRemaining(), (RECT{0, 0, 100, 100}));
}

TEST_F(LayoutTest, DockAtBottomAndFillShareTheRest)
{
    auto bottom = page.CreateChild<FixedControl>(30, 25);
    auto rest = page.CreateChild<FixedControl>(30, 25);
    skin.scalePercent = 200; // the default gap of 8 becomes 16
    CLayoutHelper layout(&page, RECT{0, 0, 100, 200});
    layout.DockBottom(bottom.Get());
    layout.Fill(rest.Get());
    EXPECT_PRED2(Same, bottom->GetRect(), (RECT{0, 175, 100, 200})) << Text(bottom->GetRect());
    EXPECT_PRED2(Same, rest->GetRect(), (RECT{0, 0, 100, 159})) << Text(rest->GetRect());
}

TEST_F(LayoutTest, LabelAboveItsControlIsPlacedMovedAndHiddenWithIt)
{
    auto control = page.AddControlWithLabel(new FixedControl(-1, 30), BXString(u"Name:"), 2);
    auto after = page.CreateChild<FixedControl>(-1, 10);
    const auto* labels = page.GetAttachedLabels(control.Get());
    ASSERT_NE(labels, nullptr);
    ASSERT_EQ(labels->size(), 1u);
    BXStatic* label = (*labels)[0].m_label.Get();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(page.GetPreferredHeightWithLabels(control.Get(), 200), 16 + 3 + 30);

    CLayoutHelper layout(&page, RECT{0, 0, 200, 200});
    layout.DockTop(control.Get());
    layout.DockTop(after.Get());
    EXPECT_PRED2(Same, label->GetRect(), (RECT{0, 0, 200, 16})) << Text(label->GetRect());
    EXPECT_PRED2(Same, control->GetRect(), (RECT{0, 19, 200, 49})) << Text(control->GetRect());
    EXPECT_EQ(after->GetRect().top, 49 + 8);

    control->Show(false);
    EXPECT_FALSE(label->IsVisible());
    control->SetWindowPos(RECT{0, 0, 10, 10}, SWP_SHOWWINDOW);
    EXPECT_TRUE(label->IsVisible());

    // The label goes with its control.
    BXWndPtr labelWatch(label);
    delete control.Get();
    EXPECT_EQ(labelWatch.Get(), nullptr);
    EXPECT_EQ(page.GetAttachedLabels(control.Get()), nullptr);
}

TEST_F(LayoutTest, TabOrderFollowsTabIndexesNotInsertion)
{
    FixedControl a(1, 1), b(1, 1), c(1, 1);
    page.AddChild(&a, false, 5);
    page.AddChild(&b, false, 1);
    page.AddChild(&c, false, 3);
    page.AddChild(&b, false, 0); // already there: nothing changes
    EXPECT_EQ(page.GetTabOrder(), (std::vector<BXWnd*>{&b, &c, &a}));
    page.RemoveChild(&a);
    page.RemoveChild(&b);
    page.RemoveChild(&c);
}

} // namespace
