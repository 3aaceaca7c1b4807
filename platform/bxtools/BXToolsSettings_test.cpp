#include "BXToolsSettings.h"

#include "BXRegKey.h"
#include "BXScopedTempFolder.h"
#include "BXTestRegistry.h"

#include <gtest/gtest.h>

namespace {

BXString ToBX(const std::filesystem::path& path)
{
    return BXString(BXFromWide(path.wstring().c_str()));
}

const char* kDescription = R"(<BXIC version="1">
  <Settings><AllowDowngrade>1</AllowDowngrade></Settings>
  <ProductInfo>
    <Names><Short>Cantora</Short><Display>Cantora 23 Media Suite</Display><Plain>Cantora</Plain>
      <WithVersion>Cantora 23</WithVersion><DefaultPrograms>Cantora Media</DefaultPrograms></Names>
    <Version>23.0.1.4120</Version>
    <Launcher>Cantora Launcher.exe</Launcher>
    <Features>176; 12</Features>
  </ProductInfo>
  <General><MegaSkin>Aurora</MegaSkin></General>
  <Installer><PromoCount>3</PromoCount><ShowLanguageSelection></ShowLanguageSelection></Installer>
</BXIC>)";

} // namespace

TEST(BXToolsSettings, AnswersKeysNamesItemsAndFeaturesFromThePackage)
{
    BXScopedTempFolder temp;
    temp.WriteFile("Install.xml", kDescription);
    BXToolsSettings settings(nullptr);
    ASSERT_TRUE(settings.Load(ToBX(temp.Path() / "Install.xml")));

    EXPECT_EQ(settings.KeyText(u"/*/General/MegaSkin", u"x"), BXString(u"Aurora"));
    EXPECT_EQ(settings.KeyText(u"/*/General/MegaSkinKey", u"Standard View Skin"), BXString(u"Standard View Skin"));
    EXPECT_EQ(settings.GetKeyInt(u"/*/Installer/PromoCount", 0), 3);
    EXPECT_EQ(settings.GetKeyInt(u"/*/Installer/ShowLanguageSelection", 5), 5); // empty: the default
    EXPECT_EQ(settings.GetKeyInt(u"/*/Installer/Missing", -2), -2);

    EXPECT_EQ(settings.ProductName(0), BXString(u"Cantora"));
    EXPECT_EQ(settings.ProductName(1), BXString(u"Cantora 23 Media Suite"));
    EXPECT_EQ(settings.ProductName(3), BXString(u"Cantora 23"));
    EXPECT_EQ(settings.ProductName(5), BXString(u"Cantora Media"));
    EXPECT_EQ(settings.ProductName(4), BXString());

    BXString item;
    BXDllStringRef out(item);
    settings.GetProductItem(IBXSettings::kLauncherName, &out);
    EXPECT_EQ(item, BXString(u"Cantora Launcher.exe"));
    settings.GetProductItem(99, &out);
    EXPECT_EQ(item, BXString());

    EXPECT_TRUE(settings.IsFeatureOn(176));
    EXPECT_TRUE(settings.IsFeatureOn(12));
    EXPECT_FALSE(settings.IsFeatureOn(17));
    EXPECT_FALSE(settings.IsFeatureOn(1));
}

TEST(BXToolsSettings, UnusableDescriptionAnswersDefaults)
{
    BXScopedTempFolder temp;
    temp.WriteFile("Install.xml", "<VTMS version=\"3\"><General><MegaSkin>Wrong</MegaSkin></General></VTMS>");
    BXToolsSettings settings(nullptr);
    EXPECT_FALSE(settings.Load(ToBX(temp.Path() / "Install.xml")));
    EXPECT_EQ(settings.KeyText(u"/*/General/MegaSkin", u"dflt"), BXString(u"dflt"));
    EXPECT_FALSE(settings.Load(ToBX(temp.Path() / "Missing.xml")));
    EXPECT_EQ(settings.ProductName(3), BXString());
}

TEST(BXToolsSettings, FindsTheDescriptionBesideOrAboveTheProgram)
{
    BXScopedTempFolder temp;
    temp.WriteFile("Install.xml", kDescription);
    std::filesystem::create_directories(temp.Path() / "Setup");
    EXPECT_EQ(BXToolsSettings::FindInstallXml(ToBX(temp.Path() / "Setup") + u"\\"),
              ToBX(temp.Path() / "Setup") + u"\\..\\Install.xml");
    temp.WriteFile("Setup/Install.xml", kDescription);
    EXPECT_EQ(BXToolsSettings::FindInstallXml(ToBX(temp.Path() / "Setup") + u"\\"),
              ToBX(temp.Path() / "Setup") + u"\\Install.xml");
}

TEST(BXToolsSettings, ProductKeysLiveUnderTheNameWithVersion)
{
    BXTestRegistry registry({HKEY_CURRENT_USER});
    BXScopedTempFolder temp;
    temp.WriteFile("Install.xml", kDescription);
    BXToolsSettings settings(nullptr);
    settings.Load(ToBX(temp.Path() / "Install.xml"));

    EXPECT_EQ(settings.OpenProductKey(u"Properties", false), nullptr);
    IBXRegistryKey* key = settings.OpenProductKey(u"Properties", true);
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->WriteString(u"Standard View Skin", u"C:\\Skins\\Night\\"));
    EXPECT_TRUE(key->WriteInt(u"Count", 7));
    key->Release();

    BXRegKey check;
    ASSERT_TRUE(check.Open(HKEY_CURRENT_USER, u"Software\\Brenix\\Cantora 23\\Properties"));
    BXString text;
    EXPECT_TRUE(check.ReadString(u"Standard View Skin", text));
    EXPECT_EQ(text, BXString(u"C:\\Skins\\Night\\"));

    IBXRegistryKey* again = settings.OpenProductKey(u"Properties", false);
    ASSERT_NE(again, nullptr);
    int32_t count = 0;
    EXPECT_TRUE(again->ReadInt(u"Count", &count));
    EXPECT_EQ(count, 7);
    BXString untouched(u"kept");
    BXDllStringRef out(untouched);
    EXPECT_FALSE(again->ReadString(u"Missing", &out));
    EXPECT_EQ(untouched, BXString(u"kept"));
    again->Release();
}
