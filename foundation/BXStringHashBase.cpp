#include "BXStringHashBase.h"

#include "BXStringGlobals.h"

namespace {

template <class Hash> Hash FoldedHash(const BXChar* text, int32_t length)
{
    Hash hash = 0;
    if (!text) {
        return hash;
    }
    const BXStringGlobals& globals = BXStringGlobals::Get();
    for (int32_t i = 0; (length < 0 || i < length) && text[i] != 0; ++i) {
        hash = hash * BXStringHashBase::kMultiplier + globals.ToLower(text[i]);
    }
    return hash;
}

} // namespace

std::uint32_t BXStringHashBase::Hash32(const BXChar* text, int32_t length)
{
    return FoldedHash<std::uint32_t>(text, length);
}

std::uint64_t BXStringHashBase::Hash64(const BXChar* text, int32_t length)
{
    return FoldedHash<std::uint64_t>(text, length);
}
