// The result tables of `competition`: max(rows, k) rows of max(cols, k)
// small integers (0 to 10), where k, the head width, is 3 for gen3 and 4 for
// gen4. A table has few different rows: the k rows of its head block, and
// below them rows that repeat every lcm(k, 2) rows, 6 for gen3 and 4 for
// gen4. And a row's tail, its values past column k, repeats every two
// columns. So a table of any size is held as at most 9 rows (8 for gen4),
// each as its k head values and its tail's two, and row i as the row it
// equals.
//
// With rows >= k and cols >= k, row i+1 holds the larger value in k - 2
// more columns than row i, and row 0 in more than the last row: the rows
// form a cycle (table.cpp says why).
//
// Time and memory: O(k) for any shape.
#pragma once

#include <cstdint>
#include <vector>

struct Table {
    // A different row: its head, values 0..k-1, and its tail, the values
    // at even and at odd tail positions t = j - k.
    struct Row {
        std::uint8_t head[4];
        std::uint8_t tail[2];
    };
    // The values of one row, as a row of the whole table would give them.
    struct Values {
        const Row* row;
        int k;
        std::uint8_t operator[](int j) const {
            return j < k ? row->head[j] : row->tail[(j - k) % 2];
        }
    };

    int height = 0, width = 0, k = 0;
    std::vector<Row> rows;  // the head block's k rows, then one period of the rows below it

    // The period of the rows below the head block: they follow the cycle
    // lists, k of them, and the tails' two phases.
    int period() const { return k == 3 ? 6 : 4; }
    // Which of `rows` row i of the table equals.
    int row_of(int i) const { return i < k ? i : k + (i - k) % period(); }
    Values operator[](int i) const { return {&rows[row_of(i)], k}; }
};

// Head width 3: the table for odd `cols`.
Table gen3(int rows, int cols);

// Head width 4: the table for even `cols`.
Table gen4(int rows, int cols);
