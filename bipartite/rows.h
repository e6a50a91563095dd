// Each vertex's row of neighbours, laid out without a miss to memory for
// each end: the ends are first appended to the list of their block of
// vertices (sequential writes to a few thousand places), and the lists are
// then sorted into rows a block at a time, a block's offsets and rows
// staying in the caches. No array of the edges as read is kept: the lists
// take its place, and give their memory back as the rows take theirs.
//
// Cost: O(1) an end to list it; O(n + m) to lay out, one pass over the
// lists to count and one to write (two for a block that is split).
// Memory: 10 bytes an end in the lists; 8 an end and 4 a vertex in the rows.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "platform.h"

// One entry of a vertex's row: the other end of an edge at the vertex, and
// the edge (0-based).
struct Entry {
    int neighbour;
    int edge_id;
};

// Ends of edges in the order listed: each end's vertex (within its block),
// its neighbour and its edge, a record of 10 bytes, in chunks. A chunk is
// mapped apart (main asks for it), so that freeing it gives it back to the
// system, and it is not zero-filled: its pages are taken a piece of 2048
// records (5 pages) at a time, as the list reaches them, in one call for
// each piece rather than a fault a page, so that of the last chunk only
// about the pages written are taken. Records, not an array of each field:
// a block's list is written in one place, not three (see bench/README.md).
struct Chunk {
    // 40 pages with the allocator's header of 16 bytes: a record more
    // would take a 41st.
    static constexpr int size = 16382;
    static constexpr int record = 10;
    unsigned char ends[size][record];
};

class EndList {
public:
    void add(int vertex, int neighbour, int edge_id) {
        if (last_ == Chunk::size) {
            chunks_.emplace_back(new Chunk);
            chunk_ = chunks_.back().get();
            last_ = 0;
        }
        if (last_ % piece == 0)
            take_pages(chunk_->ends[last_], std::min(piece, Chunk::size - last_) * Chunk::record);
        unsigned char* const end = chunk_->ends[last_];
        const auto within = static_cast<std::uint16_t>(vertex);
        std::memcpy(end, &within, 2);
        std::memcpy(end + 2, &neighbour, 4);
        std::memcpy(end + 6, &edge_id, 4);
        ++last_;
    }

    // Calls f(vertex, neighbour, edge_id) for each end in order.
    template <class F>
    void visit(F f) const {
        for (std::size_t c = 0; c < chunks_.size(); ++c) visit_chunk(c, f);
    }
    // The same, and frees each chunk once it is done; leaves the list empty.
    template <class F>
    void take(F f) {
        for (std::size_t c = 0; c < chunks_.size(); ++c) {
            visit_chunk(c, f);
            chunks_[c].reset();
        }
        *this = EndList();
    }

private:
    template <class F>
    void visit_chunk(std::size_t c, F& f) const {
        const Chunk& chunk = *chunks_[c];
        const int count = c + 1 < chunks_.size() ? Chunk::size : last_;
        for (int k = 0; k < count; ++k) {
            std::uint16_t vertex;
            int neighbour, edge_id;
            std::memcpy(&vertex, chunk.ends[k], 2);
            std::memcpy(&neighbour, chunk.ends[k] + 2, 4);
            std::memcpy(&edge_id, chunk.ends[k] + 6, 4);
            f(vertex, neighbour, edge_id);
        }
    }

    static constexpr int piece = 2048;  // records whose pages are taken at once

    std::vector<std::unique_ptr<Chunk>> chunks_;
    Chunk* chunk_ = nullptr;  // the last
    int last_ = Chunk::size;  // ends in the last chunk
};

// The rows that a block of vertices averages at most, so that a block's
// rows and offsets stay in the caches as it is laid out; fewer, larger
// blocks read faster (see bench/README.md).
const std::size_t block_bytes = 2 << 20;

// Blocks of 2^shift vertices for n vertices and m edges: as large as
// `block_bytes` lets them be, and at most 2^16, so that a vertex within its
// block fits in 16 bits.
inline int block_shift(unsigned long long n, unsigned long long m) {
    const unsigned long long row_bytes = 2 * m * sizeof(Entry);  // of all rows
    int shift = 16;
    while (shift > 0 && (row_bytes << shift) / n > block_bytes) --shift;
    return shift;
}

// The edges of a graph of n vertices, each end in the list of its vertex's
// block of 2^shift vertices, for a graph of about m edges.
struct BlockLists {
    int n;
    int shift;
    std::vector<EndList> blocks;

    BlockLists(int vertices, int m)
        : n(vertices), shift(block_shift(n, m)), blocks(((n - 1) >> shift) + 1) {}

    // Edge e, 0-based, between the vertices of indices u and v.
    void add(int u, int v, int e) {
        const int within = (1 << shift) - 1;
        blocks[u >> shift].add(u & within, v, e);
        blocks[v >> shift].add(v & within, u, e);
    }
};

// Room for `count` values of a trivial type, not filled: its pages are
// taken as they are written. With `huge`, it starts on a huge page's
// boundary and asks for huge pages where the system gives them, but for its
// first `small` bytes, before anything touches it, so that which of its
// pages are huge, and so what a run takes, does not depend on where it
// lands.
template <class T>
class Room {
public:
    Room(std::size_t count, bool huge, std::size_t small = 0) {
        const std::size_t align = huge ? huge_page_bytes : alignof(T);
        if (count > (SIZE_MAX - align) / sizeof(T)) throw std::bad_alloc();
        bytes_.reset(new unsigned char[count * sizeof(T) + align]);
        const auto at = reinterpret_cast<std::uintptr_t>(bytes_.get());
        values_ = reinterpret_cast<T*>((at + align - 1) / align * align);
        std::uninitialized_default_construct_n(values_, count);  // nothing to do
        const std::size_t bytes = count * sizeof(T);
        if (huge && small < bytes) advise_huge_pages(values_ + small / sizeof(T), bytes - small);
    }
    T& operator[](std::size_t i) const { return values_[i]; }
    T* get() const { return values_; }

    static constexpr std::size_t huge_page_bytes = 2 << 20;

private:
    std::unique_ptr<unsigned char[]> bytes_;
    T* values_;
};

// A graph laid out for the search: vertex i's row is adj[offsets[i]] to
// adj[offsets[i + 1] - 1], its neighbours in the order the edges were read.
// 2m < 2^32 ends in all.
struct Graph {
    int n;
    Room<std::uint32_t> offsets;
    Room<Entry> adj;

    std::uint32_t degree(int i) const { return offsets[i + 1] - offsets[i]; }
};

// Lays out the rows of the `width` vertices from `base` on, whose ends are
// `list`, into `adj` from offsets[base] on, and sets offsets[base + 1] to
// offsets[base + width]; `degree` has room for `width` counts. A block of
// more than twice `part_bytes` of rows is written in parts of whole rows,
// each of at most `part_bytes` or one row. Returns the number of parts.
int lay_out_block(EndList& list, int base, int width, std::size_t part_bytes,
                  std::uint32_t* offsets, Entry* adj, std::uint32_t* degree);

// The rows of all of the lists' vertices, for m edges, a block at a time.
// The lists give their pages back as the rows take theirs; they are empty
// after. With `huge`, the offsets ask for huge pages.
Graph lay_out(BlockLists& lists, int m, bool huge);
