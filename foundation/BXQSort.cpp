#include "BXQSort.h"

#include <chrono>
#include <climits>
#include <thread>

void BXQSort::Sort(IBXQSortCompare& compare, int first, int count)
{
    if (first < 0 || count < 2 || count - 1 > INT_MAX - first) {
        return;
    }
    m_compare = &compare;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_pending = 0;
        m_working = 0;
        m_stack[m_pending++] = Range{first, first + count - 1};
    }
    // A helper only pays off once partitions are big enough to share.
    std::thread helper;
    if (count >= kHelperThreadMinCount && std::thread::hardware_concurrency() > 1) {
        helper = std::thread([this] { RunPending(); });
    }
    RunPending();
    if (helper.joinable()) {
        helper.join();
    }
    m_compare = nullptr;
}

void BXQSort::RunPending()
{
    for (;;) {
        Range range;
        {
            std::unique_lock<std::mutex> guard(m_lock);
            if (m_pending == 0) {
                if (m_working == 0) {
                    return;
                }
                guard.unlock();
                // The other thread may still push a range; poll rather than keep a condition variable per sort.
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                continue;
            }
            range = m_stack[--m_pending];
            ++m_working;
        }
        SortRange(range);
        std::lock_guard<std::mutex> guard(m_lock);
        --m_working;
    }
}

void BXQSort::SortRange(Range range)
{
    while (range.m_last - range.m_first + 1 > kInsertionSortLimit) {
        int pivot = Partition(range);
        Range lower{range.m_first, pivot - 1};
        Range upper{pivot + 1, range.m_last};
        bool lowerIsSmaller = lower.m_last - lower.m_first < upper.m_last - upper.m_first;
        Range smaller = lowerIsSmaller ? lower : upper;
        Range larger = lowerIsSmaller ? upper : lower;
        if (Push(larger)) {
            range = smaller;
        } else {
            // Stack full: recursion on the smaller part stays within log2(count) frames.
            SortRange(smaller);
            range = larger;
        }
    }
    InsertionSort(range);
}

bool BXQSort::Push(Range range)
{
    if (range.m_last <= range.m_first) {
        return true;
    }
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_pending == kStackSize) {
        return false;
    }
    m_stack[m_pending++] = range;
    return true;
}

void BXQSort::InsertionSort(Range range)
{
    for (int i = range.m_first + 1; i <= range.m_last; ++i) {
        for (int j = i; j > range.m_first && m_compare->Compare(j - 1, j) > 0; --j) {
            m_compare->Swap(j - 1, j);
        }
    }
}

// Returns the pivot's final index; everything before it compares <= and everything after >= (for a
// consistent comparison). Ranges here hold more than kInsertionSortLimit elements.
int BXQSort::Partition(Range range)
{
    IBXQSortCompare& compare = *m_compare;
    int first = range.m_first;
    int last = range.m_last;
    int middle = first + (last - first) / 2;
    if (compare.Compare(middle, first) < 0) {
        compare.Swap(middle, first);
    }
    if (compare.Compare(last, first) < 0) {
        compare.Swap(last, first);
    }
    if (compare.Compare(last, middle) < 0) {
        compare.Swap(last, middle);
    }
    int pivot = last - 1;
    compare.Swap(middle, pivot);
    int i = first;
    int j = pivot;
    for (;;) {
        do {
            ++i;
        } while (i < pivot && compare.Compare(i, pivot) < 0);
        do {
            --j;
        } while (j > first && compare.Compare(j, pivot) > 0);
        if (i >= j) {
            break;
        }
        compare.Swap(i, j);
    }
    if (i != pivot) {
        compare.Swap(i, pivot);
    }
    return i;
}
