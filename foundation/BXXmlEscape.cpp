// XmlEscape and XmlUnescape of BXXmlDocument: the text rules for element text and attribute values.
#include "BXXmlDocument.h"

#include <string_view>

namespace {

bool IsControl(BXChar c)
{
    return c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r';
}

bool NeedsEscape(BXChar c, uint32_t flags)
{
    switch (c) {
    case u'&':
    case u'<':
    case u'>':
        return true;
    case u'"':
        return (flags & BXXmlDocument::kEscapeQuote) != 0;
    case u'\'':
        return (flags & BXXmlDocument::kEscapeApostrophe) != 0;
    default:
        return IsControl(c) && (flags & BXXmlDocument::kEscapeControls) != 0;
    }
}

// Writes into a buffer that grows on demand; the result is sized at 110 % of the input first.
class Writer {
public:
    Writer(BXString& out, int32_t room) : m_out(out), m_room(room) { m_chars = m_out.GetBuffer(m_room, true, false); }
    void Put(const BXChar* text, int32_t count)
    {
        if (m_length + count > m_room) {
            m_out.ReleaseBuffer(m_length);
            m_room = m_room + m_room / 2 + count;
            m_chars = m_out.GetBuffer(m_room, true, true);
        }
        for (int32_t i = 0; i < count; ++i) {
            m_chars[m_length + i] = text[i];
        }
        m_length += count;
    }
    void Put(std::u16string_view text) { Put(text.data(), int32_t(text.size())); }
    void Finish() { m_out.ReleaseBuffer(m_length); }

private:
    BXString& m_out;
    int32_t m_room;
    BXChar* m_chars;
    int32_t m_length = 0;
};

int HexValue(BXChar c)
{
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    return -1;
}

// A character reference "&#digits;" or "&#xhex;" whose ";" lies within 7 units of the "&". Returns its
// length (0 when the text is not one) and the code.
int32_t ReadReference(std::u16string_view text, uint32_t& code)
{
    if (text.size() < 4 || text[1] != u'#') {
        return 0;
    }
    bool hex = text[2] == u'x';
    size_t p = hex ? 3 : 2;
    uint32_t value = 0;
    size_t digits = 0;
    for (; p < text.size() && p <= 7; ++p) {
        int digit = hex ? HexValue(text[p]) : (text[p] >= u'0' && text[p] <= u'9' ? text[p] - u'0' : -1);
        if (digit < 0) {
            break;
        }
        value = value * (hex ? 16 : 10) + uint32_t(digit);
        ++digits;
    }
    if (digits == 0 || p > 7 || p >= text.size() || text[p] != u';' || value == 0) {
        return 0;
    }
    code = value;
    return int32_t(p + 1);
}

} // namespace

BXString BXXmlDocument::XmlEscape(const BXString& text, uint32_t flags)
{
    const BXChar* chars = text.GetString();
    int32_t length = text.GetLength();
    int32_t first = 0;
    while (first < length && !NeedsEscape(chars[first], flags)) {
        ++first;
    }
    if (first == length) {
        return text; // the common case shares the buffer
    }
    BXString result;
    Writer out(result, length + length / 10 + 8);
    out.Put(chars, first);
    for (int32_t i = first; i < length; ++i) {
        BXChar c = chars[i];
        if (!NeedsEscape(c, flags)) {
            out.Put(&c, 1);
            continue;
        }
        switch (c) {
        case u'&':
            out.Put(u"&amp;");
            break;
        case u'<':
            out.Put(u"&lt;");
            break;
        case u'>':
            out.Put(u"&gt;");
            break;
        case u'"':
            out.Put(u"&quot;");
            break;
        case u'\'':
            out.Put(u"&apos;");
            break;
        default:
            if ((flags & kEscapeControlsAsQuestionMark) != 0 && c != 0x0001) {
                out.Put(u"?");
            } else {
                BXChar reference[8] = {u'&', u'#', u'x'};
                int32_t n = 3;
                if (c >= 0x10) {
                    reference[n++] = u"0123456789ABCDEF"[c >> 4];
                }
                reference[n++] = u"0123456789ABCDEF"[c & 0xF];
                reference[n++] = u';';
                out.Put(reference, n);
            }
            break;
        }
    }
    out.Finish();
    return result;
}

BXString BXXmlDocument::XmlUnescape(const BXChar* text, int32_t length)
{
    if (length <= 0) {
        return BXString();
    }
    std::u16string_view view(text, size_t(length));
    size_t first = view.find(u'&');
    if (first == std::u16string_view::npos) {
        return BXString(text, length);
    }
    static constexpr struct {
        std::u16string_view m_entity;
        BXChar m_char;
    } kEntities[] = {{u"&lt;", u'<'}, {u"&amp;", u'&'}, {u"&gt;", u'>'}, {u"&apos;", u'\''}, {u"&quot;", u'"'}};

    BXString result;
    Writer out(result, length);
    out.Put(text, int32_t(first));
    for (size_t i = first; i < view.size();) {
        BXChar c = view[i];
        if (c != u'&') {
            size_t next = view.find(u'&', i);
            size_t end = next == std::u16string_view::npos ? view.size() : next;
            out.Put(text + i, int32_t(end - i));
            i = end;
            continue;
        }
        std::u16string_view rest = view.substr(i);
        bool replaced = false;
        for (const auto& entity : kEntities) {
            if (rest.substr(0, entity.m_entity.size()) == entity.m_entity) {
                out.Put(&entity.m_char, 1);
                i += entity.m_entity.size();
                replaced = true;
                break;
            }
        }
        if (replaced) {
            continue;
        }
        uint32_t code = 0;
        int32_t size = ReadReference(rest, code);
        if (size == 0) {
            out.Put(&c, 1);
            ++i;
            continue;
        }
        if (code <= 0xFFFF) {
            BXChar unit = BXChar(code);
            out.Put(&unit, 1);
        } else {
            // Five decimal digits reach past 16 bits: write the pair rather than a truncated unit.
            code -= 0x10000;
            BXChar pair[2] = {BXChar(0xD800 + (code >> 10)), BXChar(0xDC00 + (code & 0x3FF))};
            out.Put(pair, 2);
        }
        i += size_t(size);
    }
    out.Finish();
    return result;
}
