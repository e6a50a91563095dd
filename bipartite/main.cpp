// bipartite: reads an undirected multigraph from bipartite.in and writes to
// bipartite.out a set of at most half of its edges whose removal leaves it
// bipartite: the count, then the edge numbers on one line.
//
// Local search over a split of the vertices into sides 0 and 1 (vertex 1,
// index 0, starts on side 1, the others on side 0): while some vertex has
// more neighbours on its own side than across, the lowest-numbered one moves.
// Each move adds at least one edge across, so there are at most m moves; at
// the end the same-side edges are at most as many as the crossing ones, and
// they are the answer.
//
// A run is five phases, each a function below, in the order main calls them:
//   read     the edges, checked, into lists by blocks of vertices    O(m)
//   number   where the edges touch few of the n vertices: those they
//            touch, again in their order                             O(m)
//   lay out  each vertex's row of neighbours, a block at a time      O(n + m)
//   search   the local search                                        O(n + m), then per move
//            one pass over the moved vertex's row and a walk down
//            the levels of move bits (log64 n words)
//   write    the count and the same-side edges                       O(n + m)
// where n, after numbering, is at most 2m + 1 vertices: a vertex that no
// edge touches never moves and ends no edge of the answer, and numbering
// the others again in their order keeps every move, the count and the
// order of the list. Vertex 1 keeps its place, as it starts alone on its
// side.
//
// Memory: 20 bytes per edge plus 4 per vertex while the rows are laid out,
// 16 bytes per edge plus 8.3 per vertex in the search; the first is the peak
// when m is above about n. Numbering takes 40 bytes per edge, and is done
// only where that is less than the vertices would take. A header buys no
// more than the file can hold: edges are checked against the memory
// available only as many as its size has room for, and room is taken only
// as they are read.
//
// The rows are laid out without a miss to memory for each end: the reading
// puts each end in the list of its block of vertices (sequential writes to
// a few thousand places), and the lists are then sorted into rows a block at
// a time, a block's offsets and rows staying in the cache. No array of the
// edges as read is kept: the lists take their place, and give their memory
// back as the rows take theirs.
// On any fault it writes one line `bipartite: FILE: what is wrong` to
// standard error, leaves bipartite.out empty and ends with status 1.
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "platform.h"
#include "reader.h"

const char* const input_name = "bipartite.in";

[[noreturn]] void fail(const char* file, const std::string& what) {
    std::fprintf(stderr, "bipartite: %s: %s\n", file, what.c_str());
    std::exit(1);
}

std::size_t read_input(char* buf, std::size_t size) {
    errno = 0;
    const std::size_t got = std::fread(buf, 1, size, stdin);
    if (got == 0 && std::ferror(stdin)) fail(input_name, failed("read failed"));
    return got;
}

namespace {

const char* const output_name = "bipartite.out";

// Ends the run after writing, flushing or closing the output failed: the
// file is emptied first, as on any error.
[[noreturn]] void fail_output(bool still_open) {
    const std::string what = failed("write failed");
    if (still_open) std::fclose(stdout);
    if (std::FILE* file = std::fopen(output_name, "w")) std::fclose(file);
    fail(output_name, what);
}

// One entry of a vertex's row: the other end of an edge at the vertex, and
// the edge.
struct Entry {
    int neighbour;
    int edge_id;
};

// Ends of edges in the order read: each end's vertex (within its block),
// its neighbour and its edge, a record of 10 bytes. They grow a chunk at a
// time, as their number is unknown until the file ends. A chunk is mapped
// apart (main asks for it), so that freeing it gives it back to the system,
// and it is not zero-filled, so that of the last chunk only the pages
// written are taken. Records, not an array of each: a block's list is
// written in one place, not three, and with thousands of lists written at
// once, a third of the pages in use is what the processor's cache of
// addresses can hold. At 10^8 vertices and 2*10^8 edges, reading took 7.1
// to 8.7 s against 10.1 to 13.1 s with three arrays.
struct Chunk {
    static constexpr int size = 1 << 14;
    static constexpr int record = 10;
    unsigned char ends[size][record];
};

class Ends {
public:
    void add(int vertex, int neighbour, int edge_id) {
        if (last_ == Chunk::size) {
            chunks_.emplace_back(new Chunk);
            chunk_ = chunks_.back().get();
            last_ = 0;
        }
        unsigned char* const end = chunk_->ends[last_];
        const auto within = static_cast<std::uint16_t>(vertex);
        std::memcpy(end, &within, 2);
        std::memcpy(end + 2, &neighbour, 4);
        std::memcpy(end + 6, &edge_id, 4);
        ++last_;
    }

