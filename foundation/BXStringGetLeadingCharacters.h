// Character-run predicates: find the run of units around or after a position
// that satisfy a class test (white space, letters, digits, words). Units 0-255
// are classified through the string tables.
#pragma once

#include "BXString.h"

class BXStringGetLeadingCharacters {
public:
    // c points into a NUL-terminated text; offset is c's distance from the start of the run.
    virtual bool IsMember(const BXChar* c, int32_t offset) const = 0;

    // The run starting at position; position moves past it. False (out empty) when the run is empty.
    bool GetLeading(const BXString& text, int32_t& position, BXString& out) const;
    // As GetLeading, extended backwards over preceding members; position moves to the run's start.
    bool GetSurrounding(const BXString& text, int32_t& position, BXString& out) const;

protected:
    ~BXStringGetLeadingCharacters() = default;
};

class BXStringLeadingWhitespaceCharacters final : public BXStringGetLeadingCharacters {
public:
    bool IsMember(const BXChar* c, int32_t offset) const override;
};

class BXStringLeadingAlphaCharacters final : public BXStringGetLeadingCharacters {
public:
    bool IsMember(const BXChar* c, int32_t offset) const override;
};

class BXStringLeadingDigitCharacters final : public BXStringGetLeadingCharacters {
public:
    bool IsMember(const BXChar* c, int32_t offset) const override;
};

// A letter; an apostrophe inside the run before a letter; a hyphen or figure dash before a letter.
class BXStringLeadingWordCharacters final : public BXStringGetLeadingCharacters {
public:
    bool IsMember(const BXChar* c, int32_t offset) const override;
};
