// Choice of the skin folder at start-up: the user's skin of an installed copy
// when the package carries a valid skin of that name, else the default skin
// named by the product keys. Never fails; the installer never stores a skin.
#pragma once

#include "BXString.h"

// A folder whose "main.xml" has root VTMS, version 3 (within 0.01), an
// accepted style and a MAINFRAME child.
bool IsValidSkinFolder(const BXString& path);
// skinBase: the package's "Vantune\Skins\Standard View\" folder.
BXString ChooseSkinFolder(const BXString& skinBase);
BXString ChooseSkinFolder();
BXString SkinBaseFolder();
