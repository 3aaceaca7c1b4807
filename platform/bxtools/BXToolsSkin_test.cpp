#include "BXToolsSkin.h"

#include "BXComPtr.h"
#include "BXScopedTempFolder.h"
#include "BXWindows.h"

#include <wincodec.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#undef DrawText

namespace {

BXString ToBX(const std::filesystem::path& path)
{
    return BXString(BXFromWide(path.wstring().c_str()));
}

// Opaque BGRA pixel (also its premultiplied form) from a COLORREF-style RGB.
constexpr uint32_t Pixel(uint32_t r, uint32_t g, uint32_t b)
{
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// Writes pixels (BGRA, rows top-down) with the system's encoder.
void WriteImage(const std::filesystem::path& path, const GUID& container, int32_t width, int32_t height,
                const std::vector<uint32_t>& pixels)
{
    ASSERT_EQ(pixels.size(), size_t(width) * size_t(height));
    HRESULT init = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        BXComPtr<IWICImagingFactory> factory;
        ASSERT_HRESULT_SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                                    IID_IWICImagingFactory, factory.PutVoid()));
        BXComPtr<IWICStream> stream;
        ASSERT_HRESULT_SUCCEEDED(factory->CreateStream(stream.Put()));
        ASSERT_HRESULT_SUCCEEDED(stream->InitializeFromFilename(path.wstring().c_str(), GENERIC_WRITE));
        BXComPtr<IWICBitmapEncoder> encoder;
        ASSERT_HRESULT_SUCCEEDED(factory->CreateEncoder(container, nullptr, encoder.Put()));
        ASSERT_HRESULT_SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache));
        BXComPtr<IWICBitmapFrameEncode> frame;
        ASSERT_HRESULT_SUCCEEDED(encoder->CreateNewFrame(frame.Put(), nullptr));
        ASSERT_HRESULT_SUCCEEDED(frame->Initialize(nullptr));
        ASSERT_HRESULT_SUCCEEDED(frame->SetSize(UINT(width), UINT(height)));
        const bool jpeg = container == GUID_ContainerFormatJpeg;
        WICPixelFormatGUID format = jpeg ? GUID_WICPixelFormat24bppBGR : GUID_WICPixelFormat32bppBGRA;
        ASSERT_HRESULT_SUCCEEDED(frame->SetPixelFormat(&format));
        std::vector<BYTE> bytes;
        UINT stride = 0;
        if (jpeg) {
            stride = UINT(width) * 3;
            for (uint32_t p : pixels) {
                bytes.push_back(BYTE(p));
                bytes.push_back(BYTE(p >> 8));
                bytes.push_back(BYTE(p >> 16));
            }
        } else {
            stride = UINT(width) * 4;
            bytes.resize(pixels.size() * 4);
            std::memcpy(bytes.data(), pixels.data(), bytes.size());
        }
        ASSERT_HRESULT_SUCCEEDED(frame->WritePixels(UINT(height), stride, UINT(bytes.size()), bytes.data()));
        ASSERT_HRESULT_SUCCEEDED(frame->Commit());
        ASSERT_HRESULT_SUCCEEDED(encoder->Commit());
    }
    if (SUCCEEDED(init))
        ::CoUninitialize();
}

void WritePng(const std::filesystem::path& path, int32_t width, int32_t height, const std::vector<uint32_t>& pixels)
{
    WriteImage(path, GUID_ContainerFormatPng, width, height, pixels);
}

std::vector<uint32_t> Solid(int32_t width, int32_t height, uint32_t pixel)
{
    return std::vector<uint32_t>(size_t(width) * size_t(height), pixel);
}

