#include "BXXmlDocument.h"

#include "BXTextFile.h"
#include "BXXmlContent.h"
#include "BXXmlParser.h"
#include "BXXmlPath.h"
#include "BXXmlText.h"

BXXmlDocument::BXXmlDocument()
{
    m_nodes.Reset(8);
}

bool BXXmlDocument::LoadFile(const BXString& path)
{
    BXString text;
    if (!BXTextFile::ReadTextFile(path, text, BXTextFile::kEncodingUtf8)) {
        return false;
    }
    m_text = text;
    m_errorText.Empty();
    Parse();
    return IsWellFormed();
}

bool BXXmlDocument::ParseText(const BXString& text)
{
    m_text = text;
    m_errorText.Empty();
    Parse();
    return IsWellFormed();
}

void BXXmlDocument::Parse()
{
    uint32_t length = TextLength();
    m_nodes.Reset(length / 64 + 8);
    BXXmlParser parser(m_nodes, Text(), length, NoCase());
    parser.Parse();
    const std::u16string& error = parser.GetErrorText();
    m_errorText = BXString(error.data(), int32_t(error.size()));
    m_flags &= ~kFlagEdited;
    ResetPosition();
}

bool BXXmlDocument::IsWellFormed() const
{
    uint32_t root = m_nodes[0].m_firstChild;
    return (m_nodes[0].m_flags & kXmlNodeDocumentError) == 0 && root != 0 && m_nodes[root].m_nextSibling == 0;
}

// --- Records ----------------------------------------------------------------------------------------------

uint32_t BXXmlDocument::GetStartTagLength(uint32_t node) const
{
    if (node == 0) {
        return 0;
    }
    const BXXmlNode& record = m_nodes[node];
    uint32_t stored = BXXmlStoredStartTagLength(record.m_tagLengths);
    if (stored < kXmlStartTagLengthMax) {
        return stored;
    }
    // Too long for its field: measure it again, with the parser's quote rule.
    const BXChar* text = Text();
    uint32_t end = record.m_start + record.m_length;
    BXChar quote = 0;
    for (uint32_t p = record.m_start + 1; p < end; ++p) {
        BXChar c = text[p];
        if (quote != 0) {
            if (c == quote) {
                quote = 0;
            }
        } else if (c == u'>') {
            return p + 1 - record.m_start;
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        }
    }
    return record.m_length;
}

uint32_t BXXmlDocument::GetEndTagLength(uint32_t node) const
{
    if (node == 0) {
        return 0;
    }
    const BXXmlNode& record = m_nodes[node];
    uint32_t stored = BXXmlStoredEndTagLength(record.m_tagLengths);
    if (stored < kXmlEndTagLengthMax) {
        return stored;
    }
    const BXChar* text = Text();
    uint32_t end = record.m_start + record.m_length;
    uint32_t p = end;
    while (p > record.m_start && text[p - 1] != u'<') {
        --p;
    }
    return p > record.m_start ? end - (p - 1) : 0;
}

uint32_t BXXmlDocument::ContentStart(uint32_t node) const
{
    return node == 0 ? 0 : m_nodes[node].m_start + GetStartTagLength(node);
}

uint32_t BXXmlDocument::ContentEnd(uint32_t node) const
{
    if (node == 0) {
        return TextLength();
    }
    const BXXmlNode& record = m_nodes[node];
    uint32_t end = record.m_start + record.m_length - GetEndTagLength(node);
    uint32_t start = ContentStart(node);
    return end < start ? start : end;
}

std::u16string_view BXXmlDocument::NameView(uint32_t node) const
{
    if (node == 0) {
        return {};
    }
    uint32_t start = m_nodes[node].m_start + 1;
    uint32_t end = BXXmlTagNameEnd(Text(), start, TextLength());
    return std::u16string_view(Text() + start, end - start);
}

bool BXXmlDocument::NameIs(uint32_t node, std::u16string_view name) const
{
    std::u16string_view own = NameView(node);
    return BXXmlNamesEqual(own.data(), uint32_t(own.size()), name.data(), uint32_t(name.size()), NoCase());
}

// --- Cursor -----------------------------------------------------------------------------------------------

void BXXmlDocument::ResetPosition()
{
    m_parent = 0;
    m_current = 0;
    m_child = 0;
    m_kind = NodeKind::None;
    m_nodeOffset = 0;
    m_nodeLength = 0;
}

bool BXXmlDocument::FindElement(const BXString& path)
{
    BXXmlPath parsed(path.View());
    if (!parsed.IsValid()) {
        return false;
    }
    uint32_t found = Search(parsed, m_parent, m_current);
    if (found == 0) {
        return false;
    }
    m_parent = m_nodes[found].m_parent;
    m_current = found;
    m_kind = NodeKind::Element;
    m_child = 0;
    return true;
}

