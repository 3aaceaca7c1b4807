// The skin and drawing service: reads a skin folder's main.xml (format in
// docs/skin-format.md) into colours, images and icons by section and key,
// and draws text and pictures at the display's DPI. A folder that holds no
// usable main.xml leaves the previous skin in place. Images are read only
// from inside the skin folder. Main thread only. The header leaves out
// <windows.h> so that DrawText is spelt as in the interface that TU sees.
#pragma once

#include "BXToolsImage.h"
#include "IBXTools.h"

#include <memory>
#include <string>
#include <unordered_map>

class BXToolsSkin final : public IBXSkin {
public:
    // dpi 0: the screen's, read at first use.
    explicit BXToolsSkin(IBXLog* log, int32_t dpi = 0);
    ~BXToolsSkin();
    BXToolsSkin(const BXToolsSkin&) = delete;
    BXToolsSkin& operator=(const BXToolsSkin&) = delete;

    bool SetSkinFolder(const BXChar* folder) override;
    void GetSkinFolder(BXDllString* folder) override;
    void SetTitlebarIcon(const BXChar* element) override;
    void* GetTitlebarIcon() override;
    uint32_t GetColor(const BXChar* section, const BXChar* key, uint32_t defaultColor) override;
    IBXImage* GetImage(const BXChar* section, const BXChar* key) override;

    int32_t GetDpi() override;
    int32_t Scale(int32_t length) override;

    IBXImage* LoadImageFile(const BXChar* path) override;

    void* GetFont(int32_t style) override;
    int32_t GetLineHeight(int32_t style) override;
    void DrawText(void* dc, const BXChar* text, int32_t length, const BXRect* rect, uint32_t format, uint32_t color,
                  int32_t style) override;
    void MeasureText(const BXChar* text, int32_t length, int32_t width, uint32_t format, int32_t style,
                     int32_t* textWidth, int32_t* textHeight) override;
    void FillRect(void* dc, const BXRect* rect, uint32_t color) override;

    // "#RRGGBB" (or "#RGB") as a COLORREF; false for anything else.
    static bool ParseColor(const BXString& text, uint32_t* color);
    // The full path of a file named relative to folder (which ends with a
    // backslash), or empty when the name is absolute or leads outside it.
    static BXString ResolveInside(const BXString& folder, const BXString& name);

private:
    struct Entry {
        bool m_hasColor = false;
        uint32_t m_color = 0;
        std::unique_ptr<BXToolsImage> m_image;
    };
    struct Skin {
        BXString m_folder;
        std::unordered_map<std::u16string, Entry> m_entries;  // "section\nkey", lower case
        std::unordered_map<std::u16string, BXString> m_icons; // element name, lower case -> file
    };

    std::unique_ptr<Skin> LoadSkin(const BXString& folder);
    Entry* Find(const BXChar* section, const BXChar* key);
    void ForgetIcon();
    void ForgetFonts();
    void Log(int32_t level, const BXString& text);

    IBXLog* m_log;
    int32_t m_dpi;
    std::unique_ptr<Skin> m_skin;
    BXString m_iconElement;
    void* m_icon = nullptr; // HICON
    bool m_iconResolved = false;
    void* m_fonts[2] = {nullptr, nullptr}; // HFONT
    int32_t m_lineHeights[2] = {0, 0};
};
