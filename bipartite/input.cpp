#include "input.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <tuple>
#include <utility>
#include <vector>

#include "bulk_reader.h"
#include "numbering.h"
#include "phases.h"
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

[[noreturn]] void outside(int number, int e, int n) {
    fail(input_name, label("edge", e + 1) + ": vertex " + std::to_string(number) +
                         " is outside 1.." + std::to_string(n));
}

// The index of `number`, one end of edge `e` (0-based). Inline, its fault
// apart: it is called for every end of every reading.
inline int vertex(int number, int e, int n) {
    if (number < 1 || number > n) outside(number, e, n);
    return number - 1;
}

// Reads the m edges and hands them to add(ends, count, first) a batch at a
// time: `count` edges from edge `first` (0-based), their ends' indices two
// an edge. The numbers are taken as many as the reader takes in bulk; one it
// leaves is read alone, which reports it if it is at fault, once the
// numbers before it are checked. A batch is handed on whole and checked.
template <class F>
void read_batches(int n, int m, F add) {
    const int batch = 2048;  // edges
    int numbers[2 * batch];
    for (int first = 0; first < m; first += batch) {
        const int edges = std::min(batch, m - first);
        const std::size_t wanted = 2 * static_cast<std::size_t>(edges);
        std::size_t read = read_ints(numbers, wanted);
        for (std::size_t x = 0; x < wanted; x += 2) {
            const int e = first + static_cast<int>(x / 2);
            for (std::size_t j = x; j < x + 2; ++j) {
                if (j == read) {
                    numbers[j] = read_int("edge", e + 1);
                    read = j + 1 + read_ints(numbers + j + 1, wanted - j - 1);
                }
                numbers[j] = vertex(numbers[j], e, n);
            }
            // A loop counts twice as same-side whichever side its vertex is
            // on, so the search could move that vertex back and forth for ever.
            if (numbers[x] == numbers[x + 1])
                fail(input_name, label("edge", e + 1) + ": vertex " +
                                     std::to_string(numbers[x] + 1) + " is joined to itself");
        }
        add(static_cast<const int*>(numbers), edges, first);
    }
}

// The same, each edge handed to add(u, v, e).
template <class F>
void read_edges(int n, int m, F add) {
    read_batches(n, m, [&](const int* ends, int count, int first) {
        for (int x = 0; x < count; ++x) add(ends[2 * x], ends[2 * x + 1], first + x);
    });
}

// One edge mixed into a sum.
std::uint64_t mixed(std::uint64_t sum, const int* edge) {
    const std::uint64_t ends = std::uint64_t{static_cast<std::uint32_t>(edge[0])} << 32 |
                               static_cast<std::uint32_t>(edge[1]);
    sum = (sum + ends) * 0x9e3779b97f4a7c15;
    return sum ^ sum >> 29;
}

// The edges read, as one number, a batch at a time: each edge mixed into
// one of four sums in turn, and the sums into `sum`, so that a file read
// again is known to hold the same edges in the same order. Four sums, as
// one's chain of multiplications would hold a reading back by a few ns an
// edge.
std::uint64_t mixed(std::uint64_t sum, const int* ends, int count) {
    std::uint64_t a = sum, b = ~sum, c = sum + 1, d = sum + 2;
    int x = 0;
    for (; x + 4 <= count; x += 4) {
        a = mixed(a, ends + 2 * x);
        b = mixed(b, ends + 2 * x + 2);
        c = mixed(c, ends + 2 * x + 4);
        d = mixed(d, ends + 2 * x + 6);
    }
    for (; x < count; ++x) a = mixed(a, ends + 2 * x);
    return ((a * 3 + b) * 3 + c) * 3 + d;
}

// Each of the `count` edges of `ends`, two an edge, to to.add(u, v).
template <class To, class End>
void add_each(To& to, const End* ends, std::size_t count) {
    for (std::size_t x = 0; x < 2 * count; x += 2)
        to.add(static_cast<int>(ends[x]), static_cast<int>(ends[x + 1]));
}

[[noreturn]] void changed() { fail(input_name, "changed while it was read"); }