// A 32-bit DIB selected into a memory DC, for drawing and reading back.
class Canvas {
public:
    Canvas(int32_t width, int32_t height, uint32_t background) : m_width(width), m_height(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_dc = ::CreateCompatibleDC(nullptr);
        m_bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_previous = ::SelectObject(m_dc, m_bitmap);
        for (int32_t i = 0; i < width * height; ++i)
            m_bits[i] = background;
    }
    ~Canvas()
    {
        ::SelectObject(m_dc, m_previous);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    HDC Dc() const { return m_dc; }
    // Colour channels only: GDI text and fills leave the alpha byte alone.
    uint32_t At(int32_t x, int32_t y) const
    {
        ::GdiFlush();
        return m_bits[y * m_width + x] & 0xFFFFFF;
    }
    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }

private:
    int32_t m_width;
    int32_t m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
    uint32_t* m_bits = nullptr;
};

constexpr uint32_t kBorder[3] = {Pixel(200, 0, 0), Pixel(0, 200, 0), Pixel(0, 0, 200)};
constexpr uint32_t kCentre[3] = {Pixel(255, 128, 128), Pixel(128, 255, 128), Pixel(128, 128, 255)};

// Three 8 x 8 cells stacked; each has a 2-pixel ring around its centre.
std::vector<uint32_t> StatePicture()
{
    std::vector<uint32_t> pixels;
    for (int state = 0; state < 3; ++state) {
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                const bool ring = x < 2 || x >= 6 || y < 2 || y >= 6;
                pixels.push_back(ring ? kBorder[state] : kCentre[state]);
            }
        }
    }
    return pixels;
}

const char* kMainXml = R"(<?xml version="1.0" encoding="UTF-8"?>
<VTMS version="3.0">
  <MAINFRAME/>
  <Icon name="Titlebar Icon" file="app.ico"/>
  <Section name="Frame">
    <Image key="Button" file="states.png" states="3" margins="2"/>
    <Image key="Missing" file="nothere.png"/>
    <Image key="Corrupt" file="corrupt.png"/>
    <Color key="TextColor" value="#1A2B3C"/>
    <Color key="Short" value="#fa0"/>
  </Section>
  <Section name="Frame::Button">
    <Color key="TextColor" value="#102030"/>
  </Section>
</VTMS>
)";

// A 16 x 16 icon with one 32-bit image and an empty mask.
std::string IconBytes(uint32_t pixel)
{
    std::string bytes;
    auto put16 = [&](uint16_t v) { bytes.append(reinterpret_cast<const char*>(&v), 2); };
    auto put32 = [&](uint32_t v) { bytes.append(reinterpret_cast<const char*>(&v), 4); };
    const uint32_t imageSize = 40 + 16 * 16 * 4 + 16 * 4;
    put16(0);
    put16(1);
    put16(1);
    bytes.push_back(16);
    bytes.push_back(16);
    bytes.push_back(0);
    bytes.push_back(0);
    put16(1);
    put16(32);
    put32(imageSize);
    put32(6 + 16);
    put32(40);
    put32(16);
    put32(32);
    put16(1);
    put16(32);
    for (int i = 0; i < 6; ++i)
        put32(0);
    for (int i = 0; i < 16 * 16; ++i)
        put32(pixel);
    for (int i = 0; i < 16; ++i)
        put32(0);
    return bytes;
}

class SkinFolder {
public:
    SkinFolder()
    {
        m_temp.WriteFile("skin/main.xml", kMainXml);
        WritePng(m_temp.Path() / "skin" / "states.png", 8, 24, StatePicture());
        m_temp.WriteFile("skin/corrupt.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10garbage", 28));
        m_temp.WriteFile("skin/app.ico", IconBytes(Pixel(0, 120, 215)));
    }
    BXString Path() const { return ToBX(m_temp.Path() / "skin"); }
    const BXScopedTempFolder& Temp() const { return m_temp; }

private:
    BXScopedTempFolder m_temp;
};

} // namespace

