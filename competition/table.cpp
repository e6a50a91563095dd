#include "table.h"

#include <algorithm>
#include <cstdint>

// Why the rows form a cycle. Say that a row wins a column where it holds
// the larger value.
//
// The head lists fill the head block: 9 on its diagonal (10 at the top
// left, so that row 0 has the largest sum), falling by one a column to the
// right of it and counting up from 0 a row below it. The cycle lists go on
// with that count below the block, modulo k: row i holds (i - 1 - j) mod k
// in head column j. So in k - 1 head columns row i+1 holds one more than
// row i, and in the one where row i holds the largest value of its kind (9
// on the diagonal, k - 1 below the block) row i+1 holds 0: row i+1 wins
// k - 1 head columns and row i wins one.
//
// The tails split evenly between any two rows in a row: from row 2 on the
// tail of row i holds 1 where i + t is even and 0 elsewhere, so two rows in
// a row win every other tail column each, as do rows 0 (3 2 3 2 ...) and 1
// (0 3 0 3 ...), and rows 1 and 2; and every tail has an even number of
// columns. So row i+1 wins k - 2 more columns than row i.
//
// Row 0 closes the cycle: its head values, 6 and more, and its tail's, 2 and
// 3, beat every row below the head block, whose values are at most k - 1
// in the head and at most 1 in the tail. A table of the head block alone
// ends with row k - 1, which wins one head column (its 9) against row 0 and
// no tail column.

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
// turn; every row then gets its tail, of which two positions are held. Each
// different row is built once: those of the head block, and one period of
// the rows below it, as many as the table has.
template <int k>
Table gen(int rows, int cols, const std::uint8_t (&head)[k][k], const std::uint8_t (&cycle)[k][k]) {
    Table table;
    table.k = k;
    table.height = std::max(rows, k);
    table.width = std::max(cols, k);
    const int built = k + std::min(table.height - k, table.period());
    for (int i = 0; i < built; ++i) {
        Table::Row row{};
        const std::uint8_t* start = i < k ? head[i] : cycle[(i - k) % k];
        std::copy(start, start + k, row.head);
        for (int t = 0; t < 2; ++t) row.tail[t] = tail(i, t);
        table.rows.push_back(row);
    }
    return table;
}

}  // namespace

Table gen3(int rows, int cols) { return gen(rows, cols, head3, cycle3); }

Table gen4(int rows, int cols) { return gen(rows, cols, head4, cycle4); }
