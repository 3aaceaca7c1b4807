#include "BXRadioGroupState.h"

namespace {
constexpr uint32_t kKeyReturn = 0x0D;
constexpr uint32_t kKeySpace = 0x20;
constexpr uint32_t kKeyUp = 0x26;
constexpr uint32_t kKeyDown = 0x28;
} // namespace

int32_t BXRadioGroupState::Add()
{
    m_checked.push_back(false);
    return int32_t(m_checked.size()) - 1;
}

bool BXRadioGroupState::IsChecked(int32_t index) const
{
    return index >= 0 && index < GetCount() && m_checked[size_t(index)];
}

BXRadioGroupState::Change BXRadioGroupState::SetChecked(int32_t index, bool checked)
{
    Change change;
    if (index < 0 || index >= GetCount() || m_checked[size_t(index)] == checked) {
        return change;
    }
    if (checked) {
        for (int32_t i = 0; i < GetCount(); ++i) {
            if (i != index && m_checked[size_t(i)]) {
                m_checked[size_t(i)] = false;
                change.changed.push_back(i);
            }
        }
    }
    m_checked[size_t(index)] = checked;
    change.changed.push_back(index);
    change.fireClick = checked;
    return change;
}

int32_t BXRadioGroupState::GetSelected() const
{
    for (int32_t i = 0; i < GetCount(); ++i) {
        if (m_checked[size_t(i)]) {
            return i;
        }
    }
    return -1;
}

int32_t BXRadioGroupState::TargetForKey(uint32_t virtualKey, int32_t focused) const
{
    const int32_t count = GetCount();
    if (focused < 0 || focused >= count) {
        return -1;
    }
    switch (virtualKey) {
    case kKeyUp:
        return (focused + count - 1) % count;
    case kKeyDown:
        return (focused + 1) % count;
    case kKeySpace:
    case kKeyReturn:
        return focused;
    default:
        return -1;
    }
}
