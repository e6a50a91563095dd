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
// Memory: 24 bytes per edge plus 4 per vertex while the rows are laid out,
// 18 bytes per edge plus 13 per vertex in the search; the first is the peak
// when m is above about 1.5 n. A header buys no more than the file can
// hold: edges are reserved, and checked against the memory available, only
// as many as its size has room for.
// On any fault it writes one line `bipartite: FILE: what is wrong` to
// standard error, leaves bipartite.out empty and ends with status 1.
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
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
// the edge. Kept together, the two cost one cache miss where the rows are
// filled at random.
struct Entry {
    int neighbour;
    int edge_id;
};

// A vertex's counts of neighbours on its own side and across, together for
// the same reason: a move updates both of each neighbour's.
struct Counts {
    int cross, same;
};

// Peak bytes of the run for n vertices and m >= 0 edges: main's arrays and
// the program itself. While the rows are filled, the edges read are kept
// beside them; during the search the sides, counts, move bits and the
// answer (at most m / 2 edges) take their place.
unsigned long long footprint(unsigned long long n, unsigned long long m) {
    // Its code, libraries and buffers: 1.1 MB measured, with the file system
    // library linked in.
    const unsigned long long program = 1536 << 10;
    const unsigned long long rows = (n + 1) * sizeof(std::uint32_t) + 2 * m * sizeof(Entry);
    const unsigned long long filling = rows + m * sizeof(std::pair<int, int>);
    // Each level of move bits has 1/64 of the words of the one below.
    const unsigned long long bits = ((n + 63) / 64 + 2) * sizeof(std::uint64_t) * 64 / 63;
    const unsigned long long searching =
        rows + n * (sizeof(std::uint8_t) + sizeof(Counts)) + bits + m / 2 * sizeof(int);
    return program + std::max(filling, searching);
}

// The most edges that the input can hold, when that is fewer than m: each
// takes two numbers and a blank before each, 4 bytes at least. Unknown
// where the input is not a regular file; m then.
int edges_held(int m) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(input_name, error);
    return error ? m : static_cast<int>(std::min<std::uintmax_t>(m, size / 4));
}

// `count` zeros; with `huge`, in huge pages where the system gives them,
// advised before anything touches the memory. Where the hint pays is
// measured in the platform file.
template <class T>
std::vector<T> zeros(std::size_t count, bool huge) {
    std::vector<T> v;
    v.reserve(count);
    if (huge) advise_huge_pages(v.data(), count * sizeof(T));
    v.resize(count);
    return v;
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

// Writes the count of `removed` and, if any, their edge numbers on one
// line. False as soon as a write fails.
bool print(const std::vector<int>& removed) {
    static char buf[1 << 16];
    std::size_t len = std::to_chars(buf, buf + sizeof buf, removed.size()).ptr - buf;
    buf[len++] = '\n';
    for (std::size_t x = 0; x < removed.size(); ++x) {
        if (len > sizeof buf - 16) {
            if (std::fwrite(buf, 1, len, stdout) != len) return false;
            len = 0;
        }
        len = std::to_chars(buf + len, buf + sizeof buf, removed[x] + 1).ptr - buf;
        buf[len++] = x + 1 < removed.size() ? ' ' : '\n';
    }
    return std::fwrite(buf, 1, len, stdout) == len;
}

}  // namespace

