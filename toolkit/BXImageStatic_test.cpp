#include "BXImageStatic.h"

#include "BXControlsTestSupport.h"
#include "BXScopedTempFolder.h"

#include <gtest/gtest.h>

namespace {

std::u16string g_resolvedName;
BXString ResolveToNothing(const BXString& name)
{
    g_resolvedName = std::u16string(name.View());
    return BXString();
}

TEST(BXImageStatic, LoadsAPathOrAResolvedNameAndKeepsItsProportions)
{
    BXControlHostFixture fixture;
    ASSERT_TRUE(fixture.m_created);
    fixture.m_tools.m_skin.m_fileImage = std::make_unique<BXSolidImage>(RGB(0, 0, 255), 400, 300);
    BXScopedTempFolder folder;
    const std::u16string path = folder.WriteFile("Promo1.png", "not decoded by the double").u16string();

    BXTypedWndPtr<BXImageStatic> image = fixture.m_host->CreateChild<BXImageStatic>();
    ASSERT_TRUE(image->SetImage(BXString(path.c_str())));
    EXPECT_EQ(fixture.m_tools.m_skin.m_loadedPaths.back(), path);
    EXPECT_EQ(image->GetPreferredSize(200).cy, 150);
    image->SetBorder(true);
    EXPECT_EQ(image->GetPreferredSize(200).cy, 152);
    EXPECT_EQ(image->GetPreferredSize(0).cy, 0);

    // Painted into a wider rectangle, the image keeps its proportions, centred; transparent by default.
    image->SetBorder(false);
    image->SetWindowPos(RECT{0, 0, 200, 100}, SWP_SHOWWINDOW);
    int32_t width = 0;
    std::vector<uint32_t> pixels = fixture.Render(&width);
    int blue = 0;
    for (int32_t x = 0; x < 200; ++x)
        blue += pixels[size_t(50 * width + x)] == RGB(0, 0, 255) ? 1 : 0;
    EXPECT_EQ(blue, 133); // 100 high: 133.33 wide
    const uint32_t outside = pixels[size_t(50 * width + 5)];
    image->SetTransparent(false);
    image->SetBackgroundColor(RGB(9, 9, 9));
    pixels = fixture.Render(&width);
    EXPECT_NE(outside, RGB(9, 9, 9));
    EXPECT_EQ(pixels[size_t(50 * width + 5)], RGB(9, 9, 9));

    // A name that is no file goes to the resource lookup as "image:" + name; unresolved, the control is empty.
    BXImageStatic::SetNameResolver(ResolveToNothing);
    EXPECT_FALSE(image->SetImage(BXString(u"HeaderArt")));
    BXImageStatic::SetNameResolver(nullptr);
    EXPECT_EQ(g_resolvedName, u"image:HeaderArt");
    EXPECT_FALSE(image->HasImage());
    EXPECT_EQ(image->GetPreferredSize(200).cy, 0);
}

} // namespace
