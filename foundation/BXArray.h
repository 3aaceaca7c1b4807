// Growable arrays that store their elements by value in one block: BXCoreArray (fields, growth, access),
// BXArray (add, insert, remove, find) and the number, pointer and owned-pointer forms. Every index is checked:
// operations ignore an index outside the array and operator[] stops the process rather than touch foreign memory.
#pragma once

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

// Capacity for n elements under a growth step: a fixed step g gives g * (n / g + 1); the stepped policy
// (growBy -1) gives the smallest of 4 ... 65536 that holds n, and n + 65536 beyond that.
inline int BXArrayGrownCapacity(int n, int growBy)
{
    if (growBy > 0) {
        long long capacity = static_cast<long long>(growBy) * (n / growBy + 1);
        return capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
    }
    static constexpr int kSteps[] = {4, 64, 256, 1024, 4096, 16384, 65536};
    for (int step : kSteps) {
        if (step >= n) {
            return step;
        }
    }
    return n > INT_MAX - 65536 ? INT_MAX : n + 65536;
}

// T: element; ArgT: how values are passed in; kPlain: elements may be moved with memmove and zeroed with
// memset (numbers and pointers), otherwise they are constructed, moved and destroyed one by one.
template <class T, class ArgT = const T&, bool kPlain = std::is_trivially_copyable_v<T>> class BXCoreArray {
public:
    BXCoreArray() = default;
    explicit BXCoreArray(int growBy) : m_growBy(growBy) {}
    BXCoreArray(const BXCoreArray& other) : m_growBy(other.m_growBy) { CopyElementsFrom(other); }
    BXCoreArray(BXCoreArray&& other) noexcept { Swap(other); }
    BXCoreArray& operator=(const BXCoreArray& other)
    {
        if (this != &other) {
            BXCoreArray copy(other);
            DestroyAll();
            Swap(copy);
        }
        return *this;
    }
    BXCoreArray& operator=(BXCoreArray&& other) noexcept
    {
        if (this != &other) {
            DestroyAll();
            Swap(other);
        }
        return *this;
    }

    // Slot 0.
    virtual ~BXCoreArray() { DestroyAll(); }

    // Slot 1: with the release flag, slot 2 sees the old element first. An index outside the array is ignored.
    virtual void SetAt(int index, ArgT value, bool release = true)
    {
        if (!IsValidIndex(index)) {
            return;
        }
        if (release && !IsSameElement(m_data[index], value)) {
            ReleaseAt(index);
        }
        m_data[index] = value;
    }

    // Slot 2: value arrays own nothing beyond the element itself.
    virtual void ReleaseAt(int /*index*/) {}

    int GetCount() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }
    int GetCapacity() const { return m_capacity; }
    int GetGrowBy() const { return m_growBy; }
    void SetGrowBy(int growBy) { m_growBy = growBy; }
    bool IsValidIndex(int index) const { return index >= 0 && index < m_count; }

    T* GetData() { return m_data; }
    const T* GetData() const { return m_data; }
    T* begin() { return m_data; }
    T* end() { return m_data + m_count; }
    const T* begin() const { return m_data; }
    const T* end() const { return m_data + m_count; }

    T& operator[](int index)
    {
        CheckIndex(index);
        return m_data[index];
    }
    const T& operator[](int index) const
    {
        CheckIndex(index);
        return m_data[index];
    }
    // A copy of the element, or a default value for an index outside the array.
    T GetAt(int index) const { return IsValidIndex(index) ? m_data[index] : T(); }

    // Makes room for count elements. Without the keep flag the array is emptied first; with the zero-fill
    // flag the new spare room of plain elements is zeroed.
    void Reserve(int count, bool exact = false, bool zeroFill = false, bool keep = true)
    {
        if (!keep) {
            RemoveTail(0);
        }
        if (count <= m_capacity) {
            return;
        }
        int capacity = exact ? count : BXArrayGrownCapacity(count, m_growBy);
        T* block = AllocateBlock(capacity);
        Relocate(block, m_data, m_count);
        if constexpr (kPlain) {
            if (zeroFill) {
                std::memset(static_cast<void*>(block + m_count), 0, sizeof(T) * (capacity - m_count));
            }
        } else {
            (void)zeroFill;
        }
        ::operator delete(static_cast<void*>(m_data));
        m_data = block;
        m_capacity = capacity;
    }

    // Grows with default-valued elements or shrinks (releasing the dropped ones); a negative count empties.
    void SetCount(int count)
    {
        if (count < 0) {
            count = 0;
        }
        if (count < m_count) {
            RemoveTail(count);
            return;
        }
        Reserve(count);
        for (; m_count < count; ++m_count) {
            new (static_cast<void*>(m_data + m_count)) T();
        }
    }

    // Releases every element and frees the block.
    void RemoveAll()
    {
        RemoveTail(0);
        ::operator delete(static_cast<void*>(m_data));
        m_data = nullptr;
        m_capacity = 0;
    }

