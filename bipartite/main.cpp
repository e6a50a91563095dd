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
// Time: O(n + m) to read, lay out, count and collect; per move, one pass
// over the moved vertex's neighbours and a walk down the levels of move bits
// (one word per level, log64 n levels) to the next vertex to move.
// Memory: 20 bytes per edge plus 4 per vertex while the rows are laid out,
// 16 bytes per edge plus 8.3 per vertex in the search; the first is the peak
// when m is above about n. A header buys no more than the file can
// hold: edges are checked against the memory available only as many as its
// size has room for, and room is taken only as they are read.
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

// Reads one end of edge `e` (0-based) and returns its vertex index.
int read_end(int e, int n) {
    const int number = read_int("edge", e + 1);
    if (number < 1 || number > n) {
        fail(input_name, label("edge", e + 1) + ": vertex " + std::to_string(number) +
                             " is outside 1.." + std::to_string(n));
    }
    return number - 1;
}

// One entry of a vertex's row: the other end of an edge at the vertex, and
// the edge.
struct Entry {
    int neighbour;
    int edge_id;
};

// Ends of edges in the order read: each end's vertex (within its block),
// its neighbour and its edge, an array of each. They grow a chunk at a
// time, as their number is unknown until the file ends. A chunk is mapped
// apart (main asks for it), so that freeing it gives it back to the system,
// and it is not zero-filled, so that of the last chunk only the pages
// written are taken.
struct Chunk {
    static constexpr int size = 1 << 14;
    std::uint16_t vertex[size];
    int neighbour[size];
    int edge_id[size];
};