TEST(BXToolsSkin, ColoursBySectionAndKeyWithoutCaseAndTheDefaultOtherwise)
{
    SkinFolder folder;
    BXToolsSkin skin(nullptr, 96);
    constexpr uint32_t kDefault = 0x00ABCDEF;
    EXPECT_EQ(skin.GetColor(u"Frame", u"TextColor", kDefault), kDefault); // no skin yet
    ASSERT_TRUE(skin.SetSkinFolder(folder.Path().GetString()));

    struct Case {
        const BXChar* section;
        const BXChar* key;
        uint32_t expected;
    };
    const Case cases[] = {
        {u"Frame", u"TextColor", 0x003C2B1A},           {u"FRAME", u"textcolor", 0x003C2B1A},
        {u"frame::button", u"TEXTCOLOR", 0x00302010},   {u"Frame", u"Short", 0x0000AAFF},
        {u"Frame::Button", u"OverTextColor", kDefault}, {u"Frame", u"Button", kDefault}, // an image, not a colour
        {u"Nowhere", u"TextColor", kDefault},           {u"Frame:", u"TextColor", kDefault},
    };
    for (const Case& c : cases)
        EXPECT_EQ(skin.GetColor(c.section, c.key, kDefault), c.expected)
            << BXString(c.section).ToUtf8().Get() << "/" << BXString(c.key).ToUtf8().Get();
}

TEST(BXToolsSkin, ParsesOnlyWellFormedHexColours)
{
    struct Case {
        const BXChar* text;
        bool valid;
        uint32_t color;
    };
    const Case cases[] = {
        {u"#FF0000", true, 0x000000FF}, {u"#00ff00", true, 0x0000FF00}, {u" #0000FF ", true, 0x00FF0000},
        {u"#123", true, 0x00332211},    {u"FF0000", false, 0},          {u"#12345", false, 0},
        {u"#GG0000", false, 0},         {u"#1234567", false, 0},        {u"", false, 0},
    };
    for (const Case& c : cases) {
        uint32_t color = 0xDEADBEEF;
        EXPECT_EQ(BXToolsSkin::ParseColor(BXString(c.text), &color), c.valid) << BXString(c.text).ToUtf8().Get();
        if (c.valid) {
            EXPECT_EQ(color, c.color) << BXString(c.text).ToUtf8().Get();
        }
    }
}

TEST(BXToolsSkin, DrawsTheAskedStateWithUnstretchedMargins)
{
    SkinFolder folder;
    BXToolsSkin skin(nullptr, 96);
    ASSERT_TRUE(skin.SetSkinFolder(folder.Path().GetString()));
    IBXImage* image = skin.GetImage(u"frame", u"BUTTON");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetStateCount(), 3);
    EXPECT_EQ(image->GetWidth(), 8);
    EXPECT_EQ(image->GetHeight(), 8);

    // state asked -> state drawn (out-of-range states are clamped)
    const std::pair<int32_t, int> states[] = {{0, 0}, {1, 1}, {2, 2}, {7, 2}, {-1, 0}};
    for (auto [asked, drawn] : states) {
        Canvas canvas(44, 24, 0xFF000000);
        const BXRect rect{2, 2, 42, 22}; // 40 x 20: the 8 x 8 cell stretched
        image->Draw(canvas.Dc(), &rect, asked);
        const uint32_t border = kBorder[drawn] & 0xFFFFFF;
        const uint32_t centre = kCentre[drawn] & 0xFFFFFF;
        SCOPED_TRACE(asked);
        EXPECT_EQ(canvas.At(1, 10), 0u);      // outside the rectangle
        EXPECT_EQ(canvas.At(2, 2), border);   // corner
        EXPECT_EQ(canvas.At(3, 10), border);  // left margin: 2 pixels wide ...
        EXPECT_EQ(canvas.At(4, 10), centre);  // ... and no more
        EXPECT_EQ(canvas.At(22, 12), centre); // stretched middle
        EXPECT_EQ(canvas.At(39, 10), centre); // right margin starts at 40
        EXPECT_EQ(canvas.At(40, 10), border);
        EXPECT_EQ(canvas.At(41, 21), border);
        EXPECT_EQ(canvas.At(22, 3), border); // top margin 2 high
        EXPECT_EQ(canvas.At(22, 4), centre);
        EXPECT_EQ(canvas.At(22, 20), border); // bottom margin
        EXPECT_EQ(canvas.At(42, 10), 0u);
    }
}

