#include "BXFileChecks.h"

#include "BXHandle.h"
#include "BXPathText.h"
#include "DirectoryIterator.h"
#include "IBXTools.h"

#include <vector>

namespace {

IBXFileSystemTools* FileSystemService()
{
    IBXToolsDLL* tools = BXGetTools();
    return tools != nullptr ? tools->GetFileSystem() : nullptr;
}

DWORD Attributes(const BXString& path)
{
    return ::GetFileAttributesW(ToApiPath(path).W());
}

} // namespace

void NormaliseFolder(BXString& path)
{
    if (!path.IsEmpty()) {
        const DWORD needed = ::GetLongPathNameW(path.W(), nullptr, 0);
        if (needed > 0) {
            std::vector<wchar_t> buffer(needed + 1);
            const DWORD length = ::GetLongPathNameW(path.W(), buffer.data(), DWORD(buffer.size()));
            if (length > 0 && length < buffer.size()) {
                BXString longName(BXFromWide(buffer.data()), int32_t(length));
                if (!(longName == path)) {
                    path = longName;
                }
            }
        }
    }
    EnsureTrailingBackslash(path);
}

BXString ToApiPath(const BXString& path)
{
    if (path.GetLength() < kLongPathThreshold || HasLongPathPrefix(path)) {
        return path;
    }
    BXString full = path;
    const DWORD needed = ::GetFullPathNameW(path.W(), 0, nullptr, nullptr);
    if (needed > 0) {
        std::vector<wchar_t> buffer(needed + 1);
        const DWORD length = ::GetFullPathNameW(path.W(), DWORD(buffer.size()), buffer.data(), nullptr);
        if (length > 0 && length < buffer.size()) {
            full = BXString(BXFromWide(buffer.data()), int32_t(length));
        }
    }
    return WithLongPathPrefix(full);
}

bool FolderExists(const BXString& path)
{
    BXString folder(path);
    EnsureTrailingBackslash(folder);
    if (IBXFileSystemTools* service = FileSystemService()) {
        return service->FolderExists(folder.GetString());
    }
    // Without the tools component the file system answers itself.
    const DWORD attributes = Attributes(folder);
    return !folder.IsEmpty() && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileExists(const BXString& path, bool askTools)
{
    if (askTools) {
        if (IBXFileSystemTools* service = FileSystemService()) {
            return service->FileExists(path.GetString());
        }
    }
    const DWORD attributes = Attributes(path);
    return !path.IsEmpty() && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool RemoveFile(const BXString& path)
{
    const BXString apiPath = ToApiPath(path);
    ::SetFileAttributesW(apiPath.W(), FILE_ATTRIBUTE_NORMAL);
    return ::DeleteFileW(apiPath.W()) != FALSE;
}

int64_t GetFileSize64(const BXString& path)
{
    // The remote size of a URL belongs to the download layer; here a URL has no size.
    if (path.IsEmpty() || path.Find(u"://") >= 0) {
        return -1;
    }
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(ToApiPath(path).W(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return -1;
    }
    return int64_t((uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

bool IsFolderWritable(const BXString& folder)
{
    if (folder.IsEmpty()) {
        return false;
    }
    BXString bare(folder);
    bare.TrimTrailingBackslashes();
    BXHandle directory(::CreateFileW(ToApiPath(bare).W(), FILE_ADD_FILE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (directory.IsValid()) {
        return true;
    }
    BXString withBackslash(folder);
    EnsureTrailingBackslash(withBackslash);
    const BXString testFile =
        BXString::Formatted(u"%sDirectory Write Test (%d).tmp", withBackslash, uint32_t(::GetCurrentThreadId()));
    BXHandle file(::CreateFileW(ToApiPath(testFile).W(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_TEMPORARY, nullptr));
    if (!file.IsValid()) {
        return false;
    }
    file.Reset();
    RemoveFile(testFile);
    return true;
}

bool IsFolderEmpty(const BXString& folder, bool recurse, bool countFolders)
{
    DirectoryIterator iterator;
    if (!iterator.Open(folder)) {
        return false;
    }
    DirectoryIterator::Entry entry;
    while (iterator.Next(entry)) {
        if (entry.IsFolder()) {
            if (recurse ? !IsFolderEmpty(entry.m_path, recurse, countFolders) : countFolders) {
                return false;
            }
        } else {
            BXString name(entry.m_path);
            const int32_t slash = name.ReverseFind(u'\\');
            if (name.Mid(slash + 1).CompareNoCase(u"Thumbs.db") != 0) {
                return false;
            }
        }
    }
    return true;
}

bool GetFreeSpace(const BXString& path, uint64_t& availableToCaller, uint64_t& totalBytes, uint64_t& totalFree)
{
    availableToCaller = totalBytes = totalFree = 0;
    if (path.IsEmpty()) {
        return false;
    }
    BXString folder(path);
    if (folder.GetLength() == 1) {
        folder.Append(u':');
    }
    EnsureTrailingBackslash(folder);
    for (;;) {
        ULARGE_INTEGER available{}, total{}, free{};
        if (::GetDiskFreeSpaceExW(ToApiPath(folder).W(), &available, &total, &free)) {
            availableToCaller = available.QuadPart;
            totalBytes = total.QuadPart;
            totalFree = free.QuadPart;
            return true;
        }
        folder.TrimTrailingBackslashes();
        const int32_t slash = folder.ReverseFind(u'\\');
        if (slash < 2) {
            return false;
        }
        folder = folder.Left(slash + 1);
    }
}
