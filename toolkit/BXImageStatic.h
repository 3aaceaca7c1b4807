// An image control: an image file named by the caller (a full path, or a name that the installed
// resource lookup resolves as "image:" + name), drawn into its rectangle with its proportions kept.
// Optional one-pixel border and, unless transparent, a background fill. A name that cannot be resolved
// or decoded leaves the control empty. Decoding needs the skin service of the tools component.
#pragma once

#include "BXControlWnd.h"

class IBXImage;

class BXImageStatic : public BXControlWnd {
public:
    // Resolves an image name to a file path; empty when there is none.
    using NameResolver = BXString (*)(const BXString& name);

    explicit BXImageStatic(const BXString& imageName = BXString());
    ~BXImageStatic() override;
    BX_RUNTIME_CLASS(BXImageStatic, BXControlWnd)

    // The process-wide lookup of image names that are not paths of existing files; null restores the
    // resource lookup.
    static void SetNameResolver(NameResolver resolver);

    // Loads the image; false (the control then empty) when it cannot.
    bool SetImage(const BXString& name);
    bool HasImage() const { return m_image != nullptr; }
    int32_t GetImageWidth() const;
    int32_t GetImageHeight() const;

    void SetBorder(bool border);
    bool HasBorder() const { return m_border; }
    void SetTransparent(bool transparent);
    bool IsTransparent() const { return m_transparent; }
    void SetBackgroundColor(uint32_t color);

    void OnPaint(HDC dc) override;
    // Width w and the height that keeps the image's proportions (plus the border).
    SIZE GetPreferredSize(int32_t width) override;

private:
    void ReleaseImage();

    IBXImage* m_image = nullptr;
    bool m_border = false;
    bool m_transparent = true;
    uint32_t m_backgroundColor = 0xFFFFFF;
};