protected:
    void CheckIndex(int index) const
    {
        if (!IsValidIndex(index)) {
            std::abort();
        }
    }

    static bool IsSameElement(const T& element, ArgT value)
    {
        if constexpr (std::is_pointer_v<T>) {
            return element == value;
        } else {
            (void)element;
            (void)value;
            return false;
        }
    }

    static T* AllocateBlock(int capacity)
    {
        if (capacity < 0 || static_cast<std::size_t>(capacity) > PTRDIFF_MAX / sizeof(T)) {
            throw std::bad_alloc();
        }
        return static_cast<T*>(::operator new(sizeof(T) * static_cast<std::size_t>(capacity)));
    }

    // Moves n live elements from source to target, which may overlap; the source slots end up unconstructed.
    static void Relocate(T* target, T* source, int n)
    {
        if (n <= 0 || target == source) {
            return;
        }
        if constexpr (kPlain) {
            std::memmove(static_cast<void*>(target), static_cast<const void*>(source), sizeof(T) * n);
        } else if (target < source) {
            for (int i = 0; i < n; ++i) {
                new (static_cast<void*>(target + i)) T(std::move(source[i]));
                source[i].~T();
            }
        } else {
            for (int i = n - 1; i >= 0; --i) {
                new (static_cast<void*>(target + i)) T(std::move(source[i]));
                source[i].~T();
            }
        }
    }

    // Room for one more element, keeping value valid even when it lives in the block being replaced.
    void GrowForOne()
    {
        if (m_count == INT_MAX) {
            throw std::bad_alloc();
        }
        Reserve(m_count + 1);
    }

    void RemoveTail(int newCount)
    {
        while (m_count > newCount) {
            ReleaseAt(m_count - 1);
            --m_count;
            m_data[m_count].~T();
        }
    }

    void DestroyAll()
    {
        for (int i = 0; i < m_count; ++i) {
            m_data[i].~T();
        }
        ::operator delete(static_cast<void*>(m_data));
        m_data = nullptr;
        m_count = 0;
        m_capacity = 0;
    }

    void Swap(BXCoreArray& other) noexcept
    {
        std::swap(m_count, other.m_count);
        std::swap(m_capacity, other.m_capacity);
        std::swap(m_growBy, other.m_growBy);
        std::swap(m_data, other.m_data);
    }

    void CopyElementsFrom(const BXCoreArray& other)
    {
        if (other.m_count == 0) {
            return;
        }
        m_data = AllocateBlock(other.m_count);
        m_capacity = other.m_count;
        for (; m_count < other.m_count; ++m_count) {
            new (static_cast<void*>(m_data + m_count)) T(other.m_data[m_count]);
        }
    }

    int m_count = 0;
    int m_capacity = 0;
    int m_growBy = -1;
    T* m_data = nullptr;
};

