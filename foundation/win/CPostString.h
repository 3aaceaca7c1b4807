// Hands a string to a window of another process: the string goes into a ring
// in named shared memory (or, when long or the ring is full, into a "pmd"
// file whose path goes into the ring) and a message tells the receiver to
// read it. The receiving process creates the channel; senders open it by
// name. Every ring access holds the named lock "Post String Lock - <channel>".
#pragma once

#include "BXSharedMemory.h"
#include "BXString.h"
#include "BXWindows.h"

#include <cstdint>

class CPostString {
public:
    static constexpr uint32_t kMessage = 0x87D0;
    static constexpr uint32_t kRingSize = 16384;
    static constexpr uint32_t kHeaderSize = 12;
    static constexpr uint32_t kEntryHeaderSize = 20;
    static constexpr int32_t kLongString = 128;
    static constexpr int32_t kKindText = 0;
    static constexpr int32_t kKindFile = 1;

    CPostString(const BXString& channel, bool creator);
    CPostString(const CPostString&) = delete;
    CPostString& operator=(const CPostString&) = delete;

    // True when the message was posted; false for a null window, a channel
    // that is not valid or an entry that does not fit even as a file path.
    bool Post(HWND window, const BXString& text);
    // The receiver's side: takes the oldest entry (reading and deleting its
    // file for a file entry); false when the ring is empty or not valid.
    bool Receive(BXString& text, uint32_t& senderTag, uint32_t& nonce);
    bool IsValid();
    const BXString& GetLockName() const { return m_lockName; }

private:
    bool IsValidLocked() const;
    uint32_t FreeSpace() const;
    void WriteBytes(const void* data, uint32_t size);
    void ReadBytes(void* data, uint32_t size);
    static bool WriteFileEntry(const BXString& text, BXString& path);

    BXString m_channel;
    BXString m_lockName;
    BXSharedMemory m_memory;
};
