// Quicksort engine over any indexable sequence: median-of-three pivots, insertion sort for short ranges and a
// locked stack of pending ranges that a second thread may share. The order produced does not depend on how
// many threads take part; a comparison that is not consistent gives some order but never leaves the range.
#pragma once

#include <mutex>

// Compares and exchanges elements by index. Compare returns <0, 0 or >0 like a string comparison; with a
// second thread both methods are called concurrently on disjoint indexes.
class IBXQSortCompare {
public:
    virtual int Compare(int first, int second) = 0;
    virtual void Swap(int first, int second) = 0;

protected:
    ~IBXQSortCompare() = default;
};

class BXQSort {
public:
    static constexpr int kStackSize = 60;
    static constexpr int kInsertionSortLimit = 16;
    // From this many elements a second thread takes ranges from the stack too.
    static constexpr int kHelperThreadMinCount = 4096;

    BXQSort() = default;
    BXQSort(const BXQSort&) = delete;
    BXQSort& operator=(const BXQSort&) = delete;
    virtual ~BXQSort() = default;

    // Sorts the count elements from first; counts below 2 and negative starts do nothing.
    void Sort(IBXQSortCompare& compare, int first, int count);

    // Takes ranges from the stack until it is empty and nobody works; what a helper thread runs.
    void RunPending();

private:
    struct Range {
        int m_first;
        int m_last;
    };

    void SortRange(Range range);
    bool Push(Range range);
    void InsertionSort(Range range);
    int Partition(Range range);

    std::mutex m_lock;
    IBXQSortCompare* m_compare = nullptr;
    Range m_stack[kStackSize] = {};
    int m_pending = 0;
    int m_working = 0;
};
