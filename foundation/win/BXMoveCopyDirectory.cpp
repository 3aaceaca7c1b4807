#include "BXMoveCopyDirectory.h"

#include "BXFileChecks.h"
#include "BXFolderOperations.h"
#include "BXPathText.h"
#include "BXStringMap.h"
#include "DirectoryIterator.h"

BXMoveCopyDirectory::BXMoveCopyDirectory(const BXString& source, const BXString& destination)
    : m_source(source), m_destination(destination)
{
    EnsureTrailingBackslash(m_source);
    EnsureTrailingBackslash(m_destination);
}

bool BXMoveCopyDirectory::Copy()
{
    m_items.clear();
    Collect(m_source, m_destination);
    return Run();
}

bool BXMoveCopyDirectory::Move()
{
    const bool result = Copy();
    RemoveDoneSources();
    return result;
}

void BXMoveCopyDirectory::Collect(const BXString& source, const BXString& destination)
{
    DirectoryIterator iterator;
    if (!iterator.Open(source)) {
        return;
    }
    DirectoryIterator::Entry entry;
    while (iterator.Next(entry)) {
        const int32_t nameStart = source.GetLength();
        if (entry.IsFolder()) {
            const BXString target = destination + entry.m_path.Mid(nameStart);
            m_items.push_back(std::make_unique<CItem>(CItem{CItem::Kind::Folder, entry.m_path, target}));
            Collect(entry.m_path, target);
        } else {
            m_items.push_back(std::make_unique<CItem>(
                CItem{CItem::Kind::File, entry.m_path, destination + entry.m_path.Mid(nameStart)}));
        }
    }
}

bool BXMoveCopyDirectory::Run()
{
    // The destination root itself: a tree of files only still needs it.
    bool allDone = CreateFolder(m_destination, false);
    for (const auto& item : m_items) {
        if (item->m_kind == CItem::Kind::Folder) {
            item->m_done = CreateFolder(item->m_destination, false);
            allDone = allDone && item->m_done;
        }
    }
    for (const auto& item : m_items) {
        if (item->m_kind == CItem::Kind::File) {
            item->m_done =
                ::CopyFileW(ToApiPath(item->m_source).W(), ToApiPath(item->m_destination).W(), FALSE) != FALSE;
            allDone = allDone && item->m_done;
        }
    }
    return allDone;
}

void BXMoveCopyDirectory::RemoveDoneSources()
{
    BXStringMap<bool> destinations;
    for (const auto& item : m_items) {
        destinations.SetAt(item->m_destination, true);
    }
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
        const CItem& item = **it;
        if (!item.m_done || destinations.Contains(item.m_source)) {
            continue;
        }
        if (item.m_kind == CItem::Kind::Folder) {
            RemoveFolderIfEmpty(item.m_source);
        } else {
            RemoveFile(item.m_source);
        }
    }
    RemoveFolderIfEmpty(m_source);
}

void BXMoveCopyDirectory::RemoveFolderIfEmpty(const BXString& folder)
{
    // Deepest first, one level at a time: climbing further would take empty
    // folders above the moved tree with it.
    if (IsFolderEmpty(folder, false, true)) {
        DeleteFolder(folder);
    }
}
