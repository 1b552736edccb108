#pragma once
// Compile-time checks of the program's constant tables, for static_assert:
// a table that breaks one does not build.

#include <cstddef>

namespace cindrel {

/// True when row i of the table has key number i (the enumerator the row
/// is for), so that a key finds its row by its number.
template <typename Rows, typename Row, typename Key>
constexpr bool rowsFollowKeys(const Rows &rows, Key Row::*key)
{
    std::size_t i = 0;
    for (const Row &row : rows) {
        if (std::size_t(row.*key) != i++)
            return false;
    }
    return true;
}

/// True when the rows' spans (first to last) follow each other without gap
/// or overlap from 0 to max, so that every value has exactly one row.
template <typename Rows> constexpr bool spansFromZeroTo(const Rows &rows, int max)
{
    int next = 0;
    for (const auto &row : rows) {
        if (row.first != next || row.last < row.first)
            return false;
        next = row.last + 1;
    }
    return next == max + 1;
}

} // namespace cindrel
