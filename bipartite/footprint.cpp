#include "footprint.h"

#include <algorithm>
#include <cstdint>

#include "rows.h"

namespace {

const unsigned long long page_bytes = 4096;

// The program's code, libraries and buffers: 1.1 MB measured, with the file
// system library linked in.
const unsigned long long program_bytes = 1536 << 10;

}  // namespace

// The layout's peak is at its start, where m >= n, which is where it rules:
// the lists of all the ends beside the first block's offsets, counts and
// rows, whose pages are taken before the rows are written (at most about
// `block_bytes` in a random graph or where edges crowd together, twice that
// in any). During the search the vertices' states, the move bits and the
// sides take the lists' place.
Peaks peaks(unsigned long long n, unsigned long long m) {
    const int shift = block_shift(n, m);
    const unsigned long long offsets = (n + 1) * sizeof(std::uint32_t);
    const unsigned long long rows = 2 * m * sizeof(Entry);
    // A chunk's mapping is whole pages, the allocator's header of 16 bytes
    // included, and the last chunk of a list a partly filled piece of pages
    // (see EndList): in every block that has ends, and in each part of a
    // block split.
    const unsigned long long chunk_bytes =
        (sizeof(Chunk) + 16 + page_bytes - 1) / page_bytes * page_bytes;
    const unsigned long long piece_bytes = 2048 * Chunk::record + page_bytes;
    const unsigned long long lists =
        2 * m * chunk_bytes / Chunk::size +
        piece_bytes * (std::min(((n - 1) >> shift) + 1, 2 * m) + 2 * rows / block_bytes + 1);
    const unsigned long long laying_out = 2 * (sizeof(std::uint32_t) << shift) + lists +
                                          std::min<unsigned long long>(rows, block_bytes);
    // Each level of move bits has 1/64 of the words of the one below.
    const unsigned long long bits = ((n + 63) / 64 + 2) * sizeof(std::uint64_t) * 64 / 63;
    const unsigned long long sides = (n + 63) / 64 * sizeof(std::uint64_t);
    const unsigned long long searching = offsets + rows + n * sizeof(std::int32_t) + bits + sides;
    return {lists, laying_out, searching};
}

unsigned long long footprint(unsigned long long n, unsigned long long m) {
    const Peaks p = peaks(n, m);
    return program_bytes + std::max(p.laying_out, p.searching);
}

// The ends as read and two arrays of a (vertex, place) key an end to sort
// them; the ends, still held, beside the lists as they are filled; then a
// graph of at most 2m + 1 vertices.
unsigned long long footprint_numbered(unsigned long long n, unsigned long long m) {
    const Peaks p = peaks(std::min(n, 2 * m + 1), m);
    const unsigned long long ends = 2 * m * sizeof(std::uint32_t);
    const unsigned long long numbering = ends + 2 * 2 * m * sizeof(std::uint64_t);
    return program_bytes + std::max({numbering, ends + p.lists, p.laying_out, p.searching});
}

Plan plan(int n, int m, unsigned long long available) {
    const unsigned long long whole = footprint(n, m), numbered = footprint_numbered(n, m);
    // Numbering costs time an edge and saves it a vertex: it pays where
    // m <= n / 10 (see bench/README.md); elsewhere it is chosen only where
    // the graph fits no other way.
    const bool pays = 10ULL * m <= static_cast<unsigned long long>(n);
    const bool number = numbered < whole && (pays || whole > available);
    const unsigned long long needs = number ? numbered : whole;
    // Huge pages for the offsets of the rows only in a graph of more than
    // 2 GiB, where they were measured to pay (see bench/README.md).
    return {number, needs, needs > 2ULL << 30};
}
