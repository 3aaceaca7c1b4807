#include "CPostString.h"

#include "BXHandle.h"
#include "BXNamedLock.h"
#include "BXTraceScope.h"

#include <cstring>
#include <vector>

namespace {

constexpr uint8_t kMagic[4] = {'B', 'X', 'P', 'S'};
constexpr uint32_t kMaxTextBytes = 1u << 20; // a receiver never trusts a length beyond this

uint32_t ReadU32(const uint8_t* at)
{
    uint32_t value;
    std::memcpy(&value, at, 4);
    return value;
}

void WriteU32(uint8_t* at, uint32_t value)
{
    std::memcpy(at, &value, 4);
}

} // namespace

CPostString::CPostString(const BXString& channel, bool creator)
    : m_channel(channel), m_lockName(BXString(u"Post String Lock - ") + channel),
      m_memory(channel, kHeaderSize + kRingSize)
{
    if (creator && m_memory.IsValid()) {
        BXNamedLock lock(m_lockName, INFINITE);
        std::memcpy(m_memory.Data(), kMagic, 4);
        WriteU32(m_memory.Data() + 4, 0);
        WriteU32(m_memory.Data() + 8, 0);
    }
}

bool CPostString::IsValidLocked() const
{
    if (!m_memory.IsValid() || std::memcmp(m_memory.Data(), kMagic, 4) != 0)
        return false;
    // Indexes from another process are checked before they address the ring.
    return ReadU32(m_memory.Data() + 4) < kRingSize && ReadU32(m_memory.Data() + 8) < kRingSize;
}

bool CPostString::IsValid()
{
    if (!m_memory.IsValid())
        return false;
    BXNamedLock lock(m_lockName, INFINITE);
    return IsValidLocked();
}

uint32_t CPostString::FreeSpace() const
{
    const uint32_t read = ReadU32(m_memory.Data() + 4);
    const uint32_t write = ReadU32(m_memory.Data() + 8);
    return write < read ? read - write - 1 : read - write + (kRingSize - 1);
}

void CPostString::WriteBytes(const void* data, uint32_t size)
{
    uint8_t* base = m_memory.Data();
    uint32_t write = ReadU32(base + 8);
    const auto* bytes = static_cast<const uint8_t*>(data);
    for (uint32_t i = 0; i < size; ++i) {
        base[kHeaderSize + write] = bytes[i];
        write = (write + 1) % kRingSize;
    }
    WriteU32(base + 8, write);
}

void CPostString::ReadBytes(void* data, uint32_t size)
{
    uint8_t* base = m_memory.Data();
    uint32_t read = ReadU32(base + 4);
    auto* bytes = static_cast<uint8_t*>(data);
    for (uint32_t i = 0; i < size; ++i) {
        bytes[i] = base[kHeaderSize + read];
        read = (read + 1) % kRingSize;
    }
    WriteU32(base + 4, read);
}

