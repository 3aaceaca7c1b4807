#include "BXFolderOperations.h"

#include "BXExtendedFileName.h"
#include "BXFileChecks.h"
#include "BXMoveCopyDirectory.h"
#include "BXPathComponents.h"
#include "BXPathText.h"
#include "DirectoryIterator.h"
#include "IBXTools.h"

#include <direct.h>
#include <vector>

namespace {

// "FileType" of an extended file name, otherwise the extension.
BXString FileTypeOf(const BXString& path)
{
    if (BXExtendedFileName::IsExtended(path)) {
        const BXString type = BXExtendedFileName(path).GetProperties().GetString(u"FileType");
        if (!type.IsEmpty()) {
            return type;
        }
    }
    return GetPathExtension(path);
}

bool IsKept(const BXString& path, const BXStringArray* typesToKeep, const BXStringMap<bool>* namesToKeep)
{
    if (typesToKeep != nullptr && typesToKeep->Find(FileTypeOf(path).GetString(), false) >= 0) {
        return true;
    }
    return namesToKeep != nullptr && namesToKeep->Contains(GetPathFileName(path));
}

} // namespace

bool CreateFolder(const BXString& path, bool testWritable)
{
    IBXToolsDLL* tools = BXGetTools();
    IBXFileSystemTools* service = tools != nullptr ? tools->GetFileSystem() : nullptr;
    if (path.IsEmpty() || service == nullptr) {
        return false;
    }
    BXString folder(path);
    EnsureTrailingBackslash(folder);
    if (!IsAbsolutePath(folder)) {
        return !testWritable;
    }
    if (service->FolderExists(folder.GetString())) {
        return !testWritable || IsFolderWritable(folder);
    }
    if (!service->CanCreateFolder(folder.GetString())) {
        return false;
    }

    // The missing chain, innermost first.
    std::vector<BXString> chain{folder};
    const BXPathParts parts = SplitPath(folder);
    BXString folderPart = parts.m_folder;
    while (folderPart.GetLength() > 1) {
        folderPart.DeleteRight(1);
        const int32_t slash = folderPart.ReverseFind(u'\\');
        folderPart = slash >= 0 ? folderPart.Left(slash + 1) : BXString();
        if (folderPart.GetLength() <= 1) {
            break;
        }
        const BXString parent = parts.m_drive + folderPart;
        if (service->FolderExists(parent.GetString())) {
            break;
        }
        chain.push_back(parent);
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (::_wmkdir(ToApiPath(*it).W()) == 0 && !service->FolderExists(it->GetString())) {
            break;
        }
    }
    return service->FolderExists(folder.GetString()) && (!testWritable || IsFolderWritable(folder));
}

bool DeleteFolder(const BXString& folder, const BXStringArray* typesToKeep, const BXStringMap<bool>* namesToKeep)
{
    if (folder.IsEmpty()) {
        return false;
    }
    BXString root(folder);
    EnsureTrailingBackslash(root);
    bool keptAny = false;
    DirectoryIterator iterator;
    if (iterator.Open(root)) {
        DirectoryIterator::Entry entry;
        while (iterator.Next(entry)) {
            if (entry.IsFolder()) {
                DeleteFolder(entry.m_path);
            } else if (IsKept(entry.m_path, typesToKeep, namesToKeep)) {
                keptAny = true;
            } else {
                RemoveFile(entry.m_path);
            }
        }
    }
    if (!keptAny) {
        BXString bare(root);
        bare.TrimTrailingBackslashes();
        if (!::RemoveDirectoryW(bare.W()) && !HasLongPathPrefix(bare)) {
            ::RemoveDirectoryW((BXString(kLongPathPrefix) + bare).W());
        }
    }
    return true;
}

bool CopyFolder(const BXString& source, const BXString& destination)
{
    BXMoveCopyDirectory operation(source, destination);
    return operation.Copy();
}

bool MoveFolder(const BXString& source, const BXString& destination)
{
    BXMoveCopyDirectory operation(source, destination);
    return operation.Move();
}

void DeleteFolderIfEmpty(const BXString& folder)
{
    BXString current(folder);
    if (current.HasTrailingBackslash()) {
        current.DeleteRight(1);
    }
    while (current.GetLength() > 2 && IsFolderEmpty(current, false, true)) {
        DeleteFolder(current);
        const int32_t slash = current.ReverseFind(u'\\');
        if (slash < 0) {
            break;
        }
        current = current.Left(slash);
    }
}