template <class T, class ArgT = const T&, bool kPlain = std::is_trivially_copyable_v<T>>
class BXArray : public BXCoreArray<T, ArgT, kPlain> {
    using Base = BXCoreArray<T, ArgT, kPlain>;

public:
    using Base::Base;

    // Appends and returns the new index.
    int Add(ArgT value)
    {
        if (this->m_count < this->m_capacity) {
            new (static_cast<void*>(this->m_data + this->m_count)) T(value);
        } else {
            T copy(value);
            this->GrowForOne();
            new (static_cast<void*>(this->m_data + this->m_count)) T(std::move(copy));
        }
        return this->m_count++;
    }

    // Inserts before index; an index equal to the count appends, any other outside index does nothing and
    // gives -1.
    int Insert(int index, ArgT value)
    {
        if (index < 0 || index > this->m_count) {
            return -1;
        }
        T copy(value);
        this->GrowForOne();
        Base::Relocate(this->m_data + index + 1, this->m_data + index, this->m_count - index);
        new (static_cast<void*>(this->m_data + index)) T(std::move(copy));
        ++this->m_count;
        return index;
    }

    // Removes count elements from index and shifts the tail down; the range is clipped to the array.
    void Remove(int index, int count = 1)
    {
        if (index < 0 || index >= this->m_count || count <= 0) {
            return;
        }
        if (count > this->m_count - index) {
            count = this->m_count - index;
        }
        for (int i = index; i < index + count; ++i) {
            this->ReleaseAt(i);
            this->m_data[i].~T();
        }
        Base::Relocate(this->m_data + index, this->m_data + index + count, this->m_count - index - count);
        this->m_count -= count;
    }

    // Index of the first element equal to value at or after start, or -1.
    int Find(ArgT value, int start = 0) const
    {
        for (int i = start < 0 ? 0 : start; i < this->m_count; ++i) {
            if (this->m_data[i] == value) {
                return i;
            }
        }
        return -1;
    }

    void RemoveAt(int index) { Remove(index, 1); }
};

// Numbers or raw pointers held as plain values.
template <class T> class BXNumberArray : public BXArray<T, T, true> {
    static_assert(std::is_arithmetic_v<T> || std::is_pointer_v<T>, "BXNumberArray holds numbers or pointers");

public:
    using BXArray<T, T, true>::BXArray;
};

// Raw pointers that the array never deletes.
template <class T> class BXPointerArray : public BXArray<T*, T*, true> {
public:
    using BXArray<T*, T*, true>::BXArray;
};

// Pointers that the array deletes when they are removed, overwritten or the array dies, while the owning
// flag is set. Not copyable: two owners would delete twice.
template <class T> class BXOwnedPtrArray : public BXArray<T*, T*, true> {
    using Base = BXArray<T*, T*, true>;

public:
    explicit BXOwnedPtrArray(bool owning = true) : m_owning(owning) {}
    BXOwnedPtrArray(const BXOwnedPtrArray&) = delete;
    BXOwnedPtrArray& operator=(const BXOwnedPtrArray&) = delete;
    ~BXOwnedPtrArray() override { this->RemoveAll(); }

    void ReleaseAt(int index) override
    {
        if (m_owning && this->IsValidIndex(index)) {
            delete this->m_data[index];
            this->m_data[index] = nullptr;
        }
    }

    using Base::Add;
    int Add(std::unique_ptr<T> value) { return Base::Add(value.release()); }

    // Takes an owned element out without deleting it; a non-owning array hands out nothing.
    std::unique_ptr<T> Detach(int index)
    {
        if (!m_owning || !this->IsValidIndex(index)) {
            return nullptr;
        }
        std::unique_ptr<T> element(this->m_data[index]);
        this->m_data[index] = nullptr;
        this->Remove(index, 1);
        return element;
    }

    bool IsOwning() const { return m_owning; }
    void SetOwning(bool owning) { m_owning = owning; }

private:
    bool m_owning;
};
