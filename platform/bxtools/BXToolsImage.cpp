#include "BXToolsImage.h"

#include "BXComPtr.h"
#include "BXWindows.h"

#include <wincodec.h>

#include <algorithm>
#include <cstring>

namespace {

// COM for the decoding thread, balanced; a thread already in another
// apartment keeps it.
class BXComScope {
public:
    BXComScope() : m_result(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~BXComScope()
    {
        if (SUCCEEDED(m_result))
            ::CoUninitialize();
    }
    BXComScope(const BXComScope&) = delete;
    BXComScope& operator=(const BXComScope&) = delete;

private:
    HRESULT m_result;
};

HBITMAP CreateTopDownDib(int32_t width, int32_t height, void** bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

bool SizeAllowed(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && width <= BXToolsImage::kMaxSide && height <= BXToolsImage::kMaxSide &&
           width * height <= BXToolsImage::kMaxPixels;
}

int32_t RoundDiv(int64_t numerator, int64_t denominator)
{
    // Half away from zero; the denominator is positive.
    return int32_t(numerator >= 0 ? (numerator + denominator / 2) / denominator
                                  : -((-numerator + denominator / 2) / denominator));
}

// Splits [0, total) into a fixed start, a stretched middle and a fixed end.
// When the fixed parts do not fit they share the room in their proportion.
void SplitSpan(int32_t total, int32_t first, int32_t last, int32_t out[4])
{
    if (first + last > total && first + last > 0) {
        first = RoundDiv(int64_t(first) * total, first + last);
        last = total - first;
    }
    out[0] = 0;
    out[1] = first;
    out[2] = total - last;
    out[3] = total;
}

// Splits [0, total) between a start and an end part in their proportion,
// with nothing in the middle.
void ShareSpan(int32_t total, int32_t first, int32_t last, int32_t out[4])
{
    const int32_t share = first + last > 0 ? RoundDiv(int64_t(first) * total, first + last) : total;
    out[0] = 0;
    out[1] = share;
    out[2] = share;
    out[3] = total;
}

} // namespace

BXToolsImage::BXToolsImage(void* bitmap, int32_t width, int32_t height)
    : m_bitmap(bitmap), m_width(width), m_height(height)
{
}

BXToolsImage::~BXToolsImage()
{
    if (m_bitmap != nullptr)
        ::DeleteObject(static_cast<HBITMAP>(m_bitmap));
}

std::unique_ptr<BXToolsImage> BXToolsImage::FromPixels(int32_t width, int32_t height, const uint32_t* pixels)
{
    if (!SizeAllowed(width, height) || pixels == nullptr)
        return nullptr;
    void* bits = nullptr;
    HBITMAP bitmap = CreateTopDownDib(width, height, &bits);
    if (bitmap == nullptr)
        return nullptr;
    std::memcpy(bits, pixels, size_t(width) * size_t(height) * 4);
    return std::unique_ptr<BXToolsImage>(new BXToolsImage(bitmap, width, height));
}

std::unique_ptr<BXToolsImage> BXToolsImage::Decode(const BXString& path)
{
    if (path.IsEmpty())
        return nullptr;
    BXComScope com;
    BXComPtr<IWICImagingFactory> factory;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                  factory.PutVoid())))
        return nullptr;
    BXComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromFilename(path.W(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  decoder.Put())))
        return nullptr;
    BXComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.Put())))
        return nullptr;
    BXComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.Put())) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return nullptr;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(converter->GetSize(&width, &height)) || !SizeAllowed(width, height))
        return nullptr;
    void* bits = nullptr;
    HBITMAP bitmap = CreateTopDownDib(int32_t(width), int32_t(height), &bits);
    if (bitmap == nullptr)
        return nullptr;
    std::unique_ptr<BXToolsImage> image(new BXToolsImage(bitmap, int32_t(width), int32_t(height)));
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits))))
        return nullptr;
    return image;
}

void BXToolsImage::SetSkinLayout(int32_t states, const BXImageMargins& margins, int32_t designScale, int32_t dpi)
{
    m_skinImage = true;
    m_states = std::clamp(states, 1, m_height);
    m_designScale = std::clamp(designScale, 1, 4);
    m_dpi = dpi > 0 ? dpi : 96;
    const int32_t cellHeight = m_height / m_states;
    m_margins.left = std::clamp(margins.left, 0, m_width);
    m_margins.right = std::clamp(margins.right, 0, m_width - m_margins.left);
    m_margins.top = std::clamp(margins.top, 0, cellHeight);
    m_margins.bottom = std::clamp(margins.bottom, 0, cellHeight - m_margins.top);
}

int32_t BXToolsImage::ToDevice(int32_t pixels) const
{
    return RoundDiv(int64_t(pixels) * m_dpi, int64_t(96) * m_designScale);
}

int32_t BXToolsImage::GetWidth()
{
    return ToDevice(m_width);
}

int32_t BXToolsImage::GetHeight()
{
    return ToDevice(m_height / m_states);
}

void BXToolsImage::Draw(void* dc, const BXRect* rect, int32_t state)
{
    if (dc == nullptr || rect == nullptr || rect->right <= rect->left || rect->bottom <= rect->top)
        return;
    const int32_t cellHeight = m_height / m_states;
    const int32_t cellTop = std::clamp(state, 0, m_states - 1) * cellHeight;

    HDC target = static_cast<HDC>(dc);
    HDC source = ::CreateCompatibleDC(target);
    if (source == nullptr)
        return;
    HGDIOBJ previous = ::SelectObject(source, static_cast<HBITMAP>(m_bitmap));

    int32_t srcX[4];
    int32_t srcY[4];
    int32_t dstX[4];
    int32_t dstY[4];
    SplitSpan(m_width, m_margins.left, m_margins.right, srcX);
    SplitSpan(cellHeight, m_margins.top, m_margins.bottom, srcY);
    // Margins that fill the whole cell leave no middle to stretch: then the
    // margins themselves share the rectangle so that no gap stays undrawn.
    const int32_t width = rect->right - rect->left;
    const int32_t height = rect->bottom - rect->top;
    if (srcX[2] > srcX[1])
        SplitSpan(width, ToDevice(m_margins.left), ToDevice(m_margins.right), dstX);
    else
        ShareSpan(width, m_margins.left, m_margins.right, dstX);
    if (srcY[2] > srcY[1])
        SplitSpan(height, ToDevice(m_margins.top), ToDevice(m_margins.bottom), dstY);
    else
        ShareSpan(height, m_margins.top, m_margins.bottom, dstY);

    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int32_t sw = srcX[column + 1] - srcX[column];
            const int32_t sh = srcY[row + 1] - srcY[row];
            const int32_t dw = dstX[column + 1] - dstX[column];
            const int32_t dh = dstY[row + 1] - dstY[row];
            if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0)
                continue;
            ::GdiAlphaBlend(target, rect->left + dstX[column], rect->top + dstY[row], dw, dh, source, srcX[column],
                            cellTop + srcY[row], sw, sh, blend);
        }
    }
    ::SelectObject(source, previous);
    ::DeleteDC(source);
}

void BXToolsImage::Release()
{
    if (!m_skinImage)
        delete this;
}
