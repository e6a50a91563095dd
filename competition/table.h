// The result tables of `competition`: at least k rows of at least k small
// integers (0 to 10), a fixed head block of width k followed by a tail that
// repeats every two columns. With `rows` >= k and `cols` >= k, row i+1 holds
// the larger value in more columns than row i, and row 0 in more than the
// last row: the rows form a cycle.
//
// Time and memory: O(max(rows, k) * max(cols, k)). Throws std::bad_alloc
// when the table does not fit; nothing is left behind then.
#pragma once

#include <vector>

// Head width 3: the table for odd `cols`.
std::vector<std::vector<int>> gen3(int rows, int cols);

// Head width 4: the table for even `cols`.
std::vector<std::vector<int>> gen4(int rows, int cols);
