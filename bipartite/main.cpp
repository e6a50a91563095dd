// bipartite: reads an undirected multigraph from bipartite.in and writes to
// bipartite.out a set of at most half of its edges whose removal leaves it
// bipartite: the count, then the edge numbers on one line.
//
// Local search over a split of the vertices into sides 0 and 1 (vertex 1
// starts on side 1, the others on side 0): while some vertex has more
// neighbours on its own side than across, the lowest-numbered one moves.
// Each move adds at least one edge across, so there are at most m moves; at
// the end the same-side edges are at most as many as the crossing ones, and
// they are the answer.
//
// Time: per move, a scan of n / 64 words of move bits from vertex 1 and one
// pass over the moved vertex's neighbours; O(m (n / 64 + max degree)) in all.
// Memory: at its peak about 24 bytes per edge plus 20 bytes per vertex.
// On any fault it writes one line `bipartite: FILE: what is wrong` to
// standard error, leaves bipartite.out empty and ends with status 1.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "available_memory.h"

namespace {

const char* const input_name = "bipartite.in";
const char* const output_name = "bipartite.out";

[[noreturn]] void fail(const char* file, const std::string& what) {
    std::fprintf(stderr, "bipartite: %s: %s\n", file, what.c_str());
    std::exit(1);
}

char buf[1 << 16];
std::size_t buf_len, buf_pos;

int next_char() {
    if (buf_pos == buf_len) {
        buf_pos = 0;
        buf_len = std::fread(buf, 1, sizeof buf, stdin);
        if (buf_len == 0) {
            if (std::ferror(stdin)) fail(input_name, "read failed");
            return EOF;
        }
    }
    return static_cast<unsigned char>(buf[buf_pos++]);
}

bool is_space(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string label(const char* name, int item) {
    return item > 0 ? name + (" " + std::to_string(item)) : name;
}

// Reads the next white-space separated token, which must be a decimal
// integer (optional sign, then digits) within 32 bits. Messages call it
// `name` ("m"), or with `item` > 0 one of the two numbers of `name` `item`
// ("edge", 4).
int read_int(const char* name, int item = 0) {
    int c = next_char();
    while (is_space(c)) c = next_char();
    if (c == EOF) {
        fail(input_name, (item > 0 ? "expected 2 numbers for " : "expected ") + label(name, item) +
                             ", found end of file");
    }
    std::string shown;  // the token as the message quotes it, cut short
    std::size_t length = 0;
    bool negative = false, digits = false, junk = false;
    long long magnitude = 0;  // saturates just above the range
    for (; c != EOF && !is_space(c); c = next_char(), ++length) {
        if (length < 24) shown += c >= ' ' && c <= '~' ? static_cast<char>(c) : '?';
        if (c >= '0' && c <= '9') {
            digits = true;
            magnitude = std::min(magnitude * 10 + (c - '0'), 1LL << 32);
        } else if ((c == '-' || c == '+') && length == 0) {
            negative = c == '-';
        } else {
            junk = true;
        }
    }
    if (length > 24) shown += "...";
    if (junk || !digits)
        fail(input_name, label(name, item) + ": \"" + shown + "\" is not an integer");
    const long long value = negative ? -magnitude : magnitude;
    if (value < INT_MIN || value > INT_MAX)
        fail(input_name, label(name, item) + ": " + shown + " is outside the 32-bit range");
    return static_cast<int>(value);
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

// Peak bytes of main's arrays for n vertices and m >= 0 edges. While the
// rows are filled, the edges read are kept beside them; during the search
// the counters, sides, move bits and the answer (at most m / 2 edges) take
// their place.
unsigned long long footprint(unsigned long long n, unsigned long long m) {
    const unsigned long long rows = (n + 1) * sizeof(std::size_t) + 2 * m * 2 * sizeof(int);
    const unsigned long long filling = rows + m * sizeof(std::pair<int, int>);
    const unsigned long long searching =
        rows + 3 * n * sizeof(int) + (n + 63) / 64 * sizeof(std::uint64_t) + m / 2 * sizeof(int);
    return std::max(filling, searching);
}

}  // namespace

int main() try {
    const bool input_open = std::freopen(input_name, "r", stdin) != nullptr;
    const bool output_open = std::freopen(output_name, "w", stdout) != nullptr;
    if (!input_open) fail(input_name, "cannot open");
    if (!output_open) fail(output_name, "cannot create");

    const int n = read_int("n");
    const int m = std::max(read_int("m"), 0);
    if (n < 1) fail(input_name, "n: " + std::to_string(n) + " is below 1");
    // Arrays far larger than the machine would be filled until the process
    // is killed: refuse them up front.
    if (footprint(n, m) > available_memory()) {
        fail(input_name, "a graph of " + std::to_string(n) + " vertices" +
                             (m > 0 ? " and " + std::to_string(m) + " edges" : "") +
                             " does not fit in memory");
    }

    // All edges are read first, so that every vertex's row of neighbours can
    // be laid out once its degree is known.
    std::vector<std::pair<int, int>> ends;
    ends.reserve(m);
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
    // increments overlap each other's cache misses.
    std::vector<std::size_t> offsets(static_cast<std::size_t>(n) + 1, 0);
    for (const auto& [u, v] : ends) {
        ++offsets[u];
        ++offsets[v];
    }
    for (int i = 1; i < n; ++i) offsets[i] += offsets[i - 1];
    offsets[n] = 2 * ends.size();

    // Vertex i's neighbours are adj[offsets[i]] to adj[offsets[i + 1] - 1] in
    // the order the edges were read; edge_ids[j] is the edge of adj[j]. The
    // rows are filled from their ends with the edges taken last to first,
    // which moves offsets[i] back to the start of row i.
    std::vector<int> adj(2 * ends.size()), edge_ids(2 * ends.size());
    for (int e = static_cast<int>(ends.size()) - 1; e >= 0; --e) {
        const auto [u, v] = ends[e];
        const std::size_t at_u = --offsets[u], at_v = --offsets[v];
        adj[at_u] = v;
        edge_ids[at_u] = e;
        adj[at_v] = u;
        edge_ids[at_v] = e;
    }
    ends = std::vector<std::pair<int, int>>();  // frees it: `ends = {}` keeps the capacity

    std::vector<int> side(n, 0), cross(n, 0), same(n, 0);
    side[0] = 1;
    for (int i = 0; i < n; ++i) {
        for (std::size_t j = offsets[i]; j < offsets[i + 1]; ++j) {
            if (side[adj[j]] == side[i]) {
                ++same[i];
            } else {
                ++cross[i];
            }
        }
    }
    // Bit i % 64 of movable[i / 64] is set exactly when cross[i] < same[i]:
    // the scan for the next vertex to move reads one bit per vertex instead
    // of two counters.
    std::vector<std::uint64_t> movable((static_cast<std::size_t>(n) + 63) / 64, 0);
    const auto update_bit = [&](int i) {
        const std::uint64_t bit = std::uint64_t{1} << (i % 64);
        movable[i / 64] = cross[i] < same[i] ? movable[i / 64] | bit : movable[i / 64] & ~bit;
    };
    for (int i = 0; i < n; ++i) update_bit(i);

    for (;;) {
        // The first vertex with cross < same. Blocks of 32 words are tested
        // without a branch per word, which lets the compiler vectorize the
        // scan; it still reads every word up to the find.
        const std::size_t words = movable.size();
        std::size_t x = 0;
        for (; x + 32 <= words; x += 32) {
            std::uint64_t any = 0;
            for (std::size_t y = x; y < x + 32; ++y) any |= movable[y];
            if (any != 0) break;
        }
        while (x < words && movable[x] == 0) ++x;
        if (x == words) break;
        int d = static_cast<int>(x * 64);  // plus the index of the word's lowest set bit
        for (std::uint64_t word = movable[x]; (word & 1) == 0; word >>= 1) ++d;

        for (std::size_t j = offsets[d]; j < offsets[d + 1]; ++j) {
            const int w = adj[j];
            if (side[w] == side[d]) {
                --same[w];
                ++cross[w];
            } else {
                --cross[w];
                ++same[w];
            }
            update_bit(w);
        }
        std::swap(cross[d], same[d]);
        side[d] ^= 1;
        update_bit(d);
    }

    // Each same-side edge once, at its lower end.
    std::vector<int> removed;
    removed.reserve(m / 2);
    for (int i = 0; i < n; ++i) {
        for (std::size_t j = offsets[i]; j < offsets[i + 1]; ++j) {
            const int w = adj[j];
            if (side[w] == side[i] && w > i) removed.push_back(edge_ids[j]);
        }
    }

    std::printf("%d\n", static_cast<int>(removed.size()));
    for (std::size_t x = 0; x < removed.size(); ++x)
        std::printf("%d%c", removed[x] + 1, x + 1 < removed.size() ? ' ' : '\n');
    // A full disk often shows only when the last buffer is flushed on close.
    const bool written = !std::ferror(stdout);
    if (std::fclose(stdout) != 0 || !written) fail(output_name, "write failed");
    return 0;
} catch (const std::bad_alloc&) {
    fail(input_name, "the graph does not fit in memory");
}
