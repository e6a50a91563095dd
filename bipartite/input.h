// Reading bipartite.in, checked: `n` and `m`, then m edges, each two vertex
// numbers in 1..n that differ. Every fault is thrown as a Fault (reader.h).
#pragma once

#include <cstdint>
#include <vector>

#include "footprint.h"
#include "output.h"
#include "rows.h"

// The most edges that the input can hold, when that is fewer than m: each
// takes two numbers and a blank before each, 4 bytes at least. Unknown
// where the input is not a regular file; m then.
int edge_bound(int m);

// Whether the input is a regular file, which can be read again from its
// start; a pipe or a FIFO cannot.
bool input_rereadable();

// A graph laid out, and how its edges are gone over again for the answer:
// the file read again, its edges what `checksum` sums; or the ends held in
// memory, two an edge in order: a pipe's in `held`, or a numbered graph's
// after its rows.
struct Laid {
    Graph graph;
    Room<std::int32_t> states;  // the layout's room, handed on to the search
    std::vector<std::uint32_t> held;
    const std::uint32_t* ends = nullptr;
    std::uint64_t checksum = 0;
};

// The graph of n vertices and m edges, of which the input holds at most
// `bound`, laid out in the way that `how` names. A file that does not hold
// the same edges when it is read again is reported.
// Cost: O(m), and O(n) for the rows' offsets.
Laid read_graph(int n, int m, int bound, const Plan& how);

// Gives back the memory that the search alone needs, the offsets and the
// states' room; and hands on the rows' room, whose pages are taken already,
// for the answer. A numbered graph's ends, after its rows, stay where they
// are.
Room<std::uint32_t> rows_given_back(Laid& laid);

// Each edge of `laid` again, in order, handed to `answer`; a file that does
// not hold the edges laid out is reported.
void answer_again(int n, int m, const Laid& laid, Answer& answer);
