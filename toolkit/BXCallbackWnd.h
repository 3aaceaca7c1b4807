// Event callbacks: handlers registered on the object that fires them, run in
// registration order. Firing survives a handler that destroys the firing
// object: it stops quietly. Buttons fire kClickEvent.
#pragma once

#include "BXCompositeWnd.h"

using BXCallbackSimple = void (*)(BXWndEvents* target);
using BXCallbackWithEvent = void (*)(BXWndEvents* target, const BXWndEvent& event);
using BXCallbackQuery = intptr_t (*)(BXWndEvents* target, intptr_t arg1, intptr_t arg2);

struct BXCallbackInformation {
    enum Kind : int32_t { kByEvent = 0, kBySource = 1 };
    int32_t m_kind;
    BXWnd* m_source;
    int32_t m_event;
    BXWndEvents* m_target;
    BXCallbackSimple m_simple;
    BXCallbackWithEvent m_withEvent;
    BXCallbackQuery m_query;
};

// Turns a member function of the target class into a callback:
// BXMemberCallback<&CMyPage::OnBrowse>::Call.
template <auto Method> struct BXMemberCallback;
template <class T, void (T::*Method)()> struct BXMemberCallback<Method> {
    static void Call(BXWndEvents* target) { (static_cast<T*>(target)->*Method)(); }
};
template <class T, void (T::*Method)(const BXWndEvent&)> struct BXMemberCallback<Method> {
    static void Call(BXWndEvents* target, const BXWndEvent& event) { (static_cast<T*>(target)->*Method)(event); }
};
template <class T, intptr_t (T::*Method)(intptr_t, intptr_t)> struct BXMemberCallback<Method> {
    static intptr_t Call(BXWndEvents* target, intptr_t a, intptr_t b)
    {
        return (static_cast<T*>(target)->*Method)(a, b);
    }
};

class BXCallbackWnd : public BXCompositeWnd {
public:
    static constexpr int32_t kClickEvent = 70;

    BX_RUNTIME_CLASS(BXCallbackWnd, BXCompositeWnd)

    // Source null: this object. An event number of -1 registers by source
    // (every event of the source reaches the handler).
    void RegisterCallback(BXWnd* source, BXWndEvents* target, int32_t event, BXCallbackSimple handler);
    void RegisterCallback(BXWnd* source, BXWndEvents* target, int32_t event, BXCallbackWithEvent handler);
    void RegisterCallback(BXWnd* source, BXWndEvents* target, int32_t event, BXCallbackQuery handler);
    // Member-function shorthand on this object as the source.
    template <auto Method, class T> void OnEvent(int32_t event, T* target)
    {
        RegisterCallback(nullptr, target, event, &BXMemberCallback<Method>::Call);
    }
    void UnregisterCallbacks(BXWndEvents* target);
    const std::vector<BXCallbackInformation>& GetCallbacks() const { return m_callbacks; }

    // Runs every matching handler; false when the object was destroyed by one.
    bool Fire(int32_t event, intptr_t arg1 = 0, intptr_t arg2 = 0);
    // The first matching query handler answers: true and its result.
    bool Query(int32_t event, intptr_t arg1, intptr_t arg2, intptr_t* result);

private:
    void Add(BXCallbackInformation info);
    bool Matches(const BXCallbackInformation& info, int32_t event) const;

    std::vector<BXCallbackInformation> m_callbacks;
};
