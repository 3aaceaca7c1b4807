// One pass over a document text that fills a BXXmlNodeTable with the element tree. It never fails: it
// keeps the first error in words with its offset, repairs mismatched end tags and always leaves a usable
// tree. Iterative throughout, so nesting depth costs heap, never stack.
#pragma once

#include "BXTypes.h"
#include "BXXmlNodeTable.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class BXXmlParser {
public:
    BXXmlParser(BXXmlNodeTable& nodes, const BXChar* text, uint32_t length, bool noCase);

    // Builds the tree below node 0 (the table must hold only node 0) and returns the well-formed flag.
    bool Parse();
    // The first error, empty when none.
    const std::u16string& GetErrorText() const { return m_error; }

private:
    void ScanMarkup(uint32_t& pos);
    bool ScanStartTag(uint32_t& pos);
    bool ScanEndTag(uint32_t& pos);
    bool ScanUntil(uint32_t& pos, uint32_t from, std::u16string_view terminator, const char* construct);
    bool ScanDoctype(uint32_t& pos);

    void AddElement(uint32_t start, uint32_t startTagLength, bool empty);
    void CloseOpen(uint32_t endTagStart, uint32_t endTagEnd);
    uint32_t FindOpenAncestor(const BXChar* name, uint32_t length);
    void RepairUpTo(uint32_t target);
    void AppendChild(uint32_t parent, uint32_t child);
    void MarkIllFormed(uint32_t index);
    void EndOfText();
    void FixLevels();

    std::u16string_view NameOf(uint32_t index) const;
    void SetError(std::u16string message);
    void Incorrect(const char* what, uint32_t offset);
    void Unterminated(const char* construct, uint32_t offset);

    // Open elements by folded name, built only after the first mismatched end tag so that a well-formed
    // document never pays for it, and kept from then on so that a hostile run of stray end tags costs
    // one hash look-up each instead of a walk up the open chain.
    uint64_t HashName(std::u16string_view name) const;
    void BuildOpenIndex();
    void PushOpenIndex(uint32_t index);
    void PopOpenIndex(uint32_t index);

    BXXmlNodeTable& m_nodes;
    const BXChar* m_text;
    uint32_t m_length;
    bool m_noCase;
    uint32_t m_open = 0;
    bool m_levelsMoved = false;
    bool m_hasError = false;
    std::u16string m_error;
    std::unique_ptr<std::unordered_map<uint64_t, std::vector<uint32_t>>> m_openIndex;
};
