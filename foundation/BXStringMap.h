// Maps with case-insensitive BXString keys (hash h * 65599 + lower(c), equality CompareNoCase = 0):
// BXStringMap holds values, BXStringToOwnedPtrMap owns the objects its values point to. Lookups by raw
// text make no string. Iteration follows the buckets, not the order of insertion.
#pragma once

#include "BXHashTable.h"
#include "BXString.h"
#include "BXStringGlobals.h"
#include "BXStringHashBase.h"

#include <memory>

// Hash, equality and raw-text lookup shared by every table keyed by case-insensitive strings.
template <class Node> class BXStringKeyTable : public BXHashTable<Node, const BXString&> {
    using Base = BXHashTable<Node, const BXString&>;

public:
    std::uint32_t Hash(const BXString& key) const override { return BXStringHashBase::Hash32(key); }
    bool Equal(const BXString& first, const BXString& second) const override
    {
        return BXStringGlobals::Get().CompareNoCase(first.GetString(), second.GetString()) == 0;
    }

    // The node whose key equals text case-insensitively, or null; a null text counts as empty.
    Node* FindNodeByText(const BXChar* text) const
    {
        if (!this->m_buckets) {
            return nullptr;
        }
        const BXChar* key = text ? text : u"";
        const BXStringGlobals& globals = BXStringGlobals::Get();
        for (Node* node = this->m_buckets[BXStringHashBase::Hash32(key) % this->BucketDivisor()]; node;
             node = node->m_next) {
            if (globals.CompareNoCase(node->m_key.GetString(), key) == 0) {
                return node;
            }
        }
        return nullptr;
    }
    bool Contains(const BXChar* text) const { return FindNodeByText(text) != nullptr; }
    bool Contains(const BXString& key) const { return FindNodeByText(key.GetString()) != nullptr; }

protected:
    using Base::Base;
};

template <class V> class BXStringMap : public BXStringKeyTable<BXMapNode<BXString, V>> {
    using Base = BXStringKeyTable<BXMapNode<BXString, V>>;

public:
    using Node = BXMapNode<BXString, V>;

    explicit BXStringMap(bool useBlockContainer = false) : Base(useBlockContainer) {}

    // The value of key, default-made and inserted when absent.
    V& Lookup(const BXString& key, bool* inserted = nullptr) { return this->LookupNode(key, inserted)->m_value; }
    V& operator[](const BXString& key) { return Lookup(key); }
    void SetAt(const BXString& key, const V& value) { Lookup(key) = value; }
    // Null when absent; nothing is inserted.
    V* Find(const BXChar* key) const
    {
        Node* node = this->FindNodeByText(key);
        return node ? &node->m_value : nullptr;
    }
    V* Find(const BXString& key) const { return Find(key.GetString()); }
};

// Values are owned pointers: deleted when their node is destroyed or when a new value replaces them.
template <class V> class BXStringToOwnedPtrMap : public BXStringKeyTable<BXMapNode<BXString, V*>> {
    using Base = BXStringKeyTable<BXMapNode<BXString, V*>>;

public:
    using Node = BXMapNode<BXString, V*>;

    explicit BXStringToOwnedPtrMap(bool useBlockContainer = false) : Base(useBlockContainer) {}
    ~BXStringToOwnedPtrMap() override { this->RemoveAll(); }

    void DestroyNode(Node* node, bool free) override
    {
        delete node->m_value;
        node->m_value = nullptr;
        Base::DestroyNode(node, free);
    }

    void SetAt(const BXString& key, std::unique_ptr<V> value)
    {
        Node* node = this->LookupNode(key);
        if (node->m_value != value.get()) {
            delete node->m_value;
        }
        node->m_value = value.release();
    }
    // The object of key, or null; the map keeps it.
    V* Find(const BXChar* key) const
    {
        Node* node = this->FindNodeByText(key);
        return node ? node->m_value : nullptr;
    }
    V* Find(const BXString& key) const { return Find(key.GetString()); }
};