class Ends {
public:
    void add(int vertex, int neighbour, int edge_id) {
        if (last_ == Chunk::size) {
            chunks_.emplace_back(new Chunk);
            chunk_ = chunks_.back().get();
            last_ = 0;
        }
        chunk_->vertex[last_] = static_cast<std::uint16_t>(vertex);
        chunk_->neighbour[last_] = neighbour;
        chunk_->edge_id[last_] = edge_id;
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
        for (int k = 0; k < count; ++k) f(chunk.vertex[k], chunk.neighbour[k], chunk.edge_id[k]);
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

// Peak bytes of the run for n vertices and m >= 0 edges: main's arrays and
// the program itself. The layout's peak is at its start, where m >= n,
// which is where it rules: the lists of all the ends beside the first
// block's offsets, counts and rows, whose pages are taken before the rows
// are written (at most about `block_bytes` in a random graph or where edges
// crowd together, twice that in any). During the search the vertices'
// states, the move bits and the sides take the lists' place.
unsigned long long footprint(unsigned long long n, unsigned long long m) {
    // Its code, libraries and buffers: 1.1 MB measured, with the file system
    // library linked in.
    const unsigned long long program = 1536 << 10;
    const int shift = block_shift(n, m);
    const unsigned long long offsets = (n + 1) * sizeof(std::uint32_t);
    const unsigned long long rows = 2 * m * sizeof(Entry);
    // A chunk's mapping takes a page more for the allocator's header, and
    // the last chunk of a list a partly filled page for each of its arrays:
    // in every block that has ends, and in each part of a block split.
    const unsigned long long chunk_bytes = (sizeof(Chunk) / page_bytes + 1) * page_bytes;
    const unsigned long long lists =
        2 * m * chunk_bytes / Chunk::size +
        3 * page_bytes * (std::min(((n - 1) >> shift) + 1, 2 * m) + 2 * rows / block_bytes + 1);
    const unsigned long long laying_out = 2 * (sizeof(std::uint32_t) << shift) + lists +
                                          std::min<unsigned long long>(rows, block_bytes);
    // Each level of move bits has 1/64 of the words of the one below.
    const unsigned long long bits = ((n + 63) / 64 + 2) * sizeof(std::uint64_t) * 64 / 63;
    const unsigned long long sides = (n + 63) / 64 * sizeof(std::uint64_t);
    const unsigned long long searching = offsets + rows + n * sizeof(std::int32_t) + bits + sides;
    return program + std::max(laying_out, searching);
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

// Lays out the rows of the `width` vertices from `base` on, whose ends are
// `list`, into `adj` from offsets[base] on, and sets offsets[base + 1] to
// offsets[base + width]. `degree` has room for `width` counts.
void lay_out(Ends& list, int base, int width, std::uint32_t* offsets, Entry* adj,
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
// compiler has such a hint. At 10^8 vertices and 2*10^8 edges, asking for
// the offsets of each neighbour that becomes movable took the whole run to
// 0.88 of the time (3 pairs of runs); 0.98 at 10^7, 0.96 at 10^6.
template <class T>
void prefetch([[maybe_unused]] const T* address) {
#if defined(__GNUC__)
    __builtin_prefetch(address);
#endif
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
    // Arrays far larger than the machine would be filled until the process
    // is killed: refuse them up front. A short file with a large m is left
    // to end at its end.
    const int held = edges_held(m);
    const unsigned long long needs = footprint(n, held), available = available_memory();
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

    // Each end goes to the list of its vertex's block, so that the rows of a
    // block can be laid out in the cache once all are read.
    const int shift = block_shift(n, held);
    std::vector<Ends> blocks(((n - 1) >> shift) + 1);
    const int within = (1 << shift) - 1;
    for (int e = 0; e < m; ++e) {
        const int u = read_end(e, n);
        const int v = read_end(e, n);
        // A loop counts twice as same-side whichever side its vertex is on,
        // so the search could move that vertex back and forth for ever.
        if (u == v)
            fail(input_name, label("edge", e + 1) + ": vertex " + std::to_string(u + 1) +
                                 " is joined to itself");
        blocks[u >> shift].add(u & within, v, e);
        blocks[v >> shift].add(v & within, u, e);
    }

    // Vertex i's row is adj[offsets[i]] to adj[offsets[i + 1] - 1], its
    // neighbours in the order the edges were read. 2m < 2^32 ends in all.
    // The rows take their pages as the lists give theirs back.
    const std::size_t ends = 2 * static_cast<std::size_t>(m);
    const auto offsets = room<std::uint32_t>(static_cast<std::size_t>(n) + 1, large);
    const auto adj = room<Entry>(ends, false);
    offsets[0] = 0;
    {
        std::vector<std::uint32_t> degree(std::size_t{1} << shift);
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            const int base = static_cast<int>(b << shift);
            lay_out(blocks[b], base, std::min(n - base, within + 1), offsets.get(), adj.get(),
                    degree.data());
        }
        blocks = std::vector<Ends>();
    }

    // A vertex's state, one int: its count difference (neighbours across
    // minus neighbours on its side) with the lowest bit replaced by its
    // side. That bit of the difference is the parity of the vertex's degree,
    // which its row gives; a move changes each neighbour's difference by 2,
    // which leaves it alone; and the state is negative exactly when the
    // difference is, that is when the vertex is to move. One int, not a byte
    // of side and two counts: a move takes one cache miss a neighbour. The
    // differences lie within the degrees, within 32 bits.
    const auto state = room<std::int32_t>(n, true);
    const auto degree = [&](int i) { return offsets[i + 1] - offsets[i]; };
    const auto difference = [&](int i) {
        return (state[i] & ~1) | static_cast<std::int32_t>(degree(i) & 1);
    };
    // Only vertex 1 (index 0) starts on side 1, and it is joined to no
    // vertex on its side: every other vertex starts with all its neighbours
    // on its side but vertex 1, that is with the difference of its degree
    // taken from twice the edges that join it to vertex 1, which vertex 1's
    // row lists.
    for (int i = 1; i < n; ++i)
        state[i] = static_cast<std::int32_t>(-static_cast<long long>(degree(i)) & ~1LL);
    for (std::size_t j = offsets[0]; j < offsets[1]; ++j) state[adj[j].neighbour] += 2;
    state[0] = static_cast<std::int32_t>((degree(0) & ~1U) | 1);

    // The move bits and the levels above them. Bit i % 64 of levels[0][i / 64]
    // is set exactly when vertex i is to move; a bit of each level above is
    // set when the corresponding word of the level below is not 0. The top
    // level is one word, and from it one word per level leads down to the
    // lowest vertex to move, without reading the words before it.
    std::vector<std::vector<std::uint64_t>> levels;
    for (std::size_t words = (static_cast<std::size_t>(n) + 63) / 64;; words = (words + 63) / 64) {
        levels.emplace_back(words, 0);
        if (words == 1) break;
    }
    // A bit of a level above says only whether its word below is not 0, so
    // the climb stops at the first word that is 0 or not as before. A word
    // that it climbs past has just become non-zero, which only setting a bit
    // does, or 0, which only clearing one does: `movable` is the bit that
    // the level above wants for it too.
    const auto update_bit = [&](int i) {
        const bool movable = state[i] < 0;
        for (std::size_t at = static_cast<std::size_t>(i), level = 0; level < levels.size();
             at /= 64, ++level) {
            std::uint64_t& word = levels[level][at / 64];
            const std::uint64_t before = word, bit = std::uint64_t{1} << (at % 64);
            word = movable ? before | bit : before & ~bit;
            if ((before == 0) == (word == 0)) break;  // the levels above still hold
        }
    };
    for (int i = 0; i < n; ++i) update_bit(i);

    // The sides again, a bit each, kept as vertices move: the sides of a
    // hundred million vertices fit in a cache, and collecting reads the side
    // of every other entry. And the count of same-side edges: at first those
    // that miss vertex 1; a move turns those of the vertex moved across and
    // its crossing ones to one side, which adds its difference.
    std::vector<std::uint64_t> side((static_cast<std::size_t>(n) + 63) / 64, 0);
    side[0] = 1;
    long long same_side = m - static_cast<long long>(degree(0));

    for (;;) {
        // The first vertex to move, as a scan from vertex 1 would find it.
        if (levels.back()[0] == 0) break;
        std::size_t x = 0;
        for (std::size_t level = levels.size(); level-- > 0;)
            x = x * 64 + lowest_bit(levels[level][x]);
        const int d = static_cast<int>(x);

        // Each neighbour on d's side gains one across and loses one on its
        // side; each across, the other way round.
        const int own = state[d] & 1;
        for (std::size_t j = offsets[d]; j < offsets[d + 1]; ++j) {
            const int w = adj[j].neighbour;
            state[w] += (state[w] & 1) == own ? 2 : -2;
            // One that is now to move may be the next vertex moved: where its
            // row lies is fetched while the others are updated.
            if (state[w] < 0) prefetch(&offsets[w]);
            update_bit(w);
        }
        const std::int32_t before = difference(d);
        same_side += before;
        side[d / 64] ^= std::uint64_t{1} << (d % 64);
        state[d] = (-before & ~1) | (own ^ 1);
        update_bit(d);
    }

    const auto side_of = [&](int i) { return side[i / 64] >> (i % 64) & 1; };
    auto left = static_cast<unsigned long long>(same_side);

    // The count, then each same-side edge once, at its lower end; the cheap
    // test comes first, so that only half of the entries look up a side.
    static Output out;
    errno = 0;
    if (!out.put(left, '\n')) fail_output(true);
    for (int i = 0; i < n; ++i) {
        for (std::size_t j = offsets[i]; j < offsets[i + 1]; ++j) {
            const int w = adj[j].neighbour;
            if (w > i && side_of(w) == side_of(i) &&
                !out.put(adj[j].edge_id + 1, --left ? ' ' : '\n'))
                fail_output(true);
        }
    }

    // A full disk often shows only when the last buffer is flushed or closed.
    if (!out.flush() || std::fflush(stdout) != 0) fail_output(true);
    if (std::fclose(stdout) != 0) fail_output(false);
    return 0;
} catch (const std::bad_alloc&) {
    fail(input_name, "the graph does not fit in memory");
} catch (const std::length_error&) {  // more than a vector can hold, as on a 32-bit system
    fail(input_name, "the graph does not fit in memory");
}