bool BXXmlDocument::FindChildElement(const BXString& path, bool reset)
{
    BXXmlPath parsed(path.View());
    if (!parsed.IsValid()) {
        return false;
    }
    if (m_kind != NodeKind::Element) {
        uint32_t first = m_nodes[m_parent].m_firstChild;
        if (first == 0) {
            return false;
        }
        m_current = first;
        m_kind = NodeKind::Element;
        m_child = 0;
    }
    uint32_t found = Search(parsed, m_current, reset ? 0 : m_child);
    if (found == 0 || m_nodes[found].m_parent == 0) {
        return false; // an absolute path that names the root finds no child
    }
    m_child = found;
    m_current = m_nodes[found].m_parent;
    m_parent = m_nodes[m_current].m_parent;
    return true;
}

bool BXXmlDocument::EnterElement()
{
    if (m_kind != NodeKind::Element || m_current == 0) {
        return false;
    }
    m_parent = m_current;
    m_current = m_child;
    m_kind = m_child != 0 ? NodeKind::Element : NodeKind::None;
    m_child = 0;
    return true;
}

bool BXXmlDocument::LeaveElement()
{
    if (m_parent == 0) {
        return false;
    }
    m_child = m_kind == NodeKind::Element ? m_current : 0;
    m_current = m_parent;
    m_parent = m_nodes[m_current].m_parent;
    m_kind = NodeKind::Element;
    return true;
}

bool BXXmlDocument::NextNode()
{
    uint32_t pos;
    if (m_kind == NodeKind::Element) {
        pos = m_nodes[m_current].m_start + m_nodes[m_current].m_length;
    } else if (m_kind != NodeKind::None) {
        pos = m_nodeOffset + m_nodeLength;
    } else {
        pos = ContentStart(m_parent);
    }
    uint32_t nextElement = m_current != 0 ? m_nodes[m_current].m_nextSibling : m_nodes[m_parent].m_firstChild;
    uint32_t limit = nextElement != 0 ? m_nodes[nextElement].m_start : ContentEnd(m_parent);
    while (pos < limit) {
        BXXmlItem item = BXXmlNextItem(Text(), pos, limit);
        NodeKind kind = NodeKind::None;
        switch (item.m_kind) {
        case BXXmlItem::Kind::Text:
            kind = NodeKind::Text;
            break;
        case BXXmlItem::Kind::CData:
            kind = NodeKind::CData;
            break;
        case BXXmlItem::Kind::Comment:
            kind = NodeKind::Comment;
            break;
        case BXXmlItem::Kind::ProcessingInstruction:
            kind = NodeKind::ProcessingInstruction;
            break;
        case BXXmlItem::Kind::Doctype:
            kind = NodeKind::Doctype;
            break;
        case BXXmlItem::Kind::Markup:
            break; // stray end tags and broken start tags are not nodes
        }
        if (kind != NodeKind::None) {
            if (m_kind == NodeKind::Element) {
                m_child = 0;
            }
            m_kind = kind;
            m_nodeOffset = pos;
            m_nodeLength = item.m_end - pos;
            return true;
        }
        pos = item.m_end;
    }
    if (nextElement == 0) {
        return false;
    }
    m_current = nextElement;
    m_kind = NodeKind::Element;
    m_child = 0;
    return true;
}

// --- Reading ----------------------------------------------------------------------------------------------

bool BXXmlDocument::FindAttributeSpan(uint32_t node, std::u16string_view name, BXXmlAttributeSpan& span) const
{
    if (!IsElement(node)) {
        return false;
    }
    const BXChar* text = Text();
    const BXXmlNode& record = m_nodes[node];
    uint32_t tagEnd = record.m_start + GetStartTagLength(node) - 1; // the ">"
    uint32_t p = BXXmlTagNameEnd(text, record.m_start + 1, tagEnd);
    while (p < tagEnd) {
        BXChar c = text[p];
        if (BXXmlIsSpace(c) || c == u'/' || c == u'?' || c == u'=') {
            ++p;
            continue;
        }
        BXXmlAttributeSpan candidate{};
        candidate.m_nameStart = p;
        if (c == u'"' || c == u'\'') {
            // A quoted text without a name: skip it whole.
            uint32_t close = p + 1;
            while (close < tagEnd && text[close] != c) {
                ++close;
            }
            p = close + 1;
            continue;
        }
        while (p < tagEnd && !BXXmlIsSpace(text[p]) && text[p] != u'=' && text[p] != u'/' && text[p] != u'?') {
            ++p;
        }
        candidate.m_nameEnd = p;
        uint32_t q = p;
        while (q < tagEnd && BXXmlIsSpace(text[q])) {
            ++q;
        }
        if (q < tagEnd && text[q] == u'=') {
            ++q;
            while (q < tagEnd && BXXmlIsSpace(text[q])) {
                ++q;
            }
            candidate.m_hasValue = true;
            if (q < tagEnd && (text[q] == u'"' || text[q] == u'\'')) {
                BXChar quote = text[q];
                uint32_t close = q + 1;
                while (close < tagEnd && text[close] != quote) {
                    ++close;
                }
                candidate.m_quoted = true;
                candidate.m_valueStart = q + 1;
                candidate.m_valueEnd = close;
                p = close < tagEnd ? close + 1 : tagEnd;
            } else {
                uint32_t end = q;
                while (end < tagEnd && !BXXmlIsSpace(text[end]) && !(text[end] == u'/' && end + 1 == tagEnd)) {
                    ++end;
                }
                candidate.m_valueStart = q;
                candidate.m_valueEnd = end;
                p = end;
            }
        } else {
            candidate.m_valueStart = candidate.m_valueEnd = candidate.m_nameEnd;
        }
        std::u16string_view candidateName(text + candidate.m_nameStart, candidate.m_nameEnd - candidate.m_nameStart);
        if (BXXmlNamesEqual(candidateName.data(), uint32_t(candidateName.size()), name.data(), uint32_t(name.size()),
                            NoCase())) {
            span = candidate;
            return true;
        }
    }
    return false;
}