    // Calls f(vertex, neighbour, edge_id) for each end in order. Taking
    // them frees each chunk once it is done, and leaves no ends.
    template <class F>
    void visit(F f) const {
        for (std::size_t c = 0; c < chunks_.size(); ++c) visit_chunk(c, f);
    }
    template <class F>
    void take(F f) {
        for (std::size_t c = 0; c < chunks_.size(); ++c) {
            visit_chunk(c, f);
            chunks_[c].reset();
        }
        *this = Ends();
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

    std::vector<std::unique_ptr<Chunk>> chunks_;
    Chunk* chunk_ = nullptr;  // the last
    int last_ = Chunk::size;  // ends in the last chunk
};

const std::size_t page_bytes = 4096;

// The rows that a block of vertices averages at most, so that a block's
// rows and offsets stay in the caches as it is laid out. Fewer, larger
// blocks read faster, their ends going to fewer places at once. At 10^8
// vertices and 2*10^8 edges, reading and laying out took 9.4 and 2.0 s of
// user time with blocks of 2^16 vertices (2 MiB of rows), 10.3 to 13.1 and
// 1.4 to 1.5 s with 2^15, and 25.7 and 1.3 s with 2^13. At 10^7 and
// 2*10^7, laying out took 0.25 to 0.3 s for average rows of 256 KiB to
// 4 MiB a block, differences within the noise.
const std::size_t block_bytes = 2 << 20;

// Blocks of 2^shift vertices, as large as `block_bytes` lets them be, and
// at most 2^16, so that a vertex within its block fits in 16 bits.
int block_shift(unsigned long long n, unsigned long long m) {
    const unsigned long long row_bytes = 2 * m * sizeof(Entry);  // of all rows
    int shift = 16;
    while (shift > 0 && (row_bytes << shift) / n > block_bytes) --shift;
    return shift;
}

// The program's code, libraries and buffers: 1.1 MB measured, with the file
// system library linked in.
const unsigned long long program_bytes = 1536 << 10;

// Peak bytes of the phases of a run for n vertices and m >= 0 edges, beside
// the program itself: while the lists are filled, while the rows are laid
// out, and in the search. The layout's peak is at its start, where m >= n,
// which is where it rules: the lists of all the ends beside the first
// block's offsets, counts and rows, whose pages are taken before the rows
// are written (at most about `block_bytes` in a random graph or where edges
// crowd together, twice that in any). During the search the vertices'
// states, the move bits and the sides take the lists' place.
struct Peaks {
    unsigned long long lists, laying_out, searching;
};

Peaks peaks(unsigned long long n, unsigned long long m) {
    const int shift = block_shift(n, m);
    const unsigned long long offsets = (n + 1) * sizeof(std::uint32_t);
    const unsigned long long rows = 2 * m * sizeof(Entry);
    // A chunk's mapping takes a page more for the allocator's header, and
    // the last chunk of a list a partly filled page: in every block that has
    // ends, and in each part of a block split.
    const unsigned long long chunk_bytes = (sizeof(Chunk) / page_bytes + 1) * page_bytes;
    const unsigned long long lists =
        2 * m * chunk_bytes / Chunk::size +
        page_bytes * (std::min(((n - 1) >> shift) + 1, 2 * m) + 2 * rows / block_bytes + 1);
    const unsigned long long laying_out = 2 * (sizeof(std::uint32_t) << shift) + lists +
                                          std::min<unsigned long long>(rows, block_bytes);
    // Each level of move bits has 1/64 of the words of the one below.
    const unsigned long long bits = ((n + 63) / 64 + 2) * sizeof(std::uint64_t) * 64 / 63;
    const unsigned long long sides = (n + 63) / 64 * sizeof(std::uint64_t);
    const unsigned long long searching = offsets + rows + n * sizeof(std::int32_t) + bits + sides;
    return {lists, laying_out, searching};
}

// Peak bytes of a run whose vertices are not numbered again, the program's
// own share included.
unsigned long long footprint(unsigned long long n, unsigned long long m) {
    const Peaks p = peaks(n, m);
    return program_bytes + std::max(p.laying_out, p.searching);
}

// The same where the vertices that edges touch are numbered again: the ends
// as read and two arrays of a (vertex, place) key an end to sort them; the
// ends, still held, beside the lists as they are filled; then a graph of at
// most 2m + 1 vertices.
unsigned long long footprint_numbered(unsigned long long n, unsigned long long m) {
    const Peaks p = peaks(std::min(n, 2 * m + 1), m);
    const unsigned long long ends = 2 * m * sizeof(std::uint32_t);
    const unsigned long long numbering = ends + 2 * 2 * m * sizeof(std::uint64_t);
    return program_bytes + std::max({numbering, ends + p.lists, p.laying_out, p.searching});
}

// The most edges that the input can hold, when that is fewer than m: each
// takes two numbers and a blank before each, 4 bytes at least. Unknown
// where the input is not a regular file; m then.
int edges_held(int m) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(input_name, error);
    return error ? m : static_cast<int>(std::min<std::uintmax_t>(m, size / 4));
}

// Room for `count` values, not filled: its pages are taken as they are
// written. With `huge`, in huge pages where the system gives them, advised
// before anything touches the memory.
template <class T>
std::unique_ptr<T[]> room(std::size_t count, bool huge) {
    std::unique_ptr<T[]> values(new T[count]);
    if (huge) advise_huge_pages(values.get(), count * sizeof(T));
    return values;
}

// Reads one end of edge `e` (0-based) and returns its vertex index.
int read_end(int e, int n) {
    const int number = read_int("edge", e + 1);
    if (number < 1 || number > n) {
        fail(input_name, label("edge", e + 1) + ": vertex " + std::to_string(number) +
                             " is outside 1.." + std::to_string(n));
    }
    return number - 1;
}

// Reads the m edges, checked, and hands each to add(u, v, e) as the indices
// of its ends and its 0-based number.
template <class F>
void read_edges(int n, int m, F add) {
    for (int e = 0; e < m; ++e) {
        const int u = read_end(e, n);
        const int v = read_end(e, n);
        // A loop counts twice as same-side whichever side its vertex is on,
        // so the search could move that vertex back and forth for ever.
        if (u == v)
            fail(input_name, label("edge", e + 1) + ": vertex " + std::to_string(u + 1) +
                                 " is joined to itself");
        add(u, v, e);
    }
}

// The edges of a graph of n vertices, each end in the list of its vertex's
// block of 2^shift vertices, so that the rows of a block can be laid out in
// the cache once all are read.
struct Lists {
    int shift;
    std::vector<Ends> blocks;

