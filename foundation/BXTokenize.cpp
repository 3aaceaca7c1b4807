#include "BXTokenize.h"

#include "BXStringGetLeadingCharacters.h"

void Tokenize(const BXString& text, BXStringArray& strings, BXNumberArray<int32_t>& kinds)
{
    static const BXStringLeadingWhitespaceCharacters whitespace;
    static const BXStringLeadingWordCharacters word;
    static const BXStringLeadingDigitCharacters digits;
    const int32_t length = text.GetLength();
    int32_t position = 0;
    BXString run;
    while (position < length) {
        int32_t kind = kBXTokenOther;
        if (whitespace.GetLeading(text, position, run)) {
            kind = kBXTokenWhitespace;
        } else if (word.GetLeading(text, position, run)) {
            kind = kBXTokenWord;
        } else if (digits.GetLeading(text, position, run)) {
            kind = kBXTokenDigits;
        } else {
            run = text.Mid(position, 1);
            ++position;
        }
        strings.Add(run);
        kinds.Add(kind);
    }
}

BXString GetWordAt(const BXString& text, int32_t position, int32_t* kind, int32_t* start)
{
    static const BXStringLeadingWordCharacters word;
    static const BXStringLeadingDigitCharacters digits;
    BXString run;
    int32_t runStart = position;
    int32_t runKind = kBXTokenNone;
    if (word.GetSurrounding(text, runStart, run)) {
        runKind = kBXTokenWord;
    } else {
        runStart = position;
        if (digits.GetSurrounding(text, runStart, run)) {
            runKind = kBXTokenDigits;
        } else {
            runStart = -1;
        }
    }
    if (kind) {
        *kind = runKind;
    }
    if (start) {
        *start = runStart;
    }
    return run;
}
