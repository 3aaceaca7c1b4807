// Sets of strings: BXStringUniqueList keeps case-insensitive strings; BXStringCRCUniqueList keeps only their
// 64-bit folded hashes, so two different strings with the same hash count as one.
#pragma once

#include "BXStringMap.h"

class BXStringUniqueList : public BXStringKeyTable<BXSetNode<BXString>> {
    using Base = BXStringKeyTable<BXSetNode<BXString>>;

public:
    using Node = BXSetNode<BXString>;

    explicit BXStringUniqueList(bool useBlockContainer = false) : Base(useBlockContainer) {}

    // True when no case-insensitively equal string was present.
    bool Add(const BXString& key)
    {
        bool inserted = false;
        LookupNode(key, &inserted);
        return inserted;
    }
};

class BXStringCRCUniqueList : public BXHashTable<BXSetNode<std::uint64_t>, std::uint64_t> {
    using Base = BXHashTable<BXSetNode<std::uint64_t>, std::uint64_t>;

public:
    using Node = BXSetNode<std::uint64_t>;

    explicit BXStringCRCUniqueList(bool useBlockContainer = false) : Base(useBlockContainer) {}

    std::uint32_t Hash(std::uint64_t key) const override { return static_cast<std::uint32_t>(key); }
    bool Equal(std::uint64_t first, std::uint64_t second) const override { return first == second; }

    // True when the hash was not yet present.
    bool AddHash(std::uint64_t hash)
    {
        bool inserted = false;
        LookupNode(hash, &inserted);
        return inserted;
    }
    bool Add(const BXString& text) { return AddHash(BXStringHashBase::Hash64(text)); }
    bool Contains(const BXString& text) const { return Base::Contains(BXStringHashBase::Hash64(text)); }
    using Base::Contains;
};
