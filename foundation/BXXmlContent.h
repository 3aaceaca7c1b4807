// Splits the content between element records into items (text, CDATA, comments, processing
// instructions, the document type, stray end tags) for the cursor and for element text. Items never
// reach past the limit, so a construct left open at the end of the text ends there.
#pragma once

#include "BXTypes.h"

#include <cstdint>
#include <string_view>

struct BXXmlItem {
    enum class Kind { Text, CData, Comment, ProcessingInstruction, Doctype, Markup };
    Kind m_kind;
    uint32_t m_end;        // offset after the item
    uint32_t m_innerStart; // the content without its markers
    uint32_t m_innerEnd;
};

// Offset of the first occurrence of terminator at or after from that ends by limit, or limit.
uint32_t BXXmlFind(const BXChar* text, uint32_t from, uint32_t limit, std::u16string_view terminator);
// Offset after the ">" that closes the document type declaration at pos ("<!D"); false when it is not
// closed by limit.
bool BXXmlDoctypeEnd(const BXChar* text, uint32_t pos, uint32_t limit, uint32_t& end);
// The item at pos (pos < limit).
BXXmlItem BXXmlNextItem(const BXChar* text, uint32_t pos, uint32_t limit);
