#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "run_program.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef __linux__
#include <sys/syscall.h>
#endif

namespace {

Outcome run(const std::string& input) {
    return run_program(PROGRAM, "bipartite.in", input, "bipartite.out");
}

struct Case {
    const char* input;
    const char* output;
};

TEST(Bipartite, RemovesTheSameSideEdges) {
    const Case cases[] = {
        {"5 7\n2 3\n3 4\n4 5\n5 2\n2 4\n1 3\n3 5\n", "2\n5 7\n"},  // two moves
        {"4 0\n", "0\n"},
        {"1 0\n", "0\n"},
        {"1 -3\n", "0\n"},
        {"3 3\n1 2\n2 3\n3 1\n", "1\n2\n"},  // ties never move
        {"4 6\n1 2\n1 3\n1 4\n2 3\n2 4\n3 4\n", "2\n1 6\n"},
        {"4 5\n3 2\n3 4\n1 4\n1 2\n2 4\n", "2\n4 2\n"},       // ordered by lower end, not number
        {"4 6\n1 3\n1 4\n3 4\n3 2\n2 4\n4 3\n", "2\n3 6\n"},  // parallel edges count apart
        {"2 3\n1 2\n2 1\n1 2\n", "0\n"},
        {"4 6 1 2 1 3 1 4 2 3 2 4 3 4 and then some text", "2\n1 6\n"},
        {"4\n6\n1\n2\n1\n3\n1\n4\n2\n3\n2\n4\n3\n4\n", "2\n1 6\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        expect_success(run(c.input), c.output);
    }
}

TEST(Bipartite, ReportsBadInput) {
    const Case cases[] = {
        {"", "bipartite.in: expected n, found end of file"},
        {"5", "bipartite.in: expected m, found end of file"},
        {"5 3\n1 2\n2 3\n", "bipartite.in: expected 2 numbers for edge 3, found end of file"},
        {"5 3\n1 2\n2 3\n4", "bipartite.in: expected 2 numbers for edge 3, found end of file"},
        {"5 1\n1 two\n", "bipartite.in: edge 1: \"two\" is not an integer"},
        {"5 99999999999\n", "bipartite.in: m: 99999999999 is outside the 32-bit range"},
        {"0 0\n", "bipartite.in: n: 0 is below 1"},
        {"-4 0\n", "bipartite.in: n: -4 is below 1"},
        {"5 4\n1 2\n2 3\n3 4\n4 9\n", "bipartite.in: edge 4: vertex 9 is outside 1..5"},
        {"5 1\n0 2\n", "bipartite.in: edge 1: vertex 0 is outside 1..5"},
        {"5 2\n1 2\n3 3\n", "bipartite.in: edge 2: vertex 3 is joined to itself"},
    };
    for (const Case& c : cases) expect_failure(run(c.input), "bipartite: " + std::string(c.output));

    // The same after 300 edges, which the reader takes in bulk: a fault is
    // reported only once every number before it is checked.
    std::string edges;
    for (int e = 0; e < 300; ++e) edges += "1 2\n";
    const std::pair<std::string, std::string> late[] = {
        {"9 1\n1 x\n", "edge 301: vertex 9 is outside 1..5"},
        {"1 9\n1 x\n", "edge 301: vertex 9 is outside 1..5"},
        {"4 4\n1 x\n", "edge 301: vertex 4 is joined to itself"},
        {"1 +x\n9 1\n", "edge 301: \"+x\" is not an integer"},
        {"1 2\n3 99999999999\n", "edge 302: 99999999999 is outside the 32-bit range"},
        {"1 2\n3", "expected 2 numbers for edge 302, found end of file"},
    };
    for (const auto& [tail, output] : late)
        expect_failure(run("5 303\n" + edges + tail), "bipartite: bipartite.in: " + output);
}

// Beyond the address space the program is given: refused up front, not
// reported when an allocation fails. A count of edges that the file cannot
// hold buys nothing: the file ends first. Nor does a vertex number that no
// edge uses: such a graph runs in the memory of its edges.
TEST(Bipartite, RefusesAGraphBeyondItsAddressSpace) {
    if (!can_limit_address_space()) GTEST_SKIP() << "no address-space limit here";
    const Limits small = {256L << 20, {}, 0};
    Scratch folder;
    // Room for 10^7 edges in a hole that takes no disk: the refusal names
    // those, however many the header announces.
    for (const char* header : {"2000000000 10000000\n", "2000000000 1000000000\n"}) {
        folder.write("bipartite.in", header);
        std::filesystem::resize_file(folder.dir() / "bipartite.in", 40000000);
        expect_refusal(folder.run(PROGRAM, "bipartite.out", small),
                       "bipartite: bipartite.in: a graph of 2000000000 vertices and 10000000 "
                       "edges needs 401.8 MB; ");
    }
    for (const char* header : {"2 500000000", "2 2147483647"}) {
        folder.write("bipartite.in", header + std::string("\n1 2\n"));
        expect_failure(folder.run(PROGRAM, "bipartite.out", small),
                       "bipartite: bipartite.in: expected 2 numbers for edge 2, found end of file");
    }
    for (const char* input : {"2147483647 1\n2 3\n", "2147483647 0\n"}) {
        folder.write("bipartite.in", input);
        SCOPED_TRACE(input);
        expect_success(folder.run(PROGRAM, "bipartite.out", {16L << 20, {}, 0}), "0\n");
    }
}

#ifndef _WIN32  // the peak test that calls it runs where runs take a memory limit
// Whether `output` is an answer for the graph in the file at `path`, as far
// as O(m) can tell: at most m / 2 edges, listed by lower end and then by
// number; no vertex at more of them than of the edges kept, as where no
// vertex is to move; and sides that the answer implies: every edge kept
// joins the two sides, every edge listed one side to itself (a union-find
// of the vertices, with each one's parity against its root).
void expect_an_answer(const std::filesystem::path& path, const std::string& output) {
    std::ifstream input(path);
    std::size_t n, m;
    input >> n >> m;
    std::vector<std::array<int, 2>> ends(m);  // vertex numbers
    std::unordered_map<int, int> index;       // of each vertex number
    for (auto& edge : ends) {
        for (int& end : edge) {
            input >> end;
            index.emplace(end, static_cast<int>(index.size()));
        }
    }
    std::istringstream answer(output);
    std::size_t count = m + 1;
    answer >> count;
    ASSERT_LE(2 * count, m);
    std::vector<char> listed(m);
    std::pair<int, std::size_t> before = {0, 0};  // lower end, edge
    for (std::size_t x = 0, e; x < count; ++x) {
        ASSERT_TRUE(answer >> e && e >= 1 && e <= m && !listed[e - 1]) << "edge " << x;
        listed[e - 1] = 1;
        const std::pair<int, std::size_t> at = {std::min(ends[e - 1][0], ends[e - 1][1]), e};
        ASSERT_LT(before, at);
        before = at;
    }
    std::string more;
    ASSERT_FALSE(answer >> more);
    std::vector<int> parent(index.size()), parity(index.size()), same(index.size()),
        across(index.size());
    std::iota(parent.begin(), parent.end(), 0);
    const auto root = [&](int x) {  // and x's parity against it, halving the path
        int odd = 0;
        for (; parent[x] != x; x = parent[x]) {
            const int up = parent[x];
            if (parent[up] != up) {
                parity[x] ^= parity[up];
                parent[x] = parent[up];
            }
            odd ^= parity[x];
        }
        return std::pair{x, odd};
    };
    for (std::size_t e = 0; e < m; ++e) {
        const int u = index[ends[e][0]], v = index[ends[e][1]];
        ++(listed[e] ? same : across)[u];
        ++(listed[e] ? same : across)[v];
        const auto [ru, pu] = root(u);
        const auto [rv, pv] = root(v);
        const int apart = listed[e] ? 0 : 1;
        if (ru == rv) {
            ASSERT_EQ(pu ^ pv, apart) << "edge " << e + 1;
        } else {
            parent[ru] = rv;
            parity[ru] = pu ^ pv ^ apart;
        }
    }
    for (std::size_t x = 0; x < same.size(); ++x) ASSERT_LE(same[x], across[x]);
}
#endif

// The figure that a refusal gives is what a run of the same graph takes at
// its peak, a little over: in a random graph; in one whose edges crowd
// among the first vertices; in one of more vertices than ends; and where
// numbering again the vertices that edges touch sets the peak
// (bipartite_parts_test holds each graph to its way). The first again from
// a FIFO, which holds its ends. The program's own share is less with
// 32-bit words. Each answer is held to what an answer must be.
TEST(Bipartite, NeedsWhatARunTakes) {
    if (!can_limit_address_space()) GTEST_SKIP() << "no address-space limit here";
#ifndef _WIN32
    std::signal(SIGPIPE, SIG_IGN);  // a refused run leaves its FIFO's writer
    std::mt19937 random(8);
    const std::tuple<int, int, int, int> graphs[] = {
        // n, m, the vertices the edges join, the step between their numbers
        {400000, 2000000, 400000, 1},
        {400000, 2000000, 32768, 1},
        {1000000, 600000, 1000000, 1},
        {2147483647, 1000000, 2147483647 / 64, 64}};
    // The answers are checked once every run is over: a run's peak counts
    // what the test holds when it starts.
    std::vector<std::unique_ptr<Scratch>> folders;
    for (const auto& [n, m, among, step] : graphs) {
        const Scratch& folder = *folders.emplace_back(std::make_unique<Scratch>());
        const std::filesystem::path graph = folder.dir() / "graph";
        {  // written a line at a time
            std::ofstream input(graph);
            input << n << " " << m << "\n";
            for (int e = 0; e < m; ++e) {
                const auto u = random() % among, v = (u + 1 + random() % (among - 1)) % among;
                input << u * step + 1 << " " << v * step + 1 << "\n";
            }
        }
        for (const bool fifo : {false, true}) {
            if (fifo && n != 400000) continue;
            SCOPED_TRACE(fifo ? "from a FIFO" : "from a file");
            const std::string in = (folder.dir() / "bipartite.in").string();
            const auto run = [&](const Limits& limits) {
                std::filesystem::remove(in);
                if (!fifo) {
                    std::filesystem::copy_file(graph, in);
                    return folder.run(PROGRAM, "bipartite.out", limits);
                }
                mkfifo(in.c_str(), 0600);
                std::thread writer([&] {
                    std::ifstream from(graph, std::ios::binary);
                    std::ofstream(in, std::ios::binary) << from.rdbuf();
                });
                const Outcome outcome = folder.run(PROGRAM, "bipartite.out", limits);
                writer.join();
                return outcome;
            };
            const Outcome refused = run({8L << 20, {}, 0});
            const std::size_t at = refused.err.find(" needs ");
            ASSERT_NE(at, std::string::npos) << refused.err;
            const double needs = std::stod(refused.err.substr(at + 7)) * 1e6;  // "25.8 MB"
            const Outcome outcome = run({});
            ASSERT_EQ(outcome.status, 0);
            SCOPED_TRACE(refused.err + " peak " + std::to_string(outcome.peak));
            EXPECT_LE(outcome.peak, needs + 0.05e6);
            EXPECT_GE(outcome.peak, 0.93 * needs);
            std::filesystem::rename(folder.dir() / "bipartite.out",
                                    folder.dir() / (fifo ? "fifo.out" : "file.out"));
        }
    }
    for (const auto& folder : folders) {
        for (const char* answer : {"file.out", "fifo.out"}) {
            if (!std::filesystem::exists(folder->dir() / answer)) continue;
            std::ifstream output(folder->dir() / answer);
            expect_an_answer(folder->dir() / "graph",
                             std::string(std::istreambuf_iterator<char>(output), {}));
        }
    }
#endif
}

// Within physical memory but beyond a container's limit (v1 layout, 1 GiB),
// which pins the memory available whatever the host.
TEST(Bipartite, RefusesAGraphOverAControlGroupLimit) {
    if (!can_mount_privately()) GTEST_SKIP() << "no private mount namespace here (needs root)";
    std::ifstream groups("/proc/self/cgroup");
    std::string line;
    while (std::getline(groups, line) && line.find(":memory:") == std::string::npos) {
    }
    if (!groups) GTEST_SKIP() << "no v1 memory controller here";
    // The files hold room for their edges in a hole, which takes no disk.
    const struct {
        const char* input;
        std::uintmax_t size;
        const char* output;
    } cases[] = {
        {"200000000 100000000\n", 400000000,
         "a graph of 200000000 vertices and 100000000 edges needs 2.5 GB; 1.1 GB is available"},
        {"2147483647 100000000\n", 400000000,
         "a graph of 2147483647 vertices and 100000000 edges needs 4.0 GB; 1.1 GB is available"},
        {"1000 2147483647\n", 4ULL << 31,
         "a graph of 1000 vertices and 2147483647 edges needs 17.2 GB; 1.1 GB is available"},
        {"67108864 2147483647\n", 4ULL << 31,
         "a graph of 67108864 vertices and 2147483647 edges needs 17.7 GB; 1.1 GB is available"},
    };
    for (const auto& c : cases) {
        Scratch folder;
        folder.write("bipartite.in", c.input);
        if (c.size > 0) std::filesystem::resize_file(folder.dir() / "bipartite.in", c.size);
        expect_failure(folder.run(PROGRAM, "bipartite.out",
                                  {0, {{"memory/memory.limit_in_bytes", "1073741824\n"}}, 0}),
                       "bipartite: bipartite.in: " + std::string(c.output));
    }
}

TEST(Bipartite, ReadsNumbersAsEveryProgramDoes) {
    expect_reader_contract(PROGRAM, "bipartite", "5 7\n2 3\n3 4\n4 5\n5 2\n2 4\n1 3\n3 5\n",
                           "2\n5 7\n", "n", "m");
}

TEST(Bipartite, ReportsUnusableFiles) {
    expect_file_faults(PROGRAM, "bipartite", "2 1\n1 2\n");
    std::string triangles = "3 60000\n";  // each triangle's edge 2 3 is listed
    for (int x = 0; x < 20000; ++x) triangles += "1 2\n2 3\n3 1\n";
    expect_file_size_limit(PROGRAM, "bipartite", triangles);
    expect_stops_leave_the_output_as_it_was(PROGRAM, "bipartite", triangles);
    expect_full_disk(PROGRAM, "bipartite", triangles);
}

// An input that cannot be read twice, a FIFO, is read once and its ends
// held: as a file of the same text, with its vertices numbered again or not.
TEST(Bipartite, ReadsAFifoOnce) {
#ifdef _WIN32
    GTEST_SKIP() << "no FIFOs on Windows";
#else
    std::string hub = "30000 40000\n";  // 400 KB, many times a pipe's buffer
    for (int e = 0; e < 40000; ++e)
        hub += std::to_string(e % 2 ? 7 : 1 + e % 29989) + " " + std::to_string(30000 - e % 29983) +
               "\n";
    for (const std::string& input :
         {std::string("5 7\n2 3\n3 4\n4 5\n5 2\n2 4\n1 3\n3 5\n"),
          std::string("2000000000 3\n1999999999 7\n7 1\n1999999999 1\n"), hub}) {
        SCOPED_TRACE(input.substr(0, 40));
        Scratch folder;
        const std::string fifo = (folder.dir() / "bipartite.in").string();
        ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
        std::thread writer([&] { std::ofstream(fifo) << input; });
        const Outcome outcome = folder.run(PROGRAM, "bipartite.out");
        close(open(fifo.c_str(), O_RDONLY | O_NONBLOCK));  // frees a writer the run left waiting
        writer.join();
        expect_success(outcome, *run(input).output);
    }
#endif
}

// A file that changes between its readings: before the second, which lays
// the rows out, or before the third, which the answer is written from.
// Each reading must find the edges of the first, or the run is reported and
// nothing is answered: an end moved, the count of edges either way, or the
// file cut short. The same edges laid out otherwise are answered for.
TEST(Bipartite, ReportsAFileChangedBetweenItsReadings) {
    if (!can_trace()) GTEST_SKIP() << "runs cannot be traced here (ptrace)";
#ifdef __linux__
    // Edges enough not to be numbered again, which reads the file once.
    std::string input = "90000 30000\n";
    for (int e = 0; e < 30000; ++e)
        input += std::to_string(1 + e % 5) + " " + std::to_string(1 + (e + 1) % 5) + "\n";
    const std::size_t edge_1 = input.find('\n') + 1;  // "1 2"
    const std::string changed = "bipartite: bipartite.in: changed while it was read";
    std::string spaced = input;
    spaced.insert(edge_1 + 1, "   ");
    const struct {
        const char* what;
        std::string text;
        std::string err;  // none where the run answers for the text
    } cases[] = {
        {"the same", input, ""},
        {"laid out otherwise", spaced, ""},
        {"an end moved", input.substr(0, edge_1) + "1 3" + input.substr(edge_1 + 3), changed},
        {"the count, lower", "90000 29999" + input.substr(edge_1 - 1), changed},
        {"the count, higher", "90000 30001" + input.substr(edge_1 - 1), changed},
        {"cut short", input.substr(0, input.size() - 4),
         "bipartite: bipartite.in: expected 2 numbers for edge 30000, found end of file"},
    };
    for (const int reading : {2, 3}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " before reading " + std::to_string(reading));
            Scratch folder;
            folder.write("bipartite.in", input);
            // Where the program takes its input back to the start, that time.
            int back = 1;
            const auto at = [&](int, long number, const unsigned long long* args) {
#ifdef SYS__llseek
                if (number == SYS__llseek && args[0] == 0) return ++back == reading;
#endif
                return number == SYS_lseek && args[0] == 0 && ++back == reading;
            };
            const Outcome outcome = folder.run_traced(PROGRAM, "bipartite.out", at, [&](int) {
                std::ofstream(folder.dir() / "bipartite.in", std::ios::binary) << c.text;
            });
            if (c.err.empty()) {
                expect_success(outcome, *run(c.text).output);
            } else {
                expect_failure(outcome, c.err);
            }
        }
    }
#endif
}

