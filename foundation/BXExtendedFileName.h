// Extended file names: wherever a file name is passed, a serialised property map of type "XMLFN",
// version "1.0", may stand instead, carrying the name in its item "Filename" and extra properties in the
// others. A plain "name.ext;data" is split the same way into the name and "PostExtensionData".
#pragma once

#include "BXPropertyMap.h"
#include "BXString.h"

class BXExtendedFileName {
public:
    // Splits text: an XMLFN form of another version gives an empty file name.
    explicit BXExtendedFileName(const BXString& text);

    const BXString& GetFileName() const { return m_fileName; }
    const BXPropertyMap& GetProperties() const { return m_properties; }

    // Whether text starts (case-insensitively) with "<XMLFN version=".
    static bool IsExtended(const BXString& text);
    // The XMLFN form of a file name and its properties.
    static BXString Make(const BXString& fileName, const BXPropertyMap& properties);
    // A name that is no plain file: it contains ".tvlb", ".bxtv" or ".tvgd", or starts with a
    // length-prefixed token or with "<XMLPH version=".
    static bool IsSpecialName(const BXString& name);

private:
    BXString m_fileName;
    BXPropertyMap m_properties;
};
