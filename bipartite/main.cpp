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
// Time: per move, a scan from vertex 1 (O(n)) and the moved vertex's degree;
// O(m (n + max degree)) in all. Memory: O(n + m).
// On any fault it writes one line `bipartite: FILE: what is wrong` to
// standard error, leaves bipartite.out empty and ends with status 1.
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <utility>
#include <vector>

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

// Linux overcommits memory, so per-vertex arrays far larger than the machine
// would be filled until the process is killed rather than fail with
// std::bad_alloc: refuse them up front.
bool fits_in_memory(int n) {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long page_size = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || page_size <= 0) return true;  // unknown: std::bad_alloc decides
    const unsigned long long memory = static_cast<unsigned long long>(pages) * page_size;
    const unsigned long long vertex_bytes = 2 * sizeof(std::vector<int>) + 3 * sizeof(int);
    return static_cast<unsigned long long>(n) <= memory / vertex_bytes;
}

}  // namespace

int main() try {
    const bool input_open = std::freopen(input_name, "r", stdin) != nullptr;
    const bool output_open = std::freopen(output_name, "w", stdout) != nullptr;
    if (!input_open) fail(input_name, "cannot open");
    if (!output_open) fail(output_name, "cannot create");

    const int n = read_int("n");
    const int m = read_int("m");
    if (n < 1) fail(input_name, "n: " + std::to_string(n) + " is below 1");
    if (!fits_in_memory(n))
        fail(input_name, "a graph of " + std::to_string(n) + " vertices does not fit in memory");

    // All edges are read first so that every list gets its exact size: grown
    // edge by edge, the lists cost more in reallocation than the reading.
    std::vector<std::pair<int, int>> ends;
    std::vector<int> degree(n, 0);
    for (int e = 0; e < m; ++e) {
        const int u = read_end(e, n);
        const int v = read_end(e, n);
        // A loop counts twice as same-side whichever side its vertex is on,
        // so the search could move that vertex back and forth for ever.
        if (u == v)
            fail(input_name, label("edge", e + 1) + ": vertex " + std::to_string(u + 1) +
                                 " is joined to itself");
        ends.emplace_back(u, v);
        ++degree[u];
        ++degree[v];
    }
    std::vector<std::vector<int>> adj(n), edge_ids(n);
    for (int i = 0; i < n; ++i) {
        adj[i].reserve(degree[i]);
        edge_ids[i].reserve(degree[i]);
    }
    for (int e = 0; e < static_cast<int>(ends.size()); ++e) {
        const auto [u, v] = ends[e];
        adj[u].push_back(v);
        adj[v].push_back(u);
        edge_ids[u].push_back(e);
        edge_ids[v].push_back(e);
    }
    ends = {};
    degree = {};

    std::vector<int> side(n, 0), cross(n, 0), same(n, 0);
    side[0] = 1;
    for (int i = 0; i < n; ++i) {
        for (int w : adj[i]) {
            if (side[w] == side[i]) {
                ++same[i];
            } else {
                ++cross[i];
            }
        }
    }

    for (;;) {
        // The first vertex with cross < same. The scan dominates the running
        // time; blocks of 32 vertices tested without a branch per vertex let
        // the compiler vectorize it.
        int d = 0;
        for (; d + 32 <= n; d += 32) {
            int found = 0;
            for (int i = d; i < d + 32; ++i) found += cross[i] < same[i];
            if (found > 0) break;
        }
        while (d < n && cross[d] >= same[d]) ++d;
        if (d == n) break;
        for (int w : adj[d]) {
            if (side[w] == side[d]) {
                --same[w];
                ++cross[w];
            } else {
                --cross[w];
                ++same[w];
            }
        }
        std::swap(cross[d], same[d]);
        side[d] ^= 1;
    }

    // Each same-side edge once, at its lower end.
    std::vector<int> removed;
    for (int i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < adj[i].size(); ++j) {
            const int w = adj[i][j];
            if (side[w] == side[i] && w > i) removed.push_back(edge_ids[i][j]);
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
