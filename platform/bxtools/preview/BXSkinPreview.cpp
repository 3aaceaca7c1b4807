// Draws every element of a skin, laid out like a wizard page, into a PNG so
// that a skin can be judged without running the installer.
// Usage: skin_preview <skin folder> <output.png> [dpi]
#include "BXComPtr.h"
#include "BXToolsSkin.h"
#include "BXWindows.h"

#include <wincodec.h>

#include <cstdio>
#include <cwchar>

#undef DrawText

namespace {

bool SavePng(int32_t width, int32_t height, const uint32_t* bits, const wchar_t* path)
{
    BXComPtr<IWICImagingFactory> factory;
    BXComPtr<IWICStream> stream;
    BXComPtr<IWICBitmapEncoder> encoder;
    BXComPtr<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    return SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                        factory.PutVoid())) &&
           SUCCEEDED(factory->CreateStream(stream.Put())) &&
           SUCCEEDED(stream->InitializeFromFilename(path, GENERIC_WRITE)) &&
           SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Put())) &&
           SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(frame.Put(), nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
           SUCCEEDED(frame->SetSize(UINT(width), UINT(height))) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
           SUCCEEDED(frame->WritePixels(UINT(height), UINT(width) * 4, UINT(width * height * 4),
                                        reinterpret_cast<BYTE*>(const_cast<uint32_t*>(bits)))) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

class Page {
public:
    Page(BXToolsSkin& skin, HDC dc) : m_skin(skin), m_dc(dc) {}

    int32_t S(int32_t length) { return m_skin.Scale(length); }
    BXRect R(int32_t x, int32_t y, int32_t w, int32_t h) { return BXRect{S(x), S(y), S(x + w), S(y + h)}; }
    void Image(const BXChar* section, const BXChar* key, const BXRect& rect, int32_t state)
    {
        if (IBXImage* image = m_skin.GetImage(section, key))
            image->Draw(m_dc, &rect, state);
        else
            std::fwprintf(stderr, L"missing image %ls/%ls\n", BXWide(section), BXWide(key));
    }
    void Text(const BXChar* text, const BXRect& rect, const BXChar* section, const BXChar* key, uint32_t format,
              int32_t font = IBXSkin::kFontNormal)
    {
        m_skin.DrawText(m_dc, text, -1, &rect, format, m_skin.GetColor(section, key, 0x000000FF), font);
    }
    void Button(const BXChar* text, int32_t x, int32_t y, int32_t state, bool primary)
    {
        const BXRect rect = R(x, y, 88, 30);
        Image(u"Frame", primary ? u"PrimaryButton" : u"Button", rect, state);
        static constexpr const BXChar* kKeys[] = {u"TextColor", u"OverTextColor", u"PressedTextColor",
                                                  u"DisabledTextColor"};
        Text(text, rect, primary ? u"Frame::PrimaryButton" : u"Frame::Button", kKeys[state],
             DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    void Mark(const BXChar* key, const BXChar* textSection, const BXChar* text, int32_t x, int32_t y, int32_t state,
              bool checked)
    {
        Image(u"Frame", key, R(x, y + 2, 16, 16), state + (checked ? 4 : 0));
        Text(text, R(x + 24, y, 200, 20), textSection, state == 3 ? u"DisabledTextColor" : u"TextColor",
             DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }

private:
    BXToolsSkin& m_skin;
    HDC m_dc;
};

void DrawPage(BXToolsSkin& skin, HDC dc, int32_t width, int32_t height)
{
    Page page(skin, dc);
    const BXRect all{0, 0, width, height};
    page.Image(u"Frame", u"DialogBack", all, 0);
    page.Image(u"Frame", u"Header", page.R(0, 0, 640, 68), 0);
    page.Text(u"Choose the destination folder", page.R(16, 14, 600, 20), u"Frame::Static", u"TextColor",
              DT_LEFT | DT_SINGLELINE, IBXSkin::kFontBold);
    page.Text(u"Setup will install Cantora 23 into the following folder.", page.R(32, 36, 580, 20), u"Frame::Static",
              u"TextColor", DT_LEFT | DT_SINGLELINE);

    // Edit fields in their states: normal, focused, disabled; a Browse button.
    const int32_t editStates[] = {0, 1, 3};
    for (int i = 0; i < 3; ++i) {
        const BXRect edit = page.R(16, 84 + i * 38, 420, 28);
        page.Image(u"Frame::Edit", u"Frame", edit, editStates[i]);
        BXRect text = edit;
        text.left += page.S(8);
        page.Text(u"C:\\Program Files\\Brenix\\Cantora 23", text, u"Frame::Edit", u"TextColor",
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
    page.Button(u"Browse...", 448, 84, 0, false);

    // Check boxes and radios: unchecked and checked, normal, over, pressed, disabled.
    const BXChar* stateNames[] = {u"Normal", u"Pointer over", u"Pressed", u"Disabled"};
    for (int state = 0; state < 4; ++state) {
        page.Mark(u"CheckBox", u"Frame::Checkbox", stateNames[state], 16, 200 + state * 24, state, false);
        page.Mark(u"CheckBox", u"Frame::Checkbox", stateNames[state], 176, 200 + state * 24, state, true);
        page.Mark(u"RadioButton", u"Frame::RadioButton", stateNames[state], 336, 200 + state * 24, state, false);
        page.Mark(u"RadioButton", u"Frame::RadioButton", stateNames[state], 496, 200 + state * 24, state, true);
    }

    // Progress bars: empty, 40 %, full.
    const int32_t fills[] = {0, 40, 100};
    for (int i = 0; i < 3; ++i) {
        const BXRect bar = page.R(16, 304 + i * 22, 420, 14);
        page.Image(u"ProgressBar", u"Back", bar, 0);
        BXRect front = bar;
        front.right = front.left + (bar.right - bar.left) * fills[i] / 100;
        if (front.right > front.left)
            page.Image(u"ProgressBar", u"Front", front, 0);
    }

    // A text box with a vertical and a horizontal scroll bar and the corner.
    const BXRect box = page.R(448, 130, 176, 60);
    page.Image(u"Frame::Edit", u"Frame", box, 0);
    const BXRect vertical = page.R(608, 131, 15, 42);
    page.Image(u"Scrollbar", u"VerticalBackground", vertical, 0);
    page.Image(u"Scrollbar", u"Arrow", page.R(608, 131, 15, 15), 1);
    page.Image(u"Scrollbar", u"VerticalUp", page.R(608, 131, 15, 15), 1);
    page.Image(u"Scrollbar", u"Arrow", page.R(608, 158, 15, 15), 0);
    page.Image(u"Scrollbar", u"VerticalDown", page.R(608, 158, 15, 15), 0);
    page.Image(u"Scrollbar", u"VerticalHandle", page.R(608, 146, 15, 12), 0);
    page.Image(u"Scrollbar", u"HorizontalBackground", page.R(449, 174, 159, 15), 0);
    page.Image(u"Scrollbar", u"Arrow", page.R(449, 174, 15, 15), 3);
    page.Image(u"Scrollbar", u"HorizontalLeft", page.R(449, 174, 15, 15), 3);
    page.Image(u"Scrollbar", u"Arrow", page.R(593, 174, 15, 15), 2);
    page.Image(u"Scrollbar", u"HorizontalRight", page.R(593, 174, 15, 15), 2);
    page.Image(u"Scrollbar", u"HorizontalHandle", page.R(470, 174, 60, 15), 2);
    page.Image(u"Scrollbar", u"Stump", page.R(608, 174, 15, 15), 0);

    // Separator and the button row: every state of both button kinds.
    const BXRect separator = page.R(16, 378, 608, 1);
    skin.FillRect(dc, &separator, 0x00ECE6E1);
    const BXChar* labels[] = {u"< Back", u"Next >", u"Cancel", u"Install"};
    for (int state = 0; state < 4; ++state) {
        page.Button(labels[state], 16 + state * 96, 392, state, false);
        page.Button(labels[(state + 1) % 4], 16 + state * 96, 430, state, true);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: skin_preview <skin folder> <output.png> [dpi]\n");
        return 2;
    }
    const int32_t dpi = argc > 3 ? int32_t(std::wcstol(argv[3], nullptr, 10)) : 96;
    BXToolsSkin skin(nullptr, dpi);
    if (!skin.SetSkinFolder(BXFromWide(argv[1]))) {
        std::fwprintf(stderr, L"not a skin folder: %ls\n", argv[1]);
        return 1;
    }
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int32_t width = skin.Scale(640);
    const int32_t height = skin.Scale(480);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    uint32_t* bits = nullptr;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    HGDIOBJ previous = ::SelectObject(dc, bitmap);
    for (int32_t i = 0; i < width * height; ++i)
        bits[i] = 0xFFFF00FF; // magenta shows what the skin leaves undrawn
    DrawPage(skin, dc, width, height);
    ::GdiFlush();
    const bool saved = SavePng(width, height, bits, argv[2]);
    ::SelectObject(dc, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::CoUninitialize();
    if (!saved) {
        std::fwprintf(stderr, L"cannot write %ls\n", argv[2]);
        return 1;
    }
    return 0;
}
