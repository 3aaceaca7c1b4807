// Walks the entries of one folder (without "." and ".."), in the order the file
// system gives them. Holds one find handle from Open until the end or Close.
// One thread at a time.
#pragma once

#include "BXString.h"
#include "BXWindows.h"

class DirectoryIterator {
public:
    struct Entry {
        BXString m_path; // full path; a folder ends with a backslash
        uint32_t m_attributes = 0;
        int64_t m_size = 0;
        int64_t m_lastWriteTime = 0; // whole seconds since 1970-01-01 UTC, rounded
        bool IsFolder() const { return (m_attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    };

    DirectoryIterator() = default;
    ~DirectoryIterator() { Close(); }
    DirectoryIterator(const DirectoryIterator&) = delete;
    DirectoryIterator& operator=(const DirectoryIterator&) = delete;

    // Active only for an existing folder.
    bool Open(const BXString& folder);
    // False at the end (the iterator is then closed).
    bool Next(Entry& entry);
    void Close();
    bool IsActive() const { return m_active; }

    // FILETIME (100 ns since 1601) to whole seconds since 1970, rounded to the nearest.
    static int64_t ToUnixSeconds(uint64_t fileTime);

private:
    BXString m_folder;
    HANDLE m_find = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW m_data{};
    bool m_active = false;
};
