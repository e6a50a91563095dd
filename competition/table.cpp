#include "table.h"

#include <algorithm>
#include <cstdint>
#include <new>

namespace {

const std::uint8_t head3[3][3] = {{10, 8, 7}, {0, 9, 8}, {1, 0, 9}};
const std::uint8_t cycle3[3][3] = {{2, 1, 0}, {0, 2, 1}, {1, 0, 2}};
const std::uint8_t head4[4][4] = {{10, 8, 7, 6}, {0, 9, 8, 7}, {1, 0, 9, 8}, {2, 1, 0, 9}};
const std::uint8_t cycle4[4][4] = {{3, 2, 1, 0}, {0, 3, 2, 1}, {1, 0, 3, 2}, {2, 1, 0, 3}};

// Value at tail position t (column k + t) of row i.
std::uint8_t tail(int i, int t) {
    const bool even_t = t % 2 == 0;
    if (i == 0) return even_t ? 3 : 2;
    if (i == 1) return even_t ? 0 : 3;
    return ((i ^ t) & 1) == 0 ? 1 : 0;  // i + t even, without forming the sum
}

// Rows 0..k-1 start with the head lists, later rows with the cycle lists in
// turn; every row then gets its tail.
template <int k>
Table gen(int rows, int cols, const std::uint8_t (&head)[k][k], const std::uint8_t (&cycle)[k][k]) {
    Table table;
    table.height = std::max(rows, k);
    table.width = std::max(cols, k);
    // Below 2^62 bytes, but past a 32-bit size_t: refused as new refuses
    // any block that it cannot give.
    const unsigned long long size = static_cast<unsigned long long>(table.height) *
                                    static_cast<unsigned long long>(table.width);
    if (size > PTRDIFF_MAX) throw std::bad_alloc();
    // Not zero-filled: every value is written once, below.
    table.values.reset(new std::uint8_t[static_cast<std::size_t>(size)]);
    for (int i = 0; i < table.height; ++i) {
        std::uint8_t* const row = table[i];
        const std::uint8_t* start = i < k ? head[i] : cycle[(i - k) % k];
        std::copy(start, start + k, row);
        for (int t = 0; t < table.width - k; ++t) row[k + t] = tail(i, t);
    }
    return table;
}

}  // namespace

Table gen3(int rows, int cols) { return gen(rows, cols, head3, cycle3); }

Table gen4(int rows, int cols) { return gen(rows, cols, head4, cycle4); }
