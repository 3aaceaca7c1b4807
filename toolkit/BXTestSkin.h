// Test double of the tools component's skin service: colours and images from
// tables, a scale factor in percent, text measured as 7 pixels a character and
// 16 a line, and every DrawText call recorded. Installed process-wide while alive.
#pragma once

// Windows first: its DrawText macro must rename the interface's method too.
#include "BXWindows.h"
#include "BXNullTools.h"

#include <map>
#include <string>
#include <vector>

class BXTestImage final : public IBXImage {
public:
    BXTestImage(int32_t width, int32_t height, int32_t states) : m_width(width), m_height(height), m_states(states) {}
    int32_t GetWidth() override { return m_width; }
    int32_t GetHeight() override { return m_height; }
    int32_t GetStateCount() override { return m_states; }
    void Draw(void*, const BXRect* rect, int32_t state) override { draws.push_back(Drawn{*rect, state}); }
    void Release() override {}

    struct Drawn {
        BXRect rect;
        int32_t state;
    };
    std::vector<Drawn> draws;

private:
    int32_t m_width;
    int32_t m_height;
    int32_t m_states;
};

class BXTestSkin final : public BXNullTools, public IBXSkin {
public:
    struct Text {
        std::u16string text;
        BXRect rect;
        uint32_t format;
        uint32_t color;
        int32_t style;
    };

    BXTestSkin() { BXSetTools(this); }
    ~BXTestSkin() { BXSetTools(nullptr); }

    int32_t scalePercent = 100;
    std::map<std::u16string, uint32_t> colors; // "section|key"
    std::map<std::u16string, BXTestImage*> images;
    std::vector<Text> texts;

    void SetColor(const std::u16string& section, const std::u16string& key, uint32_t color)
    {
        colors[section + u"|" + key] = color;
    }

    IBXSkin* GetSkin() override { return this; }

    bool SetSkinFolder(const BXChar*) override { return false; }
    void GetSkinFolder(BXDllString*) override {}
    void SetTitlebarIcon(const BXChar*) override {}
    void* GetTitlebarIcon() override { return nullptr; }
    uint32_t GetColor(const BXChar* section, const BXChar* key, uint32_t defaultColor) override
    {
        auto found = colors.find(std::u16string(section) + u"|" + key);
        return found != colors.end() ? found->second : defaultColor;
    }
    IBXImage* GetImage(const BXChar* section, const BXChar* key) override
    {
        auto found = images.find(std::u16string(section) + u"|" + key);
        return found != images.end() ? found->second : nullptr;
    }
    int32_t GetDpi() override { return 96 * scalePercent / 100; }
    int32_t Scale(int32_t length) override
    {
        const int64_t scaled = int64_t(length) * scalePercent;
        return int32_t(scaled >= 0 ? (scaled + 50) / 100 : -((-scaled + 50) / 100));
    }
    IBXImage* LoadImageFile(const BXChar*) override { return nullptr; }
    void* GetFont(int32_t) override { return ::GetStockObject(DEFAULT_GUI_FONT); }
    int32_t GetLineHeight(int32_t) override { return 16; }
    void DrawText(void*, const BXChar* text, int32_t length, const BXRect* rect, uint32_t format, uint32_t color,
                  int32_t style) override
    {
        texts.push_back(Text{length < 0 ? std::u16string(text) : std::u16string(text, size_t(length)), *rect, format,
                             color, style});
    }
    void MeasureText(const BXChar* text, int32_t length, int32_t, uint32_t, int32_t, int32_t* textWidth,
                     int32_t* textHeight) override
    {
        const std::u16string value = length < 0 ? std::u16string(text) : std::u16string(text, size_t(length));
        *textWidth = int32_t(value.size()) * 7;
        *textHeight = 16;
    }
    void FillRect(void*, const BXRect*, uint32_t) override {}
};
