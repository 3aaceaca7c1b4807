#include "BXStringArraySort.h"

#include "BXStringArray.h"
#include "BXStringGlobals.h"
#include "IBXTools.h"

#include <utility>

BXStringArraySort::BXStringArraySort(BXStringArray& array, int32_t flags) : m_array(array), m_flags(flags) {}

int BXStringArraySort::Compare(int first, int second)
{
    const BXChar* a = m_array[first].GetString();
    const BXChar* b = m_array[second].GetString();
    IBXToolsDLL* tools = BXGetTools();
    IBXTextTools* text = tools ? tools->GetText() : nullptr;
    if (text) {
        return text->CompareText(a, b, m_flags);
    }
    return BXStringGlobals::Get().CompareNoCase(a, b);
}

void BXStringArraySort::Swap(int first, int second)
{
    std::swap(m_array[first], m_array[second]);
}

void BXStringArraySort::Sort()
{
    BXQSort().Sort(*this, 0, m_array.GetCount());
}
