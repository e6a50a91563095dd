#include "footprint.h"

#include <algorithm>
#include <cstdint>

#include "numbering.h"
#include "output.h"
#include "rows.h"
#include "search.h"

namespace {

// The program's code, libraries and buffers: 1.5 MB measured on a graph of
// one edge, with the file system library linked in; and the tables of the
// bins' layout (at most 2^16 groups).
const unsigned long long program_bytes = 1792 << 10;

}  // namespace

unsigned long long Peaks::peak() const {
    return std::max({counting, laying_out, searching, answering});
}

// Read twice or with its ends held: as records, the tally, then the rows
// and the layout's bins and tables, then the rows and the search; else the
// offsets and the bins' room, which becomes the states, then the rows. The
// answer's keys, of at most m / 2 same-side edges, once the rows are given
// back. A numbered graph: its ends' keys and the offsets, then its rows and
// each end's new index in the keys' memory, the search over at most 2m + 1
// vertices, and the answer beside the rows.
Peaks peaks(unsigned long long n, unsigned long long m, Way way) {
    const unsigned long long answer = Answer::bytes(m / 2);
    if (way == Way::numbered) {
        const unsigned long long vertices = std::min(n, 2 * m + 1);
        const unsigned long long offsets = Room<std::uint32_t>::bytes(vertices + 1);
        const unsigned long long rows_and_ends = Room<std::uint32_t>::bytes(4 * m);
        return {Numbering::bytes(2 * m) + offsets, rows_and_ends + offsets,
                rows_and_ends + offsets + search_bytes(vertices),
                rows_and_ends + Split::bytes(vertices) + answer};
    }
    const unsigned long long held = way == Way::ends_held ? Room<std::uint32_t>::bytes(2 * m) : 0;
    const unsigned long long bins = bin_bytes(n);
    const unsigned long long states = Room<std::int32_t>::bytes(n);
    const unsigned long long searching =
        held + Graph::bytes(n, m) + bins - states + search_bytes(n);
    if (records_fit(static_cast<int>(n))) {
        const unsigned long long tables = RecordLayout::table_bytes(n, m);
        return {held + Tally::bytes(n, m), held + Graph::bytes(n, m) + bins + tables, searching,
                held + Split::bytes(n) + answer};
    }
    const unsigned long long offsets = Room<std::uint32_t>::bytes(n + 1);
    return {held + offsets + bins, held + Graph::bytes(n, m) + bins, searching,
            held + Split::bytes(n) + answer};
}

unsigned long long footprint(unsigned long long n, unsigned long long m, Way way) {
    return program_bytes + peaks(n, m, way).peak();
}

Plan plan(int n, int m, unsigned long long available, bool rereadable) {
    const Way whole = rereadable ? Way::reread : Way::ends_held;
    const unsigned long long unnumbered = footprint(n, m, whole);
    const unsigned long long numbered = footprint(n, m, Way::numbered);
    // Numbering costs time an edge and saves it a vertex: it pays where
    // m <= 3n / 10 (see bench/README.md); elsewhere it is chosen only where
    // the graph fits no other way.
    const bool pays = 10ULL * m <= 3ULL * static_cast<unsigned long long>(n);
    if (numbered < unnumbered && (pays || unnumbered > available)) return {Way::numbered, numbered};
    return {whole, unnumbered};
}
