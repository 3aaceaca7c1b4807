// An XML document kept as one BXString with a table of eight-word element records that point into it.
// Parsing never fails: it returns the well-formed flag, keeps the first error with its offset and always
// leaves a usable tree. A cursor (parent, current node, child position) walks it; elements are found by
// short paths; edits change the text in place and shift every later record. Not thread-safe.
#pragma once

#include "BXString.h"
#include "BXXmlNodeTable.h"

#include <cstdint>
#include <vector>

class BXXmlPath;

// Where an attribute sits in a start tag; an attribute written without "=" has an empty value at its
// name's end.
struct BXXmlAttributeSpan {
    uint32_t m_nameStart;
    uint32_t m_nameEnd;
    uint32_t m_valueStart;
    uint32_t m_valueEnd;
    bool m_hasValue;
    bool m_quoted;
};

class BXXmlDocument {
public:
    // Document flags.
    static constexpr uint32_t kFlagEdited = 2;
    static constexpr uint32_t kFlagNoCase = 8;

    // XmlEscape flags.
    static constexpr uint32_t kEscapeQuote = 0x08;
    static constexpr uint32_t kEscapeApostrophe = 0x04;
    static constexpr uint32_t kEscapeControls = 0x10;
    static constexpr uint32_t kEscapeControlsAsQuestionMark = 0x20;
    static constexpr uint32_t kEscapeElementText = 0x32;
    static constexpr uint32_t kEscapeAttributeValue = 0x3E;

    // What the cursor stands on.
    enum class NodeKind { None, Element, Text, CData, Comment, ProcessingInstruction, Doctype };

    BXXmlDocument();
    BXXmlDocument(const BXXmlDocument&) = delete;
    BXXmlDocument& operator=(const BXXmlDocument&) = delete;

    // Reads the file as UTF-8 (a UTF-8 mark stays in the text) and parses it. A file that cannot be read
    // leaves the previous document and returns false.
    bool LoadFile(const BXString& path);
    // Takes the text and parses it; returns the well-formed flag.
    bool ParseText(const BXString& text);
    const BXString& GetErrorText() const { return m_errorText; }
    const BXString& GetDocumentText() const { return m_text; }
    bool IsWellFormed() const;
    uint32_t GetFlags() const { return m_flags; }

    // --- Cursor --------------------------------------------------------------------------------------
    // Back to the document level: no parent, no current node.
    void ResetPosition();
    // Searches the siblings after the current element under the current parent (all of them when there
    // is none); the found element becomes current and the child position is cleared.
    bool FindElement(const BXString& path);
    // Searches the children of the current element after the child position (all of them with reset or
    // when there is none); the found child becomes the child position.
    bool FindChildElement(const BXString& path, bool reset = false);
    bool EnterElement();
    bool LeaveElement();
    // Moves to the next node of any kind under the current parent: text, CDATA, comment, processing
    // instruction, document type or element. False at the end, leaving the cursor.
    bool NextNode();

    uint32_t GetParentNode() const { return m_parent; }
    // The current element, 0 when there is none or the cursor stands on a node that is not an element.
    uint32_t GetCurrentNode() const { return m_kind == NodeKind::Element ? m_current : 0; }
    uint32_t GetChildNode() const { return m_child; }
    NodeKind GetNodeKind() const { return m_kind; }
    uint32_t GetRootNode() const { return m_nodes[0].m_firstChild; }

    // --- Reading -------------------------------------------------------------------------------------
    BXString GetAttribute(const BXString& name) const;
    BXString GetAttribute(uint32_t node, const BXString& name) const;
    // Text of the current node (element or not).
    BXString GetText() const;
    // Text content of an element: text pieces unescaped and joined, CDATA literal, white-space-only
    // pieces, comments and processing instructions skipped; empty when it has child elements.
    BXString GetText(uint32_t node) const;
    // Text of the child found by path from the first child; the cursor stays where it was.
    BXString GetChildText(const BXString& path);
    // Text of the element found by path from the document level; the cursor is left on it.
    BXString GetTextAt(const BXString& path);
    // Tag name, "#text", "#cdata-section", "#comment", "#doctype" or a processing instruction's target.
    BXString GetNodeName() const;
    BXString GetNodeName(uint32_t node) const;

