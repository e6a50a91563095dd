// Reading bipartite.in, checked: `n` and `m`, then m edges, each two vertex
// numbers in 1..n that differ. Every fault ends the run through `fail` (see
// reader.h), which writes one line `bipartite: FILE: what is wrong` to
// standard error and ends with status 1.
#pragma once

#include "rows.h"

// The most edges that the input can hold, when that is fewer than m: each
// takes two numbers and a blank before each, 4 bytes at least. Unknown
// where the input is not a regular file; m then.
int edges_held(int m);

// The m edges of a graph of n vertices, of which the input holds at most
// `held`, as lists for laying out; with `numbered`, the vertices that they
// touch numbered again first (see numbering.h), and the lists of that many.
// Cost: O(m).
BlockLists read_graph(int n, int m, int held, bool numbered);