TEST(BXToolsSkin, MissingOrUndecodableImagesAreNull)
{
    SkinFolder folder;
    BXToolsSkin skin(nullptr, 96);
    ASSERT_TRUE(skin.SetSkinFolder(folder.Path().GetString()));
    EXPECT_EQ(skin.GetImage(u"Frame", u"Missing"), nullptr);
    EXPECT_EQ(skin.GetImage(u"Frame", u"Corrupt"), nullptr);
    EXPECT_EQ(skin.GetImage(u"Frame", u"NoSuchKey"), nullptr);
    EXPECT_EQ(skin.GetImage(u"Frame", u"TextColor"), nullptr);
    EXPECT_EQ(skin.LoadImageFile((folder.Path() + u"\\corrupt.png").GetString()), nullptr);
    EXPECT_EQ(skin.LoadImageFile((folder.Path() + u"\\main.xml").GetString()), nullptr);
    EXPECT_EQ(skin.LoadImageFile((folder.Path() + u"\\nothere.png").GetString()), nullptr);
    EXPECT_EQ(skin.LoadImageFile(u""), nullptr);
}

TEST(BXToolsSkin, AFolderWithoutAUsableDescriptionKeepsThePreviousSkin)
{
    SkinFolder folder;
    BXScopedTempFolder other;
    other.WriteFile("broken/main.xml", "<VTMS version=\"3.0\"><MAINFRAME><Section name=\"Frame\">");
    other.WriteFile("wrongroot/main.xml", "<Skin version=\"3.0\"><MAINFRAME/></Skin>");
    other.WriteFile("nodescription/readme.txt", "no skin here");
    other.WriteFile("empty/main.xml", "");

    BXToolsSkin skin(nullptr, 96);
    BXString current;
    BXDllStringRef out(current);
    EXPECT_FALSE(skin.SetSkinFolder(ToBX(other.Path() / "broken").GetString())); // no skin before either
    skin.GetSkinFolder(&out);
    EXPECT_TRUE(current.IsEmpty());

    ASSERT_TRUE(skin.SetSkinFolder(folder.Path().GetString()));
    skin.GetSkinFolder(&out);
    EXPECT_EQ(current, folder.Path() + u"\\");
    for (const char* name : {"broken", "wrongroot", "nodescription", "empty", "absent"}) {
        EXPECT_FALSE(skin.SetSkinFolder(ToBX(other.Path() / name).GetString())) << name;
        skin.GetSkinFolder(&out);
        EXPECT_EQ(current, folder.Path() + u"\\") << name;
        EXPECT_EQ(skin.GetColor(u"Frame", u"TextColor", 0), 0x003C2B1Au) << name;
        EXPECT_NE(skin.GetImage(u"Frame", u"Button"), nullptr) << name;
    }
    EXPECT_FALSE(skin.SetSkinFolder(u""));
    EXPECT_FALSE(skin.SetSkinFolder(nullptr));
    EXPECT_EQ(skin.GetColor(u"Frame", u"TextColor", 0), 0x003C2B1Au);
}

