// Path text rules that need no file system: trailing backslashes, absolute
// paths, joining, the long-path prefix, repairing typed paths and counting up
// file names. Pure functions of their input; any text is accepted.
#pragma once

#include "BXString.h"

// Backslash, backslash, question mark, backslash.
constexpr const BXChar* kLongPathPrefix = u"\\\\?\\";
// From this length on, calls that touch a path need the long-path prefix.
constexpr int32_t kLongPathThreshold = 260;

// None gets one; one stays; exactly "\\" stays; any longer run becomes one. Empty stays empty.
void EnsureTrailingBackslash(BXString& path);
// After an optional long-path prefix: "X:\" or two backslashes and a letter or digit.
bool IsAbsolutePath(const BXString& path);
// base + one backslash + component without its trailing backslashes + one backslash.
BXString JoinPath(const BXString& base, const BXString& component);

bool HasLongPathPrefix(const BXString& path);
// Removes a leading long-path prefix; true when there was one.
bool RemoveLongPathPrefix(BXString& path);
// The path with the long-path prefix when it has kLongPathThreshold characters or more and is absolute;
// a UNC path takes the "\\?\UNC\" form. Other paths come back unchanged.
BXString WithLongPathPrefix(const BXString& path);

// Repairs a typed path: blanks and dots before backslashes, doubled backslashes,
// reserved characters, a missing backslash after the drive and an over-long last name.
void MakeValidPath(BXString& path);
constexpr int32_t kMakeValidPathMaxLength = 252;

// The next name of the "Report", "Report (1)", "Report (2)" series (name without folder or extension).
BXString CountUpFileName(const BXString& name);
