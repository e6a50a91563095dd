// bipartite's parts, each against a plain oracle: the move bits against an
// ordered set, the layout of rows against rows built naively, numbering
// against a map, the answer's order against a plain sort, and the way that
// the end-to-end tests' graphs are run.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "footprint.h"
#include "move_bits.h"
#include "numbering.h"
#include "output.h"
#include "rows.h"

namespace {

// Sizes at each level's edge (a word, 64 words, 64^2 words) and one of five
// levels. Indices are drawn near those edges, and in a window where members
// are dense; the set starts from a fill of that window, which the levels
// above are built from.
TEST(MoveBits, MatchesAnOrderedSet) {
    std::mt19937 random(11);
    for (const std::size_t size :
         {1, 63, 64, 65, 4095, 4096, 4097, 262143, 262144, 262145, 16777217}) {
        SCOPED_TRACE(size);
        const std::size_t window = std::min<std::size_t>(size, 3000);
        const std::size_t from = random() % (size - window + 1);
        const auto pick = [&]() -> std::size_t {
            if (random() % 2) return from + random() % window;
            std::size_t edge = 1;  // a multiple of 64^k, and the indices beside it
            for (int k = static_cast<int>(random() % 4); k > 0 && edge * 64 <= size; --k)
                edge *= 64;
            const std::size_t at = edge * (random() % (size / edge + 1)) + random() % 3;
            return at >= 1 && at - 1 < size ? at - 1 : size - 1;
        };
        const unsigned density = random() % 4;  // of 4, in the window
        std::set<int> oracle;
        MoveBits bits(size, [&](std::size_t i) {
            const bool member = i - from < window && random() % 4 < density;
            if (member) oracle.insert(static_cast<int>(i));
            return member;
        });
        const auto next_after = [&](std::size_t i) {
            const auto it = oracle.upper_bound(static_cast<int>(i));
            return it == oracle.end() ? -1 : *it;
        };
        for (int step = 0; step < 3000; ++step) {
            if (step > 0) {
                const std::size_t i = pick();
                const bool member = random() % 2;
                bits.assign(i, member);
                if (member)
                    oracle.insert(static_cast<int>(i));
                else
                    oracle.erase(static_cast<int>(i));
            }
            ASSERT_EQ(bits.lowest(), oracle.empty() ? -1 : *oracle.begin()) << "step " << step;
            for (int query = 0; query < 2; ++query) {
                const std::size_t i = pick();
                ASSERT_EQ(bits.next_after(i), next_after(i)) << "step " << step << ", above " << i;
            }
        }
        std::vector<int> walked;
        for (int x = bits.lowest(); x >= 0; x = bits.next_after(x)) walked.push_back(x);
        EXPECT_EQ(walked, std::vector<int>(oracle.begin(), oracle.end()));
    }
}

using Edges = std::vector<std::pair<int, int>>;  // 0-based ends

// The rows that edges give, of the vertices that they touch.
using Rows = std::map<int, std::vector<std::uint32_t>>;

// Each vertex's row of `graph` as `rows` has it, in any order.
void expect_rows(const Graph& graph, Rows rows) {
    ASSERT_EQ(graph.offsets[0], 0u);
    for (int v = 0; v < graph.n; ++v) {
        std::vector<std::uint32_t> row(graph.adj.get() + graph.offsets[v],
                                       graph.adj.get() + graph.offsets[v + 1]);
        std::sort(row.begin(), row.end());
        const auto it = rows.find(v);
        if (it == rows.end()) {
            ASSERT_TRUE(row.empty()) << "vertex " << v;
            continue;
        }
        std::sort(it->second.begin(), it->second.end());
        ASSERT_EQ(row, it->second) << "vertex " << v;
    }
}

// The rows as the edges `counted` are counted and those `added` laid out,
// in parts of `part` bytes, the bins in `bin_bytes`: through each vertex's
// count and bins a part, or as records.
Graph lay(bool records, int n, const Edges& counted, const Edges& added, std::size_t part,
          std::size_t bin_bytes) {
    const int m = static_cast<int>(counted.size());
    if (records) {
        Tally tally(n, m, part);
        for (const auto& [u, v] : counted) tally.add(u, v);
        RecordLayout layout(std::move(tally), Room<std::uint32_t>(bin_bytes / 4), bin_bytes);
        for (const auto& [u, v] : added) layout.add(u, v);
        return layout.finish().first;
    }
    Degrees degrees(n, Room<std::uint32_t>(static_cast<std::size_t>(n) + 1),
                    Room<std::uint16_t>(bin_bytes / 2));
    for (const auto& [u, v] : counted) degrees.add(u, v);
    auto [offsets, room] = degrees.finish();
    Layout layout(n, m, std::move(offsets), std::move(room), part);
    for (const auto& [u, v] : added) layout.add(u, v);
    return layout.finish().first;
}

// Graphs of every shape that the layouts treat apart, each against rows
// picked out naively: parts of one group and of many, empty stretches of
// vertices, a hub with a part of its own, parallel edges, and bins that are
// emptied after every few ends or only at the end; as records, parts
// ordered through the bins' room or, larger, within themselves.
TEST(Layout, MatchesRowsBuiltNaively) {
    const struct {
        const char* what;
        int n, m;
        std::size_t part, bins;
        int hub_share;  // of 100 edges, how many touch vertex n / 3
        int among;      // the other ends are drawn from the last `among` vertices
    } cases[] = {
        {"no edges", 5, 0, 64, 64, 0, 5},
        {"one vertex", 1, 0, 64, 64, 0, 1},
        {"parts of a few ends", 40, 300, 64, 64, 0, 40},
        {"parts of one group", 40, 300, 8, 1 << 20, 0, 40},
        {"parallel edges", 10, 5000, 256, 96, 0, 3},
        {"a hub", 200000, 50000, 4096, 8192, 30, 200000},
        {"a hub, bins of a few ends", 100000, 50000, 2048, 32, 40, 100000},
        {"stretches of vertices without ends", 3000000, 1000, 256, 4096, 0, 100},
        {"ends spread thin over 2^16 vertices and more", 300000, 2000, 1 << 20, 1 << 20, 0, 300000},
        {"vertices of 26 bits, records of parts of 64", 40000000, 30000, 1 << 20, 4096, 20,
         40000000},
    };
    std::mt19937 random(12);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Edges edges(c.m);
        Rows rows;
        for (auto& [u, v] : edges) {
            const auto draw = [&] { return c.n - 1 - static_cast<int>(random() % c.among); };
            u = static_cast<int>(random() % 100) < c.hub_share ? c.n / 3 : draw();
            do v = draw();
            while (v == u);
            rows[u].push_back(static_cast<std::uint32_t>(v));
            rows[v].push_back(static_cast<std::uint32_t>(u));
        }
        for (const bool records : {false, true}) {
            SCOPED_TRACE(records ? "as records" : "through each vertex's count");
            expect_rows(lay(records, c.n, edges, edges, c.part, c.bins), rows);
        }
    }
}

