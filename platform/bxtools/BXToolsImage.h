// A picture held as a 32-bit premultiplied BGRA DIB section, cut into equal
// states stacked from top to bottom and drawn with alpha blending. Skin images
// keep their margins unstretched and belong to their skin (Release ignores
// them); decoded files belong to the caller until Release. Main thread only.
#pragma once

#include "BXString.h"
#include "IBXTools.h"

#include <memory>

struct BXImageMargins {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

class BXToolsImage final : public IBXImage {
public:
    // Larger pictures are refused rather than allocated.
    static constexpr int32_t kMaxSide = 8192;
    static constexpr int64_t kMaxPixels = int64_t(4096) * 4096;

    // Decodes the first frame of a PNG, JPEG, GIF, BMP or TIFF file; null when
    // the file cannot be read or decoded or is too large.
    static std::unique_ptr<BXToolsImage> Decode(const BXString& path);
    // From premultiplied BGRA pixels, rows top-down; null for an empty size.
    static std::unique_ptr<BXToolsImage> FromPixels(int32_t width, int32_t height, const uint32_t* pixels);

    ~BXToolsImage();
    BXToolsImage(const BXToolsImage&) = delete;
    BXToolsImage& operator=(const BXToolsImage&) = delete;

    // Cuts the picture for a skin. states below 1 read as 1, more states than
    // pixel rows as one row each; margins (picture pixels) are clamped into a
    // cell. designScale: picture pixels per device-independent pixel (1 to 4);
    // the picture is scaled to the DPI when drawn.
    void SetSkinLayout(int32_t states, const BXImageMargins& margins, int32_t designScale, int32_t dpi);
    bool IsSkinImage() const { return m_skinImage; }
    const BXImageMargins& GetMargins() const { return m_margins; }
    int32_t GetPixelWidth() const { return m_width; }
    int32_t GetPixelHeight() const { return m_height; }

    int32_t GetWidth() override;
    int32_t GetHeight() override;
    int32_t GetStateCount() override { return m_states; }
    void Draw(void* dc, const BXRect* rect, int32_t state) override;
    void Release() override;

private:
    BXToolsImage(void* bitmap, int32_t width, int32_t height);
    int32_t ToDevice(int32_t pixels) const;

    void* m_bitmap; // HBITMAP; the header stays free of <windows.h> and its DrawText macro
    int32_t m_width;
    int32_t m_height;
    int32_t m_states = 1;
    BXImageMargins m_margins;
    int32_t m_designScale = 1;
    int32_t m_dpi = 96;
    bool m_skinImage = false;
};
