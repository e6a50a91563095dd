#include "input.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "numbering.h"
#include "phases.h"
#include "bulk_reader.h"
#include "reader.h"

const char* const input_name = "bipartite.in";

std::size_t read_input(char* buf, std::size_t size) {
    errno = 0;
    const std::size_t got = std::fread(buf, 1, size, stdin);
    if (got == 0 && std::ferror(stdin)) fail(input_name, failed("read failed"));
    return got;
}

int edge_bound(int m) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(input_name, error);
    return error ? m : static_cast<int>(std::min<std::uintmax_t>(m, size / 4));
}

bool input_rereadable() {
    std::error_code error;
    return std::filesystem::is_regular_file(input_name, error);
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
            int uv[2];
            for (std::size_t j = x; j < x + 2; ++j) {
                if (j == read) {
                    numbers[j] = read_int("edge", e + 1);
                    read = j + 1 + read_ints(numbers + j + 1, wanted - j - 1);
                }
                uv[j - x] = vertex(numbers[j], e, n);
            }
            // A loop counts twice as same-side whichever side its vertex is
            // on, so the search could move that vertex back and forth for ever.
            if (uv[0] == uv[1])
                fail(input_name, label("edge", e + 1) + ": vertex " + std::to_string(uv[0] + 1) +
                                     " is joined to itself");
            add(uv[0], uv[1], e);
        }
    }
}

// The rows, once laid out; reported where the file was not the same when
// it was read again.
Graph laid_out(std::optional<Graph> graph) {
    if (!graph) fail(input_name, "changed while it was read");
    return std::move(*graph);
}

// Reads the file again from its start, to its edges: its header must be
// what it was.
void read_again(int n, int m) {
    errno = 0;
    if (std::fseek(stdin, 0, SEEK_SET) != 0) fail(input_name, failed("cannot read again"));
    restart_input();
    const int again_n = read_int("n"), again_m = std::max(read_int("m"), 0);
    if (again_n != n || again_m != m) fail(input_name, "changed while it was read");
}

}  // namespace

Graph read_graph(int n, int m, int bound, const Plan& how) {
    const auto rows = [&] { return Room<Entry>(2 * static_cast<std::size_t>(m)); };
    if (how.way == Way::numbered) {
        Numbering numbering(2 * static_cast<std::size_t>(bound));
        read_edges(n, m, [&](int u, int v, int) {
            if (!numbering.add(u) || !numbering.add(v)) fail(input_name, "changed while it was read");
        });
        phase_done("read");
        return numbering.graph(n);
    }
    Tally tally(n, m);
    if (how.way == Way::read_twice) {
        read_edges(n, m, [&](int u, int v, int) { tally.add(u, v); });
        phase_done("read");
        return laid_out(lay_out(tally, rows(), [&](auto add) {
            read_again(n, m);
            read_edges(n, m, add);
        }));
    }
    // An input that cannot be read again: its ends held.
    std::vector<std::uint32_t> held_ends;
    held_ends.reserve(2 * static_cast<std::size_t>(bound));
    read_edges(n, m, [&](int u, int v, int) {
        tally.add(u, v);
        held_ends.push_back(static_cast<std::uint32_t>(u));
        held_ends.push_back(static_cast<std::uint32_t>(v));
    });
    phase_done("read");
    return laid_out(lay_out(tally, rows(), [&](auto add) {
        for (int e = 0; e < m; ++e) {
            const std::size_t x = 2 * static_cast<std::size_t>(e);
            add(static_cast<int>(held_ends[x]), static_cast<int>(held_ends[x + 1]), e);
        }
    }));
}
