// Static text drawn through the skin's text service, word-wrapped to its
// width. Rich mode reads "<b>" and "</b>" as bold on and off, "\r\n" as a line
// break and leading tabs as indentation. The separator style draws an etched
// line instead of text.
#pragma once

#include "BXControlWnd.h"

#include <vector>

class BXStatic : public BXControlWnd {
public:
    static constexpr uint32_t kStyleSeparator = 0x1;
    static constexpr const BXChar* kSection = u"Frame::Static";

    explicit BXStatic(const BXString& text = BXString());
    BX_RUNTIME_CLASS(BXStatic, BXControlWnd)

    void SetRichText(bool rich) { m_rich = rich; }
    bool IsRichText() const { return m_rich; }
    void SetFormat(uint32_t format) { m_format = format; }
    uint32_t GetTextColor() const;

    // A run of text in one weight, for rich text.
    struct Run {
        BXString m_text;
        bool m_bold;
    };
    struct Line {
        int32_t m_indent; // leading tabs
        std::vector<Run> m_runs;
    };
    static std::vector<Line> ParseRichText(const BXString& text);

    void OnPaint(HDC dc) override;
    SIZE GetPreferredSize(int32_t width) override;

private:
    SIZE LayoutRich(HDC dc, const RECT& rect, bool draw);

    bool m_rich = false;
    uint32_t m_format = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
};
