// Comparison that sorts a BXStringArray with BXQSort: the text service of the tools component when it is
// loaded, else BXStringGlobals::CompareNoCase (a case-insensitive order that meets every caller).
#pragma once

#include "BXQSort.h"

class BXStringArray;

class BXStringArraySort : public IBXQSortCompare {
public:
    BXStringArraySort(BXStringArray& array, int32_t flags);

    int Compare(int first, int second) override;
    void Swap(int first, int second) override;

    // Sorts the whole array.
    void Sort();

private:
    BXStringArray& m_array;
    int32_t m_flags;
};
