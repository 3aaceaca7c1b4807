// Feeds any bytes to BXXmlDocument: parses them (as UTF-16 or as bytes widened one by one), checks that
// every record lies inside its parent and the text, walks every node with every query, re-escapes each
// text and checks the round trip, and checks that edits keep the records equal to a fresh parse.
#include "BXXmlDocument.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void Require(bool condition)
{
    if (!condition) {
        abort();
    }
}

std::vector<uint32_t> Elements(const BXXmlDocument& doc)
{
    std::vector<uint32_t> order;
    std::vector<uint32_t> pending;
    for (uint32_t child = doc.GetNode(0).m_firstChild; child != 0; child = doc.GetNode(child).m_nextSibling) {
        pending.insert(pending.begin(), child);
    }
    while (!pending.empty()) {
        uint32_t node = pending.back();
        pending.pop_back();
        order.push_back(node);
        size_t mark = pending.size();
        for (uint32_t child = doc.GetNode(node).m_firstChild; child != 0; child = doc.GetNode(child).m_nextSibling) {
            pending.push_back(child);
        }
        std::reverse(pending.begin() + std::ptrdiff_t(mark), pending.end());
    }
    return order;
}

void CheckRecords(const BXXmlDocument& doc)
{
    uint32_t length = uint32_t(doc.GetDocumentText().GetLength());
    uint32_t previousStart = 0;
    bool first = true;
    for (uint32_t node : Elements(doc)) {
        const BXXmlNode& record = doc.GetNode(node);
        Require(record.m_start + record.m_length <= length);
        Require(doc.GetStartTagLength(node) <= record.m_length);
        Require(doc.GetStartTagLength(node) + doc.GetEndTagLength(node) <= record.m_length);
        Require(doc.GetDocumentText()[int32_t(record.m_start)] == u'<');
        Require(first || record.m_start > previousStart); // document order
        first = false;
        previousStart = record.m_start;
        if (record.m_parent != 0) {
            const BXXmlNode& parent = doc.GetNode(record.m_parent);
            Require(record.m_start >= parent.m_start + doc.GetStartTagLength(record.m_parent));
            Require(record.m_start + record.m_length <= parent.m_start + parent.m_length);
        }
    }
}

void CheckEscapes(const BXString& text)
{
    Require(BXXmlDocument::XmlUnescape(BXXmlDocument::XmlEscape(text, 0)) == text);
    Require(BXXmlDocument::XmlUnescape(BXXmlDocument::XmlEscape(text, 0x0C)) == text);
    BXString escaped = BXXmlDocument::XmlEscape(text, BXXmlDocument::kEscapeAttributeValue);
    for (BXChar c : escaped.View()) {
        Require(c != u'<' && c != u'"' && c != u'\'' && c != u'>');
    }
    BXXmlDocument::XmlUnescape(text);
}

void Query(BXXmlDocument& doc, const BXString& name)
{
    static const BXChar* const kForms[] = {u"/*/", u"//", u"", u"/", u"//*/"};
    for (const BXChar* form : kForms) {
        BXString path = BXString(form) + name;
        doc.GetTextAt(path);
        doc.GetTextAt(path + u"[2]");
        doc.GetTextAt(path + u"[@" + name + u"]");
        doc.GetTextAt(path + u"[" + name + u"]");
        doc.ResetPosition();
        doc.FindElement(path);
        doc.FindChildElement(path, true);
        doc.GetChildText(path);
    }
}

void Walk(BXXmlDocument& doc)
{
    doc.ResetPosition();
    size_t steps = 0;
    do {
        BXString name = doc.GetNodeName();
        BXString text = doc.GetText();
        CheckEscapes(text);
        if (doc.GetNodeKind() == BXXmlDocument::NodeKind::Element) {
            doc.GetAttribute(name);
            doc.GetAttribute(u"a");
            if (doc.GetNode(doc.GetCurrentNode()).m_firstChild != 0) {
                doc.EnterElement();
            }
        }
        if (++steps > 100000) {
            break;
        }
        while (!doc.NextNode()) {
            if (!doc.LeaveElement()) {
                return;
            }
        }
    } while (true);
}

void Edit(BXXmlDocument& doc, const BXString& value)
{
    std::vector<uint32_t> elements = Elements(doc);
    if (elements.empty() || elements.size() > 2000) {
        return;
    }
    uint32_t target = elements[elements.size() / 2];
    doc.SetAttribute(target, u"a", value);
    doc.ResetPosition();
    if (doc.FindElement(u"//*[@a]")) {
        doc.EnterElement();
        doc.InsertElement(u"n", value);
        doc.LeaveElement();
    }
    doc.ResetPosition();
    if (doc.FindElement(u"/*") && doc.FindChildElement(u"*")) {
        doc.EnterElement();
        doc.RemoveElement();
    }
    CheckRecords(doc);

    BXXmlDocument fresh;
    fresh.ParseText(doc.GetDocumentText());
    std::vector<uint32_t> edited = Elements(doc);
    std::vector<uint32_t> parsed = Elements(fresh);
    // A repaired tree is not what its text parses to; an intact one must be.
    if ((doc.GetNode(0).m_flags & kXmlNodeDocumentError) == 0 && doc.IsWellFormed()) {
        Require(edited.size() == parsed.size());
        for (size_t i = 0; i < edited.size(); ++i) {
            Require(doc.GetNode(edited[i]).m_start == fresh.GetNode(parsed[i]).m_start);
            Require(doc.GetNode(edited[i]).m_length == fresh.GetNode(parsed[i]).m_length);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    BXString text;
    if ((data[0] & 1) != 0) {
        std::vector<BXChar> units((size - 1) / 2);
        for (size_t i = 0; i < units.size(); ++i) {
            units[i] = BXChar(data[1 + 2 * i] | (data[2 + 2 * i] << 8));
        }
        text = BXString(units.data(), int32_t(units.size()));
    } else {
        std::vector<BXChar> units(data + 1, data + size);
        text = BXString(units.data(), int32_t(units.size()));
    }
    BXXmlDocument doc;
    doc.ParseText(text);
    CheckRecords(doc);
    Walk(doc);
    std::vector<uint32_t> elements = Elements(doc);
    for (size_t i = 0; i < elements.size() && i < 50; ++i) {
        Query(doc, doc.GetNodeName(elements[i]));
    }
    Query(doc, text.Left(16));
    Edit(doc, text.Right(8));
    return 0;
}