TEST(BXToolsSkin, ScaleRoundsHalfAwayFromZero)
{
    struct Case {
        int32_t dpi;
        int32_t length;
        int32_t expected;
    };
    const Case cases[] = {
        {96, 0, 0},    {96, 7, 7},  {96, -7, -7}, {144, 1, 2},
        {144, -1, -2}, {144, 3, 5}, {144, 8, 12}, {120, 2, 3},
        {120, -2, -3}, {120, 3, 4}, {120, 1, 1},  {192, 60, 120},
        {72, 1, 1},    {72, 2, 2},  {72, -2, -2}, {168, 100000000, 175000000},
    };
    for (const Case& c : cases) {
        BXToolsSkin skin(nullptr, c.dpi);
        EXPECT_EQ(skin.GetDpi(), c.dpi);
        EXPECT_EQ(skin.Scale(c.length), c.expected) << c.dpi << " dpi, " << c.length;
    }
    BXToolsSkin screen(nullptr);
    EXPECT_GT(screen.GetDpi(), 0);
    EXPECT_EQ(screen.Scale(96), screen.GetDpi());
}

TEST(BXToolsSkin, SkinImagesFollowTheDpiAndTheirDesignScale)
{
    BXScopedTempFolder temp;
    temp.WriteFile("skin/main.xml", R"(<VTMS version="3.0"><MAINFRAME/><Section name="S">
        <Image key="One" file="states.png" states="3" margins="2"/>
        <Image key="Two" file="states.png" states="3" margins="2" scale="2"/></Section></VTMS>)");
    WritePng(temp.Path() / "skin" / "states.png", 8, 24, StatePicture());
    BXToolsSkin skin(nullptr, 144);
    ASSERT_TRUE(skin.SetSkinFolder(ToBX(temp.Path() / "skin").GetString()));
    IBXImage* one = skin.GetImage(u"S", u"One");
    IBXImage* two = skin.GetImage(u"S", u"Two");
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(one->GetWidth(), 12);
    EXPECT_EQ(one->GetHeight(), 12);
    EXPECT_EQ(two->GetWidth(), 6);
    EXPECT_EQ(two->GetHeight(), 6);

    // At 144 DPI the 2-pixel margin is 3 device pixels wide.
    Canvas canvas(30, 30, 0xFF000000);
    const BXRect rect{0, 0, 30, 30};
    one->Draw(canvas.Dc(), &rect, 1);
    EXPECT_EQ(canvas.At(2, 15), kBorder[1] & 0xFFFFFF);
    EXPECT_EQ(canvas.At(3, 15), kCentre[1] & 0xFFFFFF);
    EXPECT_EQ(canvas.At(27, 15), kBorder[1] & 0xFFFFFF);
    EXPECT_EQ(canvas.At(26, 15), kCentre[1] & 0xFFFFFF);
}

