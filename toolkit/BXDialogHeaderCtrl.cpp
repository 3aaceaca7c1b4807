#include "BXDialogHeaderCtrl.h"

#include "BXSkinAccess.h"

#include <algorithm>

namespace {
constexpr int32_t kImageGap = 8;
}

BXDialogHeaderCtrl::BXDialogHeaderCtrl(const BXString& imageName, const BXString& text)
    : m_imageName(imageName), m_pendingText(text)
{
}

BXDialogHeaderCtrl::~BXDialogHeaderCtrl()
{
    if (m_image != nullptr)
        m_image->Release();
}

void BXDialogHeaderCtrl::OnCreate()
{
    m_textCtrl = CreateStatic(m_pendingText);
    m_textCtrl->SetRichText(true);
}

void BXDialogHeaderCtrl::SetImageName(const BXString& imageName)
{
    if (m_imageName == imageName)
        return;
    if (m_image != nullptr)
        m_image->Release();
    m_image = nullptr;
    m_imageLoaded = false;
    m_imageName = imageName;
    Layout(m_rect);
    Invalidate();
}

void BXDialogHeaderCtrl::SetText(const BXString& text)
{
    m_pendingText = text;
    if (BXStatic* textCtrl = m_textCtrl.Get())
        textCtrl->SetText(text);
}

BXString BXDialogHeaderCtrl::GetText() const
{
    return m_pendingText;
}

IBXImage* BXDialogHeaderCtrl::GetImage()
{
    if (!m_imageLoaded && !m_imageName.IsEmpty()) {
        m_imageLoaded = true;
        if (IBXSkin* skin = BXGetSkin())
            m_image = skin->LoadImageFile(m_imageName.GetString());
    }
    return m_image;
}

RECT BXDialogHeaderCtrl::ImageRect() const
{
    RECT rect = m_rect;
    rect.right = rect.left;
    if (m_image != nullptr) {
        const int32_t height = std::min<int32_t>(m_image->GetHeight(), m_rect.bottom - m_rect.top);
        rect.right = rect.left + m_image->GetWidth();
        rect.top = m_rect.top + (m_rect.bottom - m_rect.top - height) / 2;
        rect.bottom = rect.top + height;
    }
    return rect;
}

void BXDialogHeaderCtrl::Layout(const RECT& rect)
{
    GetImage();
    RECT text = rect;
    const RECT image = ImageRect();
    if (image.right > image.left)
        text.left = image.right + BXScale(kImageGap);
    if (BXStatic* textCtrl = m_textCtrl.Get()) {
        // The text sits vertically centred in the band.
        const int32_t height =
            std::min<int32_t>(textCtrl->GetPreferredSize(text.right - text.left).cy, text.bottom - text.top);
        text.top += (text.bottom - text.top - height) / 2;
        text.bottom = text.top + height;
        textCtrl->SetWindowPos(text, 0);
    }
}

void BXDialogHeaderCtrl::OnPaint(HDC dc)
{
    if (IBXImage* image = GetImage()) {
        const BXRect target = BXToRect(ImageRect());
        image->Draw(dc, &target, 0);
    }
}

SIZE BXDialogHeaderCtrl::GetPreferredSize(int32_t width)
{
    IBXImage* image = GetImage();
    const int32_t imageWidth = image != nullptr ? image->GetWidth() + BXScale(kImageGap) : 0;
    const int32_t textHeight =
        m_textCtrl.Get() != nullptr ? m_textCtrl->GetPreferredSize(width < 0 ? -1 : width - imageWidth).cy : 0;
    return SIZE{-1, std::max(textHeight, image != nullptr ? image->GetHeight() : 0)};
}
