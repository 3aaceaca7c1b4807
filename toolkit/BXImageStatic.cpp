#include "BXImageStatic.h"

#include "BXImageSizing.h"
#include "BXResourceFiles.h"
#include "BXRounding.h"
#include "BXSkinAccess.h"

#include <algorithm>

namespace {
// Control images are looked up among the resources: the custom folder first, then the default one.
BXString FindImageResource(const BXString& name)
{
    return FindResourceFile(name, kResourceAny);
}

BXImageStatic::NameResolver g_resolver = FindImageResource;

bool FileExists(const BXString& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.W());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
} // namespace

BXImageStatic::BXImageStatic(const BXString& imageName)
{
    if (!imageName.IsEmpty())
        SetImage(imageName);
}

BXImageStatic::~BXImageStatic()
{
    ReleaseImage();
}

void BXImageStatic::SetNameResolver(NameResolver resolver)
{
    g_resolver = resolver != nullptr ? resolver : FindImageResource;
}

void BXImageStatic::ReleaseImage()
{
    if (m_image != nullptr) {
        m_image->Release();
        m_image = nullptr;
    }
}

bool BXImageStatic::SetImage(const BXString& name)
{
    ReleaseImage();
    Invalidate();
    if (name.IsEmpty())
        return false;
    BXString path = name;
    if (!FileExists(path))
        path = g_resolver(BXString(u"image:") + name);
    IBXSkin* skin = BXGetSkin();
    if (path.IsEmpty() || skin == nullptr)
        return false;
    m_image = skin->LoadImageFile(path.GetString());
    return m_image != nullptr;
}

int32_t BXImageStatic::GetImageWidth() const
{
    return m_image != nullptr ? m_image->GetWidth() : 0;
}

int32_t BXImageStatic::GetImageHeight() const
{
    return m_image != nullptr ? m_image->GetHeight() : 0;
}

void BXImageStatic::SetBorder(bool border)
{
    m_border = border;
    Invalidate();
}

void BXImageStatic::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    Invalidate();
}

void BXImageStatic::SetBackgroundColor(uint32_t color)
{
    m_backgroundColor = color;
    Invalidate();
}

void BXImageStatic::OnPaint(HDC dc)
{
    RECT inside = m_rect;
    if (!m_transparent)
        BXFillSkinRect(dc, m_rect, m_backgroundColor);
    if (m_border) {
        HBRUSH brush = ::CreateSolidBrush(::GetSysColor(COLOR_BTNSHADOW));
        ::FrameRect(dc, &m_rect, brush);
        ::DeleteObject(brush);
        ::InflateRect(&inside, -1, -1);
    }
    const int32_t width = inside.right - inside.left;
    const int32_t height = inside.bottom - inside.top;
    if (m_image == nullptr || width <= 0 || height <= 0 || m_image->GetWidth() <= 0 || m_image->GetHeight() <= 0)
        return;
    // The largest size with the image's proportions that fits, centred.
    int32_t drawWidth = width;
    int32_t drawHeight = BXMulDivRounded(width, m_image->GetHeight(), m_image->GetWidth());
    if (drawHeight > height) {
        drawHeight = height;
        drawWidth = std::min(width, BXMulDivRounded(height, m_image->GetWidth(), m_image->GetHeight()));
    }
    const BXRect target{inside.left + (width - drawWidth) / 2, inside.top + (height - drawHeight) / 2,
                        inside.left + (width - drawWidth) / 2 + drawWidth,
                        inside.top + (height - drawHeight) / 2 + drawHeight};
    m_image->Draw(dc, &target, 0);
}

SIZE BXImageStatic::GetPreferredSize(int32_t width)
{
    if (m_image == nullptr || width <= 0)
        return SIZE{-1, 0};
    return SIZE{width, BXImagePreferredHeight(m_image->GetWidth(), m_image->GetHeight(), width, m_border)};
}
