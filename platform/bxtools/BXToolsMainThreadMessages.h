// The main-thread message manager of the window service: other threads queue
// (callback, first, second) messages; a hidden window on the thread that
// registered first delivers them in order. Thread-safe.
#pragma once

#include "IBXTools.h"

#include <deque>
#include <mutex>
#include <vector>

class BXToolsMainThreadMessages {
public:
    BXToolsMainThreadMessages() = default;
    ~BXToolsMainThreadMessages();
    BXToolsMainThreadMessages(const BXToolsMainThreadMessages&) = delete;
    BXToolsMainThreadMessages& operator=(const BXToolsMainThreadMessages&) = delete;

    bool Register(IMainThreadMessageManagerCallback* callback);
    bool Post(IMainThreadMessageManagerCallback* callback, intptr_t first, intptr_t second);
    void Unregister(IMainThreadMessageManagerCallback* callback, bool flush);
    // Delivers every queued message; runs on the window's thread.
    void Deliver(IMainThreadMessageManagerCallback* only);

private:
    struct Message {
        IMainThreadMessageManagerCallback* m_callback;
        intptr_t m_first;
        intptr_t m_second;
    };
    bool IsRegistered(IMainThreadMessageManagerCallback* callback) const;

    std::mutex m_lock;
    std::vector<IMainThreadMessageManagerCallback*> m_callbacks;
    std::deque<Message> m_queue;
    void* m_window = nullptr;
    uint32_t m_threadId = 0;
};
