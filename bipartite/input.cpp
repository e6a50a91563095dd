#include "input.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "numbering.h"
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

int edges_held(int m) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(input_name, error);
    return error ? m : static_cast<int>(std::min<std::uintmax_t>(m, size / 4));
}

namespace {

// Reads one end of edge `e` (0-based) and returns its vertex index.
int read_end(int e, int n) {
    const int number = read_int("edge", e + 1);
    if (number < 1 || number > n) {
        fail(input_name, label("edge", e + 1) + ": vertex " + std::to_string(number) +
                             " is outside 1.." + std::to_string(n));
    }
    return number - 1;
}

// Reads the m edges and hands each to add(u, v, e) as the indices of its
// ends and its 0-based number.
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

}  // namespace

BlockLists read_graph(int n, int m, int held, bool numbered) {
    if (!numbered) {
        BlockLists lists(n, held);
        read_edges(n, m, [&](int u, int v, int e) { lists.add(u, v, e); });
        return lists;
    }
    // The ends of every edge in turn, numbered, then listed: freed as soon
    // as they are.
    std::vector<std::uint32_t> ends;
    ends.reserve(2 * static_cast<std::size_t>(held));
    read_edges(n, m, [&](int u, int v, int) {
        ends.push_back(static_cast<std::uint32_t>(u));
        ends.push_back(static_cast<std::uint32_t>(v));
    });
    BlockLists lists(renumber(ends, n), m);
    for (int e = 0; e < m; ++e) {
        const std::size_t x = 2 * static_cast<std::size_t>(e);
        lists.add(static_cast<int>(ends[x]), static_cast<int>(ends[x + 1]), e);
    }
    return lists;
}
