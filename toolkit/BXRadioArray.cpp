#include "BXRadioArray.h"

#include "BXCompositeWnd.h"
#include "BXRadio.h"
#include "BXStatic.h"
#include "BXWndDeleteProbe.h"

BXRadioArray::~BXRadioArray()
{
    for (Entry& entry : m_entries) {
        if (BXRadio* radio = entry.m_radio.Get())
            radio->m_group = nullptr;
    }
}

BXRadio* BXRadioArray::AddRadio(const BXString& text, int32_t index, const BXString& description)
{
    if (m_parent == nullptr)
        return nullptr;
    BXTypedWndPtr<BXRadio> radio = m_parent->CreateChild<BXRadio>(text);
    radio->m_group = this;
    radio->m_index = index;
    Entry entry;
    entry.m_radio = radio.Get();
    if (!description.IsEmpty())
        entry.m_description = m_parent->CreateStatic(description).Get();
    m_entries.push_back(entry);
    m_state.Add();
    return radio.Get();
}

int32_t BXRadioArray::PositionOf(const BXRadio* radio) const
{
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].m_radio.Get() == radio)
            return int32_t(i);
    }
    return -1;
}

BXRadio* BXRadioArray::GetRadio(int32_t position) const
{
    return position >= 0 && position < GetCount() ? m_entries[size_t(position)].m_radio.Get() : nullptr;
}

BXStatic* BXRadioArray::GetDescription(int32_t position) const
{
    return position >= 0 && position < GetCount() ? m_entries[size_t(position)].m_description.Get() : nullptr;
}

void BXRadioArray::Select(int32_t index)
{
    for (const Entry& entry : m_entries) {
        if (BXRadio* radio = entry.m_radio.Get(); radio != nullptr && radio->GetIndex() == index) {
            radio->SetChecked(true);
            return;
        }
    }
}

int32_t BXRadioArray::GetSelectedIndex() const
{
    const BXRadio* radio = GetRadio(m_state.GetSelected());
    return radio != nullptr ? radio->GetIndex() : -1;
}

bool BXRadioArray::Check(BXRadio* radio, bool checked)
{
    const BXRadioGroupState::Change change = m_state.SetChecked(PositionOf(radio), checked);
    for (int32_t position : change.changed) {
        if (BXRadio* changed = GetRadio(position)) {
            changed->m_checked = m_state.IsChecked(position);
            changed->Invalidate();
        }
    }
    return !change.fireClick || radio->Fire(BXCallbackWnd::kClickEvent);
}

void BXRadioArray::OnRadioDestroyed(BXRadio* radio)
{
    // The entry stays (positions do not move); a checked radio that goes leaves the group unchecked.
    const int32_t position = PositionOf(radio);
    if (position >= 0)
        m_state.SetChecked(position, false);
}
