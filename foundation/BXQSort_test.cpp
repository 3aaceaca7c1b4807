#include "BXQSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

class IntCompare : public IBXQSortCompare {
public:
    explicit IntCompare(std::vector<int>& values) : m_values(values) {}
    int Compare(int first, int second) override
    {
        Check(first);
        Check(second);
        return m_values[first] < m_values[second] ? -1 : m_values[first] > m_values[second] ? 1 : 0;
    }
    void Swap(int first, int second) override
    {
        Check(first);
        Check(second);
        std::swap(m_values[first], m_values[second]);
    }
    int m_outside = 0;

private:
    void Check(int index)
    {
        if (index < 0 || index >= static_cast<int>(m_values.size())) {
            ++m_outside;
        }
    }

protected:
    std::vector<int>& m_values;
};

// Answers at random: the sort may produce any order but must stay inside the range.
class RandomCompare : public IntCompare {
public:
    using IntCompare::IntCompare;
    int Compare(int first, int second) override
    {
        IntCompare::Compare(first, second);
        return static_cast<int>(m_random() % 3) - 1;
    }

private:
    std::mt19937 m_random{7};
};

std::vector<int> MakeInput(const char* shape, int count)
{
    std::vector<int> values(static_cast<std::size_t>(count));
    std::mt19937 random(static_cast<unsigned>(count));
    const std::string kind = shape;
    for (int i = 0; i < count; ++i) {
        values[static_cast<std::size_t>(i)] = kind == "sorted"     ? i
                                              : kind == "reversed" ? count - i
                                              : kind == "equal"    ? 4
                                              : kind == "few"      ? static_cast<int>(random() % 3)
                                                                   : static_cast<int>(random());
    }
    return values;
}

TEST(BXQSortTest, SortsLikeTheStandardSortForEveryShape)
{
    for (const char* shape : {"random", "sorted", "reversed", "equal", "few"}) {
        for (int count : {0, 1, 2, 3, 16, 17, 18, 100, 1000, 100000}) {
            std::vector<int> values = MakeInput(shape, count);
            std::vector<int> expected = values;
            std::sort(expected.begin(), expected.end());
            IntCompare compare(values);
            BXQSort().Sort(compare, 0, count);
            EXPECT_EQ(values, expected) << shape << " " << count;
            EXPECT_EQ(compare.m_outside, 0);
        }
    }
}

TEST(BXQSortTest, SortsOnlyTheGivenRange)
{
    std::vector<int> values = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    IntCompare compare(values);
    BXQSort sorter;
    sorter.Sort(compare, 2, 5);
    EXPECT_EQ(values, (std::vector<int>{9, 8, 3, 4, 5, 6, 7, 2, 1, 0}));
    sorter.Sort(compare, -1, 5);
    sorter.Sort(compare, 3, -2);
    sorter.Sort(compare, INT_MAX, 2);
    EXPECT_EQ(compare.m_outside, 0);
}

TEST(BXQSortTest, InconsistentComparisonStaysInsideAndKeepsElements)
{
    std::vector<int> values = MakeInput("random", 5000);
    std::vector<int> before = values;
    RandomCompare compare(values);
    BXQSort().Sort(compare, 0, 5000);
    EXPECT_EQ(compare.m_outside, 0);
    std::sort(values.begin(), values.end());
    std::sort(before.begin(), before.end());
    EXPECT_EQ(values, before);
}

} // namespace

namespace {

// Flags a call that touches an index another thread is touching at the same time.
class SharedCompare final : public IBXQSortCompare {
public:
    explicit SharedCompare(std::vector<int>& values) : m_values(values), m_busy(values.size()) {}
    int Compare(int first, int second) override
    {
        Enter(first, second);
        const int result = m_values[first] < m_values[second] ? -1 : m_values[first] > m_values[second] ? 1 : 0;
        Leave(first, second);
        return result;
    }
    void Swap(int first, int second) override
    {
        Enter(first, second);
        std::swap(m_values[first], m_values[second]);
        Leave(first, second);
    }
    std::atomic<bool> m_overlap{false};
    std::atomic<bool> m_otherThread{false};

private:
    void Enter(int first, int second)
    {
        if (std::this_thread::get_id() != m_caller) {
            m_otherThread = true;
        }
        if (m_busy[first]++ != 0 || (first != second && m_busy[second]++ != 0)) {
            m_overlap = true;
        }
    }
    void Leave(int first, int second)
    {
        --m_busy[first];
        if (first != second) {
            --m_busy[second];
        }
    }
    std::vector<int>& m_values;
    std::vector<std::atomic<int>> m_busy;
    std::thread::id m_caller = std::this_thread::get_id();
};

} // namespace

TEST(BXQSortTest, ASecondThreadSharesLargeSortsWithoutChangingTheResult)
{
    std::mt19937 random(7);
    std::vector<int> values(60000);
    for (int& value : values) {
        value = int(random() % 5000);
    }
    std::vector<int> expected = values;
    std::sort(expected.begin(), expected.end());
    SharedCompare compare(values);
    BXQSort sort;
    sort.Sort(compare, 0, int(values.size()));
    EXPECT_EQ(values, expected);
    EXPECT_FALSE(compare.m_overlap);
    if (std::thread::hardware_concurrency() > 1) {
        EXPECT_TRUE(compare.m_otherThread);
    }
}
