// Existence, attribute and space tests on files and folders. Folder and file
// tests ask the file-system service of the tools component when it is there and
// the file system itself otherwise. Failures are results: false, -1 or zeros.
#pragma once

#include "BXString.h"
#include "BXWindows.h"

// The 16-bit era macro of the same name would swallow the call.
#undef GetFreeSpace

// Long name and exactly one trailing backslash; an empty text stays empty.
void NormaliseFolder(BXString& path);
// The path as W functions should get it: from 260 characters on, the full
// form behind the long-path prefix.
BXString ToApiPath(const BXString& path);

bool FolderExists(const BXString& path);
bool FileExists(const BXString& path, bool askTools = true);
// Normal attributes, then deleted; true on success.
bool RemoveFile(const BXString& path);
// Size in bytes, -1 when missing or for a URL.
int64_t GetFileSize64(const BXString& path);
bool IsFolderWritable(const BXString& folder);
// "Thumbs.db" does not count; a folder that cannot be opened is not empty.
bool IsFolderEmpty(const BXString& folder, bool recurse, bool countFolders);
// Climbs to the nearest existing folder; false with zeros when there is none.
bool GetFreeSpace(const BXString& path, uint64_t& availableToCaller, uint64_t& totalBytes, uint64_t& totalFree);
