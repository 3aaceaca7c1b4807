// Creating, deleting, copying and moving folder trees. Each does every item it
// can and reports by its result; nothing is shown to the user.
#pragma once

#include "BXStringArray.h"
#include "BXStringMap.h"

// True when the folder exists afterwards (and is writable when testWritable is
// set). Needs the tools component's file-system service. A relative path creates
// nothing and is true only without the write test.
bool CreateFolder(const BXString& path, bool testWritable);
// Deletes the tree; files whose type is in typesToKeep or whose name is in
// namesToKeep stay, and with them the folder. False only for an empty path.
bool DeleteFolder(const BXString& folder, const BXStringArray* typesToKeep = nullptr,
                  const BXStringMap<bool>* namesToKeep = nullptr);
// True when every folder and file was copied (existing files are overwritten).
bool CopyFolder(const BXString& source, const BXString& destination);
// As CopyFolder; then the sources of the items that were done are removed.
bool MoveFolder(const BXString& source, const BXString& destination);
// Deletes the folder and then each parent in turn while it is empty.
void DeleteFolderIfEmpty(const BXString& folder);
