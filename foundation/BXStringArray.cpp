#include "BXStringArray.h"

#include "BXStringArraySort.h"
#include "BXStringGlobals.h"
#include "BXMap.h"
#include "BXStringHashBase.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <new>
#include <string_view>

void BXStringArray::Split(const BXString& textIn, const BXString& delimiterIn, bool trim)
{
    // Either argument may be an element of this array, which the next line releases.
    const BXString text(textIn);
    const BXString delimiter(delimiterIn);
    SetCount(0);
    const std::u16string_view view = text.View();
    const std::u16string_view separator = delimiter.View();
    if (view.empty()) {
        return;
    }
    if (separator.empty()) {
        Add(text);
        return;
    }
    const BXStringGlobals& globals = BXStringGlobals::Get();
    std::size_t position = 0;
    while (position < view.size()) {
        std::size_t found = view.find(separator, position);
        if (found == std::u16string_view::npos) {
            Add(position == 0 ? text : BXString(view.data() + position, int32_t(view.size() - position)));
            return;
        }
        std::size_t end = found;
        while (trim && end > position && globals.IsSpace(view[end - 1])) {
            --end;
        }
        Add(BXString(view.data() + position, int32_t(end - position)));
        position = found + separator.size();
        while (trim && position < view.size() && globals.IsSpace(view[position])) {
            ++position;
        }
    }
}

BXString BXStringArray::Join(const BXString& delimiter, bool reverse) const
{
    if (m_count == 0) {
        return BXString();
    }
    if (m_count == 1) {
        return m_data[0];
    }
    long long total = static_cast<long long>(delimiter.GetLength()) * (m_count - 1);
    for (const BXString& element : *this) {
        total += element.GetLength();
    }
    if (total >= INT_MAX) {
        throw std::bad_alloc();
    }
    BXString result;
    if (total == 0) {
        return result;
    }
    BXChar* out = result.GetBuffer(int32_t(total), true, false);
    for (int i = 0; i < m_count; ++i) {
        const BXString& element = m_data[reverse ? m_count - 1 - i : i];
        if (i > 0) {
            std::memcpy(out, delimiter.GetString(), sizeof(BXChar) * std::size_t(delimiter.GetLength()));
            out += delimiter.GetLength();
        }
        std::memcpy(out, element.GetString(), sizeof(BXChar) * std::size_t(element.GetLength()));
        out += element.GetLength();
    }
    result.ReleaseBuffer(int32_t(total));
    return result;
}

int BXStringArray::Find(const BXChar* text, bool caseSensitive, bool wholeElement) const
{
    const BXChar* wanted = text ? text : u"";
    const BXStringGlobals& globals = BXStringGlobals::Get();
    for (int i = 0; i < m_count; ++i) {
        const BXString& element = m_data[i];
        bool match = !wholeElement   ? element.ContainsNoCase(wanted)
                     : caseSensitive ? element == wanted
                                     : globals.CompareNoCase(element.GetString(), wanted) == 0;
        if (match) {
            return i;
        }
    }
    return -1;
}

int BXStringArray::RemoveText(const BXChar* text, bool caseSensitive)
{
    const BXChar* wanted = text ? text : u"";
    const BXStringGlobals& globals = BXStringGlobals::Get();
    int kept = 0;
    for (int i = 0; i < m_count; ++i) {
        bool match = caseSensitive ? m_data[i] == wanted : globals.CompareNoCase(m_data[i].GetString(), wanted) == 0;
        if (!match) {
            if (kept != i) {
                m_data[kept] = std::move(m_data[i]);
            }
            ++kept;
        }
    }
    int removed = m_count - kept;
    SetCount(kept);
    return removed;
}

void BXStringArray::RemoveDuplicates()
{
    if (m_count < 2) {
        return;
    }
    const BXStringGlobals& globals = BXStringGlobals::Get();
    auto equal = [&globals](const BXString& a, const BXString& b) {
        return globals.CompareNoCase(a.GetString(), b.GetString()) == 0;
    };
    const bool pairwise = m_count <= kPairwiseLimit;
    // Folded 64-bit hash -> index of the first kept string with it. A hash hit is confirmed by comparing,
    // so two different strings that share a hash both stay.
    BXMap<std::uint64_t, int> firstWithHash;
    if (!pairwise) {
        firstWithHash.Rehash(m_count, true);
    }
    int kept = 0;
    for (int i = 0; i < m_count; ++i) {
        bool duplicate = false;
        if (pairwise) {
            for (int j = 0; j < kept && !duplicate; ++j) {
                duplicate = equal(m_data[j], m_data[i]);
            }
        } else {
            bool inserted = false;
            int& first = firstWithHash.Lookup(BXStringHashBase::Hash64(m_data[i]), &inserted);
            if (inserted) {
                first = kept;
            } else if (equal(m_data[first], m_data[i])) {
                duplicate = true;
            } else {
                for (int j = 0; j < kept && !duplicate; ++j) {
                    duplicate = equal(m_data[j], m_data[i]);
                }
            }
        }
        if (!duplicate) {
            if (kept != i) {
                m_data[kept] = std::move(m_data[i]);
            }
            ++kept;
        }
    }
    SetCount(kept);
}

void BXStringArray::Sort(int32_t flags)
{
    BXStringArraySort(*this, flags).Sort();
}
