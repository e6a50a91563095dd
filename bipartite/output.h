// Writing bipartite.out: the number of same-side edges on one line and,
// when it is not 0, their numbers on the next, each at its lower end, lower
// ends ascending, then in the order read. A failed write, flush or close is
// a fault, and the output stays as it was.
//
// Cost: O(n + m), one pass over the rows in order and a side looked up for
// every other entry.
#pragma once

#include "rows.h"
#include "search.h"

extern const char* const output_name;

// Writes the answer to standard output, which open_files bound, and puts
// it in place of bipartite.out.
void write_answer(const Graph& graph, const Split& split);
