// The event-sink base of every window object: the target side of event
// callbacks. An event carries its number, its source and two integers.
#pragma once

#include <cstdint>

class BXWnd;

struct BXWndEvent {
    BXWnd* m_source;
    int32_t m_event;
    intptr_t m_arg1;
    intptr_t m_arg2;
};

class BXWndEvents {
public:
    BXWndEvents() = default;
    BXWndEvents(const BXWndEvents&) = delete;
    BXWndEvents& operator=(const BXWndEvents&) = delete;
    virtual ~BXWndEvents() = default;
};
