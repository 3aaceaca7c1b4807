#include "BXXmlContent.h"

#include "BXXmlText.h"

uint32_t BXXmlFind(const BXChar* text, uint32_t from, uint32_t limit, std::u16string_view terminator)
{
    uint32_t size = uint32_t(terminator.size());
    BXChar first = terminator[0];
    for (uint32_t p = from; p + size <= limit; ++p) {
        if (text[p] == first && std::u16string_view(text + p, size) == terminator) {
            return p;
        }
    }
    return limit;
}

bool BXXmlDoctypeEnd(const BXChar* text, uint32_t pos, uint32_t limit, uint32_t& end)
{
    uint32_t brackets = 0;
    uint32_t nested = 0;
    for (uint32_t p = pos + 3; p < limit; ++p) {
        BXChar c = text[p];
        if (c == u'[') {
            ++brackets;
        } else if (c == u']') {
            if (brackets > 0) {
                --brackets;
            }
        } else if (c == u'<' && p + 2 < limit && text[p + 1] == u'!' &&
                   (text[p + 2] == u'E' || text[p + 2] == u'A' || text[p + 2] == u'N')) {
            ++nested;
            p += 2;
        } else if (c == u'>') {
            if (nested > 0) {
                --nested;
            } else if (brackets == 0) {
                end = p + 1;
                return true;
            }
        }
    }
    end = limit;
    return false;
}

namespace {

BXXmlItem Delimited(BXXmlItem::Kind kind, const BXChar* text, uint32_t pos, uint32_t limit, uint32_t openLength,
                    std::u16string_view terminator)
{
    uint32_t innerStart = pos + openLength < limit ? pos + openLength : limit;
    uint32_t close = BXXmlFind(text, innerStart, limit, terminator);
    uint32_t end = close < limit ? close + uint32_t(terminator.size()) : limit;
    return {kind, end, innerStart, close};
}

} // namespace

BXXmlItem BXXmlNextItem(const BXChar* text, uint32_t pos, uint32_t limit)
{
    auto remaining = [&](uint32_t count) { return pos + count < limit; };
    if (text[pos] == u'<' && remaining(1)) {
        BXChar next = text[pos + 1];
        if (next == u'!' && remaining(3) && text[pos + 2] == u'-' && text[pos + 3] == u'-') {
            return Delimited(BXXmlItem::Kind::Comment, text, pos, limit, 4, u"-->");
        }
        if (next == u'!' && remaining(3) && text[pos + 2] == u'[' && text[pos + 3] == u'C') {
            // The marker is "<![CDATA["; a shorter opening still ends at "]]>".
            uint32_t open = std::u16string_view(text + pos, limit - pos).substr(0, 9) == u"<![CDATA[" ? 9 : 4;
            return Delimited(BXXmlItem::Kind::CData, text, pos, limit, open, u"]]>");
        }
        if (next == u'!' && remaining(2) && text[pos + 2] == u'D') {
            uint32_t end = limit;
            bool closed = BXXmlDoctypeEnd(text, pos, limit, end);
            return {BXXmlItem::Kind::Doctype, end, pos + 2, closed ? end - 1 : end};
        }
        if (next == u'?') {
            return Delimited(BXXmlItem::Kind::ProcessingInstruction, text, pos, limit, 2, u"?>");
        }
        if (next == u'/' || BXXmlIsStartTagChar(next)) {
            // A stray end tag or an unterminated start tag: markup that makes no node.
            uint32_t end = pos + 2;
            while (end < limit && text[end - 1] != u'>') {
                ++end;
            }
            return {BXXmlItem::Kind::Markup, end, pos, end};
        }
    }
    // Text runs to the next "<"; a "<" that opens nothing is part of the text.
    uint32_t end = pos + 1;
    while (end < limit && text[end] != u'<') {
        ++end;
    }
    return {BXXmlItem::Kind::Text, end, pos, end};
}