    Lists(int n, int m) : shift(block_shift(n, m)), blocks(((n - 1) >> shift) + 1) {}

    void add(int u, int v, int e) {
        const int within = (1 << shift) - 1;
        blocks[u >> shift].add(u & within, v, e);
        blocks[v >> shift].add(v & within, u, e);
    }
};

// Read: the edges of a graph whose vertices are not numbered again. O(m).
Lists read_into_lists(int n, int m, int held) {
    Lists lists(n, held);
    read_edges(n, m, [&](int u, int v, int e) { lists.add(u, v, e); });
    return lists;
}

// Read: the ends of every edge in turn, for numbering. O(m).
std::vector<std::uint32_t> read_ends(int n, int m, int held) {
    std::vector<std::uint32_t> ends;
    ends.reserve(2 * static_cast<std::size_t>(held));
    read_edges(n, m, [&](int u, int v, int) {
        ends.push_back(static_cast<std::uint32_t>(u));
        ends.push_back(static_cast<std::uint32_t>(v));
    });
    return ends;
}

// Sorts the `count` keys at `keys` by their bits 32 to 32 + `bits` - 1, and
// keeps the order of equal ones: 11 bits a pass (a pass's counts stay in
// the first cache), to and fro between `keys` and `spare`, which has room
// for as many. Returns which of the two holds them sorted.
std::uint64_t* sort_by_high_bits(std::uint64_t* keys, std::uint64_t* spare, std::size_t count,
                                 int bits) {
    const int digit = 11;
    std::vector<std::size_t> first(std::size_t{1} << digit);
    for (int low = 32; low < 32 + bits; low += digit) {
        const auto digit_of = [&](std::uint64_t key) {
            return static_cast<std::size_t>(key >> low) & (first.size() - 1);
        };
        std::fill(first.begin(), first.end(), 0);
        for (std::size_t x = 0; x < count; ++x) ++first[digit_of(keys[x])];
        std::size_t at = 0;
        for (std::size_t& f : first) at += std::exchange(f, at);
        for (std::size_t x = 0; x < count; ++x) spare[first[digit_of(keys[x])]++] = keys[x];
        std::swap(keys, spare);
    }
    return keys;
}

// Number: the vertices that `ends` touch, and vertex 1 (index 0), numbered
// again from 0 in their order; `ends` get the new indices. Returns how many
// vertices there are now. Each end is sorted by its vertex, with its place.
// O(m): three passes over the ends at most.
int number(std::vector<std::uint32_t>& ends, int n) {
    std::unique_ptr<std::uint64_t[]> keys(new std::uint64_t[ends.size()]);
    std::unique_ptr<std::uint64_t[]> spare(new std::uint64_t[ends.size()]);
    for (std::size_t x = 0; x < ends.size(); ++x) keys[x] = std::uint64_t{ends[x]} << 32 | x;
    int bits = 1;
    while (bits < 31 && (n - 1) >> bits != 0) ++bits;
    const std::uint64_t* const sorted =
        sort_by_high_bits(keys.get(), spare.get(), ends.size(), bits);
    std::uint32_t vertex = 0;  // the last one numbered, `at`: vertex 1 first, touched or not
    int at = 0;
    for (std::size_t x = 0; x < ends.size(); ++x) {
        if (sorted[x] >> 32 != vertex) {
            vertex = static_cast<std::uint32_t>(sorted[x] >> 32);
            ++at;
        }
        ends[static_cast<std::uint32_t>(sorted[x])] = static_cast<std::uint32_t>(at);
    }
    return at + 1;
}

// The numbered ends as lists of a graph of n vertices. Frees the ends.
Lists into_lists(std::vector<std::uint32_t>& ends, int n, int m) {
    Lists lists(n, m);
    for (int e = 0; e < m; ++e) {
        const std::size_t x = 2 * static_cast<std::size_t>(e);
        lists.add(static_cast<int>(ends[x]), static_cast<int>(ends[x + 1]), e);
    }
    ends = std::vector<std::uint32_t>();
    return lists;
}

// Lays out the rows of the `width` vertices from `base` on, whose ends are
// `list`, into `adj` from offsets[base] on, and sets offsets[base + 1] to
// offsets[base + width]. `degree` has room for `width` counts.
void lay_out_block(Ends& list, int base, int width, std::uint32_t* offsets, Entry* adj,
                   std::uint32_t* degree) {
    std::fill(degree, degree + width, 0);
    list.visit([&](int v, int, int) { ++degree[v]; });
    // For now offsets[base + 1 + v] is where the next end of vertex v goes:
    // at the start of its row, and at its end once all are written.
    std::uint32_t* const next = offsets + base + 1;
    std::uint32_t at = offsets[base];
    for (int v = 0; v < width; ++v) {
        next[v] = at;
        at += degree[v];
    }
    const auto write = [&](int v, int neighbour, int edge_id) {
        adj[next[v]++] = {neighbour, edge_id};
    };
    if ((at - offsets[base]) * sizeof(Entry) <= 2 * block_bytes) return list.take(write);

    // A block of many more rows than most, as where edges crowd among a few
    // vertices, is split into parts of whole rows, of at most `block_bytes`
    // each or one row: written all at once, its rows would be taken while
    // its list is still held.
    std::vector<int> part_of(width);
    int parts = 0;
    for (int v = 0, first = 0; v < width; ++v) {
        if (v > first && (next[v] + degree[v] - next[first]) * sizeof(Entry) > block_bytes) {
            ++parts;
            first = v;
        }
        part_of[v] = parts;
    }
    std::vector<Ends> lists(parts + 1);
    list.take(
        [&](int v, int neighbour, int edge_id) { lists[part_of[v]].add(v, neighbour, edge_id); });
    for (Ends& part : lists) part.take(write);
}

// A graph laid out for the search: vertex i's row is adj[offsets[i]] to
// adj[offsets[i + 1] - 1], its neighbours in the order the edges were read.
// 2m < 2^32 ends in all.
struct Graph {
    int n;
    std::unique_ptr<std::uint32_t[]> offsets;
    std::unique_ptr<Entry[]> adj;

