// Loads the product's tools component BXTools.dll by full path from the
// library path of the per-process path record, gets its root interface
// (version 200048), initialises it and publishes it process-wide; unloads it
// in reverse under the same lock. Main thread only for load and unload.
#pragma once

#include "BXString.h"
#include "IBXTools.h"

class CComponentLoader {
public:
    static constexpr const BXChar* kToolsFileName = u"BXTools.dll";

    // On failure error holds the text for the "Critical Error" box.
    static bool LoadComponents(void* instance, BXString& error);
    static void UnloadComponents();
    // The library search path is narrowed to the system folder and the
    // program's own folder before anything is loaded.
    static void RestrictDllSearchPath();
};