// Triangles of vertex 1 and two of the next 65535 vertices: vertex 1's row
// is larger than a part, its group of vertices a part of its own, and the
// answer, sorted by lower end, fills the output buffer many times. Vertex 1
// is across from all the others, which each have as many neighbours on
// their side as across: nothing moves, and the answer is each triangle's
// third edge, by lower end, then as read.
TEST(Bipartite, KeepsTheOrderReadInCrowdedRows) {
    std::mt19937 random(6);
    const int triangles = 300000;
    std::string input = "1000000 " + std::to_string(3 * triangles) + "\n";
    std::vector<std::pair<int, int>> removed;  // lower end, edge number
    for (int t = 0; t < triangles; ++t) {
        const int x = 2 + static_cast<int>(random() % 65535);
        const int y = 2 + static_cast<int>((x - 1 + random() % 65534) % 65535);
        const std::string ends = std::to_string(x) + " " + std::to_string(y);
        input += "1 " + std::to_string(x) + "\n" + std::to_string(y) + " 1\n" + ends + "\n";
        removed.emplace_back(std::min(x, y), 3 * t + 3);
    }
    std::sort(removed.begin(), removed.end());
    std::string expected = std::to_string(triangles) + "\n";
    for (const auto& [end, edge] : removed) expected += std::to_string(edge) + " ";
    expected.back() = '\n';
    expect_success(run(input), expected);
}

