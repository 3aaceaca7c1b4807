// Array of BXString values (shared by reference count) with the text operations the system relies on:
// Split and Join, search and removal by text, case-insensitive duplicate removal and sorting through the
// text service. Not synchronised.
#pragma once

#include "BXArray.h"
#include "BXString.h"

class BXStringArray : public BXArray<BXString, const BXString&, false> {
    using Base = BXArray<BXString, const BXString&, false>;

public:
    using Base::Base;

    // Replaces the elements by the pieces of text between occurrences of delimiter. An empty text gives no
    // pieces; an empty or absent delimiter gives the whole text. Empty pieces are kept except after a
    // trailing delimiter. With trim, white space next to each delimiter is left out of the pieces.
    void Split(const BXString& text, const BXString& delimiter, bool trim = false);
    // The elements with delimiter between them, last first when reverse is set.
    BXString Join(const BXString& delimiter, bool reverse = false) const;

    // Index of the first match or -1: a whole element compared exactly or with CompareNoCase, or else an
    // element that contains text (case-insensitively, as BXString::ContainsNoCase). Null text counts as empty.
    int Find(const BXChar* text, bool caseSensitive = true, bool wholeElement = true) const;
    // Removes every element equal to text; returns how many.
    int RemoveText(const BXChar* text, bool caseSensitive = true);
    // Keeps the first of each group of case-insensitively equal strings: pairwise comparison up to
    // kPairwiseLimit elements, a table of 64-bit folded hashes above.
    void RemoveDuplicates();
    static constexpr int kPairwiseLimit = 16;
    // Sorts with BXStringArraySort; flags go to the comparison.
    void Sort(int32_t flags = 0);
};
