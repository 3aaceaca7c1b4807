// The chained hash table under every map and set: odd bucket counts (7, 15, 31, ...), new nodes at the end of
// their chain, iteration in bucket order. Key kinds supply Hash and Equal; nodes come from the heap or from an
// attached CBlockDataContainer. Not synchronised: one thread at a time.
#pragma once

#include "CBlockDataContainer.h"

#include <cstdint>
#include <memory>
#include <new>

// Key and value maps: next, key, value.
template <class K, class V> struct BXMapNode {
    BXMapNode* m_next = nullptr;
    K m_key;
    V m_value{};
};

// Sets: next, key.
template <class K> struct BXSetNode {
    BXSetNode* m_next = nullptr;
    K m_key;
};

template <class Node, class KeyArg> class BXHashTable {
public:
    BXHashTable(const BXHashTable&) = delete;
    BXHashTable& operator=(const BXHashTable&) = delete;

    // Slot 0. Kinds that override DestroyNode clear themselves in their own destructor.
    virtual ~BXHashTable() { RemoveAll(); }
    // Slot 1.
    virtual void FreeNode(Node* node) { DestroyNode(node, true); }
    // Slot 2.
    virtual int BucketOfNode(const Node* node) const { return static_cast<int>(Hash(node->m_key) % BucketDivisor()); }
    // Slot 3.
    virtual int NodeSize() const { return static_cast<int>(sizeof(Node)); }
    // Slot 4.
    virtual std::uint32_t Hash(KeyArg key) const = 0;
    // Slot 5.
    virtual bool Equal(KeyArg first, KeyArg second) const = 0;
    // Slot 6: releases key and value; the memory goes back to the heap only when no container is attached.
    virtual void DestroyNode(Node* node, bool free)
    {
        node->~Node();
        if (free && !m_container) {
            ::operator delete(static_cast<void*>(node));
        }
    }
    // Slot 7.
    virtual Node* NewNode(KeyArg key)
    {
        void* memory = m_container ? m_container->Allocate(NodeSize()) : ::operator new(sizeof(Node));
        if (m_container) {
            return new (memory) Node{nullptr, key};
        }
        try {
            return new (memory) Node{nullptr, key};
        } catch (...) {
            ::operator delete(memory);
            throw;
        }
    }

    int GetCount() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }
    int GetBucketCount() const { return m_bucketCount; }
    bool HasBlockContainer() const { return m_container != nullptr; }

    // Node storage from 65,536-byte blocks from now on; only while the table holds no nodes.
    bool UseBlockContainer()
    {
        if (m_count != 0) {
            return false;
        }
        if (!m_container) {
            m_container = std::make_unique<CBlockDataContainer>();
        }
        return true;
    }

    // The node of key, created at the end of its chain when absent (inserted tells which).
    Node* LookupNode(KeyArg key, bool* inserted = nullptr)
    {
        std::uint32_t hash = Hash(key);
        if (m_buckets) {
            for (Node* node = m_buckets[hash % BucketDivisor()]; node; node = node->m_next) {
                if (Equal(node->m_key, key)) {
                    if (inserted) {
                        *inserted = false;
                    }
                    return node;
                }
            }
        }
        if (!m_buckets || m_count + 1 > 2 * m_bucketCount + 2) {
            Rehash(m_count + 1, false);
        }
        Node* node = NewNode(key);
        Node** link = &m_buckets[hash % BucketDivisor()];
        while (*link) {
            link = &(*link)->m_next;
        }
        *link = node;
        ++m_count;
        if (inserted) {
            *inserted = true;
        }
        return node;
    }

    Node* FindNode(KeyArg key) const
    {
        if (!m_buckets) {
            return nullptr;
        }
        for (Node* node = m_buckets[Hash(key) % BucketDivisor()]; node; node = node->m_next) {
            if (Equal(node->m_key, key)) {
                return node;
            }
        }
        return nullptr;
    }

    bool Contains(KeyArg key) const { return FindNode(key) != nullptr; }

    bool RemoveKey(KeyArg key)
    {
        if (!m_buckets) {
            return false;
        }
        for (Node** link = &m_buckets[Hash(key) % BucketDivisor()]; *link; link = &(*link)->m_next) {
            Node* node = *link;
            if (Equal(node->m_key, key)) {
                *link = node->m_next;
                --m_count;
                FreeNode(node);
                return true;
            }
        }
        return false;
    }

    // Destroys every node and drops the bucket table; an attached container is kept, emptied.
    void RemoveAll()
    {
        for (int bucket = 0; bucket < m_bucketCount; ++bucket) {
            Node* node = m_buckets[bucket];
            while (node) {
                Node* next = node->m_next;
                FreeNode(node);
                node = next;
            }
        }
        m_buckets.reset();
        m_bucketCount = 0;
        m_count = 0;
        if (m_container) {
            m_container->Reset();
        }
    }

    // Rebuilds the table for n entries: the bucket count becomes c - 1 for the smallest power of two c, at
    // least 8, above n (or above n * 1.2 with the margin flag). Old nodes move to the head of their new chain.
    void Rehash(int n, bool margin = false)
    {
        long long wanted = n < 0 ? 0 : n;
        if (margin) {
            wanted = wanted * 120 / 100;
        }
        long long power = 8;
        while (power <= wanted && power < kLargestBucketPower) {
            power *= 2;
        }
        int bucketCount = static_cast<int>(power - 1);
        auto buckets = std::make_unique<Node*[]>(static_cast<std::size_t>(bucketCount));
        for (int bucket = 0; bucket < m_bucketCount; ++bucket) {
            Node* node = m_buckets[bucket];
            while (node) {
                Node* next = node->m_next;
                Node*& head = buckets[Hash(node->m_key) % static_cast<std::uint32_t>(bucketCount)];
                node->m_next = head;
                head = node;
                node = next;
            }
        }
        m_buckets = std::move(buckets);
        m_bucketCount = bucketCount;
    }

    // Iteration visits buckets in index order and each chain from its head.
    Node* GetFirstNode() const { return FirstFrom(0); }
    Node* GetNextNode(const Node* node) const
    {
        if (!node) {
            return nullptr;
        }
        if (node->m_next) {
            return node->m_next;
        }
        return FirstFrom(BucketOfNode(node) + 1);
    }

    class Iterator {
    public:
        Iterator(const BXHashTable* table, Node* node) : m_table(table), m_node(node) {}
        Node& operator*() const { return *m_node; }
        Node* operator->() const { return m_node; }
        Iterator& operator++()
        {
            m_node = m_table->GetNextNode(m_node);
            return *this;
        }
        bool operator==(const Iterator& other) const { return m_node == other.m_node; }
        bool operator!=(const Iterator& other) const { return m_node != other.m_node; }

    private:
        const BXHashTable* m_table;
        Node* m_node;
    };
    Iterator begin() const { return Iterator(this, GetFirstNode()); }
    Iterator end() const { return Iterator(this, nullptr); }

protected:
    explicit BXHashTable(bool useBlockContainer = false)
    {
        if (useBlockContainer) {
            m_container = std::make_unique<CBlockDataContainer>();
        }
    }

    // Keeps the table within what an int bucket count and the address space allow.
    static constexpr long long kLargestBucketPower = 1LL << 30;

    std::uint32_t BucketDivisor() const { return static_cast<std::uint32_t>(m_bucketCount); }

    Node* FirstFrom(int bucket) const
    {
        for (; bucket < m_bucketCount; ++bucket) {
            if (m_buckets[bucket]) {
                return m_buckets[bucket];
            }
        }
        return nullptr;
    }

    int m_count = 0;
    int m_bucketCount = 0;
    std::unique_ptr<CBlockDataContainer> m_container;
    std::unique_ptr<Node*[]> m_buckets;
};
