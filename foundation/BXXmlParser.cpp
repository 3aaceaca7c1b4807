#include "BXXmlParser.h"

#include "BXXmlContent.h"
#include "BXXmlText.h"

#include <algorithm>
#include <array>

namespace {

std::u16string Widen(const char* ascii)
{
    std::u16string result;
    while (*ascii != 0) {
        result.push_back(BXChar(static_cast<unsigned char>(*ascii++)));
    }
    return result;
}

std::u16string Decimal(uint32_t value)
{
    BXChar digits[12];
    int count = 0;
    do {
        digits[count++] = BXChar(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    std::u16string result;
    while (count > 0) {
        result.push_back(digits[--count]);
    }
    return result;
}

// Offset of the next unit c at or after pos, or end.
inline uint32_t FindUnit(const BXChar* text, uint32_t pos, uint32_t end, BXChar c)
{
    return BXXmlFindAny(text, pos, end, c, c, c);
}

} // namespace

BXXmlParser::BXXmlParser(BXXmlNodeTable& nodes, const BXChar* text, uint32_t length, bool noCase)
    : m_nodes(nodes), m_text(text), m_length(length), m_noCase(noCase)
{
}

bool BXXmlParser::Parse()
{
    m_nodes[0].m_length = m_length;
    uint32_t pos = 0;
    while (pos < m_length) {
        if (m_text[pos] != u'<') {
            pos = FindUnit(m_text, pos + 1, m_length, u'<');
            continue;
        }
        uint32_t before = pos;
        ScanMarkup(pos);
        if (pos == before) {
            break; // an unterminated item ends the scan
        }
    }
    EndOfText();
    if (m_levelsMoved) {
        FixLevels();
    }

    uint32_t root = m_nodes[0].m_firstChild;
    if (m_length == 0) {
        SetError(u"Empty document");
    } else if (root == 0) {
        SetError(u"No root element");
    } else if (m_nodes[root].m_nextSibling != 0) {
        SetError(u"Root element has sibling");
    }
    if (m_hasError) {
        m_nodes[0].m_flags |= kXmlNodeDocumentError;
    }
    return !m_hasError && root != 0 && m_nodes[root].m_nextSibling == 0;
}

// Classifies the markup at pos (a "<") and moves pos past it. Leaves pos unchanged when the item runs to
// the end of the text; a "<" that opens nothing valid is reported and taken as text.
void BXXmlParser::ScanMarkup(uint32_t& pos)
{
    BXChar next = pos + 1 < m_length ? m_text[pos + 1] : BXChar(0);
    if (pos + 1 < m_length && BXXmlIsStartTagChar(next)) {
        ScanStartTag(pos);
        return;
    }
    if (next == u'/' && pos + 1 < m_length) {
        ScanEndTag(pos);
        return;
    }
    if (next == u'?' && pos + 1 < m_length) {
        ScanUntil(pos, pos + 2, u"?>", "Processing instruction");
        return;
    }
    if (next == u'!' && pos + 1 < m_length) {
        BXChar kind = pos + 2 < m_length ? m_text[pos + 2] : BXChar(0);
        bool more = pos + 3 < m_length;
        if (kind == u'-' && pos + 2 < m_length) {
            if (more && m_text[pos + 3] == u'-') {
                ScanUntil(pos, pos + 4, u"-->", "Comment");
                return;
            }
            Incorrect("comment tag", pos);
        } else if (kind == u'[' && pos + 2 < m_length) {
            if (more && m_text[pos + 3] == u'C') {
                ScanUntil(pos, pos + 4, u"]]>", "CDATA Section");
                return;
            }
            Incorrect("tag", pos);
        } else if (kind == u'D' && pos + 2 < m_length) {
            ScanDoctype(pos);
            return;
        } else {
            Incorrect("! tag", pos);
        }
        ++pos;
        return;
    }
    Incorrect("tag name character", pos);
    ++pos;
}

bool BXXmlParser::ScanStartTag(uint32_t& pos)
{
    // Quotes are tracked so that ">" inside an attribute value does not end the tag.
    const BXChar* text = m_text;
    uint32_t end = m_length;
    // Tags are short: a plain loop over a table of the three special units beats vector steps here.
    static constexpr auto kSpecial = [] {
        std::array<bool, 128> table{};
        table['>'] = table['"'] = table['\''] = true;
        return table;
    }();
    uint32_t p = pos + 1;
    BXChar quote = 0;
    for (; p < end; ++p) {
        BXChar c = text[p];
        if (c >= 128 || !kSpecial[c]) {
            continue;
        }
        if (quote != 0) {
            if (c == quote) {
                quote = 0;
            }
        } else if (c == u'>') {
            break;
        } else {
            quote = c;
        }
    }
    if (p >= end) {
        Unterminated("Element tag", pos);
        return false;
    }
    bool empty = text[p - 1] == u'/';
    AddElement(pos, p + 1 - pos, empty);
    pos = p + 1;
    return true;
}

bool BXXmlParser::ScanEndTag(uint32_t& pos)
{
    uint32_t gt = FindUnit(m_text, pos + 2, m_length, u'>');
    if (gt >= m_length) {
        Unterminated("Element end tag", pos);
        return false;
    }
    const BXChar* name = m_text + pos + 2;
    uint32_t nameLength = BXXmlTagNameEnd(m_text, pos + 2, gt) - (pos + 2);
    if (m_open != 0) {
        std::u16string_view openName = NameOf(m_open);
        if (BXXmlNamesEqual(openName.data(), uint32_t(openName.size()), name, nameLength, m_noCase)) {
            CloseOpen(pos, gt + 1);
            pos = gt + 1;
            return true;
        }
    }
    uint32_t target = FindOpenAncestor(name, nameLength);
    std::u16string endName(name, nameLength);
    if (target != 0) {
        std::u16string_view openName = NameOf(m_open);
        SetError(u"End tag '" + endName + u"' at offset " + Decimal(pos) + u" does not match start tag '" +
                 std::u16string(openName) + u"' at offset " + Decimal(m_nodes[m_open].m_start));
        RepairUpTo(target);
        CloseOpen(pos, gt + 1);
    } else {
        SetError(u"No start tag for end tag '" + endName + u"' at offset " + Decimal(pos));
        if (m_open != 0) {
            MarkIllFormed(m_open);
        }
    }
    pos = gt + 1;
    return true;
}

bool BXXmlParser::ScanUntil(uint32_t& pos, uint32_t from, std::u16string_view terminator, const char* construct)
{
    uint32_t found = BXXmlFind(m_text, from, m_length, terminator);
    if (found >= m_length) {
        Unterminated(construct, pos);
        return false;
    }
    pos = found + uint32_t(terminator.size());
    return true;
}

bool BXXmlParser::ScanDoctype(uint32_t& pos)
{
    uint32_t end = m_length;
    if (!BXXmlDoctypeEnd(m_text, pos, m_length, end)) {
        Unterminated("Doctype", pos);
        return false;
    }
    pos = end;
    return true;
}

void BXXmlParser::AddElement(uint32_t start, uint32_t startTagLength, bool empty)
{
    uint32_t index = m_nodes.NewNode(); // may move records: take references afterwards
    BXXmlNode& node = m_nodes[index];
    uint32_t parentLevel = m_nodes[m_open].m_flags & kXmlNodeLevelMask;
    node.m_start = start;
    node.m_tagLengths = BXXmlPackStartTagLength(0, startTagLength);
    node.m_length = startTagLength;
    node.m_flags = std::min<uint32_t>(parentLevel + 1, kXmlNodeLevelMask);
    AppendChild(m_open, index);
    if (!empty) {
        m_open = index;
        if (m_openIndex) {
            PushOpenIndex(index);
        }
    }
}

void BXXmlParser::AppendChild(uint32_t parent, uint32_t child)
{
    BXXmlNode& node = m_nodes[child];
    BXXmlNode& owner = m_nodes[parent];
    node.m_parent = parent;
    node.m_nextSibling = 0;
    uint32_t first = owner.m_firstChild;
    if (first == 0) {
        owner.m_firstChild = child;
        node.m_prevSibling = child;
        node.m_flags |= kXmlNodeFirstChild;
        return;
    }
    BXXmlNode& firstNode = m_nodes[first];
    uint32_t last = firstNode.m_prevSibling;
    m_nodes[last].m_nextSibling = child;
    node.m_prevSibling = last;
    node.m_flags &= ~kXmlNodeFirstChild;
    firstNode.m_prevSibling = child;
}

void BXXmlParser::CloseOpen(uint32_t endTagStart, uint32_t endTagEnd)
{
    BXXmlNode& node = m_nodes[m_open];
    node.m_length = endTagEnd - node.m_start;
    node.m_tagLengths = BXXmlPackEndTagLength(node.m_tagLengths, endTagEnd - endTagStart);
    if (m_openIndex) {
        PopOpenIndex(m_open);
    }
    m_open = node.m_parent;
}

uint32_t BXXmlParser::FindOpenAncestor(const BXChar* name, uint32_t length)
{
    if (m_open == 0) {
        return 0;
    }
    if (!m_openIndex) {
        BuildOpenIndex();
    }
    auto found = m_openIndex->find(HashName(std::u16string_view(name, length)));
    if (found == m_openIndex->end()) {
        return 0;
    }
    const std::vector<uint32_t>& stack = found->second;
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        std::u16string_view candidate = NameOf(*it);
        if (*it != m_open && BXXmlNamesEqual(candidate.data(), uint32_t(candidate.size()), name, length, m_noCase)) {
            return *it;
        }
    }
    return 0;
}

// Every open element below target is left not ended and its children move up to follow it, so the
// target ends up holding the open chain flat, in document order: e1, e1's closed children, e2, ...
void BXXmlParser::RepairUpTo(uint32_t target)
{
    std::vector<uint32_t> chain;
    for (uint32_t index = m_open; index != target; index = m_nodes[index].m_parent) {
        if (index == 0) {
            return; // not an ancestor: leave the tree as it is rather than walk past the document
        }
        chain.push_back(index);
    }
    if (m_openIndex) {
        for (uint32_t element : chain) { // innermost first, as the index stacks them
            PopOpenIndex(element);
        }
    }
    std::reverse(chain.begin(), chain.end());
    for (uint32_t element : chain) {
        BXXmlNode& node = m_nodes[element];
        node.m_flags |= kXmlNodeNotEnded | kXmlNodeIllFormed;
        node.m_length = BXXmlStoredStartTagLength(node.m_tagLengths);
        uint32_t child = node.m_firstChild;
        node.m_firstChild = 0;
        while (child != 0) {
            uint32_t next = m_nodes[child].m_nextSibling;
            AppendChild(target, child);
            m_levelsMoved = true;
            child = next;
        }
    }
    m_open = target;
    MarkIllFormed(target);
}

void BXXmlParser::MarkIllFormed(uint32_t index)
{
    // Ancestors are marked too; stopping at the first marked one keeps the total work linear.
    while (index != 0 && (m_nodes[index].m_flags & kXmlNodeIllFormed) == 0) {
        m_nodes[index].m_flags |= kXmlNodeIllFormed;
        index = m_nodes[index].m_parent;
    }
}

void BXXmlParser::EndOfText()
{
    if (m_open == 0) {
        return;
    }
    std::u16string_view name = NameOf(m_open);
    SetError(u"Element '" + std::u16string(name) + u"' at offset " + Decimal(m_nodes[m_open].m_start) + u" not ended");
    for (uint32_t index = m_open; index != 0; index = m_nodes[index].m_parent) {
        BXXmlNode& node = m_nodes[index];
        node.m_flags |= kXmlNodeNotEnded | kXmlNodeIllFormed;
        node.m_length = m_length - node.m_start;
    }
    m_open = 0;
}

// Parents always have lower indexes than their children (a repair moves children only to an ancestor),
// so one pass in index order sets every level.
void BXXmlParser::FixLevels()
{
    uint32_t end = m_nodes.GetNextUnused();
    for (uint32_t index = 1; index < end; ++index) {
        BXXmlNode& node = m_nodes[index];
        uint32_t parentLevel = m_nodes[node.m_parent].m_flags & kXmlNodeLevelMask;
        uint32_t level = std::min<uint32_t>(parentLevel + 1, kXmlNodeLevelMask);
        node.m_flags = (node.m_flags & ~kXmlNodeLevelMask) | level;
    }
}

std::u16string_view BXXmlParser::NameOf(uint32_t index) const
{
    uint32_t start = m_nodes[index].m_start + 1;
    uint32_t end = BXXmlTagNameEnd(m_text, start, m_length);
    return std::u16string_view(m_text + start, end - start);
}

void BXXmlParser::SetError(std::u16string message)
{
    m_hasError = true;
    if (m_error.empty()) {
        m_error = std::move(message);
    }
}

void BXXmlParser::Incorrect(const char* what, uint32_t offset)
{
    if (m_error.empty()) {
        SetError(u"Incorrect " + Widen(what) + u" at offset " + Decimal(offset));
    }
    m_hasError = true;
}

void BXXmlParser::Unterminated(const char* construct, uint32_t offset)
{
    if (m_error.empty()) {
        SetError(Widen(construct) + u" at offset " + Decimal(offset) + u" unterminated");
    }
    m_hasError = true;
}

uint64_t BXXmlParser::HashName(std::u16string_view name) const
{
    const BXStringGlobals& globals = BXStringGlobals::Get();
    uint64_t hash = 14695981039346656037ull;
    for (BXChar c : name) {
        hash = (hash ^ uint64_t(m_noCase ? globals.ToLower(c) : c)) * 1099511628211ull;
    }
    return hash;
}

void BXXmlParser::BuildOpenIndex()
{
    m_openIndex = std::make_unique<std::unordered_map<uint64_t, std::vector<uint32_t>>>();
    std::vector<uint32_t> chain;
    for (uint32_t index = m_open; index != 0; index = m_nodes[index].m_parent) {
        chain.push_back(index);
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        PushOpenIndex(*it);
    }
}

void BXXmlParser::PushOpenIndex(uint32_t index)
{
    (*m_openIndex)[HashName(NameOf(index))].push_back(index);
}

void BXXmlParser::PopOpenIndex(uint32_t index)
{
    auto found = m_openIndex->find(HashName(NameOf(index)));
    if (found != m_openIndex->end() && !found->second.empty() && found->second.back() == index) {
        found->second.pop_back();
        if (found->second.empty()) {
            m_openIndex->erase(found);
        }
    }
}
