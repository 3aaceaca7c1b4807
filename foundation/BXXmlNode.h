// The element record of a BXXmlDocument: eight 32-bit words that point into the document text, so a
// parsed document costs one copy of its text plus 32 bytes per element and no per-node strings.
#pragma once

#include <cstdint>

struct BXXmlNode {
    uint32_t m_start;       // offset of the element's "<" in the document text
    uint32_t m_length;      // from the start to the end of the end tag (or of the start tag when empty)
    uint32_t m_tagLengths;  // start-tag length in bits 0-19 and 21, end-tag length in bits 22-31
    uint32_t m_flags;       // nesting level in bits 0-15 and the kXmlNode* bits
    uint32_t m_parent;      // node index
    uint32_t m_firstChild;  // node index, 0 = none
    uint32_t m_nextSibling; // node index, 0 = last
    uint32_t m_prevSibling; // node index; the first child's names the last child
};
static_assert(sizeof(BXXmlNode) == 32, "eight words per element");

inline constexpr uint32_t kXmlNodeLevelMask = 0xFFFF;
inline constexpr uint32_t kXmlNodeFirstChild = 0x80000;
inline constexpr uint32_t kXmlNodeNotEnded = 0x100000;
inline constexpr uint32_t kXmlNodeIllFormed = 0x200000;
inline constexpr uint32_t kXmlNodeFreeSlot = 0x400000;      // the slot is on the free list
inline constexpr uint32_t kXmlNodeDocumentError = 0x800000; // document node only

// Tag lengths beyond their fields are stored as the field's largest value and measured again from the
// text when asked for, so a huge attribute value or a padded end tag never truncates a record.
inline constexpr uint32_t kXmlStartTagLengthMax = 0x1FFFFF;
inline constexpr uint32_t kXmlEndTagLengthMax = 0x3FF;

inline uint32_t BXXmlPackStartTagLength(uint32_t tagLengths, uint32_t length)
{
    if (length > kXmlStartTagLengthMax) {
        length = kXmlStartTagLengthMax;
    }
    return (tagLengths & 0xFFC00000u) | (length & 0xFFFFF) | ((length & 0x100000) << 1);
}

inline uint32_t BXXmlPackEndTagLength(uint32_t tagLengths, uint32_t length)
{
    if (length > kXmlEndTagLengthMax) {
        length = kXmlEndTagLengthMax;
    }
    return (tagLengths & 0x2FFFFF) | (length << 22);
}

inline uint32_t BXXmlStoredStartTagLength(uint32_t tagLengths)
{
    return (tagLengths & 0xFFFFF) | ((tagLengths >> 1) & 0x100000);
}

inline uint32_t BXXmlStoredEndTagLength(uint32_t tagLengths)
{
    return tagLengths >> 22;
}
