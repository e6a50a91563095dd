// Reading bipartite.in, checked: `n` and `m`, then m edges, each two vertex
// numbers in 1..n that differ. Every fault is thrown as a Fault (reader.h).
#pragma once

#include "footprint.h"
#include "rows.h"

// The most edges that the input can hold, when that is fewer than m: each
// takes two numbers and a blank before each, 4 bytes at least. Unknown
// where the input is not a regular file; m then.
int edge_bound(int m);

// Whether the input is a regular file, which can be read again from its
// start; a pipe or a FIFO cannot.
bool input_rereadable();

// The graph of n vertices and m edges, of which the input holds at most
// `bound`, laid out in the way that `how` names. A file that is not the
// same when it is read again is reported.
// Cost: O(m), and O(n) for the rows' offsets.
Graph read_graph(int n, int m, int bound, const Plan& how);
