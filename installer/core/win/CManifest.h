// The install manifest Install.xml: support folders, library folder,
// BundledMedia folder and AllowDowngrade, read once at start-up into the
// option record. A missing, unreadable or foreign manifest is ignored.
#pragma once

#include "CInstallOptions.h"

// The manifest beside the installer, or one folder up.
bool LoadManifest();
// The same for a given installer folder (with trailing backslash).
bool LoadManifestFrom(const BXString& programFolder, CInstallOptions& options);