    std::uint32_t degree(int i) const { return offsets[i + 1] - offsets[i]; }
};

// Lay out: the rows of the n vertices, a block at a time, from the lists,
// which give their pages back as the rows take theirs. O(n + m).
Graph lay_out(Lists& lists, int n, int m, bool large) {
    Graph graph{n, room<std::uint32_t>(static_cast<std::size_t>(n) + 1, large),
                room<Entry>(2 * static_cast<std::size_t>(m), false)};
    graph.offsets[0] = 0;
    const int width = 1 << lists.shift;
    std::vector<std::uint32_t> degree(width);
    for (std::size_t b = 0; b < lists.blocks.size(); ++b) {
        const int base = static_cast<int>(b << lists.shift);
        lay_out_block(lists.blocks[b], base, std::min(n - base, width), graph.offsets.get(),
                      graph.adj.get(), degree.data());
    }
    lists.blocks = std::vector<Ends>();
    return graph;
}

// The index of the lowest set bit of `word`, which is not 0: isolated by
// word & -word, then mapped to its index by a de Bruijn multiplication.
int lowest_bit(std::uint64_t word) {
    constexpr std::uint64_t de_bruijn = 0x03f79d71b4cb0a89;
    struct Table {
        int at[64];
    };
    static constexpr Table table = [] {
        Table t{};
        for (int i = 0; i < 64; ++i) t.at[(de_bruijn << i) >> 58] = i;
        return t;
    }();
    return table.at[((word & (0 - word)) * de_bruijn) >> 58];
}

// Asks for the cache line at `address`, to be read soon, where the
// compiler has such a hint. The empty statement after it has an effect as
// far as the compiler knows: GCC takes a function that only asks, and reads,
// for one without effects, and drops every call of it whose result is unused.
template <class T>
void prefetch([[maybe_unused]] const T* address) {
#if defined(__GNUC__)
    __builtin_prefetch(address);
    asm volatile("");
#endif
}

// What the search keeps, besides the graph.
//
// A vertex's state, one int: its count difference (neighbours across minus
// neighbours on its side) with the lowest bit replaced by its side. That
// bit of the difference is the parity of the vertex's degree, which its row
// gives; a move changes each neighbour's difference by 2, which leaves it
// alone; and the state is negative exactly when the difference is, that is
// when the vertex is to move. One int, not a byte of side and two counts:
// a move takes one cache miss a neighbour. The differences lie within the
// degrees, within 32 bits.
//
// The move bits and the levels above them: bit i % 64 of levels[0][i / 64]
// is set exactly when vertex i is to move; a bit of each level above is set
// when the corresponding word of the level below is not 0. The top level is
// one word, and from it one word per level leads down to the lowest vertex
// to move, without reading the words before it.
//
// The sides again, a bit each, kept as vertices move: the sides of a
// hundred million vertices fit in a cache, and writing the answer reads the
// side of every other entry. And the count of same-side edges.
struct Search {
    const Graph& graph;
    std::unique_ptr<std::int32_t[]> state;
    std::vector<std::vector<std::uint64_t>> levels;
    std::vector<std::uint64_t> side;
    long long same_side;

