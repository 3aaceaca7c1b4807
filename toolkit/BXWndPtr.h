// Weak pointer to a window object that may outlive it: reads null once the
// object is destroyed. A pointer to an object that only wraps a foreign system
// window owns a wrapper of its own instead, deleted with the pointer. Copies
// register separately, so each is cleared on its own. UI thread only.
#pragma once

#include "BXWnd.h"

class BXWndPtr : public IBXWndDeleteProbe {
public:
    enum Mode : int32_t { kEmpty = 0, kWatching = 1, kOwning = 2 };

    BXWndPtr() = default;
    BXWndPtr(BXWnd* window) { Assign(window); }
    BXWndPtr(const BXWndPtr& other) { Assign(other.m_target); }
    BXWndPtr& operator=(const BXWndPtr& other)
    {
        if (this != &other)
            Assign(other.m_target);
        return *this;
    }
    BXWndPtr& operator=(BXWnd* window)
    {
        Assign(window);
        return *this;
    }
    virtual ~BXWndPtr() { Release(); }

    void Assign(BXWnd* window);
    void Clear() { Release(); }
    BXWnd* Get() const { return m_target; }
    int32_t GetMode() const { return m_mode; }
    explicit operator bool() const { return m_target != nullptr; }
    bool operator==(const BXWnd* window) const { return m_target == window; }

    void OnWindowDeleted(BXWnd* window) override;

private:
    void Release();

    BXWnd* m_target = nullptr;
    int32_t m_mode = kEmpty;
};

template <class T> class BXTypedWndPtr : public BXWndPtr {
public:
    BXTypedWndPtr() = default;
    BXTypedWndPtr(T* window) : BXWndPtr(window) {}
    BXTypedWndPtr& operator=(T* window)
    {
        Assign(window);
        return *this;
    }
    T* Get() const { return static_cast<T*>(BXWndPtr::Get()); }
    T* operator->() const { return Get(); }
    T& operator*() const { return *Get(); }
    operator T*() const { return Get(); }
};
