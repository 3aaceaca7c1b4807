// One copy or move of a folder tree: collects the folders and files of the
// source, creates the folders, copies the files, and for a move removes the
// sources of what was done. Lives for one operation.
#pragma once

#include "BXString.h"

#include <memory>
#include <vector>

class BXMoveCopyDirectory {
public:
    struct CItem {
        enum class Kind { Folder, File };
        Kind m_kind;
        BXString m_source;
        BXString m_destination;
        bool m_done = false;
    };

    BXMoveCopyDirectory(const BXString& source, const BXString& destination);

    // True when every item was done.
    bool Copy();
    bool Move();
    const std::vector<std::unique_ptr<CItem>>& GetItems() const { return m_items; }

private:
    void Collect(const BXString& source, const BXString& destination);
    bool Run();
    void RemoveDoneSources();
    static void RemoveFolderIfEmpty(const BXString& folder);

    BXString m_source;
    BXString m_destination;
    std::vector<std::unique_ptr<CItem>> m_items;
};
