#include "BXCallbackWnd.h"

#include "BXWndDeleteProbe.h"

#include <algorithm>

void BXCallbackWnd::Add(BXCallbackInformation info)
{
    if (info.m_source == nullptr)
        info.m_source = this;
    info.m_kind = info.m_event < 0 ? BXCallbackInformation::kBySource : BXCallbackInformation::kByEvent;
    m_callbacks.push_back(info);
}

void BXCallbackWnd::RegisterCallback(BXWnd* source, BXWndEvents* target, int32_t event, BXCallbackSimple handler)
{
    Add(BXCallbackInformation{0, source, event, target, handler, nullptr, nullptr});
}

void BXCallbackWnd::RegisterCallback(BXWnd* source, BXWndEvents* target, int32_t event, BXCallbackWithEvent handler)
{
    Add(BXCallbackInformation{0, source, event, target, nullptr, handler, nullptr});
}

void BXCallbackWnd::RegisterCallback(BXWnd* source, BXWndEvents* target, int32_t event, BXCallbackQuery handler)
{
    Add(BXCallbackInformation{0, source, event, target, nullptr, nullptr, handler});
}

void BXCallbackWnd::UnregisterCallbacks(BXWndEvents* target)
{
    m_callbacks.erase(std::remove_if(m_callbacks.begin(), m_callbacks.end(),
                                     [target](const BXCallbackInformation& info) { return info.m_target == target; }),
                      m_callbacks.end());
}

bool BXCallbackWnd::Matches(const BXCallbackInformation& info, int32_t event) const
{
    if (info.m_kind == BXCallbackInformation::kBySource)
        return info.m_source == this;
    return info.m_event == event && info.m_source == this;
}

bool BXCallbackWnd::Fire(int32_t event, intptr_t arg1, intptr_t arg2)
{
    BXWndDeleteProbe probe(*this);
    // Handlers may register or unregister: walk a snapshot.
    const std::vector<BXCallbackInformation> callbacks(m_callbacks);
    const BXWndEvent record{this, event, arg1, arg2};
    for (const BXCallbackInformation& info : callbacks) {
        if (!Matches(info, event))
            continue;
        if (info.m_simple != nullptr)
            info.m_simple(info.m_target);
        else if (info.m_withEvent != nullptr)
            info.m_withEvent(info.m_target, record);
        else if (info.m_query != nullptr)
            info.m_query(info.m_target, arg1, arg2);
        if (probe.IsDeleted())
            return false;
    }
    return true;
}

bool BXCallbackWnd::Query(int32_t event, intptr_t arg1, intptr_t arg2, intptr_t* result)
{
    const std::vector<BXCallbackInformation> callbacks(m_callbacks);
    for (const BXCallbackInformation& info : callbacks) {
        if (info.m_query != nullptr && Matches(info, event)) {
            const intptr_t answer = info.m_query(info.m_target, arg1, arg2);
            if (result != nullptr)
                *result = answer;
            return true;
        }
    }
    return false;
}