bool CPostString::WriteFileEntry(const BXString& text, BXString& path)
{
    // The string is stored as UTF-16 little-endian without a byte-order mark.
    wchar_t folder[MAX_PATH + 1] = {};
    if (::GetTempPathW(MAX_PATH, folder) == 0)
        return false;
    const BXString base = BXString(BXFromWide(folder)) + BXString::Formatted(u"PostMessage%u", ::GetCurrentThreadId());
    for (int32_t attempt = 0; attempt < 1000; ++attempt) {
        path = attempt == 0 ? base + u".pmd" : base + BXString::Formatted(u" (%d).pmd", attempt);
        BXHandle file(
            ::CreateFileW(path.W(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY, nullptr));
        if (!file.IsValid()) {
            if (::GetLastError() == ERROR_FILE_EXISTS)
                continue;
            return false;
        }
        DWORD written = 0;
        const DWORD size = DWORD(text.GetLength()) * 2;
        if (::WriteFile(file.Get(), text.GetString(), size, &written, nullptr) && written == size)
            return true;
        file.Reset();
        ::DeleteFileW(path.W());
        return false;
    }
    return false;
}

bool CPostString::Post(HWND window, const BXString& text)
{
    BXTraceScope trace(u"CPostString::Post");
    trace.Trace(u"Sending <%s>, type %d to %x", text, int32_t(kMessage), uint32_t(reinterpret_cast<uintptr_t>(window)));
    if (window == nullptr || !IsValid())
        return false;
    BXNamedLock lock(m_lockName, INFINITE);
    if (!lock.IsHeld() || !IsValidLocked())
        return false;
    const uint32_t tag = ((::GetCurrentThreadId() & 0xFF) << 16) | (::GetCurrentProcessId() & 0xFF);
    const uint32_t nonce = ::GetTickCount() ^ uint32_t(reinterpret_cast<uintptr_t>(this));
    int32_t kind = kKindText;
    BXString payload = text;
    auto entrySize = [](const BXString& s) { return kEntryHeaderSize + 2 * uint32_t(s.GetLength() + 1); };
    if (text.GetLength() > kLongString || FreeSpace() < entrySize(text)) {
        trace.Trace(u"Using file to send string");
        BXString path;
        if (!WriteFileEntry(text, path))
            return false;
        kind = kKindFile;
        payload = path;
        if (FreeSpace() < entrySize(payload)) {
            ::DeleteFileW(path.W());
            return false;
        }
    }
    uint8_t header[kEntryHeaderSize];
    WriteU32(header, uint32_t(kind));
    WriteU32(header + 4, kMessage);
    WriteU32(header + 8, tag);
    WriteU32(header + 12, nonce);
    WriteU32(header + 16, 2 * uint32_t(payload.GetLength() + 1));
    WriteBytes(header, kEntryHeaderSize);
    WriteBytes(payload.GetString(), 2 * uint32_t(payload.GetLength()));
    const BXChar zero = 0;
    WriteBytes(&zero, 2);
    trace.Trace(u"Actual message, type %d, WParam %x, LParam %x, Window %x", int32_t(kMessage), tag, nonce,
                uint32_t(reinterpret_cast<uintptr_t>(window)));
    return ::PostMessageW(window, kMessage, WPARAM(tag), LPARAM(nonce)) != FALSE;
}

bool CPostString::Receive(BXString& text, uint32_t& senderTag, uint32_t& nonce)
{
    if (!m_memory.IsValid())
        return false;
    BXNamedLock lock(m_lockName, INFINITE);
    if (!lock.IsHeld() || !IsValidLocked())
        return false;
    const uint32_t used = (kRingSize - 1) - FreeSpace();
    if (used < kEntryHeaderSize)
        return false;
    uint8_t header[kEntryHeaderSize];
    ReadBytes(header, kEntryHeaderSize);
    const uint32_t length = ReadU32(header + 16);
    if (ReadU32(header + 4) != kMessage || length > used - kEntryHeaderSize || length % 2 != 0 || length < 2) {
        // A damaged ring cannot be resynchronised: drop everything in it.
        WriteU32(m_memory.Data() + 4, ReadU32(m_memory.Data() + 8));
        return false;
    }
    std::vector<BXChar> units(length / 2);
    ReadBytes(units.data(), length);
    units.back() = 0;
    senderTag = ReadU32(header + 8);
    nonce = ReadU32(header + 12);
    const BXString payload(units.data());
    if ((header[0] & 0xFF) != kKindFile) {
        text = payload;
        return true;
    }
    BXHandle file(::CreateFileW(payload.W(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size{};
    if (!file.IsValid() || !::GetFileSizeEx(file.Get(), &size) || size.QuadPart > kMaxTextBytes) {
        // The entry is used up either way; an empty text tells the caller to skip it.
        text.Empty();
        return true;
    }
    std::vector<BXChar> content(size_t(size.QuadPart / 2) + 1, 0);
    DWORD read = 0;
    ::ReadFile(file.Get(), content.data(), DWORD(size.QuadPart), &read, nullptr);
    file.Reset();
    ::DeleteFileW(payload.W());
    text = BXString(content.data(), int32_t(read / 2));
    return true;
}