TEST(BXToolsSkin, HostileDescriptionsLoadWhatIsSoundAndRefuseTheRest)
{
    BXScopedTempFolder temp;
    std::filesystem::create_directories(temp.Path() / "skin" / "sub");
    WritePng(temp.Path() / "outside.png", 4, 4, Solid(4, 4, Pixel(1, 2, 3)));
    WritePng(temp.Path() / "skin" / "small.png", 4, 4, Solid(4, 4, Pixel(10, 20, 30)));
    WritePng(temp.Path() / "skin" / "sub" / "inner.png", 4, 4, Solid(4, 4, Pixel(40, 50, 60)));
    const std::string outside = (temp.Path() / "outside.png").string();
    temp.WriteFile("skin/main.xml", R"(<VTMS><MAINFRAME/>
      <Section><Image key="NoName" file="small.png"/></Section>
      <Section name="S">
        <Image file="small.png"/>
        <Image key="NoFile"/>
        <Image key="Negative" file="small.png" states="-5" margins="-3,-3,-3,-3"/>
        <Image key="TooManyStates" file="small.png" states="99999"/>
        <Image key="WideMargins" file="small.png" margins="100,100,100,100"/>
        <Image key="OddMargins" file="small.png" margins="1,2,3"/>
        <Image key="HugeScale" file="small.png" scale="1000"/>
        <Image key="Parent" file="../outside.png"/>
        <Image key="Sneaky" file="sub/../../outside.png"/>
        <Image key="Forward" file="sub/inner.png"/>
        <Image key="Absolute" file=")" + outside +
                                        R"("/>
        <Image key="Drive" file="C:outside.png"/>
        <Image key="Rooted" file="\outside.png"/>
        <Image key="Stream" file="small.png:stream"/>
        <Color key="Bad" value="#12"/>
        <Color key="NoValue"/>
        <Color value="#FFFFFF"/>
        <Unknown key="Weird" file="small.png" value="#FFFFFF"/>
        <Section name="Nested"><Color key="Deep" value="#FFFFFF"/></Section>
      </Section>
      <Icon file="../outside.png"/>
    </VTMS>)");
    BXToolsSkin skin(nullptr, 96);
    ASSERT_TRUE(skin.SetSkinFolder(ToBX(temp.Path() / "skin").GetString()));

    EXPECT_NE(skin.GetImage(u"", u"NoName"), nullptr);
    EXPECT_EQ(skin.GetImage(u"S", u""), nullptr);
    EXPECT_EQ(skin.GetImage(u"S", u"NoFile"), nullptr);
    for (const BXChar* refused : {u"Parent", u"Sneaky", u"Absolute", u"Drive", u"Rooted", u"Stream", u"Weird"})
        EXPECT_EQ(skin.GetImage(u"S", refused), nullptr) << BXString(refused).ToUtf8().Get();
    EXPECT_NE(skin.GetImage(u"S", u"Forward"), nullptr);
    EXPECT_EQ(skin.GetColor(u"S", u"Bad", 7), 7u);
    EXPECT_EQ(skin.GetColor(u"S", u"NoValue", 7), 7u);
    EXPECT_EQ(skin.GetColor(u"S", u"Deep", 7), 7u);
    EXPECT_EQ(skin.GetColor(u"Nested", u"Deep", 7), 7u);

    IBXImage* negative = skin.GetImage(u"S", u"Negative");
    ASSERT_NE(negative, nullptr);
    EXPECT_EQ(negative->GetStateCount(), 1);
    IBXImage* many = skin.GetImage(u"S", u"TooManyStates");
    ASSERT_NE(many, nullptr);
    EXPECT_EQ(many->GetStateCount(), 4); // one per pixel row
    EXPECT_EQ(many->GetHeight(), 1);
    IBXImage* huge = skin.GetImage(u"S", u"HugeScale");
    ASSERT_NE(huge, nullptr);
    EXPECT_EQ(huge->GetWidth(), 1); // 4 pixels drawn for 4x

    // Whatever the description said, every image fills its rectangle and no more.
    for (const BXChar* key : {u"Negative", u"TooManyStates", u"WideMargins", u"OddMargins", u"HugeScale"}) {
        IBXImage* image = skin.GetImage(u"S", key);
        ASSERT_NE(image, nullptr) << BXString(key).ToUtf8().Get();
        for (const BXRect& rect : {BXRect{1, 1, 11, 9}, BXRect{1, 1, 2, 2}, BXRect{5, 5, 5, 9}, BXRect{9, 9, 1, 1}}) {
            Canvas canvas(12, 10, 0xFF000000);
            image->Draw(canvas.Dc(), &rect, 3);
            for (int32_t y = 0; y < canvas.Height(); ++y) {
                for (int32_t x = 0; x < canvas.Width(); ++x) {
                    const bool inside = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
                    ASSERT_EQ(canvas.At(x, y), inside ? 0x000A141Eu : 0u)
                        << BXString(key).ToUtf8().Get() << " at " << x << "," << y;
                }
            }
        }
    }
    skin.GetImage(u"S", u"Negative")->Release(); // belongs to the skin
    EXPECT_NE(skin.GetImage(u"S", u"Negative"), nullptr);
    EXPECT_EQ(skin.GetImage(u"S", u"Negative")->GetStateCount(), 1);

    skin.SetTitlebarIcon(u"");
    EXPECT_EQ(skin.GetTitlebarIcon(), nullptr);
}

