#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace vatro {

// An array with fixed inclusive bounds First..Last; an index outside them throws, so a
// fault shows up in a test instead of corrupting the game state.
template <typename T, int First, int Last> class FixedArray {
    static_assert(First <= Last);

public:
    static constexpr int first = First;
    static constexpr int last = Last;

    T& operator()(int index) { return m_items[offset(index)]; }
    const T& operator()(int index) const { return m_items[offset(index)]; }

    static constexpr bool contains(int index) { return index >= First && index <= Last; }
    void fill(const T& value) { m_items.fill(value); }

private:
    static std::size_t offset(int index) {
        if (!contains(index))
            throw std::out_of_range("index " + std::to_string(index) + " outside " +
                                    std::to_string(First) + ".." + std::to_string(Last));
        return static_cast<std::size_t>(index - First);
    }

    std::array<T, static_cast<std::size_t>(Last - First + 1)> m_items{};
};

// A two-dimensional array with fixed inclusive bounds on both indices.
template <typename T, int RowFirst, int RowLast, int ColFirst, int ColLast> class FixedArray2D {
public:
    T& operator()(int row, int col) { return m_rows(row)(col); }
    const T& operator()(int row, int col) const { return m_rows(row)(col); }

    static constexpr bool contains(int row, int col) {
        return row >= RowFirst && row <= RowLast && col >= ColFirst && col <= ColLast;
    }

private:
    FixedArray<FixedArray<T, ColFirst, ColLast>, RowFirst, RowLast> m_rows;
};

} // namespace vatro
