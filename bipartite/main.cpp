// bipartite: reads an undirected multigraph from bipartite.in and writes to
// bipartite.out a set of at most half of its edges whose removal leaves it
// bipartite: the count, then the edge numbers on one line.
//
// A run, in the order below: the header is read, and what the graph will
// take worked out from it (footprint.h) and refused where it does not fit;
// the edges are read into lists (input.h), the vertices that they touch
// numbered again where they are few (numbering.h); each vertex's row of
// neighbours is laid out (rows.h); the local search moves vertices
// (search.h); the same-side edges are written (output.h).
//
// Memory: 20 bytes per edge plus 4 per vertex while the rows are laid out,
// 16 bytes per edge plus 8.3 per vertex in the search; numbering takes 40
// bytes per edge. A header buys no more than the file can hold: edges are
// checked against the memory available only as many as its size has room
// for, and room is taken only as they are read.
//
// On any fault it writes one line `bipartite: FILE: what is wrong` to
// standard error, leaves bipartite.out empty and ends with status 1.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <new>
#include <stdexcept>
#include <string>

#include "footprint.h"
#include "input.h"
#include "output.h"
#include "phases.h"
#include "platform.h"
#include "reader.h"
#include "rows.h"
#include "search.h"

int main() try {
    map_apart(sizeof(Chunk));
    errno = 0;
    const bool input_open = std::freopen(input_name, "r", stdin) != nullptr;
    const std::string input_fault = failed("cannot open");
    errno = 0;
    const bool output_open = std::freopen(output_name, "w", stdout) != nullptr;
    if (!input_open) fail(input_name, input_fault);
    if (!output_open) fail(output_name, failed("cannot create"));

    const int n = read_int("n");
    const int m = std::max(read_int("m"), 0);
    if (n < 1) fail(input_name, "n: " + std::to_string(n) + " is below 1");
    // Arrays far larger than the machine would be filled until the process
    // is killed: refuse them up front. A short file with a large m is left
    // to end at its end.
    const int held = edges_held(m);
    const unsigned long long available = available_memory();
    const Plan how = plan(n, held, available);
    if (how.needs > available) {
        fail(input_name, "a graph of " + std::to_string(n) + " vertices" +
                             (m > 0 ? " and " + std::to_string(m) + " edges" : "") + " needs " +
                             memory_text(static_cast<double>(how.needs)) + "; " +
                             memory_text(static_cast<double>(available)) + " is available");
    }
    phase_done("header");

    BlockLists lists = read_graph(n, m, held, how.numbered);
    phase_done("read");
    const Graph graph = lay_out(lists, m, how.huge_offsets);
    phase_done("lay out");
    const Split split = search(graph, m);
    phase_done("search");
    write_answer(graph, split);
    phase_done("write");
    return 0;
} catch (const std::bad_alloc&) {
    fail(input_name, "the graph does not fit in memory");
} catch (const std::length_error&) {  // more than a vector can hold, as on a 32-bit system
    fail(input_name, "the graph does not fit in memory");
}
