// Set of integer or pointer keys, hashed by the key value itself; the string sets are in BXStringUniqueList.h.
#pragma once

#include "BXMap.h"

template <class K> class BXUniqueList : public BXHashTable<BXSetNode<K>, K> {
    using Base = BXHashTable<BXSetNode<K>, K>;

public:
    using Node = BXSetNode<K>;

    explicit BXUniqueList(bool useBlockContainer = false) : Base(useBlockContainer) {}

    std::uint32_t Hash(K key) const override { return BXKeyValueHash(key); }
    bool Equal(K first, K second) const override { return first == second; }

    // True when the key was not yet present.
    bool Add(K key)
    {
        bool inserted = false;
        this->LookupNode(key, &inserted);
        return inserted;
    }
};
