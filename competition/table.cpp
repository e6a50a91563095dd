#include "table.h"

#include <algorithm>
#include <utility>

namespace {

const int head3[3][3] = {{10, 8, 7}, {0, 9, 8}, {1, 0, 9}};
const int cycle3[3][3] = {{2, 1, 0}, {0, 2, 1}, {1, 0, 2}};
const int head4[4][4] = {{10, 8, 7, 6}, {0, 9, 8, 7}, {1, 0, 9, 8}, {2, 1, 0, 9}};
const int cycle4[4][4] = {{3, 2, 1, 0}, {0, 3, 2, 1}, {1, 0, 3, 2}, {2, 1, 0, 3}};

// Value at tail position t (column k + t) of row i.
int tail(int i, int t) {
    const bool even_t = t % 2 == 0;
    if (i == 0) return even_t ? 3 : 2;
    if (i == 1) return even_t ? 0 : 3;
    return ((i ^ t) & 1) == 0 ? 1 : 0;  // i + t even, without forming the sum
}

// Rows 0..k-1 start with the head lists, later rows with the cycle lists in
// turn; every row then gets its tail.
template <int k>
std::vector<std::vector<int>> gen(int rows, int cols, const int (&head)[k][k],
                                  const int (&cycle)[k][k]) {
    const int height = std::max(rows, k);
    const int width = std::max(cols, k);
    std::vector<std::vector<int>> table;
    table.reserve(height);
    for (int i = 0; i < height; ++i) {
        const int* start = i < k ? head[i] : cycle[(i - k) % k];
        std::vector<int> row;
        row.reserve(width);
        row.assign(start, start + k);
        for (int t = 0; t < width - k; ++t) row.push_back(tail(i, t));
        table.push_back(std::move(row));
    }
    return table;
}

}  // namespace

std::vector<std::vector<int>> gen3(int rows, int cols) { return gen(rows, cols, head3, cycle3); }

std::vector<std::vector<int>> gen4(int rows, int cols) { return gen(rows, cols, head4, cycle4); }
