#include "BXToolsSkin.h"

#include "BXXmlDocument.h"
#include "BXWindows.h"

#include <algorithm>

// The methods of the interface are named DrawText; the Win32 function is
// called by its W name below.
#undef DrawText

namespace {

constexpr int32_t kDesignDpi = 96;
// The wizard's layout is designed for text of at least 9 points (12 pixels at
// 96 DPI); a smaller system message font is raised to it.
constexpr int32_t kMinimumFontPixels = 12;

std::u16string Lower(const BXChar* text)
{
    std::u16string result(text != nullptr ? text : u"");
    if (!result.empty())
        ::CharLowerBuffW(reinterpret_cast<wchar_t*>(result.data()), DWORD(result.size()));
    return result;
}

std::u16string EntryName(const BXChar* section, const BXChar* key)
{
    return Lower(section) + u'\n' + Lower(key);
}

int32_t RoundDiv(int64_t numerator, int64_t denominator)
{
    return int32_t(numerator >= 0 ? (numerator + denominator / 2) / denominator
                                  : -((-numerator + denominator / 2) / denominator));
}

int HexDigit(BXChar c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// "a", "h,v" or "l,t,r,b"; other counts give no margins.
BXImageMargins ParseMargins(const BXString& text)
{
    int32_t values[4] = {0, 0, 0, 0};
    int count = 0;
    int32_t start = 0;
    while (count < 5) {
        int32_t comma = text.Find(u',', start);
        BXString piece = comma < 0 ? text.Mid(start) : text.Mid(start, comma - start);
        piece.Trim();
        if (count < 4)
            values[count] = piece.ToInt();
        ++count;
        if (comma < 0)
            break;
        start = comma + 1;
    }
    BXImageMargins margins;
    if (text.IsEmpty())
        return margins;
    if (count == 1)
        margins = {values[0], values[0], values[0], values[0]};
    else if (count == 2)
        margins = {values[0], values[1], values[0], values[1]};
    else if (count == 4)
        margins = {values[0], values[1], values[2], values[3]};
    return margins;
}

BXString FullPath(const BXString& path)
{
    DWORD needed = ::GetFullPathNameW(path.W(), 0, nullptr, nullptr);
    if (needed == 0)
        return BXString();
    BXString full;
    BXChar* buffer = full.GetBuffer(int32_t(needed));
    DWORD length = ::GetFullPathNameW(path.W(), needed, BXWide(buffer), nullptr);
    full.ReleaseBuffer(length < needed ? int32_t(length) : 0);
    return full;
}

class BXMemoryDC {
public:
    BXMemoryDC() : m_dc(::CreateCompatibleDC(nullptr)) {}
    ~BXMemoryDC()
    {
        if (m_dc != nullptr)
            ::DeleteDC(m_dc);
    }
    BXMemoryDC(const BXMemoryDC&) = delete;
    BXMemoryDC& operator=(const BXMemoryDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

} // namespace

BXToolsSkin::BXToolsSkin(IBXLog* log, int32_t dpi) : m_log(log), m_dpi(dpi > 0 ? dpi : 0) {}

BXToolsSkin::~BXToolsSkin()
{
    ForgetIcon();
    ForgetFonts();
}

void BXToolsSkin::Log(int32_t level, const BXString& text)
{
    if (m_log != nullptr)
        m_log->Write(level, u"Skin", text.GetString());
}

bool BXToolsSkin::ParseColor(const BXString& text, uint32_t* color)
{
    BXString value = text;
    value.Trim();
    const int32_t length = value.GetLength();
    if ((length != 7 && length != 4) || value[0] != u'#')
        return false;
    int digits[6];
    for (int32_t i = 1; i < length; ++i) {
        digits[i - 1] = HexDigit(value[i]);
        if (digits[i - 1] < 0)
            return false;
    }
    uint32_t r, g, b;
    if (length == 7) {
        r = uint32_t(digits[0] * 16 + digits[1]);
        g = uint32_t(digits[2] * 16 + digits[3]);
        b = uint32_t(digits[4] * 16 + digits[5]);
    } else {
        r = uint32_t(digits[0] * 17);
        g = uint32_t(digits[1] * 17);
        b = uint32_t(digits[2] * 17);
    }
    *color = r | (g << 8) | (b << 16);
    return true;
}

BXString BXToolsSkin::ResolveInside(const BXString& folder, const BXString& name)
{
    BXString relative = name;
    relative.ReplaceChar(u'/', u'\\');
    if (relative.IsEmpty() || relative[0] == u'\\' || relative.Find(u':') >= 0)
        return BXString();
    // Any ".." piece is refused outright; the full-path test below also
    // catches spellings that the system folds into one.
    int32_t start = 0;
    while (start <= relative.GetLength()) {
        int32_t end = relative.Find(u'\\', start);
        if (end < 0)
            end = relative.GetLength();
        if (relative.Mid(start, end - start) == BXString(u".."))
            return BXString();
        start = end + 1;
    }
    BXString base = FullPath(folder);
    BXString full = FullPath(folder + relative);
    if (base.IsEmpty() || full.IsEmpty())
        return BXString();
    if (!base.HasTrailingBackslash())
        base.Append(u'\\');
    if (full.GetLength() <= base.GetLength() || full.Left(base.GetLength()).CompareNoCase(base) != 0)
        return BXString();
    return full;
}

std::unique_ptr<BXToolsSkin::Skin> BXToolsSkin::LoadSkin(const BXString& folderName)
{
    BXString folder = folderName;
    folder.TrimTrailingBackslashes();
    if (folder.IsEmpty())
        return nullptr;
    folder.Append(u'\\');

    BXXmlDocument document;
    if (!document.LoadFile(folder + u"main.xml")) {
        Log(IBXLog::kWarning, u"No readable, well-formed main.xml in " + folder);
        return nullptr;
    }
    const uint32_t root = document.GetRootNode();
    if (root == 0 || document.GetNodeName(root).CompareNoCase(u"VTMS") != 0) {
        Log(IBXLog::kWarning, u"main.xml has no VTMS root in " + folder);
        return nullptr;
    }

    auto skin = std::make_unique<Skin>();
    skin->m_folder = folder;
    const int32_t dpi = GetDpi();
    int32_t images = 0;
    for (uint32_t node = document.GetNode(root).m_firstChild; node != 0; node = document.GetNode(node).m_nextSibling) {
        const BXString kind = document.GetNodeName(node);
        if (kind.CompareNoCase(u"Icon") == 0) {
            BXString file = ResolveInside(folder, document.GetAttribute(node, u"file"));
            const std::u16string name = Lower(document.GetAttribute(node, u"name").GetString());
            if (!file.IsEmpty() && !skin->m_icons.contains(name))
                skin->m_icons.emplace(name, file);
            continue;
        }
        if (kind.CompareNoCase(u"Section") != 0)
            continue;
        const BXString section = document.GetAttribute(node, u"name");
        for (uint32_t item = document.GetNode(node).m_firstChild; item != 0;
             item = document.GetNode(item).m_nextSibling) {
            const BXString itemKind = document.GetNodeName(item);
            const BXString key = document.GetAttribute(item, u"key");
            if (key.IsEmpty())
                continue;
            Entry& entry = skin->m_entries[EntryName(section.GetString(), key.GetString())];
            if (itemKind.CompareNoCase(u"Color") == 0) {
                uint32_t color = 0;
                if (!entry.m_hasColor && ParseColor(document.GetAttribute(item, u"value"), &color)) {
                    entry.m_hasColor = true;
                    entry.m_color = color;
                }
            } else if (itemKind.CompareNoCase(u"Image") == 0 && entry.m_image == nullptr) {
                const BXString fileName = document.GetAttribute(item, u"file");
                const BXString file = ResolveInside(folder, fileName);
                if (file.IsEmpty()) {
                    Log(IBXLog::kWarning, u"Skin image outside the skin folder refused: " + fileName);
                    continue;
                }
                entry.m_image = BXToolsImage::Decode(file);
                if (entry.m_image == nullptr) {
                    Log(IBXLog::kWarning, u"Skin image cannot be decoded: " + file);
                    continue;
                }
                const BXString states = document.GetAttribute(item, u"states");
                const BXString scale = document.GetAttribute(item, u"scale");
                entry.m_image->SetSkinLayout(states.IsEmpty() ? 1 : states.ToInt(),
                                             ParseMargins(document.GetAttribute(item, u"margins")),
                                             scale.IsEmpty() ? 1 : scale.ToInt(), dpi);
                ++images;
            }
        }
    }
    Log(IBXLog::kInfo,
        BXString::Formatted(u"Skin %s: %d entries, %d images", folder, int32_t(skin->m_entries.size()), images));
    return skin;
}

bool BXToolsSkin::SetSkinFolder(const BXChar* folder)
{
    std::unique_ptr<Skin> skin = LoadSkin(BXString(folder != nullptr ? folder : u""));
    if (skin == nullptr)
        return false;
    m_skin = std::move(skin);
    ForgetIcon();
    return true;
}

void BXToolsSkin::GetSkinFolder(BXDllString* folder)
{
    if (folder == nullptr)
        return;
    if (m_skin == nullptr)
        folder->Empty();
    else
        folder->SetString(m_skin->m_folder.GetString(), m_skin->m_folder.GetLength());
}

void BXToolsSkin::SetTitlebarIcon(const BXChar* element)
{
    m_iconElement = BXString(element != nullptr ? element : u"");
    ForgetIcon();
}

void* BXToolsSkin::GetTitlebarIcon()
{
    if (m_iconResolved)
        return m_icon;
    m_iconResolved = true;
    if (m_skin == nullptr || m_iconElement.IsEmpty())
        return nullptr;
    auto found = m_skin->m_icons.find(Lower(m_iconElement.GetString()));
    if (found == m_skin->m_icons.end())
        return nullptr;
    const int32_t size = Scale(16);
    m_icon = ::LoadImageW(nullptr, found->second.W(), IMAGE_ICON, size, size, LR_LOADFROMFILE);
    if (m_icon == nullptr)
        Log(IBXLog::kWarning,
            BXString::Formatted(u"Title bar icon %s not loaded (%u)", found->second, uint32_t(::GetLastError())));
    return m_icon;
}

void BXToolsSkin::ForgetIcon()
{
    if (m_icon != nullptr)
        ::DestroyIcon(static_cast<HICON>(m_icon));
    m_icon = nullptr;
    m_iconResolved = false;
}

BXToolsSkin::Entry* BXToolsSkin::Find(const BXChar* section, const BXChar* key)
{
    if (m_skin == nullptr)
        return nullptr;
    auto found = m_skin->m_entries.find(EntryName(section, key));
    return found != m_skin->m_entries.end() ? &found->second : nullptr;
}

uint32_t BXToolsSkin::GetColor(const BXChar* section, const BXChar* key, uint32_t defaultColor)
{
    Entry* entry = Find(section, key);
    return entry != nullptr && entry->m_hasColor ? entry->m_color : defaultColor;
}

IBXImage* BXToolsSkin::GetImage(const BXChar* section, const BXChar* key)
{
    Entry* entry = Find(section, key);
    return entry != nullptr ? entry->m_image.get() : nullptr;
}

int32_t BXToolsSkin::GetDpi()
{
    if (m_dpi == 0) {
        HDC screen = ::GetDC(nullptr);
        const int dpi = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
        if (screen != nullptr)
            ::ReleaseDC(nullptr, screen);
        m_dpi = dpi > 0 ? dpi : kDesignDpi;
    }
    return m_dpi;
}

int32_t BXToolsSkin::Scale(int32_t length)
{
    return RoundDiv(int64_t(length) * GetDpi(), kDesignDpi);
}

IBXImage* BXToolsSkin::LoadImageFile(const BXChar* path)
{
    if (path == nullptr)
        return nullptr;
    std::unique_ptr<BXToolsImage> image = BXToolsImage::Decode(BXString(path));
    if (image == nullptr)
        Log(IBXLog::kWarning, BXString(u"Image cannot be decoded: ") + path);
    return image.release();
}

void* BXToolsSkin::GetFont(int32_t style)
{
    const int index = style == kFontBold ? 1 : 0;
    if (m_fonts[index] != nullptr)
        return m_fonts[index];

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    LOGFONTW font{};
    int32_t systemDpi = kDesignDpi;
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        font = metrics.lfMessageFont;
        HDC screen = ::GetDC(nullptr);
        if (screen != nullptr) {
            systemDpi = std::max(1, ::GetDeviceCaps(screen, LOGPIXELSY));
            ::ReleaseDC(nullptr, screen);
        }
    } else {
        ::lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
        font.lfCharSet = DEFAULT_CHARSET;
    }
    // The system font is sized for the system DPI; ours follows GetDpi.
    const int32_t designPixels =
        std::max(kMinimumFontPixels, RoundDiv(int64_t(std::abs(font.lfHeight)) * kDesignDpi, systemDpi));
    font.lfHeight = -Scale(designPixels);
    font.lfWidth = 0;
    font.lfWeight = index == 1 ? FW_BOLD : FW_NORMAL;
    font.lfQuality = CLEARTYPE_QUALITY;
    m_fonts[index] = ::CreateFontIndirectW(&font);
    if (m_fonts[index] == nullptr)
        return ::GetStockObject(DEFAULT_GUI_FONT);

    BXMemoryDC dc;
    if (dc.Get() != nullptr) {
        HGDIOBJ previous = ::SelectObject(dc.Get(), m_fonts[index]);
        TEXTMETRICW text{};
        if (::GetTextMetricsW(dc.Get(), &text))
            m_lineHeights[index] = text.tmHeight;
        ::SelectObject(dc.Get(), previous);
    }
    return m_fonts[index];
}

int32_t BXToolsSkin::GetLineHeight(int32_t style)
{
    GetFont(style);
    const int index = style == kFontBold ? 1 : 0;
    return m_lineHeights[index] > 0 ? m_lineHeights[index] : Scale(kMinimumFontPixels + 3);
}

void BXToolsSkin::ForgetFonts()
{
    for (void*& font : m_fonts) {
        if (font != nullptr)
            ::DeleteObject(static_cast<HFONT>(font));
        font = nullptr;
    }
}

void BXToolsSkin::DrawText(void* dc, const BXChar* text, int32_t length, const BXRect* rect, uint32_t format,
                           uint32_t color, int32_t style)
{
    if (dc == nullptr || text == nullptr || rect == nullptr)
        return;
    HDC target = static_cast<HDC>(dc);
    RECT area{rect->left, rect->top, rect->right, rect->bottom};
    HGDIOBJ previousFont = ::SelectObject(target, static_cast<HFONT>(GetFont(style)));
    const COLORREF previousColor = ::SetTextColor(target, color);
    const int previousMode = ::SetBkMode(target, TRANSPARENT);
    // The text is the caller's and read-only.
    ::DrawTextW(target, BXWide(text), length < 0 ? -1 : length, &area, format & ~UINT(DT_MODIFYSTRING));
    ::SetBkMode(target, previousMode);
    ::SetTextColor(target, previousColor);
    ::SelectObject(target, previousFont);
}

void BXToolsSkin::MeasureText(const BXChar* text, int32_t length, int32_t width, uint32_t format, int32_t style,
                              int32_t* textWidth, int32_t* textHeight)
{
    int32_t measuredWidth = 0;
    int32_t measuredHeight = 0;
    BXMemoryDC dc;
    if (text != nullptr && dc.Get() != nullptr) {
        UINT flags = (format & ~UINT(DT_MODIFYSTRING)) | DT_CALCRECT;
        if (width < 0)
            flags &= ~UINT(DT_WORDBREAK); // no width to break at
        RECT area{0, 0, std::max<int32_t>(width, 0), 0};
        HGDIOBJ previous = ::SelectObject(dc.Get(), static_cast<HFONT>(GetFont(style)));
        ::DrawTextW(dc.Get(), BXWide(text), length < 0 ? -1 : length, &area, flags);
        ::SelectObject(dc.Get(), previous);
        measuredWidth = area.right - area.left;
        measuredHeight = area.bottom - area.top;
    }
    if (textWidth != nullptr)
        *textWidth = measuredWidth;
    if (textHeight != nullptr)
        *textHeight = measuredHeight;
}

void BXToolsSkin::FillRect(void* dc, const BXRect* rect, uint32_t color)
{
    if (dc == nullptr || rect == nullptr)
        return;
    HDC target = static_cast<HDC>(dc);
    RECT area{rect->left, rect->top, rect->right, rect->bottom};
    const COLORREF previous = ::SetDCBrushColor(target, color);
    ::FillRect(target, &area, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    ::SetDCBrushColor(target, previous);
}