using Edges = std::vector<std::pair<int, int>>;  // 0-based ends

// The oracle: the same search, counting every vertex's neighbours afresh
// before each move. Returns the sides it ends with.
std::vector<int> search(int n, const Edges& edges) {
    std::vector<int> side(n, 0);
    side[0] = 1;
    for (;;) {
        std::vector<int> same(n, 0), cross(n, 0);
        for (const auto& [u, v] : edges) {
            (side[u] == side[v] ? same : cross)[u]++;
            (side[u] == side[v] ? same : cross)[v]++;
        }
        int d = 0;
        while (d < n && cross[d] >= same[d]) ++d;
        if (d == n) return side;
        side[d] ^= 1;
    }
}

// Whether the edges not in `removed` (0-based numbers) admit a two-colouring.
bool two_colourable(int n, const Edges& edges, const std::vector<int>& removed) {
    std::vector<std::vector<int>> adj(n);
    for (int e = 0; e < static_cast<int>(edges.size()); ++e) {
        if (std::count(removed.begin(), removed.end(), e)) continue;
        adj[edges[e].first].push_back(edges[e].second);
        adj[edges[e].second].push_back(edges[e].first);
    }
    std::vector<int> colour(n, -1);
    for (int s = 0; s < n; ++s) {
        if (colour[s] != -1) continue;
        colour[s] = 0;
        std::vector<int> queue{s};
        for (std::size_t q = 0; q < queue.size(); ++q) {
            for (int w : adj[queue[q]]) {
                if (colour[w] == colour[queue[q]]) return false;
                if (colour[w] == -1) {
                    colour[w] = colour[queue[q]] ^ 1;
                    queue.push_back(w);
                }
            }
        }
    }
    return true;
}

