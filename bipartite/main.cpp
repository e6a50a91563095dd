// bipartite: reads an undirected multigraph from bipartite.in and writes to
// bipartite.out a set of at most half of its edges whose removal leaves it
// bipartite: the count, then the edge numbers on one line.
//
// A run, in the order below: the header is read, and what the graph will
// take worked out from it (footprint.h) and refused where it does not fit;
// the edges are read and each part's ends counted, then read again and
// laid out as each vertex's row of neighbours (input.h, rows.h), or, where
// the edges touch few of the vertices, numbered again and laid out from
// their keys (numbering.h); the local search moves vertices (search.h);
// the edges are gone over once more, and the same-side ones written
// (output.h).
//
// Memory: 8 bytes per edge and 8.3 per vertex in the search, which is the
// peak, the rows holding only neighbours; the edges' numbers are read again
// for the answer. An input that cannot be read again (a pipe) holds 8 bytes
// per edge more, and numbering takes 32 bytes per edge. A header buys no
// more than the file can hold: edges are checked against the memory
// available only as many as its size has room for, and nothing large is
// taken before they are all read.
//
// A fault anywhere is thrown as a Fault (reader.h) and reported here, once:
// one line `bipartite: FILE: what is wrong` on standard error, and status 1;
// bipartite.out is then as it was (output_file.h).
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>

#include "footprint.h"
#include "input.h"
#include "output.h"
#include "output_file.h"
#include "phases.h"
#include "platform.h"
#include "reader.h"
#include "rows.h"
#include "search.h"

namespace {

int run() {
    open_files(input_name, output_name);

    const int n = read_int("n");
    const int m = std::max(read_int("m"), 0);
    if (n < 1) fail(input_name, "n: " + std::to_string(n) + " is below 1");
    // Arrays far larger than the machine would be filled until the process
    // is killed: refuse them up front. A short file with a large m is left
    // to end at its end.
    const int bound = edge_bound(m);
    const unsigned long long available = available_memory();
    const Plan how = plan(n, bound, available, input_rereadable());
    if (how.needs > available) {
        fail(input_name, "a graph of " + std::to_string(n) + " vertices" +
                             (bound > 0 ? " and " + std::to_string(bound) + " edges" : "") +
                             " needs " + memory_text(static_cast<double>(how.needs)) + "; " +
                             memory_text(static_cast<double>(available)) + " is available");
    }
    phase_done("header");

    Laid laid = read_graph(n, m, bound, how);
    phase_done("lay out");
    const Split split = search(laid.graph, m, std::move(laid.states));
    phase_done("search");
    Answer answer(split, rows_given_back(laid));
    answer_again(n, m, laid, answer);
    phase_done("read again");
    answer.write();
    phase_done("write");
    return 0;
}

}  // namespace

int main() {
    try {
        return run();
    } catch (const Fault& fault) {
        return report("bipartite", fault);
    } catch (const std::bad_alloc&) {
        return report("bipartite", {input_name, "the graph does not fit in memory"});
    } catch (const std::length_error&) {  // more than a vector can hold, as on a 32-bit system
        return report("bipartite", {input_name, "the graph does not fit in memory"});
    }
}
