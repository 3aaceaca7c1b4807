#include "DirectoryIterator.h"

#include "BXFileChecks.h"
#include "BXPathText.h"

namespace {

bool IsDotEntry(const wchar_t* name)
{
    return (name[0] == L'.' && name[1] == 0) || (name[0] == L'.' && name[1] == L'.' && name[2] == 0);
}

} // namespace

bool DirectoryIterator::Open(const BXString& folder)
{
    Close();
    if (folder.IsEmpty() || !FolderExists(folder)) {
        return false;
    }
    m_folder = folder;
    EnsureTrailingBackslash(m_folder);
    const BXString pattern = m_folder + u"*.*";
    m_find = ::FindFirstFileExW(ToApiPath(pattern).W(), FindExInfoBasic, &m_data, FindExSearchNameMatch, nullptr,
                                FIND_FIRST_EX_LARGE_FETCH);
    m_active = m_find != INVALID_HANDLE_VALUE;
    return m_active;
}

bool DirectoryIterator::Next(Entry& entry)
{
    while (m_active) {
        if (m_find == INVALID_HANDLE_VALUE) {
            Close();
            return false;
        }
        const WIN32_FIND_DATAW current = m_data;
        if (!::FindNextFileW(m_find, &m_data)) {
            // The record in hand is still delivered; the next call reports the end.
            ::FindClose(m_find);
            m_find = INVALID_HANDLE_VALUE;
        }
        if (IsDotEntry(current.cFileName)) {
            continue;
        }
        entry.m_path = m_folder + BXFromWide(current.cFileName);
        entry.m_attributes = current.dwFileAttributes;
        if (entry.IsFolder()) {
            entry.m_path.Append(u'\\');
        }
        entry.m_size = int64_t((uint64_t(current.nFileSizeHigh) << 32) | current.nFileSizeLow);
        entry.m_lastWriteTime = ToUnixSeconds((uint64_t(current.ftLastWriteTime.dwHighDateTime) << 32) |
                                              current.ftLastWriteTime.dwLowDateTime);
        return true;
    }
    return false;
}

void DirectoryIterator::Close()
{
    if (m_find != INVALID_HANDLE_VALUE) {
        ::FindClose(m_find);
        m_find = INVALID_HANDLE_VALUE;
    }
    m_active = false;
}

int64_t DirectoryIterator::ToUnixSeconds(uint64_t fileTime)
{
    constexpr uint64_t kTicksPerSecond = 10000000;
    constexpr uint64_t kEpochDifference = 11644473600ull * kTicksPerSecond;
    const int64_t ticks = int64_t(fileTime - kEpochDifference);
    const int64_t half = int64_t(kTicksPerSecond / 2);
    return ticks >= 0 ? (ticks + half) / int64_t(kTicksPerSecond) : -((-ticks + half) / int64_t(kTicksPerSecond));
}
