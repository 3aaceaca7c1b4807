// Test fixtures for the controls: a skin double whose images fill solid colours, a tools root that
// offers it (and an optional dialog service), a hidden popup that hosts controls, and a renderer that
// paints the host into a 32-bit bitmap and reads its pixels back.
#pragma once

#include "BXNullTools.h"
#include "BXPopupWnd.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class BXSolidImage final : public IBXImage {
public:
    BXSolidImage(uint32_t color, int32_t width, int32_t height) : m_color(color), m_width(width), m_height(height) {}
    int32_t GetWidth() override { return m_width; }
    int32_t GetHeight() override { return m_height; }
    int32_t GetStateCount() override { return 1; }
    void Draw(void* dc, const BXRect* rect, int32_t) override
    {
        const RECT r{rect->left, rect->top, rect->right, rect->bottom};
        HBRUSH brush = ::CreateSolidBrush(m_color);
        ::FillRect(static_cast<HDC>(dc), &r, brush);
        ::DeleteObject(brush);
    }
    void Release() override { ++m_releases; }
    int m_releases = 0;

private:
    uint32_t m_color;
    int32_t m_width;
    int32_t m_height;
};

class BXTestSolidSkin final : public IBXSkin {
public:
    // Images by "section/key".
    std::map<std::u16string, std::unique_ptr<BXSolidImage>> m_images;
    // What LoadImageFile hands out (one image for every path) and the paths it was asked for.
    std::unique_ptr<BXSolidImage> m_fileImage;
    std::vector<std::u16string> m_loadedPaths;

    void AddImage(const BXChar* section, const BXChar* key, uint32_t color, int32_t width = 16, int32_t height = 16)
    {
        m_images[std::u16string(section) + u"/" + key] = std::make_unique<BXSolidImage>(color, width, height);
    }

    bool SetSkinFolder(const BXChar*) override { return true; }
    void GetSkinFolder(BXDllString* folder) override { folder->Empty(); }
    void SetTitlebarIcon(const BXChar*) override {}
    void* GetTitlebarIcon() override { return nullptr; }
    uint32_t GetColor(const BXChar*, const BXChar*, uint32_t defaultColor) override { return defaultColor; }
    IBXImage* GetImage(const BXChar* section, const BXChar* key) override
    {
        auto it = m_images.find(std::u16string(section) + u"/" + key);
        return it != m_images.end() ? it->second.get() : nullptr;
    }
    int32_t GetDpi() override { return 96; }
    int32_t Scale(int32_t length) override { return length; }
    IBXImage* LoadImageFile(const BXChar* path) override
    {
        m_loadedPaths.emplace_back(path);
        return m_fileImage.get();
    }
    void* GetFont(int32_t) override { return ::GetStockObject(DEFAULT_GUI_FONT); }
    int32_t GetLineHeight(int32_t) override { return 16; }
    void DrawText(void* dc, const BXChar* text, int32_t length, const BXRect* rect, uint32_t format, uint32_t color,
                  int32_t) override
    {
        RECT r{rect->left, rect->top, rect->right, rect->bottom};
        HDC hdc = static_cast<HDC>(dc);
        HGDIOBJ old = ::SelectObject(hdc, ::GetStockObject(DEFAULT_GUI_FONT));
        ::SetBkMode(hdc, TRANSPARENT);
        ::SetTextColor(hdc, color);
        ::DrawTextW(hdc, reinterpret_cast<const wchar_t*>(text), length, &r, format);
        ::SelectObject(hdc, old);
    }
    // Every unit is 8 pixels wide, so positions in tests are predictable.
    void MeasureText(const BXChar* text, int32_t length, int32_t, uint32_t, int32_t, int32_t* textWidth,
                     int32_t* textHeight) override
    {
        if (length < 0)
            length = int32_t(std::u16string(text).size());
        *textWidth = 8 * length;
        *textHeight = 16;
    }
    void FillRect(void* dc, const BXRect* rect, uint32_t color) override
    {
        const RECT r{rect->left, rect->top, rect->right, rect->bottom};
        HBRUSH brush = ::CreateSolidBrush(color);
        ::FillRect(static_cast<HDC>(dc), &r, brush);
        ::DeleteObject(brush);
    }
};

class BXTestControlTools final : public BXNullTools {
public:
    BXTestSolidSkin m_skin;
    IBXDialogs* m_dialogs = nullptr;
    bool m_offerSkin = true;
    IBXSkin* GetSkin() override { return m_offerSkin ? &m_skin : nullptr; }
    IBXDialogs* GetDialogs() override { return m_dialogs; }
};

// Installs the tools double for the life of the object, and a hidden popup to host controls.
class BXControlHostFixture {
public:
    explicit BXControlHostFixture(SIZE clientSize = SIZE{400, 300})
    {
        BXSetTools(&m_tools);
        m_host = std::make_unique<BXPopupWnd>();
        m_created = m_host->CreatePopup(nullptr, &clientSize);
    }
    ~BXControlHostFixture()
    {
        m_host.reset();
        BXSetTools(nullptr);
    }
    BXControlHostFixture(const BXControlHostFixture&) = delete;
    BXControlHostFixture& operator=(const BXControlHostFixture&) = delete;

    HWND Hwnd() const { return m_host->GetSafeHwnd(); }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(Hwnd(), message, wParam, lParam);
    }
    void Click(int x, int y) const
    {
        Send(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    void Key(UINT virtualKey) const { Send(WM_KEYDOWN, virtualKey, 1); }
    void Char(BXChar c) const { Send(WM_CHAR, WPARAM(c), 1); }

    // The host painted into a bitmap of its client size; pixels as COLORREF (0x00BBGGRR).
    std::vector<uint32_t> Render(int32_t* width = nullptr) const
    {
        const RECT client = m_host->GetRect();
        const int32_t w = client.right;
        const int32_t h = client.bottom;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HDC dc = ::CreateCompatibleDC(nullptr);
        HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        std::vector<uint32_t> pixels;
        if (bitmap != nullptr) {
            HGDIOBJ old = ::SelectObject(dc, bitmap);
            m_host->PaintAll(dc);
            ::GdiFlush();
            const uint32_t* source = static_cast<const uint32_t*>(bits);
            pixels.resize(size_t(w) * size_t(h));
            for (size_t i = 0; i < pixels.size(); ++i) {
                const uint32_t bgra = source[i];
                pixels[i] = ((bgra & 0xFF) << 16) | (bgra & 0xFF00) | ((bgra >> 16) & 0xFF);
            }
            ::SelectObject(dc, old);
            ::DeleteObject(bitmap);
        }
        ::DeleteDC(dc);
        if (width != nullptr)
            *width = w;
        return pixels;
    }

    BXTestControlTools m_tools;
    std::unique_ptr<BXPopupWnd> m_host;
    bool m_created = false;
};