TEST(BXToolsSkin, LoadsPngAndJpegFilesForTheCaller)
{
    BXScopedTempFolder temp;
    std::vector<uint32_t> pixels = Solid(6, 4, Pixel(30, 60, 90));
    for (int x = 0; x < 6; ++x)
        pixels[x] = Pixel(250, 250, 250); // a light first row
    WritePng(temp.Path() / "picture.png", 6, 4, pixels);
    WriteImage(temp.Path() / "photo.jpg", GUID_ContainerFormatJpeg, 16, 8, Solid(16, 8, Pixel(200, 40, 40)));

    BXToolsSkin skin(nullptr, 144); // file images are not DPI-scaled
    IBXImage* png = skin.LoadImageFile(ToBX(temp.Path() / "picture.png").GetString());
    ASSERT_NE(png, nullptr);
    EXPECT_EQ(png->GetWidth(), 6);
    EXPECT_EQ(png->GetHeight(), 4);
    EXPECT_EQ(png->GetStateCount(), 1);
    Canvas canvas(6, 4, 0xFF000000);
    const BXRect rect{0, 0, 6, 4};
    png->Draw(canvas.Dc(), &rect, 0);
    EXPECT_EQ(canvas.At(3, 0), 0x00FAFAFAu);
    EXPECT_EQ(canvas.At(3, 2), 0x001E3C5Au);
    png->Release();

    IBXImage* jpeg = skin.LoadImageFile(ToBX(temp.Path() / "photo.jpg").GetString());
    ASSERT_NE(jpeg, nullptr);
    EXPECT_EQ(jpeg->GetWidth(), 16);
    EXPECT_EQ(jpeg->GetHeight(), 8);
    Canvas photo(16, 8, 0xFF000000);
    const BXRect all{0, 0, 16, 8};
    jpeg->Draw(photo.Dc(), &all, 0);
    const uint32_t centre = photo.At(8, 4); // lossy: near the colour written
    EXPECT_NEAR(int((centre >> 16) & 0xFF), 200, 8);
    EXPECT_NEAR(int((centre >> 8) & 0xFF), 40, 8);
    EXPECT_NEAR(int(centre & 0xFF), 40, 8);
    jpeg->Release();
}

TEST(BXToolsSkin, MeasuredTextGrowsWithItsLengthAndWrapsWithinTheWidth)
{
    BXToolsSkin skin(nullptr, 96);
    const int32_t line = skin.GetLineHeight(IBXSkin::kFontNormal);
    EXPECT_GT(line, 0);
    EXPECT_GE(skin.GetLineHeight(IBXSkin::kFontBold), line - 1);
    ASSERT_NE(skin.GetFont(IBXSkin::kFontNormal), nullptr);
    EXPECT_NE(skin.GetFont(IBXSkin::kFontBold), skin.GetFont(IBXSkin::kFontNormal));

    int32_t shortWidth = 0, shortHeight = 0, longWidth = 0, longHeight = 0;
    skin.MeasureText(u"Install", -1, -1, DT_LEFT | DT_WORDBREAK, IBXSkin::kFontNormal, &shortWidth, &shortHeight);
    skin.MeasureText(u"Install Cantora 23 now", -1, -1, DT_LEFT | DT_WORDBREAK, IBXSkin::kFontNormal, &longWidth,
                     &longHeight);
    EXPECT_GT(shortWidth, 0);
    EXPECT_GT(longWidth, shortWidth);
    EXPECT_EQ(shortHeight, line);
    EXPECT_EQ(longHeight, line); // no width: one line

    int32_t boldWidth = 0, boldHeight = 0;
    skin.MeasureText(u"Install Cantora 23 now", -1, -1, DT_LEFT, IBXSkin::kFontBold, &boldWidth, &boldHeight);
    EXPECT_GT(boldWidth, longWidth);

    // A length counts characters: the first seven are "Install".
    int32_t partWidth = 0, partHeight = 0;
    skin.MeasureText(u"Install Cantora 23 now", 7, -1, DT_LEFT, IBXSkin::kFontNormal, &partWidth, &partHeight);
    EXPECT_EQ(partWidth, shortWidth);

    const int32_t limit = longWidth / 2 + 1;
    int32_t wrappedWidth = 0, wrappedHeight = 0;
    skin.MeasureText(u"Install Cantora 23 now", -1, limit, DT_LEFT | DT_WORDBREAK, IBXSkin::kFontNormal, &wrappedWidth,
                     &wrappedHeight);
    EXPECT_LE(wrappedWidth, limit);
    EXPECT_GE(wrappedHeight, 2 * line);

    BXToolsSkin large(nullptr, 192);
    int32_t largeWidth = 0, largeHeight = 0;
    large.MeasureText(u"Install Cantora 23 now", -1, -1, DT_LEFT, IBXSkin::kFontNormal, &largeWidth, &largeHeight);
    EXPECT_GT(largeWidth, longWidth * 3 / 2);
    EXPECT_GT(largeHeight, longHeight * 3 / 2);

    int32_t noneWidth = -1, noneHeight = -1;
    skin.MeasureText(nullptr, -1, 100, DT_LEFT, IBXSkin::kFontNormal, &noneWidth, &noneHeight);
    EXPECT_EQ(noneWidth, 0);
    EXPECT_EQ(noneHeight, 0);
}