// Edges that are not those counted, as where the file changed between two
// readings of it: one end moved to another part, one edge fewer, or one
// more, with a hub or without. Each part is written within its own rows
// (the sanitizers' build catches a write past them).
TEST(Layout, WritesOnlyWithinItsRows) {
    std::mt19937 random(14);
    for (const int hub_share : {0, 50}) {
        const int n = 200000;
        Edges counted(20000);
        for (auto& [u, v] : counted) {
            u = static_cast<int>(random() % 100) < hub_share ? n - 1
                                                             : static_cast<int>(random() % n);
            do v = static_cast<int>(random() % n);
            while (v == u);
        }
        Edges moved = counted, fewer = counted, more = counted;
        moved[100].second = (moved[100].second + n / 2) % n;
        fewer.pop_back();
        more.push_back({n - 2, n - 1});
        for (const Edges* edges : {&moved, &fewer, &more}) {
            for (const bool records : {false, true}) {
                const Graph graph = lay(records, n, counted, *edges, 1024, 256);
                EXPECT_EQ(graph.adj.size(), 2 * counted.size());
            }
        }
    }
}

// Vertex numbers at the top of the 32-bit range, around the sort's digits
// (n - 1 of 11, 12, 22, 23 and 31 bits), with vertex 1 touched or not, and
// with vertices repeated: the graph against one ranked by a map, its rows
// picked out naively, and the ends after its rows.
TEST(Numbering, MatchesARankingOfTheVerticesTouched) {
    std::mt19937 random(13);
    const int sizes[] = {2, 2048, 2049, 1 << 22, (1 << 22) + 1, 2147483647};
    for (int round = 0; round < 120; ++round) {
        const int n = sizes[round % 6];
        SCOPED_TRACE("n " + std::to_string(n) + ", round " + std::to_string(round));
        // Drawn from a few values, so that they repeat: the top vertex, and
        // vertex 1 in every other round.
        std::vector<int> pool = {n - 1};
        if (round % 2) pool.push_back(0);
        for (int x = static_cast<int>(random() % 40); x > 0; --x)
            pool.push_back(static_cast<int>(random() % n));
        std::sort(pool.begin(), pool.end());
        pool.erase(std::unique(pool.begin(), pool.end()), pool.end());
        Edges edges(pool.size() > 1 ? random() % 200 : 0);
        for (auto& [u, v] : edges) {
            u = pool[random() % pool.size()];
            do v = pool[random() % pool.size()];
            while (v == u);
        }

        std::map<int, int> rank = {{0, 0}};
        for (const auto& [u, v] : edges) rank.emplace(u, 0), rank.emplace(v, 0);
        int next = 0;
        for (auto& [vertex, place] : rank) place = next++;
        Rows rows;
        std::vector<std::uint32_t> ranked;  // the ends, each its vertex's rank
        Numbering ends(2 * edges.size());
        for (const auto& [u, v] : edges) {
            rows[rank[u]].push_back(rank[v]);
            rows[rank[v]].push_back(rank[u]);
            ranked.insert(ranked.end(), {static_cast<std::uint32_t>(rank[u]),
                                         static_cast<std::uint32_t>(rank[v])});
            ASSERT_TRUE(ends.add(u) && ends.add(v));
        }
        EXPECT_FALSE(ends.add(0));  // no room beyond what was asked for

        const Graph graph = ends.graph(n);
        ASSERT_EQ(graph.n, static_cast<int>(rank.size()));
        expect_rows(graph, rows);
        const std::uint32_t* const after = graph.adj.get() + ranked.size();
        EXPECT_EQ(std::vector<std::uint32_t>(after, after + ranked.size()), ranked);
    }
}

