// In-place edits of BXXmlDocument: each one replaces a range of the text and then shifts the offsets of
// every later record and the lengths of every enclosing one, so the records always match the text.
#include "BXXmlDocument.h"

#include "BXXmlText.h"

#include <algorithm>

namespace {

// A name we can write without breaking the markup around it.
bool IsWritableName(const BXString& name, bool element)
{
    if (name.IsEmpty() || (element && !BXXmlIsStartTagChar(name[0]))) {
        return false;
    }
    for (BXChar c : name.View()) {
        if (BXXmlIsSpace(c) || c == u'=' || c == u'/' || c == u'>' || c == u'<' || c == u'?' || c == u'"' ||
            c == u'\'' || c == u'&' || c == u'[' || c == u']' || c == 0) {
            return false;
        }
    }
    return true;
}

} // namespace

void BXXmlDocument::ReplaceText(uint32_t container, uint32_t position, uint32_t removed, const BXString& inserted)
{
    // In place: a writer appending element after element moves only the short tail each time.
    if (removed > 0) {
        m_text.Delete(int32_t(position), int32_t(removed));
    }
    if (!inserted.IsEmpty()) {
        m_text.Insert(int32_t(position), inserted.GetString(), inserted.GetLength());
    }
    ShiftNodes(container, position, removed, uint32_t(inserted.GetLength()));
    m_nodes[0].m_length = TextLength();
    m_flags |= kFlagEdited;
    if (m_kind != NodeKind::None && m_kind != NodeKind::Element && m_nodeOffset >= position + removed) {
        m_nodeOffset = m_nodeOffset + uint32_t(inserted.GetLength()) - removed;
    }
}

// Only the records the edit touches are visited: the container and its ancestors, which enclose the
// edit and change length, and every subtree after the edit, which moves. Walking each child list from
// its last child backwards stops at the first one before the edit, so a writer that appends element
// after element pays for the depth of the tree, not for its size.
void BXXmlDocument::ShiftNodes(uint32_t container, uint32_t position, uint32_t removed, uint32_t inserted)
{
    uint32_t removedEnd = position + removed;
    std::vector<uint32_t> moving;
    for (uint32_t node = container;; node = m_nodes[node].m_parent) {
        if (node != 0) {
            m_nodes[node].m_length = m_nodes[node].m_length - removed + inserted;
        }
        uint32_t first = m_nodes[node].m_firstChild;
        for (uint32_t child = first != 0 ? m_nodes[first].m_prevSibling : 0; child != 0;) {
            if (m_nodes[child].m_start < removedEnd) {
                break;
            }
            moving.push_back(child);
            child = child == first ? 0 : m_nodes[child].m_prevSibling;
        }
        if (node == 0) {
            break;
        }
    }
    while (!moving.empty()) {
        uint32_t node = moving.back();
        moving.pop_back();
        m_nodes[node].m_start = m_nodes[node].m_start - removed + inserted;
        for (uint32_t child = m_nodes[node].m_firstChild; child != 0; child = m_nodes[child].m_nextSibling) {
            moving.push_back(child);
        }
    }
}

void BXXmlDocument::FreeSubtree(uint32_t node)
{
    std::vector<uint32_t> pending{node};
    while (!pending.empty()) {
        uint32_t index = pending.back();
        pending.pop_back();
        for (uint32_t child = m_nodes[index].m_firstChild; child != 0; child = m_nodes[child].m_nextSibling) {
            pending.push_back(child);
        }
        m_nodes.FreeNode(index);
    }
}

void BXXmlDocument::Unlink(uint32_t node)
{
    BXXmlNode& record = m_nodes[node];
    BXXmlNode& parent = m_nodes[record.m_parent];
    uint32_t first = parent.m_firstChild;
    uint32_t next = record.m_nextSibling;
    if (node == first) {
        parent.m_firstChild = next;
        if (next != 0) {
            m_nodes[next].m_prevSibling = record.m_prevSibling; // the last child
            m_nodes[next].m_flags |= kXmlNodeFirstChild;
        }
    } else {
        uint32_t previous = record.m_prevSibling;
        m_nodes[previous].m_nextSibling = next;
        if (next != 0) {
            m_nodes[next].m_prevSibling = previous;
        } else {
            m_nodes[first].m_prevSibling = previous;
        }
    }
    record.m_nextSibling = 0;
    record.m_prevSibling = 0;
}

void BXXmlDocument::LinkAfter(uint32_t parent, uint32_t previous, uint32_t node)
{
    BXXmlNode& record = m_nodes[node];
    BXXmlNode& owner = m_nodes[parent];
    uint32_t first = owner.m_firstChild;
    record.m_parent = parent;
    if (previous == 0) {
        record.m_nextSibling = first;
        record.m_flags |= kXmlNodeFirstChild;
        if (first != 0) {
            record.m_prevSibling = m_nodes[first].m_prevSibling;
            m_nodes[first].m_prevSibling = node;
            m_nodes[first].m_flags &= ~kXmlNodeFirstChild;
        } else {
            record.m_prevSibling = node;
        }
        owner.m_firstChild = node;
        return;
    }
    uint32_t next = m_nodes[previous].m_nextSibling;
    record.m_prevSibling = previous;
    record.m_nextSibling = next;
    record.m_flags &= ~kXmlNodeFirstChild;
    m_nodes[previous].m_nextSibling = node;
    if (next != 0) {
        m_nodes[next].m_prevSibling = node;
    } else {
        m_nodes[first].m_prevSibling = node;
    }
}