    int difference(int i) const {
        return (state[i] & ~1) | static_cast<std::int32_t>(graph.degree(i) & 1);
    }

    // A bit of a level above says only whether its word below is not 0, so
    // the climb stops at the first word that is 0 or not as before. A word
    // that it climbs past has just become non-zero, which only setting a
    // bit does, or 0, which only clearing one does: `movable` is the bit
    // that the level above wants for it too.
    void update_bit(int i) {
        const bool movable = state[i] < 0;
        for (std::size_t at = static_cast<std::size_t>(i), level = 0; level < levels.size();
             at /= 64, ++level) {
            std::uint64_t& word = levels[level][at / 64];
            const std::uint64_t before = word, bit = std::uint64_t{1} << (at % 64);
            word = movable ? before | bit : before & ~bit;
            if ((before == 0) == (word == 0)) break;  // the levels above still hold
        }
    }

    // The lowest vertex to move, as a scan from vertex 1 would find it; -1
    // if there is none.
    int lowest_movable() const {
        if (levels.back()[0] == 0) return -1;
        std::size_t x = 0;
        for (std::size_t level = levels.size(); level-- > 0;)
            x = x * 64 + lowest_bit(levels[level][x]);
        return static_cast<int>(x);
    }

    // The lowest vertex to move above vertex i (-1 for none above -1);
    // -1 if there is none. Up the levels to the first word with a bit set
    // past the one on the way, then down as above.
    int next_movable(int i) const {
        if (i < 0) return -1;
        std::size_t at = static_cast<std::size_t>(i), level = 0;
        for (;; at /= 64, ++level) {
            if (level == levels.size()) return -1;
            const std::uint64_t past = ~std::uint64_t{1} << (at % 64);  // the bits above at's
            const std::uint64_t word = levels[level][at / 64] & past;
            if (word != 0) {
                at = at / 64 * 64 + lowest_bit(word);
                break;
            }
        }
        while (level-- > 0) at = at * 64 + lowest_bit(levels[level][at]);
        return static_cast<int>(at);
    }

