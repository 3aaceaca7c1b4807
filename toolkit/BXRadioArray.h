// A group of radio buttons, each with a description static below it, created as children of one
// parent. The array does not own the controls (the parent does); it keeps weak pointers and the group
// logic (BXRadioGroupState). Indexes are the choice numbers given to AddRadio.
#pragma once

#include "BXRadioGroupState.h"
#include "BXWndPtr.h"

#include <vector>

class BXCompositeWnd;
class BXRadio;
class BXStatic;

class BXRadioArray {
public:
    explicit BXRadioArray(BXCompositeWnd* parent = nullptr) : m_parent(parent) {}
    ~BXRadioArray();
    BXRadioArray(const BXRadioArray&) = delete;
    BXRadioArray& operator=(const BXRadioArray&) = delete;

    void SetParent(BXCompositeWnd* parent) { m_parent = parent; }
    // Creates the radio and its description static (none when description is empty); null without a parent.
    BXRadio* AddRadio(const BXString& text, int32_t index, const BXString& description);
    // Checks the radio of that choice (which fires its click event when it was not checked).
    void Select(int32_t index);
    // The choice of the first checked radio, -1 when none.
    int32_t GetSelectedIndex() const;

    int32_t GetCount() const { return int32_t(m_entries.size()); }
    BXRadio* GetRadio(int32_t position) const;
    BXStatic* GetDescription(int32_t position) const;

private:
    friend class BXRadio;
    struct Entry {
        BXTypedWndPtr<BXRadio> m_radio;
        BXTypedWndPtr<BXStatic> m_description;
    };
    int32_t PositionOf(const BXRadio* radio) const;
    bool Check(BXRadio* radio, bool checked);
    void OnRadioDestroyed(BXRadio* radio);

    BXCompositeWnd* m_parent;
    std::vector<Entry> m_entries;
    BXRadioGroupState m_state;
};