TEST(BXToolsSkin, DrawsTextAndFillsInTheGivenColours)
{
    BXToolsSkin skin(nullptr, 96);
    Canvas canvas(120, 40, 0xFFFFFFFF);
    const BXRect fill{10, 5, 110, 35};
    skin.FillRect(canvas.Dc(), &fill, 0x00E0C0A0);
    EXPECT_EQ(canvas.At(9, 20), 0x00FFFFFFu);
    EXPECT_EQ(canvas.At(10, 5), 0x00A0C0E0u);
    EXPECT_EQ(canvas.At(109, 34), 0x00A0C0E0u);
    EXPECT_EQ(canvas.At(110, 34), 0x00FFFFFFu);

    const BXRect text{10, 5, 110, 35};
    skin.DrawText(canvas.Dc(), u"Hello", -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0x000000FF,
                  IBXSkin::kFontBold);
    int red = 0, other = 0;
    for (int32_t y = 0; y < canvas.Height(); ++y) {
        for (int32_t x = 0; x < canvas.Width(); ++x) {
            const uint32_t pixel = canvas.At(x, y);
            if (pixel == 0x00FF0000u)
                ++red;
            else if (pixel != 0x00A0C0E0u && pixel != 0x00FFFFFFu)
                ++other; // anti-aliased edges
            if (x < 10 || x >= 110 || y < 5 || y >= 35) {
                ASSERT_EQ(pixel, 0x00FFFFFFu) << x << "," << y; // nothing outside, no opaque background
            }
        }
    }
    EXPECT_GT(red + other, 20);
    EXPECT_GT(red, 0);
}

TEST(BXToolsSkin, TitlebarIconIsTheNamedElementOfTheSkin)
{
    SkinFolder folder;
    BXToolsSkin skin(nullptr, 96);
    skin.SetTitlebarIcon(u"titlebar icon");
    EXPECT_EQ(skin.GetTitlebarIcon(), nullptr); // no skin yet
    ASSERT_TRUE(skin.SetSkinFolder(folder.Path().GetString()));
    HICON icon = static_cast<HICON>(skin.GetTitlebarIcon());
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon, &info));
    BITMAP bitmap{};
    ::GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 16);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    EXPECT_EQ(skin.GetTitlebarIcon(), icon); // kept, not loaded again

    skin.SetTitlebarIcon(u"Other Icon");
    EXPECT_EQ(skin.GetTitlebarIcon(), nullptr);
}
