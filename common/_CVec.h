// _CVec: the system's growable array. Capacity is 8 for fewer than 8 elements, otherwise
// 8 grown by x1.5 (truncated) until it holds them; capacity is never given back.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <type_traits>
#include <utility>

// Smallest capacity of the growth sequence 8, 12, 18, 27, 40, ... that holds `needed`.
[[nodiscard]] constexpr size_t _CVecCapacityFor(size_t needed) noexcept
{
    size_t capacity = 8;
    while (capacity < needed) {
        const size_t grown = capacity + capacity / 2;
        if (grown <= capacity)  // the sequence would stop growing: take what is asked for
            return needed;
        capacity = grown;
    }
    return capacity;
}

// Elements are trivially copyable (bytes, points, rectangles): blocks move with memcpy.
template <class T>
class _CVec {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    _CVec() = default;
    _CVec(const T* from, size_t count) { assign(from, count); }
    _CVec(const _CVec& other) { assign(other.data(), other.size()); }
    _CVec(_CVec&& other) noexcept { swap(other); }
    _CVec& operator=(const _CVec& other)
    {
        if (this != &other)
            assign(other.data(), other.size());
        return *this;
    }
    _CVec& operator=(_CVec&& other) noexcept
    {
        _CVec moved(std::move(other));
        swap(moved);
        return *this;
    }
    ~_CVec() { ::operator delete(begin_); }

    [[nodiscard]] size_t size() const noexcept { return count_; }
    [[nodiscard]] size_t capacity() const noexcept { return capacity_; }
    [[nodiscard]] bool empty() const noexcept { return count_ == 0; }
    [[nodiscard]] T* data() noexcept { return begin_; }
    [[nodiscard]] const T* data() const noexcept { return begin_; }
    [[nodiscard]] T* begin() noexcept { return begin_; }
    [[nodiscard]] T* end() noexcept { return begin_ + count_; }
    [[nodiscard]] const T* begin() const noexcept { return begin_; }
    [[nodiscard]] const T* end() const noexcept { return begin_ + count_; }
    T& operator[](size_t i) noexcept { return begin_[i]; }
    const T& operator[](size_t i) const noexcept { return begin_[i]; }

    void swap(_CVec& other) noexcept
    {
        std::swap(begin_, other.begin_);
        std::swap(count_, other.count_);
        std::swap(capacity_, other.capacity_);
    }

    // Makes room for `needed` elements by the growth rule; the contents stay.
    void reserve(size_t needed)
    {
        if (needed <= capacity_)
            return;
        const size_t capacity = _CVecCapacityFor(needed);
        if (capacity > std::numeric_limits<size_t>::max() / sizeof(T))
            throw std::bad_alloc();
        T* block = static_cast<T*>(::operator new(capacity * sizeof(T)));
        if (count_)
            std::memcpy(block, begin_, count_ * sizeof(T));
        ::operator delete(begin_);
        begin_ = block;
        capacity_ = capacity;
    }

    void clear() noexcept { count_ = 0; }

    // New elements are zero; shrinking keeps the capacity.
    void resize(size_t count)
    {
        reserve(count);
        if (count > count_)
            std::memset(static_cast<void*>(begin_ + count_), 0, (count - count_) * sizeof(T));
        count_ = count;
    }

    void assign(const T* from, size_t count)
    {
        if (count > capacity_) {
            _CVec fresh;
            fresh.reserve(count);
            swap(fresh);
        }
        if (count)
            std::memmove(begin_, from, count * sizeof(T));
        count_ = count;
    }

    void push_back(const T& value)
    {
        if (count_ == capacity_) {
            T copy = value;  // value may live in this array
            reserve(count_ + 1);
            begin_[count_++] = copy;
        } else {
            begin_[count_++] = value;
        }
    }

    void append(const T* from, size_t count) { insert(count_, from, count); }

    // `from` must not point into this array.
    void insert(size_t at, const T* from, size_t count)
    {
        if (!count)
            return;
        if (count_ + count > capacity_) {
            _CVec grown;
            grown.reserve(count_ + count);
            if (at)
                std::memcpy(grown.begin_, begin_, at * sizeof(T));
            std::memcpy(grown.begin_ + at, from, count * sizeof(T));
            if (count_ > at)
                std::memcpy(grown.begin_ + at + count, begin_ + at, (count_ - at) * sizeof(T));
            grown.count_ = count_ + count;
            swap(grown);
            return;
        }
        std::memmove(begin_ + at + count, begin_ + at, (count_ - at) * sizeof(T));
        std::memcpy(begin_ + at, from, count * sizeof(T));
        count_ += count;
    }

    void erase(size_t at, size_t count) noexcept
    {
        std::memmove(begin_ + at, begin_ + at + count, (count_ - at - count) * sizeof(T));
        count_ -= count;
    }

private:
    T* begin_ = nullptr;
    size_t count_ = 0;     // invariant: count_ <= capacity_
    size_t capacity_ = 0;  // 0 or a value of the growth sequence (or exactly what was asked past it)
};