    // Moves vertex d to the other side. Each neighbour on d's side gains one
    // across and loses one on its side; each across, the other way round.
    // d's same-side edges turn across and its crossing ones same-side,
    // which adds its difference to the count.
    void move(int d) {
        const int own = state[d] & 1;
        const std::size_t end = graph.offsets[d + 1];
        for (std::size_t j = graph.offsets[d]; j < end; ++j) {
            // The states past the first `fan`, which ask_states left.
            if (j + fan < end) ask_state(graph.adj[j + fan].neighbour);
            const int w = graph.adj[j].neighbour;
            state[w] += (state[w] & 1) == own ? 2 : -2;
            update_bit(w);
        }
        const std::int32_t before = difference(d);
        same_side += before;
        side[d / 64] ^= std::uint64_t{1} << (d % 64);
        state[d] = (-before & ~1) | (own ^ 1);
        update_bit(d);
    }

    // The three stages of asking for what moving vertex i will read, each
    // from what the one before brought into the cache: where its row lies;
    // its row, first and last entry (a vertex to move has one at least);
    // its own state and move bits and those of its first `fan` neighbours
    // (a vertex of many more moves seldom).
    void ask_offsets(int i) const { prefetch(&graph.offsets[i]); }
    void ask_row(int i) const {
        prefetch(&graph.adj[graph.offsets[i]]);
        prefetch(&graph.adj[graph.offsets[i + 1]] - 1);
    }
    void ask_states(int i) const {
        ask_state(i);
        const std::size_t begin = graph.offsets[i];
        const std::size_t end = std::min<std::size_t>(graph.offsets[i + 1], begin + fan);
        for (std::size_t j = begin; j < end; ++j) ask_state(graph.adj[j].neighbour);
    }
    void ask_state(int i) const {
        prefetch(&state[i]);
        prefetch(&levels[0][i / 64]);
    }
    static constexpr std::size_t fan = 32;
};

// Search: the states at the start, then the moves. Returns what the search
// ends with. O(n + m) to start; per move, a pass over the moved vertex's
// row and a walk down the levels of move bits.
Search search(const Graph& graph, int m) {
    const int n = graph.n;
    Search s{graph, room<std::int32_t>(n, true), {}, {}, 0};
    // Only vertex 1 (index 0) starts on side 1, and it is joined to no
    // vertex on its side: every other vertex starts with all its neighbours
    // on its side but vertex 1, that is with the difference of its degree
    // taken from twice the edges that join it to vertex 1, which vertex 1's
    // row lists.
    for (int i = 1; i < n; ++i)
        s.state[i] = static_cast<std::int32_t>(-static_cast<long long>(graph.degree(i)) & ~1LL);
    for (std::size_t j = graph.offsets[0]; j < graph.offsets[1]; ++j)
        s.state[graph.adj[j].neighbour] += 2;
    s.state[0] = static_cast<std::int32_t>((graph.degree(0) & ~1U) | 1);
    for (std::size_t words = (static_cast<std::size_t>(n) + 63) / 64;; words = (words + 63) / 64) {
        s.levels.emplace_back(words, 0);
        if (words == 1) break;
    }
    // The move bits a vertex at a time, then each level a word at a time.
    for (int i = 0; i < n; ++i) s.levels[0][i / 64] |= std::uint64_t{s.state[i] < 0} << (i % 64);
    for (std::size_t level = 1; level < s.levels.size(); ++level) {
        for (std::size_t x = 0; x < s.levels[level - 1].size(); ++x)
            s.levels[level][x / 64] |= std::uint64_t{s.levels[level - 1][x] != 0} << (x % 64);
    }
    s.side.assign((static_cast<std::size_t>(n) + 63) / 64, 0);
    s.side[0] = 1;
    // At first the same-side edges are those that miss vertex 1.
    s.same_side = m - static_cast<long long>(graph.degree(0));

    // Nearly always the next vertex to move is the next one to move above
    // the one moving, found before it moves (89 % of moves in a random
    // graph, 90 % in a skewed one); the rest go back to a lower vertex. So
    // next[k], the vertex expected to move k + 1 moves on, is the next one
    // to move above next[k - 1], and what it will read is asked for in
    // stages as it comes nearer, each once: where its row lies at k = 4,
    // its row at 3, the states at 2. A move that goes elsewhere starts the
    // list again from there. The moves are the same either way: a wrong
    // guess costs only what it asked for. Search phase, in seconds, on
    // random graphs of n vertices and 2n edges, and an R-MAT graph of 2^22
    // vertices and 2^26 edges, one to three runs each, by the places of the
    // three stages:
    //                    none       0 1 2      1 2 3      2 3 4      3 5 7
    //   n = 10^6         0.06       0.06       0.06       0.06       0.06
    //   n = 3*10^7       4.4-5.3    3.6-4.4    3.3-3.4    3.1-3.4    3.2-3.3
    //   n = 10^8         18.6-18.7  14.4       14.4-15.1  13.4-15.0  14.0-14.7
    //   R-MAT            1.9        1.5-1.6    1.5-1.6    1.5-1.7    1.5-1.7
    const int states_at = 2, row_at = 3, offsets_at = 4;
    int d = s.lowest_movable();
    int next[offsets_at + 1];
    const auto ask_from = [&](int from) {
        for (int k = 0; k <= offsets_at; ++k) {
            next[k] = s.next_movable(k == 0 ? from : next[k - 1]);
            if (next[k] >= 0) s.ask_offsets(next[k]);
        }
    };
    ask_from(d);
    while (d >= 0) {
        s.move(d);
        const int expected = next[0];
        d = s.lowest_movable();
        if (d < 0 || d != expected) {
            ask_from(d);
            continue;
        }
        std::copy(next + 1, next + offsets_at + 1, next);
        next[offsets_at] = s.next_movable(next[offsets_at - 1]);
        if (next[states_at] >= 0) s.ask_states(next[states_at]);
        if (next[row_at] >= 0) s.ask_row(next[row_at]);
        if (next[offsets_at] >= 0) s.ask_offsets(next[offsets_at]);
    }
    return s;
}

// The answer on its way to bipartite.out: numbers, each followed by a blank
// or a line end. False as soon as a write fails.
class Output {
public:
    bool put(unsigned long long number, char after) {
        if (len_ > sizeof buf_ - 24 && !flush()) return false;
        len_ = std::to_chars(buf_ + len_, buf_ + sizeof buf_, number).ptr - buf_;
        buf_[len_++] = after;
        return true;
    }
    bool flush() {
        const bool written = std::fwrite(buf_, 1, len_, stdout) == len_;
        len_ = 0;
        return written;
    }

private:
    char buf_[1 << 16];
    std::size_t len_ = 0;
};

// Write: the count, then each same-side edge once, at its lower end; the
// cheap test comes first, so that only half of the entries look up a side.
// O(n + m).
void write_answer(const Search& s) {
    const Graph& graph = s.graph;
    const auto side_of = [&](int i) { return s.side[i / 64] >> (i % 64) & 1; };
    auto left = static_cast<unsigned long long>(s.same_side);
    static Output out;
    errno = 0;
    if (!out.put(left, '\n')) fail_output(true);
    // The rows are read in order, but the sides at random: the side of the
    // entry 64 places on is asked for, and the rows themselves 2 KiB on
    // (once a cache line), which the processor's own look-ahead did not
    // keep up with. At 10^8 vertices and 2*10^8 edges writing took 3.8 s,
    // against 4.5 to 5.1 s without either (one or two runs each).
    const std::size_t ends = graph.offsets[graph.n];
    for (int i = 0; i < graph.n; ++i) {
        for (std::size_t j = graph.offsets[i]; j < graph.offsets[i + 1]; ++j) {
            if (j + 64 < ends) prefetch(&s.side[graph.adj[j + 64].neighbour / 64]);
            if (j % 8 == 0 && j + 256 < ends) prefetch(&graph.adj[j + 256]);
            const int w = graph.adj[j].neighbour;
            if (w > i && side_of(w) == side_of(i) &&
                !out.put(graph.adj[j].edge_id + 1, --left ? ' ' : '\n'))
                fail_output(true);
        }
    }
    // A full disk often shows only when the last buffer is flushed or closed.
    if (!out.flush() || std::fflush(stdout) != 0) fail_output(true);
    if (std::fclose(stdout) != 0) fail_output(false);
}

}  // namespace

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
    // Vertex numbers that no edge touches are numbered away where that
    // takes less memory than they would. Arrays far larger than the machine
    // would be filled until the process is killed: refuse them up front. A
    // short file with a large m is left to end at its end.
    const int held = edges_held(m);
    const unsigned long long whole = footprint(n, held), numbered = footprint_numbered(n, held);
    const bool renumber = numbered < whole;
    const unsigned long long needs = std::min(whole, numbered), available = available_memory();
    if (needs > available) {
        fail(input_name, "a graph of " + std::to_string(n) + " vertices" +
                             (m > 0 ? " and " + std::to_string(m) + " edges" : "") + " needs " +
                             memory_text(static_cast<double>(needs)) + "; " +
                             memory_text(static_cast<double>(available)) + " is available");
    }

    // Huge pages (see advise_huge_pages) for the vertices' states, which the
    // search reads at random, and for the offsets of the rows only in a graph
    // of more than 2 GiB. The rows ask for none: they are written as the
    // lists give their pages back, and the system hands those straight on to
    // small pages, while a huge page is memory fresh to the process, costly
    // to take on a VM. Paired runs on a 2-core VM, random graphs of n
    // vertices and m edges, wall time of asking for the rows too against the
    // rule (medians of 7 to 11 pairs):
    //   10^6, 2*10^6                        0.96
    //   10^7, 10^6 among the last 10^5      0.97
    //   10^7, 2*10^7                        1.17
    //   10^8, 2*10^8                        1.20 (56.5 s against 46.8 s, one run each)
    // Asking for the states took 0.98 of the time of not asking at 10^7,
    // 1.01 at 10^6; at 10^8 the offsets without a hint searched 3 % slower
    // (one run).
    const bool large = needs > 2ULL << 30;

    int vertices = n;
    std::vector<std::uint32_t> ends;
    if (renumber) {
        ends = read_ends(n, m, held);
        vertices = number(ends, n);
    }
    Lists lists = renumber ? into_lists(ends, vertices, m) : read_into_lists(n, m, held);
    const Graph graph = lay_out(lists, vertices, m, large);
    write_answer(search(graph, m));
    return 0;
} catch (const std::bad_alloc&) {
    fail(input_name, "the graph does not fit in memory");
} catch (const std::length_error&) {  // more than a vector can hold, as on a 32-bit system
    fail(input_name, "the graph does not fit in memory");
}