int main() try {
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

    // The arrays that the search reads at random ask for huge pages; the
    // edges as read and the offsets only in a graph of more than 2 GiB.
    const bool large = needs > 2ULL << 30;

    // All edges are read first, so that every vertex's row of neighbours can
    // be laid out once its degree is known. Their room is zero-filled, then
    // emptied: its pages taken in one pass before the reading, which at 10^8
    // vertices was 7 % faster than as the reading reaches them.
    auto ends = zeros<std::pair<int, int>>(held, large);
    ends.clear();
    for (int e = 0; e < m; ++e) {
        const int u = read_end(e, n);
        const int v = read_end(e, n);
        // A loop counts twice as same-side whichever side its vertex is on,
        // so the search could move that vertex back and forth for ever.
        if (u == v)
            fail(input_name, label("edge", e + 1) + ": vertex " + std::to_string(u + 1) +
                                 " is joined to itself");
        ends.emplace_back(u, v);
    }
    // offsets[i] becomes the number of edge ends at vertices 0..i: the end of
    // vertex i's row. Counted apart from the reading, these scattered
    // increments overlap each other's cache misses. 2m < 2^32 ends in all.
    auto offsets = zeros<std::uint32_t>(static_cast<std::size_t>(n) + 1, large);
    for (const auto& [u, v] : ends) {
        ++offsets[u];
        ++offsets[v];
    }
    for (int i = 1; i < n; ++i) offsets[i] += offsets[i - 1];
    offsets[n] = static_cast<std::uint32_t>(2 * ends.size());

    // Vertex i's row is adj[offsets[i]] to adj[offsets[i + 1] - 1], its
    // neighbours in the order the edges were read. The rows are filled from
    // their ends with the edges taken last to first, which moves offsets[i]
    // back to the start of row i.
    auto adj = zeros<Entry>(2 * ends.size(), true);
    for (int e = static_cast<int>(ends.size()) - 1; e >= 0; --e) {
        const auto [u, v] = ends[e];
        adj[--offsets[u]] = {v, e};
        adj[--offsets[v]] = {u, e};
    }
    ends = std::vector<std::pair<int, int>>();  // frees it: `ends = {}` keeps the capacity

    // A byte a side, apart from the counts: the sides of ten million
    // vertices fit in a cache, and collecting reads the side of every entry.
    auto side = zeros<std::uint8_t>(n, true);
    auto counts = zeros<Counts>(n, true);
    side[0] = 1;
    // Only vertex 1 (index 0) starts on side 1, so an entry joins two
    // vertices on one side exactly when both of them or neither is vertex 1:
    // the same test as side[w] == side[i], without a look-up at random.
    for (int i = 0; i < n; ++i) {
        for (std::size_t j = offsets[i]; j < offsets[i + 1]; ++j) {
            if ((adj[j].neighbour == 0) == (i == 0)) {
                ++counts[i].same;
            } else {
                ++counts[i].cross;
            }
        }
    }

    // The move bits and the levels above them. Bit i % 64 of levels[0][i / 64]
    // is set exactly when counts[i].cross < counts[i].same; a bit of each level above is
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
        const bool movable = counts[i].cross < counts[i].same;
        for (std::size_t at = static_cast<std::size_t>(i), level = 0; level < levels.size();
             at /= 64, ++level) {
            std::uint64_t& word = levels[level][at / 64];
            const std::uint64_t before = word, bit = std::uint64_t{1} << (at % 64);
            word = movable ? before | bit : before & ~bit;
            if ((before == 0) == (word == 0)) break;  // the levels above still hold
        }
    };
    for (int i = 0; i < n; ++i) update_bit(i);

    for (;;) {
        // The first vertex with cross < same, as a scan from vertex 1 would
        // find it.
        if (levels.back()[0] == 0) break;
        std::size_t x = 0;
        for (std::size_t level = levels.size(); level-- > 0;)
            x = x * 64 + lowest_bit(levels[level][x]);
        const int d = static_cast<int>(x);

        for (std::size_t j = offsets[d]; j < offsets[d + 1]; ++j) {
            const int w = adj[j].neighbour;
            if (side[w] == side[d]) {
                --counts[w].same;
                ++counts[w].cross;
            } else {
                --counts[w].cross;
                ++counts[w].same;
            }
            update_bit(w);
        }
        std::swap(counts[d].cross, counts[d].same);
        side[d] ^= 1;
        update_bit(d);
    }

    // Each same-side edge once, at its lower end. The cheap test comes
    // first, so that only half of the entries look up a side.
    std::vector<int> removed;
    removed.reserve(m / 2);
    for (int i = 0; i < n; ++i) {
        for (std::size_t j = offsets[i]; j < offsets[i + 1]; ++j) {
            const int w = adj[j].neighbour;
            if (w > i && side[w] == side[i]) removed.push_back(adj[j].edge_id);
        }
    }

    // A full disk often shows only when the last buffer is flushed or closed.
    errno = 0;
    if (!print(removed) || std::fflush(stdout) != 0) fail_output(true);
    if (std::fclose(stdout) != 0) fail_output(false);
    return 0;
} catch (const std::bad_alloc&) {
    fail(input_name, "the graph does not fit in memory");
} catch (const std::length_error&) {  // more than a vector can hold, as on a 32-bit system
    fail(input_name, "the graph does not fit in memory");
}
