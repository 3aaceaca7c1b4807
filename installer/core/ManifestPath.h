// Path text rules of the install manifest, free of the machine.
#pragma once

#include "BXString.h"

// A folder named in the manifest, resolved against the manifest's folder: a
// path that starts with "X:\" or with two backslashes is absolute, any other
// is appended to the folder; "." steps vanish and ".." steps remove the
// preceding folder (never the drive or the server and share). The result
// ends with exactly one backslash; an empty text gives an empty result.
BXString ResolveManifestPath(const BXString& manifestFolder, const BXString& text);
