// Test helpers for BXXmlDocument: readable text for failure messages and a check that every record of
// an edited document equals what a fresh parse of its text gives.
#pragma once

#include "BXXmlDocument.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

inline std::string BXXmlTestUtf8(std::u16string_view text)
{
    std::string out;
    for (char16_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out.push_back(char(c));
        } else {
            char buffer[12];
            snprintf(buffer, sizeof buffer, "\\u%04X", unsigned(c));
            out += buffer;
        }
    }
    return out;
}

inline std::string BXXmlTestUtf8(const BXString& text)
{
    return BXXmlTestUtf8(text.View());
}

// Elements of the document in document order, without recursion.
inline std::vector<uint32_t> BXXmlTestElements(const BXXmlDocument& doc)
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
        std::vector<uint32_t> children;
        for (uint32_t child = doc.GetNode(node).m_firstChild; child != 0; child = doc.GetNode(child).m_nextSibling) {
            children.push_back(child);
        }
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return order;
}

// Every record (offsets, lengths, tag lengths, level, first-child mark, shape) equals a fresh parse.
inline void BXXmlTestExpectMatchesReparse(const BXXmlDocument& doc)
{
    BXXmlDocument fresh;
    fresh.ParseText(doc.GetDocumentText());
    std::vector<uint32_t> edited = BXXmlTestElements(doc);
    std::vector<uint32_t> parsed = BXXmlTestElements(fresh);
    ASSERT_EQ(edited.size(), parsed.size()) << BXXmlTestUtf8(doc.GetDocumentText());
    EXPECT_EQ(doc.GetNode(0).m_length, uint32_t(doc.GetDocumentText().GetLength()));
    for (size_t i = 0; i < edited.size(); ++i) {
        const BXXmlNode& a = doc.GetNode(edited[i]);
        const BXXmlNode& b = fresh.GetNode(parsed[i]);
        SCOPED_TRACE("element " + std::to_string(i) + " in " + BXXmlTestUtf8(doc.GetDocumentText()));
        EXPECT_EQ(a.m_start, b.m_start);
        EXPECT_EQ(a.m_length, b.m_length);
        EXPECT_EQ(doc.GetStartTagLength(edited[i]), fresh.GetStartTagLength(parsed[i]));
        EXPECT_EQ(doc.GetEndTagLength(edited[i]), fresh.GetEndTagLength(parsed[i]));
        EXPECT_EQ(a.m_flags & (kXmlNodeLevelMask | kXmlNodeFirstChild),
                  b.m_flags & (kXmlNodeLevelMask | kXmlNodeFirstChild));
        EXPECT_EQ(a.m_parent == 0, b.m_parent == 0);
        EXPECT_EQ(a.m_firstChild == 0, b.m_firstChild == 0);
        EXPECT_EQ(a.m_nextSibling == 0, b.m_nextSibling == 0);
        if (a.m_parent != 0 && b.m_parent != 0) {
            EXPECT_EQ(doc.GetNode(a.m_parent).m_start, fresh.GetNode(b.m_parent).m_start);
        }
        uint32_t firstA = doc.GetNode(a.m_parent).m_firstChild;
        uint32_t firstB = fresh.GetNode(b.m_parent).m_firstChild;
        EXPECT_EQ(doc.GetNode(doc.GetNode(firstA).m_prevSibling).m_start,
                  fresh.GetNode(fresh.GetNode(firstB).m_prevSibling).m_start);
    }
}