// Reads the file again from its start, handing its edges to add(ends,
// count, first) as read_batches does: its header must be what it was, and
// its edges those that `checksum` sums.
template <class F>
void read_batches_again(int n, int m, std::uint64_t checksum, F add) {
    errno = 0;
    if (std::fseek(stdin, 0, SEEK_SET) != 0) fail(input_name, failed("cannot read again"));
    restart_input();
    const int again_n = read_int("n"), again_m = std::max(read_int("m"), 0);
    if (again_n != n || again_m != m) changed();
    std::uint64_t again = 0;
    read_batches(n, m, [&](const int* ends, int count, int first) {
        add(ends, count, first);
        again = mixed(again, ends, count);
    });
    if (again != checksum) changed();
}

}  // namespace

Laid read_graph(int n, int m, int bound, const Plan& how) {
    Laid laid;
    const std::size_t ends = 2 * static_cast<std::size_t>(m);
    if (how.way == Way::numbered) {
        Numbering numbering(2 * static_cast<std::size_t>(bound));
        read_edges(n, m, [&](int u, int v, int) {
            if (!numbering.add(u) || !numbering.add(v)) changed();
        });
        phase_done("read");
        laid.graph = numbering.graph(n);
        laid.ends = laid.graph.adj.get() + ends;
        return laid;
    }
    const bool reread = how.way == Way::reread;  // else the ends are held
    if (!reread) laid.held.reserve(2 * static_cast<std::size_t>(bound));
    // Each edge to counter.add(u, v), and the checksum or the ends held,
    // which the answer is then made from.
    const auto first = [&](auto& counter) {
        read_batches(n, m, [&](const int* batch, int count, int) {
            add_each(counter, batch, count);
            if (reread)
                laid.checksum = mixed(laid.checksum, batch, count);
            else
                laid.held.insert(laid.held.end(), batch, batch + 2 * count);
        });
        if (!reread) laid.ends = laid.held.data();
        phase_done("read");
    };
    // Each edge again to layout.add(u, v).
    const auto second = [&](auto& layout) {
        if (reread) {
            read_batches_again(n, m, laid.checksum, [&](const int* batch, int count, int) {
                add_each(layout, batch, count);
            });
        } else {
            add_each(layout, laid.ends, static_cast<std::size_t>(m));
        }
    };
    // The bins' room, which the search then takes for its states. Records
    // where they fit: they need no count of each vertex's ends.
    const std::size_t room = static_cast<std::size_t>(bin_bytes(n));
    if (records_fit(n)) {
        Tally tally(n, m);
        first(tally);
        RecordLayout layout(std::move(tally), Room<std::uint32_t>(room / 4));
        second(layout);
        std::tie(laid.graph, laid.states) = layout.finish();
        return laid;
    }
    Degrees degrees(n, Room<std::uint32_t>(static_cast<std::size_t>(n) + 1),
                    Room<std::uint16_t>(room / 2));
    first(degrees);
    auto [offsets, bins] = degrees.finish();
    Layout layout(n, m, std::move(offsets), std::move(bins));
    second(layout);
    std::tie(laid.graph, laid.states) = layout.finish();
    return laid;
}

Room<std::uint32_t> rows_given_back(Laid& laid) {
    laid.graph.offsets = {};
    laid.states = {};
    return std::move(laid.graph.adj);
}

namespace {

// Edges first.. of `ends`, two an edge, handed to the answer, whose sides
// are asked for a few edges ahead.
template <class End>
void hand_on(Answer& answer, const End* ends, int count, int first) {
    const int ahead = 8;
    for (int x = 0; x < count; ++x) {
        if (x + ahead < count) answer.ask(ends[2 * (x + ahead)], ends[2 * (x + ahead) + 1]);
        answer.add(static_cast<int>(ends[2 * x]), static_cast<int>(ends[2 * x + 1]), first + x);
    }
}

}  // namespace

void answer_again(int n, int m, const Laid& laid, Answer& answer) {
    if (laid.ends) {
        hand_on(answer, laid.ends, m, 0);
        return;
    }
    read_batches_again(n, m, laid.checksum, [&](const int* ends, int count, int first) {
        hand_on(answer, ends, count, first);
    });
    if (!answer.whole()) changed();
}
