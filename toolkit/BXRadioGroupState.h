// Checked states of one group of radio buttons, in order. At most one is checked: checking one
// unchecks the others. Tells the caller when the click event fires and which radios to repaint, and
// which radio a key moves to (Up and Down wrap at the ends, Space and Enter check the focused one).
// Pure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class BXRadioGroupState {
public:
    struct Change {
        bool fireClick = false;       // the radio is now checked and was not before
        std::vector<int32_t> changed; // radios whose state changed, to repaint
    };

    int32_t Add();
    int32_t GetCount() const { return int32_t(m_checked.size()); }
    bool IsChecked(int32_t index) const;
    // Nothing happens when the radio already is in that state or the index is out of range.
    Change SetChecked(int32_t index, bool checked);
    // The first checked radio, -1 when none.
    int32_t GetSelected() const;
    // The radio a virtual key on the focused radio checks, or -1 when the key is not the group's.
    int32_t TargetForKey(uint32_t virtualKey, int32_t focused) const;

private:
    std::vector<bool> m_checked;
};
