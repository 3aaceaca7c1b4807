// The installer option record: the command-line options, the manifest's
// settings and (later) the wizard's choices. One process-wide instance,
// written during start-up on the main thread and read afterwards.
#pragma once

#include "BXStringArray.h"

struct CInstallOptions {
    bool Silent = false;
    bool Upgrade = false;
    bool AllowDowngrade = true;
    bool NoAssociations = false;
    bool NoDependencies = false;
    bool NoUpgrade = false;
    bool NoRun = false;
    bool NoDriver = false;
    BXString DistributorID;

    // Set by the manifest: the default support folder first.
    BXStringArray SupportFolders;
    BXString LibraryFolder;
    BXString BundledMediaFolder;

    // Parses the joined command line; unknown text is ignored. Always true.
    bool Parse(const BXString& commandLine);
};

CInstallOptions& GetInstallOptions();
