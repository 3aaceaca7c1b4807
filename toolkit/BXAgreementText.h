// The licence agreement shown in the welcome page's read-only box: folder + "license.txt" read as
// UTF-16 whatever the file holds (a mark is dropped; a byte-swapped mark swaps the rest), ending at
// the first zero unit. A missing or unreadable file gives an empty text.
#pragma once

#include "BXString.h"

// folder ends with a backslash (the installer's program folder).
BXString BXReadAgreementText(const BXString& folder);
