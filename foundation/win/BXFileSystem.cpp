#include "BXFileSystem.h"

#include "BXFileChecks.h"
#include "BXKnownFolders.h"
#include "BXPathComponents.h"
#include "BXPathText.h"
#include "BXWindows.h"
#include "IBXTools.h"

namespace {

constexpr const BXChar* kSafeReplaceSource = u"BXFileSystem::SafeReplaceFile";

void LogError(const BXChar* text)
{
    IBXToolsDLL* tools = BXGetTools();
    if (IBXLog* log = tools != nullptr ? tools->GetLog() : nullptr) {
        log->Write(IBXLog::kError, kSafeReplaceSource, text);
    }
}

bool Rename(const BXString& from, const BXString& to)
{
    return ::MoveFileW(ToApiPath(from).W(), ToApiPath(to).W()) != FALSE;
}

bool ReplaceExisting(const BXString& target, const BXString& newFile)
{
    BXString backup(target);
    GetUnusedFileName(backup);
    if (!Rename(target, backup)) {
        LogError(u"Error renaming original file");
        return false;
    }
    if (Rename(newFile, target)) {
        RemoveFile(backup);
        return true;
    }
    Rename(backup, target);
    LogError(u"Error moving new file into place of original name");
    return false;
}

} // namespace

bool BXFileSystem::SafeReplaceFile(const BXString& target, const BXString& newFile)
{
    if (GetFileSize64(newFile) == -1) {
        return false;
    }
    const bool replaced = FileExists(target) ? ReplaceExisting(target, newFile) : Rename(newFile, target);
    if (!replaced) {
        RemoveFile(newFile);
    }
    return replaced;
}

void GetUnusedFileName(BXString& path)
{
    if (path.IsEmpty() || !FileExists(path)) {
        return;
    }
    const BXPathParts parts = SplitPath(path);
    const BXString folder = parts.m_drive + parts.m_folder;
    const BXString extension = parts.m_extension.IsEmpty() ? BXString() : u"." + parts.m_extension;
    BXString name = parts.m_name;
    do {
        name = CountUpFileName(name);
        path = folder + name + extension;
    } while (FileExists(path));
}

BXString GetTemporaryFileName(const BXString& folder, const BXString& base, const BXString& extension, bool addThreadId)
{
    BXString path = folder.IsEmpty() ? GetTemporaryFolder() : folder;
    EnsureTrailingBackslash(path);
    path.Append(base);
    if (addThreadId) {
        path.AppendFormat(u" - %d", uint32_t(::GetCurrentThreadId()));
    }
    if (!extension.IsEmpty()) {
        path.Append(u'.');
        path.Append(extension);
    }
    GetUnusedFileName(path);
    return path;
}
