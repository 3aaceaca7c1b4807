#include "BXVersion64.h"

#include "BXStringArray.h"

uint64_t MakeVersion64(uint16_t major, uint16_t minor, uint16_t build, uint16_t revision)
{
    return (uint64_t(major) << 48) | (uint64_t(minor) << 32) | (uint64_t(build) << 16) | uint64_t(revision);
}

uint64_t ParseVersion64(const BXString& text)
{
    BXString dotted(text);
    if (dotted.Find(u'.') < 0) {
        dotted.ReplaceChar(u',', u'.');
    }
    BXStringArray parts;
    parts.Split(dotted, BXString(u"."));
    uint64_t version = 0;
    for (int32_t i = 0; i < 4; ++i) {
        const uint64_t part = i < parts.GetCount() ? uint64_t(uint16_t(parts[i].ToInt())) : 0;
        version |= part << (48 - 16 * i);
    }
    return version;
}
