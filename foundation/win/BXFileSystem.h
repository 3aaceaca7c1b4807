// Replacing a file without losing it, and picking unused file names.
// Failures are results; the two failure texts of SafeReplaceFile go to the log
// of the tools component only.
#pragma once

#include "BXString.h"

class BXFileSystem {
public:
    // Puts newFile at target. On failure the original target is back in place
    // (when it could be restored) and newFile is deleted.
    static bool SafeReplaceFile(const BXString& target, const BXString& newFile);
};

// Counts the name up ("a.txt", "a (1).txt", "a (2).txt") until no file of that name exists.
void GetUnusedFileName(BXString& path);
// Unused path folder (the temporary folder when empty) + base [+ " - <thread id>"] ["." + extension].
BXString GetTemporaryFileName(const BXString& folder, const BXString& base, const BXString& extension,
                              bool addThreadId);
