#include "footprint.h"

#include <algorithm>
#include <cstdint>

#include "rows.h"

namespace {

// The program's code, libraries and buffers: 1.1 MB measured, with the file
// system library linked in.
const unsigned long long program_bytes = 1536 << 10;

}  // namespace

// Laying out, the rows and their offsets beside the records of one part
// copied aside (a part's bytes, or a group's up to the search's states) and
// the tables of groups and parts; during the search the vertices' states,
// the move bits and the sides take their place.
Peaks peaks(unsigned long long n, unsigned long long m, unsigned long long beside) {
    const unsigned long long offsets = (n + 1) * sizeof(std::uint32_t);
    const unsigned long long rows = 2 * m * sizeof(Entry);
    const unsigned long long states = n * sizeof(std::int32_t);
    const unsigned long long groups = ((n - 1) >> group_shift(n, m)) + 1;
    const unsigned long long laying_out =
        beside + offsets + rows + std::min(rows, std::max<unsigned long long>(part_bytes, states)) +
        groups * 28;
    // Each level of move bits has 1/64 of the words of the one below.
    const unsigned long long bits = ((n + 63) / 64 + 2) * sizeof(std::uint64_t) * 64 / 63;
    const unsigned long long sides = (n + 63) / 64 * sizeof(std::uint64_t);
    const unsigned long long searching = offsets + rows + states + bits + sides;
    return {laying_out, searching};
}

unsigned long long footprint(unsigned long long n, unsigned long long m, bool rereadable) {
    const Peaks p = peaks(n, m, rereadable ? 0 : 2 * m * sizeof(std::uint32_t));
    return program_bytes + std::max(p.laying_out, p.searching);
}

// Two arrays of a (vertex, place) key an end, as read and to sort them, and
// the offsets of the rows that one of them becomes; then the search, in a
// graph of at most 2m + 1 vertices.
unsigned long long footprint_numbered(unsigned long long n, unsigned long long m) {
    const unsigned long long vertices = std::min(n, 2 * m + 1);
    const unsigned long long numbering =
        2 * 2 * m * sizeof(std::uint64_t) + (vertices + 1) * sizeof(std::uint32_t);
    return program_bytes + std::max(numbering, peaks(vertices, m).searching);
}

Plan plan(int n, int m, unsigned long long available, bool rereadable) {
    const unsigned long long whole = footprint(n, m, rereadable);
    const unsigned long long numbered = footprint_numbered(n, m);
    // Numbering costs time an edge and saves it a vertex: it pays where
    // m <= 3n / 10 (see bench/README.md); elsewhere it is chosen only where
    // the graph fits no other way.
    const bool pays = 10ULL * m <= 3ULL * static_cast<unsigned long long>(n);
    const bool number = numbered < whole && (pays || whole > available);
    if (number) return {Way::numbered, numbered};
    return {rereadable ? Way::read_twice : Way::ends_held, whole};
}