// Same-side edges of random graphs with parallel edges, given in order, as
// the answer lists them: by lower end, then by number, as a plain sort of
// them does; in the rows' room where it has room, and in its own where not.
// Edges other than those searched: one same-side edge more, or one fewer.
TEST(Answer, ListsTheSameSideEdgesByLowerEndThenNumber) {
    std::mt19937 random(15);
    for (int round = 0; round < 200; ++round) {
        const int n = 2 + static_cast<int>(random() % (round % 2 ? 20 : 5000));
        Edges edges(random() % 3000);
        Split split{std::vector<std::uint64_t>((n + 63) / 64), 0};
        for (int i = 0; i < n; ++i) split.side[i / 64] |= std::uint64_t{random() % 2} << (i % 64);
        std::vector<std::pair<int, int>> expected;  // lower end, number
        for (int e = 0; e < static_cast<int>(edges.size()); ++e) {
            auto& [u, v] = edges[e];
            u = static_cast<int>(random() % n);
            do v = static_cast<int>(random() % n);
            while (v == u);
            if (split.side_of(u) == split.side_of(v)) expected.emplace_back(std::min(u, v), e);
        }
        std::sort(expected.begin(), expected.end());
        split.same_side = static_cast<long long>(expected.size());
        const std::size_t room = round % 3 ? 2 * edges.size() : expected.size();
        Answer answer(split, Room<std::uint32_t>(room));
        for (int e = 0; e < static_cast<int>(edges.size()); ++e)
            answer.add(edges[e].first, edges[e].second, e);
        ASSERT_TRUE(answer.whole());
        const std::uint64_t* const got = answer.in_order();
        for (std::size_t x = 0; x < expected.size(); ++x) {
            ASSERT_EQ(got[x], std::uint64_t{static_cast<std::uint32_t>(expected[x].first)} << 32 |
                                  static_cast<std::uint32_t>(expected[x].second));
        }
        if (expected.empty()) continue;
        Answer more(split, Room<std::uint32_t>(room)), fewer(split, Room<std::uint32_t>(room));
        for (int e = 0; e < static_cast<int>(edges.size()); ++e) {
            more.add(edges[e].first, edges[e].second, e);
            if (e != expected[0].second) fewer.add(edges[e].first, edges[e].second, e);
        }
        const auto [u, v] = edges[expected[0].second];
        more.add(u, v, static_cast<int>(edges.size()));
        EXPECT_FALSE(more.whole());
        EXPECT_FALSE(fewer.whole());
    }
}

// The way that the end-to-end tests' graphs are run, as they say: whether
// their vertices are numbered again; where not, the search sets the peak,
// as every phase before it takes no more than the search's room.
TEST(Plan, TakesThePathThatTheEndToEndGraphsName) {
    const struct {
        int n, m;
        bool numbered;
    } graphs[] = {
        {400000, 2000000, false},
        {1000000, 600000, false},
        {2147483647, 1000000, true},
        {2000000000, 10000000, true},
    };
    for (const auto& g : graphs) {
        SCOPED_TRACE(std::to_string(g.n) + " " + std::to_string(g.m));
        const Plan how = plan(g.n, g.m, ULLONG_MAX, true);
        EXPECT_EQ(how.way == Way::numbered, g.numbered);
        for (const Way way : {Way::reread, Way::ends_held}) {
            const Peaks p = peaks(g.n, g.m, way);
            EXPECT_EQ(p.peak(), p.searching);
        }
    }
    // Numbering pays in time up to m = 3n / 10 (bench notes), and is chosen
    // where it takes no more memory too: up to about m = n / 4.
    EXPECT_EQ(plan(10000000, 2500000, ULLONG_MAX, true).way, Way::numbered);
    EXPECT_EQ(plan(10000000, 2700000, ULLONG_MAX, true).way, Way::reread);
    EXPECT_EQ(plan(10000000, 3000001, 0, true).way, Way::reread);
    // An input that cannot be read again has its ends held.
    EXPECT_EQ(plan(1000000, 320000, ULLONG_MAX, false).way, Way::ends_held);
}

}  // namespace
