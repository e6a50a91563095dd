// The result tables of `competition`: at least k rows of at least k small
// integers (0 to 10), a fixed head block of width k followed by a tail that
// repeats every two columns. With `rows` >= k and `cols` >= k, row i+1 holds
// the larger value in more columns than row i, and row 0 in more than the
// last row: the rows form a cycle.
//
// Time and memory: O(max(rows, k) * max(cols, k)), a byte a value. Throws
// std::bad_alloc when the table does not fit; nothing is left behind then.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// `height` rows of `width` values, in one block, row after row: one
// allocation however many rows, and a byte a value, which is all that 0 to
// 10 needs.
struct Table {
    int height = 0, width = 0;
    std::unique_ptr<std::uint8_t[]> values;

    // Row i: its `width` values.
    std::uint8_t* operator[](int i) {
        return values.get() + static_cast<std::size_t>(i) * static_cast<std::size_t>(width);
    }
    const std::uint8_t* operator[](int i) const { return const_cast<Table&>(*this)[i]; }
};

// Head width 3: the table for odd `cols`.
Table gen3(int rows, int cols);

// Head width 4: the table for even `cols`.
Table gen4(int rows, int cols);