// `count` distinct numbers from `first`..`last`, ascending.
std::vector<long long> draw_distinct(long long first, long long last, int count,
                                     std::mt19937& random) {
    std::vector<long long> drawn;
    if (last - first < 4LL * count) {  // each in turn, with the chance that keeps it fair
        for (long long x = first; static_cast<int>(drawn.size()) < count; ++x) {
            if (static_cast<long long>(random() % (last - x + 1)) <
                count - static_cast<int>(drawn.size()))
                drawn.push_back(x);
        }
        return drawn;
    }
    while (static_cast<int>(drawn.size()) < count) {
        while (static_cast<int>(drawn.size()) < count)
            drawn.push_back(first + static_cast<long long>(random() % (last - first + 1)));
        std::sort(drawn.begin(), drawn.end());
        drawn.erase(std::unique(drawn.begin(), drawn.end()), drawn.end());
    }
    return drawn;
}

// Random multigraphs with isolated vertices and parallel edges; every fourth
// one with a size at an edge of a word of move bits or of 64 words, and as
// many edges as vertices or more, so that it is not numbered again. In
// every third one no edge touches vertex 1. Each is run again with its
// vertex numbers spread out by an increasing map that keeps vertex 1 where it
// is, up to n = 2^31 - 1 (far apart, they are numbered again): numbers that
// no edge uses change nothing.
TEST(Bipartite, MatchesANaiveSearchOnRandomGraphs) {
    const int edge_sizes[] = {63, 64, 65, 127, 128, 129, 300, 2047, 4095, 4096, 4097};
    std::mt19937 random(5);
    for (int round = 0; round < 480; ++round) {
        const int n = round % 4 ? 2 + static_cast<int>(random() % 9) : edge_sizes[round / 4 % 11];
        const int low = round % 3 == 1 && n > 2;  // the lowest vertex an edge may touch
        Edges edges(n > 11 ? n + random() % n : random() % (3 * n));
        for (auto& [u, v] : edges) {
            u = low + static_cast<int>(random() % (n - low));
            do v = low + static_cast<int>(random() % (n - low));
            while (v == u);
        }

        // Same-side edges at their lower end, lower ends ascending, then numbers.
        const std::vector<int> side = search(n, edges);
        std::vector<std::pair<int, int>> same_side;
        for (int e = 0; e < static_cast<int>(edges.size()); ++e) {
            const auto [u, v] = edges[e];
            if (side[u] == side[v]) same_side.emplace_back(std::min(u, v), e);
        }
        std::sort(same_side.begin(), same_side.end());
        std::vector<int> removed;
        std::string expected = std::to_string(same_side.size()) + "\n";
        for (std::size_t x = 0; x < same_side.size(); ++x) {
            removed.push_back(same_side[x].second);
            expected +=
                std::to_string(same_side[x].second + 1) + (x + 1 < same_side.size() ? " " : "\n");
        }
        ASSERT_LE(2 * removed.size(), edges.size());
        ASSERT_TRUE(two_colourable(n, edges, removed));

        // Vertex i's number: i + 1 as drawn, then spread over 1..spread,
        // which is at times a little more than n, at times 2^31 - 1.
        const long long spread = round % 3 == 0   ? 2147483647
                                 : round % 3 == 1 ? n + random() % 100
                                                  : n + random() % 2147483648 % (2147483648 - n);
        std::vector<long long> number = draw_distinct(2, spread, n - 1, random);
        number.insert(number.begin(), 1);
        for (const long long vertices : {static_cast<long long>(n), spread}) {
            std::string input =
                std::to_string(vertices) + " " + std::to_string(edges.size()) + "\n";
            for (const auto& [u, v] : edges) {
                input += std::to_string(vertices == n ? u + 1 : number[u]) + " " +
                         std::to_string(vertices == n ? v + 1 : number[v]) + "\n";
            }
            const Outcome outcome = run(input);
            ASSERT_EQ(outcome.status, 0) << input;
            ASSERT_EQ(outcome.output, expected) << input;
        }
    }
}

}  // namespace