BXString BXXmlDocument::GetAttribute(const BXString& name) const
{
    return m_kind == NodeKind::Element ? GetAttribute(m_current, name) : BXString();
}

BXString BXXmlDocument::GetAttribute(uint32_t node, const BXString& name) const
{
    BXXmlAttributeSpan span{};
    if (name.IsEmpty() || !FindAttributeSpan(node, name.View(), span)) {
        return BXString();
    }
    return XmlUnescape(Text() + span.m_valueStart, int32_t(span.m_valueEnd - span.m_valueStart));
}

BXString BXXmlDocument::GetText() const
{
    if (m_kind == NodeKind::Element) {
        return GetText(m_current);
    }
    if (m_kind == NodeKind::None) {
        return BXString();
    }
    BXXmlItem item = BXXmlNextItem(Text(), m_nodeOffset, m_nodeOffset + m_nodeLength);
    const BXChar* inner = Text() + item.m_innerStart;
    int32_t length = int32_t(item.m_innerEnd - item.m_innerStart);
    if (m_kind == NodeKind::Text) {
        return XmlUnescape(inner, length);
    }
    return BXString(inner, length);
}

BXString BXXmlDocument::GetText(uint32_t node) const
{
    if (!IsElement(node) || m_nodes[node].m_firstChild != 0) {
        return BXString();
    }
    const BXChar* text = Text();
    uint32_t start = ContentStart(node);
    uint32_t end = ContentEnd(node);
    if (start >= end) {
        return BXString();
    }
    if (std::u16string_view(text + start, end - start).find(u'<') == std::u16string_view::npos) {
        return XmlUnescape(text + start, int32_t(end - start));
    }
    BXString result;
    for (uint32_t pos = start; pos < end;) {
        BXXmlItem item = BXXmlNextItem(text, pos, end);
        if (item.m_kind == BXXmlItem::Kind::Text) {
            bool blank = true;
            for (uint32_t p = item.m_innerStart; p < item.m_innerEnd && blank; ++p) {
                blank = BXXmlIsSpace(text[p]);
            }
            if (!blank) {
                result.Append(XmlUnescape(text + item.m_innerStart, int32_t(item.m_innerEnd - item.m_innerStart)));
            }
        } else if (item.m_kind == BXXmlItem::Kind::CData) {
            result.Append(text + item.m_innerStart, int32_t(item.m_innerEnd - item.m_innerStart));
        }
        pos = item.m_end;
    }
    return result;
}

BXString BXXmlDocument::GetChildText(const BXString& path)
{
    uint32_t parent = m_parent, current = m_current, child = m_child;
    NodeKind kind = m_kind;
    uint32_t offset = m_nodeOffset, length = m_nodeLength;
    BXString result;
    if (FindChildElement(path, true)) {
        result = GetText(m_child);
    }
    m_parent = parent;
    m_current = current;
    m_child = child;
    m_kind = kind;
    m_nodeOffset = offset;
    m_nodeLength = length;
    return result;
}

BXString BXXmlDocument::GetTextAt(const BXString& path)
{
    ResetPosition();
    return FindElement(path) ? GetText(m_current) : BXString();
}

BXString BXXmlDocument::GetNodeName() const
{
    switch (m_kind) {
    case NodeKind::None:
        return BXString();
    case NodeKind::Element:
        return GetNodeName(m_current);
    case NodeKind::Text:
        return BXString(u"#text");
    case NodeKind::CData:
        return BXString(u"#cdata-section");
    case NodeKind::Comment:
        return BXString(u"#comment");
    case NodeKind::Doctype:
        return BXString(u"#doctype");
    case NodeKind::ProcessingInstruction:
        break;
    }
    // The target: from "<?" to white space or "?>".
    const BXChar* text = Text();
    uint32_t end = m_nodeOffset + m_nodeLength;
    uint32_t p = m_nodeOffset + 2;
    while (p < end && !BXXmlIsSpace(text[p]) && !(text[p] == u'?' && p + 1 < end && text[p + 1] == u'>')) {
        ++p;
    }
    uint32_t start = m_nodeOffset + 2 < end ? m_nodeOffset + 2 : end;
    return BXString(text + start, int32_t(p > start ? p - start : 0));
}

BXString BXXmlDocument::GetNodeName(uint32_t node) const
{
    if (!IsElement(node)) {
        return BXString();
    }
    std::u16string_view name = NameView(node);
    return BXString(name.data(), int32_t(name.size()));
}
