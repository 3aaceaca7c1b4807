// The running installer's own paths.
#pragma once

#include "BXString.h"

// The folder of the running executable, with a trailing backslash.
BXString ProgramFolder();
// The full path of the running executable.
BXString ModulePath();