bool BXXmlDocument::SetAttribute(uint32_t node, const BXString& name, const BXString& value)
{
    if (!IsElement(node) || !IsWritableName(name, false)) {
        return false;
    }
    BXString escaped = XmlEscape(value, kEscapeAttributeValue);
    uint32_t startTag = GetStartTagLength(node);
    uint32_t start = m_nodes[node].m_start;
    BXXmlAttributeSpan span{};
    uint32_t position;
    uint32_t removed;
    BXString inserted;
    if (FindAttributeSpan(node, name.View(), span)) {
        if (span.m_quoted) {
            position = span.m_valueStart;
            removed = span.m_valueEnd - span.m_valueStart;
            inserted = escaped;
        } else {
            // Written without quotes or without a value: write it quoted from the name on.
            position = span.m_nameEnd;
            removed = span.m_valueEnd - span.m_nameEnd;
            inserted = BXString(u"=\"") + escaped + u"\"";
        }
    } else {
        uint32_t tagEnd = start + startTag - 1; // the ">"
        position = tagEnd > start + 1 && Text()[tagEnd - 1] == u'/' ? tagEnd - 1 : tagEnd;
        removed = 0;
        inserted = BXString(u" ") + name + u"=\"" + escaped + u"\"";
    }
    ReplaceText(node, position, removed, inserted);
    m_nodes[node].m_tagLengths =
        BXXmlPackStartTagLength(m_nodes[node].m_tagLengths, startTag - removed + uint32_t(inserted.GetLength()));
    return true;
}

uint32_t BXXmlDocument::InsertElement(const BXString& name, const BXString& text)
{
    uint32_t parent = m_parent;
    if (!IsWritableName(name, true) || (parent != 0 && (m_nodes[parent].m_flags & kXmlNodeNotEnded) != 0)) {
        return 0; // a parent without an end tag has no place for children
    }
    uint32_t after = m_current;
    uint32_t position;
    if (after != 0) {
        position = m_nodes[after].m_start + m_nodes[after].m_length;
        if (std::u16string_view(Text() + position, TextLength() - position).substr(0, 2) == u"\r\n") {
            position += 2;
        }
    } else {
        uint32_t first = m_nodes[parent].m_firstChild;
        after = first != 0 ? m_nodes[first].m_prevSibling : 0;
        if (parent != 0 && GetEndTagLength(parent) == 0) {
            // "<name/>" becomes "<name>\r\n</name>" to receive its first child.
            uint32_t start = m_nodes[parent].m_start;
            uint32_t startTag = GetStartTagLength(parent);
            std::u16string_view parentName = NameView(parent);
            BXString endTag = BXString(u"</") + BXString(parentName.data(), int32_t(parentName.size())) + u">";
            ReplaceText(parent, start + startTag - 2, 2, BXString(u">\r\n") + endTag);
            BXXmlNode& record = m_nodes[parent];
            uint32_t tagLengths = BXXmlPackStartTagLength(record.m_tagLengths, startTag - 1);
            record.m_tagLengths = BXXmlPackEndTagLength(tagLengths, uint32_t(endTag.GetLength()));
            record.m_length = startTag - 1 + 2 + uint32_t(endTag.GetLength());
        } else if (parent != 0 && m_nodes[parent].m_firstChild == 0) {
            uint32_t contentStart = ContentStart(parent);
            if (std::u16string_view(Text() + contentStart, ContentEnd(parent) - contentStart).substr(0, 2) != u"\r\n") {
                ReplaceText(parent, contentStart, 0, BXString(u"\r\n"));
            }
        }
        position = ContentEnd(parent);
    }
    BXString escaped = XmlEscape(text, kEscapeElementText);
    BXString endTag = BXString(u"</") + name + u">";
    BXString element = BXString(u"<") + name + u">";
    uint32_t startTag = uint32_t(element.GetLength());
    element.AppendMany(escaped, endTag, BXString(u"\r\n"));
    ReplaceText(parent, position, 0, element);

    uint32_t index = m_nodes.NewNode();
    BXXmlNode& record = m_nodes[index];
    record.m_start = position;
    record.m_length = startTag + uint32_t(escaped.GetLength() + endTag.GetLength());
    record.m_tagLengths = BXXmlPackEndTagLength(BXXmlPackStartTagLength(0, startTag), uint32_t(endTag.GetLength()));
    uint32_t level = std::min<uint32_t>((m_nodes[parent].m_flags & kXmlNodeLevelMask) + 1, kXmlNodeLevelMask);
    record.m_flags = level;
    LinkAfter(parent, after, index);
    m_current = index;
    m_kind = NodeKind::Element;
    m_child = 0;
    return index;
}

bool BXXmlDocument::RemoveElement()
{
    if (m_kind != NodeKind::Element || m_current == 0) {
        return false;
    }
    uint32_t node = m_current;
    uint32_t start = m_nodes[node].m_start;
    uint32_t end = start + m_nodes[node].m_length;
    if (std::u16string_view(Text() + end, TextLength() - end).substr(0, 2) == u"\r\n") {
        end += 2;
    }
    uint32_t previous = m_nodes[m_nodes[node].m_parent].m_firstChild == node ? 0 : m_nodes[node].m_prevSibling;
    uint32_t parent = m_nodes[node].m_parent;
    Unlink(node);
    FreeSubtree(node);
    ReplaceText(parent, start, end - start, BXString());
    m_current = previous;
    m_kind = previous != 0 ? NodeKind::Element : NodeKind::None;
    m_child = 0;
    return true;
}
