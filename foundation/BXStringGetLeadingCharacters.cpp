#include "BXStringGetLeadingCharacters.h"

#include "BXStringGlobals.h"

namespace {

bool HasClass(BXChar c, uint32_t mask)
{
    return c != 0 && (BXStringGlobals::Get().GetClass(c) & mask) != 0;
}

} // namespace

bool BXStringGetLeadingCharacters::GetLeading(const BXString& text, int32_t& position, BXString& out) const
{
    const int32_t length = text.GetLength();
    if (position < 0 || position >= length) {
        out.Empty();
        return false;
    }
    const BXChar* chars = text.GetString();
    const int32_t start = position;
    int32_t end = start;
    while (end < length && IsMember(chars + end, end - start)) {
        ++end;
    }
    if (end == start) {
        out.Empty();
        return false;
    }
    out = text.Mid(start, end - start);
    position = end;
    return true;
}

bool BXStringGetLeadingCharacters::GetSurrounding(const BXString& text, int32_t& position, BXString& out) const
{
    const int32_t length = text.GetLength();
    if (position < 0 || position > length) {
        out.Empty();
        return false;
    }
    const BXChar* chars = text.GetString();
    int32_t start = position;
    while (start > 0 && IsMember(chars + start - 1, 0)) {
        --start;
    }
    int32_t end = position;
    while (end < length && IsMember(chars + end, end - start)) {
        ++end;
    }
    if (end == start) {
        out.Empty();
        return false;
    }
    out = text.Mid(start, end - start);
    position = start;
    return true;
}

bool BXStringLeadingWhitespaceCharacters::IsMember(const BXChar* c, int32_t) const
{
    return HasClass(*c, BXStringGlobals::kClassSpace);
}

bool BXStringLeadingAlphaCharacters::IsMember(const BXChar* c, int32_t) const
{
    return HasClass(*c, BXStringGlobals::kClassAlpha);
}

bool BXStringLeadingDigitCharacters::IsMember(const BXChar* c, int32_t) const
{
    return HasClass(*c, BXStringGlobals::kClassDigit);
}

bool BXStringLeadingWordCharacters::IsMember(const BXChar* c, int32_t offset) const
{
    if (HasClass(c[0], BXStringGlobals::kClassAlpha)) {
        return true;
    }
    // c[0] is not the terminator here, so c[1] is still inside the text.
    if (c[0] == u'\'') {
        return offset > 0 && HasClass(c[1], BXStringGlobals::kClassAlpha);
    }
    if (c[0] == u'-' || c[0] == 0x2012) {
        return HasClass(c[1], BXStringGlobals::kClassAlpha);
    }
    return false;
}
