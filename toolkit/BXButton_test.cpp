#include "BXTestSkin.h"
#include "BXButton.h"

#include <gtest/gtest.h>

namespace {

TEST(BXButton, DrawsAmpersandsLiterally)
{
    BXTestSkin skin;
    BXButton button(BXString(u"Save & Exit"));
    button.SetWindowPos(RECT{0, 0, 100, 25}, 0);
    HDC dc = ::CreateCompatibleDC(nullptr);
    button.OnPaint(dc);
    ::DeleteDC(dc);
    ASSERT_EQ(skin.texts.size(), 1u);
    EXPECT_TRUE(skin.texts[0].text == u"Save && Exit");
    EXPECT_EQ(skin.texts[0].format & DT_NOPREFIX, 0u); // doubled for the prefix rule, not switched off
    EXPECT_EQ(skin.texts[0].format & (DT_CENTER | DT_VCENTER | DT_SINGLELINE),
              uint32_t(DT_CENTER | DT_VCENTER | DT_SINGLELINE));
}

TEST(BXButton, TextColourOfEachStateFallsBackToTheNormalColour)
{
    BXTestSkin skin;
    const uint32_t normal = 0x000010, over = 0x000020, pressed = 0x000030, disabled = 0x000040;
    skin.SetColor(u"Frame::Button", u"TextColor", normal);
    const BXChar* section = BXButton::kDefaultSection;
    for (int32_t state = 0; state <= 3; ++state)
        EXPECT_EQ(BXButton::GetTextColorForState(section, state), normal) << state;

    skin.SetColor(u"Frame::Button", u"OverTextColor", over);
    skin.SetColor(u"Frame::Button", u"PressedTextColor", pressed);
    skin.SetColor(u"Frame::Button", u"DisabledTextColor", disabled);
    const uint32_t expected[] = {normal, over, pressed, disabled};
    for (int32_t state = 0; state <= 3; ++state)
        EXPECT_EQ(BXButton::GetTextColorForState(section, state), expected[state]) << state;

    // Another section has its own keys.
    skin.SetColor(u"Other", u"TextColor", 0x000099);
    EXPECT_EQ(BXButton::GetTextColorForState(u"Other", BXButtonBase::kPressed), 0x000099u);
}

TEST(BXButton, PaintsTheFaceOfItsStateAndTheStateColour)
{
    BXTestSkin skin;
    BXTestImage face(80, 25, 4);
    skin.images[u"Frame|Button"] = &face;
    skin.SetColor(u"Frame::Button", u"TextColor", 0x000001);
    skin.SetColor(u"Frame::Button", u"DisabledTextColor", 0x000004);
    BXButton button(BXString(u"Go"));
    button.SetWindowPos(RECT{0, 0, 80, 25}, 0);
    HDC dc = ::CreateCompatibleDC(nullptr);
    button.OnPaint(dc);
    button.Enable(false);
    button.OnPaint(dc);
    ::DeleteDC(dc);
    ASSERT_EQ(face.draws.size(), 2u);
    EXPECT_EQ(face.draws[0].state, BXButtonBase::kNormal);
    EXPECT_EQ(face.draws[1].state, BXButtonBase::kDisabled);
    ASSERT_EQ(skin.texts.size(), 2u);
    EXPECT_EQ(skin.texts[0].color, 0x000001u);
    EXPECT_EQ(skin.texts[1].color, 0x000004u);
    EXPECT_EQ(button.GetPreferredSize(-1).cy, 25);
}

TEST(BXButton, WithoutSkinDisabledTextIsGrey)
{
    ASSERT_EQ(BXGetTools(), nullptr);
    EXPECT_EQ(BXButton::GetTextColorForState(BXButton::kDefaultSection, BXButtonBase::kDisabled),
              ::GetSysColor(COLOR_GRAYTEXT));
    EXPECT_EQ(BXButton::GetTextColorForState(BXButton::kDefaultSection, BXButtonBase::kOver),
              ::GetSysColor(COLOR_BTNTEXT));
}

TEST(BXButtonBase, StateFollowsPointerPressAndEnable)
{
    BXButton button(BXString(u"Go"));
    button.SetWindowPos(RECT{0, 0, 80, 25}, 0);
    EXPECT_EQ(button.GetState(), BXButtonBase::kNormal);
    button.OnMouseEnter();
    EXPECT_EQ(button.GetState(), BXButtonBase::kOver);
    button.OnMouseDown(POINT{5, 5});
    EXPECT_EQ(button.GetState(), BXButtonBase::kPressed);
    button.OnMouseMove(POINT{200, 5}); // dragged off while pressed
    EXPECT_EQ(button.GetState(), BXButtonBase::kNormal);
    button.OnMouseUp(POINT{200, 5});
    button.Enable(false);
    EXPECT_EQ(button.GetState(), BXButtonBase::kDisabled);
}

} // namespace
