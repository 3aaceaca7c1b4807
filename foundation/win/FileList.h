// Lists the files (and optionally folders) of a folder tree, scanned once at
// the first question and kept. Paths come in the order found, a sub-folder's
// contents right after the entry that led to them. Sizes come from the find records.
#pragma once

#include "BXString.h"
#include "BXStringArray.h"

class FileList {
public:
    // An empty extension lists every file.
    FileList(const BXString& root, const BXString& extension, bool recursive);

    // Settings take effect only before the first question.
    void SetIncludeFiles(bool include) { m_includeFiles = include; }
    void SetIncludeFolders(bool include) { m_includeFolders = include; }
    void SetSkipAttributes(uint32_t mask) { m_skipAttributes = mask; }
    void AddExtension(const BXString& extension) { m_extensions.Add(extension); }

    int32_t GetCount();
    // An index past the end gives the last item; an empty list gives empty text.
    BXString GetItem(int32_t index);
    void GetAll(BXStringArray& paths);
    int64_t GetTotalSize();

private:
    void Scan();
    void ScanFolder(const BXString& folder);

    BXString m_root;
    BXStringArray m_extensions;
    bool m_recursive;
    bool m_includeFiles = true;
    bool m_includeFolders = false;
    uint32_t m_skipAttributes = 0;
    BXStringArray m_items;
    int64_t m_totalSize = 0;
    bool m_scanned = false;
};