    // --- Node records --------------------------------------------------------------------------------
    bool IsElement(uint32_t node) const { return node != 0 && m_nodes.IsLive(node); }
    const BXXmlNode& GetNode(uint32_t node) const { return m_nodes[node]; }
    uint32_t GetNodeCount() const { return m_nodes.GetNextUnused(); }
    uint32_t GetStartTagLength(uint32_t node) const;
    uint32_t GetEndTagLength(uint32_t node) const;

    // --- Editing -------------------------------------------------------------------------------------
    // Replaces the value of an existing attribute or adds it before the end of the start tag.
    bool SetAttribute(uint32_t node, const BXString& name, const BXString& value);
    // Inserts <name>text</name> and a line break under the current parent after the current element (as
    // the last child when there is none) and makes it current. Returns the new node, 0 on failure.
    uint32_t InsertElement(const BXString& name, const BXString& text);
    // Removes the current element with its descendants (and the line break written after it); the
    // previous sibling becomes current.
    bool RemoveElement();

    // --- Escaping ------------------------------------------------------------------------------------
    static BXString XmlEscape(const BXString& text, uint32_t flags);
    static BXString XmlUnescape(const BXChar* text, int32_t length);
    static BXString XmlUnescape(const BXString& text) { return XmlUnescape(text.GetString(), text.GetLength()); }

private:
    struct Frame {
        uint32_t m_node;
        uint32_t m_count; // siblings so far that passed the step's name test
    };

    void Parse();
    bool NoCase() const { return (m_flags & kFlagNoCase) != 0; }
    const BXChar* Text() const { return m_text.GetString(); }
    uint32_t TextLength() const { return uint32_t(m_text.GetLength()); }
    std::u16string_view NameView(uint32_t node) const;
    bool NameIs(uint32_t node, std::u16string_view name) const;
    uint32_t ContentStart(uint32_t node) const;
    uint32_t ContentEnd(uint32_t node) const;
    bool FindAttributeSpan(uint32_t node, std::u16string_view name, BXXmlAttributeSpan& span) const;

    // Path search.
    uint32_t Search(const BXXmlPath& path, uint32_t parent, uint32_t after) const;
    uint32_t MatchSiblings(const BXXmlPath& path, size_t firstStep, uint32_t first, uint32_t countBefore) const;
    uint32_t MatchDescendants(const BXXmlPath& path, uint32_t parent, uint32_t after) const;
    bool NameTest(const BXXmlPath& path, size_t step, uint32_t node) const;
    bool PredicateTest(const BXXmlPath& path, size_t step, uint32_t node, uint32_t position) const;
    uint32_t PositionBefore(const BXXmlPath& path, uint32_t node) const;

    // Edits.
    // container: the deepest element that holds the whole replaced range (0: the document).
    void ReplaceText(uint32_t container, uint32_t position, uint32_t removed, const BXString& inserted);
    void ShiftNodes(uint32_t container, uint32_t position, uint32_t removed, uint32_t inserted);
    void FreeSubtree(uint32_t node);
    void LinkAfter(uint32_t parent, uint32_t previous, uint32_t node);
    void Unlink(uint32_t node);

    BXString m_text;
    BXString m_errorText;
    uint32_t m_parent = 0;
    uint32_t m_current = 0; // the current element, or the element before the current non-element node
    uint32_t m_child = 0;
    NodeKind m_kind = NodeKind::None;
    uint32_t m_nodeOffset = 0; // the current non-element node
    uint32_t m_nodeLength = 0;
    uint32_t m_flags = kFlagNoCase;
    BXXmlNodeTable m_nodes;
};
