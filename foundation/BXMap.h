// Maps with integer or pointer keys, hashed by the key value itself: BXMap holds values, BXOwnedPtrMap owns
// (deletes) the objects its values point to. Iteration follows the buckets, not the order of insertion.
#pragma once

#include "BXHashTable.h"

#include <cstdint>
#include <memory>
#include <type_traits>

// The key value itself as the hash; wider keys contribute their low 32 bits.
template <class K> std::uint32_t BXKeyValueHash(K key)
{
    static_assert(std::is_integral_v<K> || std::is_enum_v<K> || std::is_pointer_v<K>, "integer or pointer keys");
    if constexpr (std::is_pointer_v<K>) {
        return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(key));
    } else {
        return static_cast<std::uint32_t>(key);
    }
}

template <class K, class V> class BXMap : public BXHashTable<BXMapNode<K, V>, K> {
    using Base = BXHashTable<BXMapNode<K, V>, K>;

public:
    using Node = BXMapNode<K, V>;

    explicit BXMap(bool useBlockContainer = false) : Base(useBlockContainer) {}

    std::uint32_t Hash(K key) const override { return BXKeyValueHash(key); }
    bool Equal(K first, K second) const override { return first == second; }

    // The value of key, default-made and inserted when absent.
    V& Lookup(K key, bool* inserted = nullptr) { return this->LookupNode(key, inserted)->m_value; }
    V& operator[](K key) { return Lookup(key); }
    void SetAt(K key, const V& value) { Lookup(key) = value; }
    // Null when absent; nothing is inserted.
    V* Find(K key) const
    {
        Node* node = this->FindNode(key);
        return node ? &node->m_value : nullptr;
    }
};

// Values are owned pointers: deleted when their node is destroyed or when a new value replaces them.
template <class K, class V> class BXOwnedPtrMap : public BXHashTable<BXMapNode<K, V*>, K> {
    using Base = BXHashTable<BXMapNode<K, V*>, K>;

public:
    using Node = BXMapNode<K, V*>;

    explicit BXOwnedPtrMap(bool useBlockContainer = false) : Base(useBlockContainer) {}
    ~BXOwnedPtrMap() override { this->RemoveAll(); }

    std::uint32_t Hash(K key) const override { return BXKeyValueHash(key); }
    bool Equal(K first, K second) const override { return first == second; }
    void DestroyNode(Node* node, bool free) override
    {
        delete node->m_value;
        node->m_value = nullptr;
        Base::DestroyNode(node, free);
    }

    void SetAt(K key, std::unique_ptr<V> value)
    {
        Node* node = this->LookupNode(key);
        if (node->m_value != value.get()) {
            delete node->m_value;
        }
        node->m_value = value.release();
    }
    // The object of key, or null; the map keeps it.
    V* Find(K key) const
    {
        Node* node = this->FindNode(key);
        return node ? node->m_value : nullptr;
    }
};
