// Splits a path into drive, folder, name and extension: local paths (slash and
// backslash both separate), UNC paths (the server is the drive, the share
// belongs to the folder), "file://" texts and URLs (query dropped). An extended
// file name is reduced to its file name first. Any text is accepted.
#pragma once

#include "BXString.h"

struct BXPathParts {
    BXString m_drive;
    BXString m_folder;
    BXString m_name;
    BXString m_extension; // without the dot
};

BXPathParts SplitPath(const BXString& path);

BXString GetPathDrive(const BXString& path);
BXString GetPathFolder(const BXString& path);
// Drive + folder.
BXString GetFolderPath(const BXString& path);
// The name without its extension.
BXString GetPathName(const BXString& path);
BXString GetPathExtension(const BXString& path);
// Name + "." + extension (no dot when the extension is empty).
BXString GetPathFileName(const BXString& path);
