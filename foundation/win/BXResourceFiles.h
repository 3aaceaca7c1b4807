// Lookup of the installed product's resource, art and web-page files below
// the data folder of the per-process path record. "Not found" is empty text.
#pragma once

#include "BXString.h"
#include "BXStringArray.h"

#include <cstdint>

enum BXResourceKind : int32_t {
    kResourceAny = 0,     // "Custom Resources", then "Default Resources"
    kResourceDefault = 1, // "Default Resources"
    kResourceCustom = 2,  // "Custom Resources"
    kArtAny = 3,          // "Custom Art", then "Default Art"
    kArtDefault = 4,      // "Default Art"
    kArtCustom = 5,       // "Custom Art"
    kWebpageAny = 6,      // the custom web page when it exists, else the default one
    kWebpageDefault = 7,  // "Default Webpages" language sub-folder, else its "English"
    kWebpageCustom = 8,   // "Custom Webpages", chosen the same way
};

// Full path of the first existing candidate for name of kind, or empty. A
// name that begins with "image:" is an image without extension: in each
// folder ".png", ".jpg", ".gif", ".bmp", ".tif" are tried in this order, each
// first as "<name> - <language>" and then as "<name>".
BXString FindResourceFile(const BXString& name, int32_t kind);

// The candidate folders of kind (kind 6 not included: it is two lookups), in
// search order, each with a trailing backslash.
BXStringArray GetResourceFolders(int32_t kind);

// Every candidate path of name in folders, in the order they are tried.
BXStringArray GetResourceCandidates(const BXString& name, const BXStringArray& folders, const BXString& language);
