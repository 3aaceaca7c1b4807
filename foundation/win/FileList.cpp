#include "FileList.h"

#include "BXPathText.h"
#include "DirectoryIterator.h"

FileList::FileList(const BXString& root, const BXString& extension, bool recursive)
    : m_root(root), m_recursive(recursive)
{
    EnsureTrailingBackslash(m_root);
    if (!extension.IsEmpty()) {
        m_extensions.Add(extension);
    }
}

int32_t FileList::GetCount()
{
    Scan();
    return m_items.GetCount();
}

BXString FileList::GetItem(int32_t index)
{
    Scan();
    if (m_items.IsEmpty()) {
        return BXString();
    }
    if (index < 0) {
        index = 0;
    }
    return m_items[index < m_items.GetCount() ? index : m_items.GetCount() - 1];
}

void FileList::GetAll(BXStringArray& paths)
{
    Scan();
    for (const BXString& item : m_items) {
        paths.Add(item);
    }
}

int64_t FileList::GetTotalSize()
{
    Scan();
    return m_totalSize;
}

void FileList::Scan()
{
    if (m_scanned) {
        return;
    }
    m_scanned = true;
    ScanFolder(m_root);
}

void FileList::ScanFolder(const BXString& folder)
{
    DirectoryIterator iterator;
    if (!iterator.Open(folder)) {
        return;
    }
    DirectoryIterator::Entry entry;
    while (iterator.Next(entry)) {
        if ((entry.m_attributes & m_skipAttributes) != 0) {
            continue;
        }
        if (entry.IsFolder()) {
            if (m_includeFolders) {
                m_items.Add(entry.m_path);
            }
            if (m_recursive) {
                ScanFolder(entry.m_path);
            }
            continue;
        }
        if (!m_includeFiles) {
            continue;
        }
        if (!m_extensions.IsEmpty()) {
            const int32_t nameStart = entry.m_path.ReverseFind(u'\\') + 1;
            const int32_t dot = entry.m_path.ReverseFind(u'.');
            const BXString extension = entry.m_path.Mid(dot >= nameStart ? dot + 1 : nameStart);
            if (m_extensions.Find(extension.GetString(), false) < 0) {
                continue;
            }
        }
        m_items.Add(entry.m_path);
        m_totalSize += entry.m_size;
    }
}
