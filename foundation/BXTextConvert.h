// Number parsing and token tests on raw NUL-terminated UTF-16 text; the
// BXString members of the same names call these. Null text counts as empty.
// Parsers stop at the first unit that does not fit and return what they read.
#pragma once

#include "BXTypes.h"

class BXTextConvert {
public:
    // Optional white space and sign, then decimal digits of any script the
    // parser knows; saturates at +/-2147483647.
    static int32_t ToInt(const BXChar* text);
    // "+", "-" or U+2012, digits, "." or "," as the point, "e"/"E" exponent.
    // consumed receives the number of units read.
    static double ToDouble(const BXChar* text, int32_t* consumed = nullptr);
    // Optional "0x", then hexadecimal digits (wrapping modulo 2^32).
    static uint32_t FromHex(const BXChar* text);
    // "(" followed by at least one digit and a ":".
    static bool IsToken(const BXChar* text);
    // The value of a decimal digit of the scripts ToInt knows, or -1.
    static int32_t DigitValue(BXChar c);
};
