// Reading bipartite.in, checked: `n` and `m`, then m edges, each two vertex
// numbers in 1..n that differ. Every fault ends the run through `fail` (see
// reader.h), which writes one line `bipartite: FILE: what is wrong` to
// standard error and ends with status 1.
#pragma once

#include "footprint.h"
#include "rows.h"

// The most edges that the input can hold, when that is fewer than m: each
// takes two numbers and a blank before each, 4 bytes at least. Unknown
// where the input is not a regular file; m then.
int edges_held(int m);

// Whether the input is a regular file, which can be read again from its
// start; a pipe or a FIFO cannot.
bool input_rereadable();

// The graph of n vertices and m edges, of which the input holds at most
// `held`, laid out as `how` says: read twice, its edges gone over as they
// are read; or its ends held, and numbered again first where that is the
// plan. A file that is not the same the second time is reported.
// Cost: O(m), and O(n) for the rows' offsets.
Graph read_graph(int n, int m, int held, const Plan& how);
