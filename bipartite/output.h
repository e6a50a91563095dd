// Writing bipartite.out: the number of same-side edges on one line and,
// when it is not 0, their numbers on the next, each at its lower end, lower
// ends ascending, then in the order read. On a failed write, flush or close
// the file is emptied and the run ends as on any error.
//
// Cost: O(n + m), one pass over the rows in order and a side looked up for
// every other entry.
#pragma once

#include "rows.h"
#include "search.h"

extern const char* const output_name;

// Writes the answer to standard output, which is open on bipartite.out,
// and closes it.
void write_answer(const Graph& graph, const Split& split);
