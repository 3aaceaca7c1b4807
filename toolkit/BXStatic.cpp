#include "BXStatic.h"

#include "BXSkinAccess.h"

#include <algorithm>

namespace {
constexpr int32_t kTabIndent = 16;
constexpr int32_t kSeparatorHeight = 2;
} // namespace

BXStatic::BXStatic(const BXString& text)
{
    m_text = text;
}

uint32_t BXStatic::GetTextColor() const
{
    const uint32_t fallback = ::GetSysColor(COLOR_WINDOWTEXT);
    if (!IsEnabled())
        return BXGetSkinColor(kSection, u"DisabledTextColor", ::GetSysColor(COLOR_GRAYTEXT));
    return BXGetSkinColor(kSection, u"TextColor", fallback);
}

std::vector<BXStatic::Line> BXStatic::ParseRichText(const BXString& text)
{
    std::vector<Line> lines;
    bool bold = false;
    Line line{0, {}};
    BXString run;
    bool atLineStart = true;
    auto flushRun = [&]() {
        if (!run.IsEmpty())
            line.m_runs.push_back(Run{run, bold});
        run = BXString();
    };
    const int32_t length = text.GetLength();
    for (int32_t i = 0; i < length;) {
        const BXChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            flushRun();
            lines.push_back(line);
            line = Line{0, {}};
            atLineStart = true;
            i += (c == u'\r' && text[i + 1] == u'\n') ? 2 : 1;
            continue;
        }
        if (c == u'\t' && atLineStart) {
            ++line.m_indent;
            ++i;
            continue;
        }
        atLineStart = false;
        if (c == u'<' && text.Mid(i, 3) == u"<b>") {
            flushRun();
            bold = true;
            i += 3;
            continue;
        }
        if (c == u'<' && text.Mid(i, 4) == u"</b>") {
            flushRun();
            bold = false;
            i += 4;
            continue;
        }
        run += c;
        ++i;
    }
    flushRun();
    lines.push_back(line);
    return lines;
}

SIZE BXStatic::LayoutRich(HDC dc, const RECT& rect, bool draw)
{
    const uint32_t color = GetTextColor();
    const int32_t width = rect.right - rect.left;
    int32_t y = rect.top;
    int32_t widest = 0;
    for (const Line& line : ParseRichText(m_text)) {
        const int32_t indent = line.m_indent * BXScale(kTabIndent);
        int32_t x = rect.left + indent;
        int32_t lineHeight = BXGetLineHeight(IBXSkin::kFontNormal);
        // One run wraps within the width; several runs share one line.
        const bool wrap = line.m_runs.size() == 1 && width > 0;
        for (const Run& run : line.m_runs) {
            const int32_t style = run.m_bold ? IBXSkin::kFontBold : IBXSkin::kFontNormal;
            const uint32_t format =
                wrap ? (DT_LEFT | DT_WORDBREAK | DT_NOPREFIX) : (DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
            const SIZE size = BXMeasureSkinText(run.m_text, wrap ? std::max(0, width - indent) : -1, format, style);
            if (draw) {
                RECT place{x, y, wrap ? rect.right : x + size.cx, y + size.cy};
                BXDrawSkinText(dc, run.m_text, place, format, color, style);
            }
            x += size.cx;
            lineHeight = std::max<int32_t>(lineHeight, size.cy);
        }
        widest = std::max(widest, x - int32_t(rect.left));
        y += lineHeight;
    }
    return SIZE{widest, y - rect.top};
}

void BXStatic::OnPaint(HDC dc)
{
    if ((m_style & kStyleSeparator) != 0) {
        RECT line = m_rect;
        line.bottom = line.top + 1;
        ::FillRect(dc, &line, ::GetSysColorBrush(COLOR_BTNSHADOW));
        ::OffsetRect(&line, 0, 1);
        ::FillRect(dc, &line, ::GetSysColorBrush(COLOR_BTNHIGHLIGHT));
        return;
    }
    if (m_text.IsEmpty())
        return;
    if (m_rich) {
        LayoutRich(dc, m_rect, true);
        return;
    }
    BXDrawSkinText(dc, m_text, m_rect, m_format, GetTextColor(), IBXSkin::kFontNormal);
}

SIZE BXStatic::GetPreferredSize(int32_t width)
{
    if ((m_style & kStyleSeparator) != 0)
        return SIZE{-1, BXScale(kSeparatorHeight)};
    if (m_text.IsEmpty())
        return SIZE{0, 0};
    if (m_rich)
        return LayoutRich(nullptr, RECT{0, 0, width, 0}, false);
    const SIZE single = BXMeasureSkinText(m_text, -1, m_format & ~DT_WORDBREAK, IBXSkin::kFontNormal);
    if (width < 0 || single.cx <= width)
        return SIZE{single.cx, (m_format & DT_WORDBREAK) != 0
                                   ? BXMeasureSkinText(m_text, width, m_format, IBXSkin::kFontNormal).cy
                                   : single.cy};
    return SIZE{width, BXMeasureSkinText(m_text, width, m_format, IBXSkin::kFontNormal).cy};
}
