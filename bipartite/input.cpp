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

// The index of `number`, one end of edge `e` (0-based).
int vertex(int number, int e, int n) {
    if (number < 1 || number > n) {
        fail(input_name, label("edge", e + 1) + ": vertex " + std::to_string(number) +
                             " is outside 1.." + std::to_string(n));
    }
    return number - 1;
}

// Reads the m edges and hands each to add(u, v, e) as the indices of its
// ends and its 0-based number. The numbers are taken a batch at a time, as
// many as the reader takes in bulk; one it leaves is read alone, which
// reports it if it is at fault, once the numbers before it are checked.
template <class F>
void read_edges(int n, int m, F add) {
    const int batch = 2048;  // edges
    int numbers[2 * batch];
    for (int first = 0; first < m; first += batch) {
        const int edges = std::min(batch, m - first);
        const std::size_t wanted = 2 * static_cast<std::size_t>(edges);
        std::size_t read = read_ints(numbers, wanted);
        for (std::size_t x = 0; x < wanted; x += 2) {
            const int e = first + static_cast<int>(x / 2);
            int ends[2];
            for (std::size_t j = x; j < x + 2; ++j) {
                if (j == read) {
                    numbers[j] = read_int("edge", e + 1);
                    read = j + 1 + read_ints(numbers + j + 1, wanted - j - 1);
                }
                ends[j - x] = vertex(numbers[j], e, n);
            }
            // A loop counts twice as same-side whichever side its vertex is
            // on, so the search could move that vertex back and forth for ever.
            if (ends[0] == ends[1])
                fail(input_name, label("edge", e + 1) + ": vertex " + std::to_string(ends[0] + 1) +
                                     " is joined to itself");
            add(ends[0], ends[1], e);
        }
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
