// A cross-process named lock taken for the object's lifetime: the named-lock
// service of the tools component, or a plain named mutex of the same name when
// the component is absent (both lock the same kernel object).
#pragma once

#include "BXHandle.h"
#include "BXString.h"
#include "IBXTools.h"

class BXNamedLock {
public:
    BXNamedLock(const BXString& name, uint32_t timeoutMs)
    {
        IBXToolsDLL* tools = BXGetTools();
        IBXMiscTools* misc = tools != nullptr ? tools->GetMisc() : nullptr;
        if (misc != nullptr && (m_lock = misc->CreateNamedLock(name.GetString())) != nullptr) {
            m_held = m_lock->Lock(timeoutMs);
            return;
        }
        m_mutex.Reset(::CreateMutexW(nullptr, FALSE, name.W()));
        if (m_mutex.IsValid()) {
            const DWORD result = ::WaitForSingleObject(m_mutex.Get(), timeoutMs);
            m_held = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
        }
    }
    ~BXNamedLock()
    {
        if (m_lock != nullptr)
            m_lock->Release();
        else if (m_held)
            ::ReleaseMutex(m_mutex.Get());
    }
    BXNamedLock(const BXNamedLock&) = delete;
    BXNamedLock& operator=(const BXNamedLock&) = delete;
    bool IsHeld() const { return m_held; }

private:
    IBXNamedLock* m_lock = nullptr;
    BXHandle m_mutex;
    bool m_held = false;
};
