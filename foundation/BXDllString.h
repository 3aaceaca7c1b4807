// Adapter through which code in another module fills a BXString owned by the
// caller: the module calls these virtual operations instead of touching the
// string's buffer rules itself. The target must outlive the adapter.
#pragma once

#include "BXString.h"

class BXDllString {
public:
    explicit BXDllString(BXString& target) : m_target(&target) {}

    virtual const BXChar* GetString() { return m_target->GetString(); }
    // A negative count means up to the terminator; a count of 0 empties the target.
    virtual void SetString(const BXChar* chars, int32_t count)
    {
        if (chars == nullptr || count == 0) {
            m_target->Empty();
        } else {
            m_target->Assign(chars, count);
        }
    }
    virtual void Empty() { m_target->Empty(); }
    virtual BXChar* GetBuffer(int32_t room, bool keepContents)
    {
        return m_target->GetBuffer(room, false, keepContents);
    }
    // -1 measures up to the terminator.
    virtual void ReleaseBuffer(int32_t length) { m_target->ReleaseBuffer(length); }

protected:
    ~BXDllString() = default;

private:
    BXString* m_target;
};
