#include "BXPngWriter.h"

#include <wincodec.h>

#include <memory>

namespace {

struct ComRelease {
    void operator()(IUnknown* object) const
    {
        if (object != nullptr)
            object->Release();
    }
};
template <class T> using ComPtr = std::unique_ptr<T, ComRelease>;

template <class T> T** Out(ComPtr<T>& pointer)
{
    pointer.reset();
    // unique_ptr stores exactly one pointer; COM fills it in place.
    return reinterpret_cast<T**>(&pointer);
}

bool Encode(HBITMAP bitmap, int32_t width, int32_t height, const BXString& path)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::unique_ptr<uint32_t[]> pixels(new uint32_t[size_t(width) * size_t(height)]);
    HDC screen = ::GetDC(nullptr);
    const int lines = ::GetDIBits(screen, bitmap, 0, UINT(height), pixels.get(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (lines != height)
        return false;

    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    return SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                        reinterpret_cast<void**>(Out(factory)))) &&
           SUCCEEDED(factory->CreateStream(Out(stream))) &&
           SUCCEEDED(stream->InitializeFromFilename(path.W(), GENERIC_WRITE)) &&
           SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, Out(encoder))) &&
           SUCCEEDED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(Out(frame), nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
           SUCCEEDED(frame->SetSize(UINT(width), UINT(height))) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
           SUCCEEDED(frame->WritePixels(UINT(height), UINT(width) * 4, UINT(width) * UINT(height) * 4,
                                        reinterpret_cast<BYTE*>(pixels.get()))) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

} // namespace

bool BXSaveWindowPng(BXDrawWnd& window, const BXString& path)
{
    const RECT client = window.GetRect();
    const int32_t width = client.right - client.left;
    const int32_t height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return false;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    ::ReleaseDC(nullptr, screen);
    bool saved = false;
    if (memory != nullptr && bitmap != nullptr) {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        window.PaintAll(memory);
        ::SelectObject(memory, old);
        saved = Encode(bitmap, width, height, path);
    }
    if (bitmap != nullptr)
        ::DeleteObject(bitmap);
    if (memory != nullptr)
        ::DeleteDC(memory);
    return saved;
}
