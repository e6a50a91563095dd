// bipartite's parts, each against a plain oracle: the move bits against an
// ordered set, the layout of rows against rows built naively, numbering
// against a map, and the way that the end-to-end tests' graphs are run.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "footprint.h"
#include "move_bits.h"
#include "numbering.h"
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

// The rows of `edges` as Layout lays them out in parts of `part` bytes,
// crowded groups beyond `room`, after a tally of `counted`, which the edges
// added must match; `crowded` says whether a group was.
std::optional<Graph> lay(int n, const Edges& counted, const Edges& edges, std::size_t part,
                         std::size_t room, bool& crowded) {
    const int m = static_cast<int>(counted.size());
    Tally tally(n, m, part);
    for (const auto& [u, v] : counted) tally.add(u, v);
    Layout layout(tally, Room<Entry>(2 * counted.size()), part, room);
    crowded = layout.crowded();
    if (crowded) {
        for (const auto& [u, v] : edges) layout.count(u, v);
        if (!layout.split_crowded()) return std::nullopt;
    }
    for (int e = 0; e < static_cast<int>(edges.size()); ++e)
        layout.add(edges[e].first, edges[e].second, e);
    return layout.finish();
}

// Graphs of every shape that the layout treats apart, each against rows
// picked out naively: parts of one vertex and of many, empty stretches of
// vertices, a hub whose group is split vertex by vertex, an edge whose two
// ends share a part, and gaps between the edges of a part too large for a
// record (vertices touched once in 65535 edges and more).
TEST(Layout, MatchesRowsBuiltNaively) {
    const struct {
        const char* what;
        int n, m;
        std::size_t part, room;
        int hub_share;  // of 100 edges, how many touch vertex n / 3
        int among;      // the other ends are drawn from the last `among` vertices
        bool rare;      // vertices 0 and 1 are touched only by edges far apart
        bool crowded;   // expected
    } cases[] = {
        {"no edges", 5, 0, 64, 64, 0, 5, false, false},
        {"one vertex", 1, 0, 64, 64, 0, 1, false, false},
        {"parts of a few ends", 40, 300, 64, 64, 0, 40, false, false},
        {"parts of one vertex", 40, 300, 8, 8, 0, 40, false, false},
        {"a hub in a crowded group", 200000, 50000, 4096, 8192, 30, 200000, false, true},
        {"a hub that is not crowded", 100000, 50000, 2048, 0, 40, 100000, false, false},
        {"stretches of vertices without ends", 3000000, 1000, 256, 0, 0, 100, false, false},
        {"ends spread thin over 2^16 vertices and more", 300000, 2000, 1 << 20, 0, 0, 300000, false,
         false},
        {"gaps too large for a record", 10, 140000, 64, 64, 0, 8, true, false},
        {"gaps too large, one vertex a part", 10, 140000, 8, 8, 0, 8, true, false},
    };
    std::mt19937 random(12);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Edges edges(c.m);
        for (int e = 0; e < c.m; ++e) {
            auto& [u, v] = edges[e];
            const auto draw = [&] { return c.n - 1 - static_cast<int>(random() % c.among); };
            u = static_cast<int>(random() % 100) < c.hub_share ? c.n / 3 : draw();
            do v = draw();
            while (v == u);
            // Vertex 0 at edges 0, 5 and 70000; vertex 1 at 5, then 65535
            // and 65534 edges on, the largest gaps that a record holds and
            // does not.
            if (c.rare && (e == 0 || e == 5 || e == 70000)) u = 0;
            if (c.rare && (e == 5 || e == 65540 || e == 131074)) v = 1;
        }
        std::vector<std::vector<Entry>> rows(c.n);
        for (int e = 0; e < c.m; ++e) {
            rows[edges[e].first].push_back({edges[e].second, e});
            rows[edges[e].second].push_back({edges[e].first, e});
        }
        bool crowded;
        const std::optional<Graph> graph = lay(c.n, edges, edges, c.part, c.room, crowded);
        ASSERT_TRUE(graph);
        EXPECT_EQ(crowded, c.crowded);
        ASSERT_EQ(graph->offsets[0], 0u);
        for (int v = 0; v < c.n; ++v) {
            ASSERT_EQ(graph->degree(v), rows[v].size()) << "vertex " << v;
            for (std::size_t j = 0; j < rows[v].size(); ++j) {
                const Entry entry = graph->adj[graph->offsets[v] + j];
                ASSERT_EQ(std::make_pair(entry.neighbour, entry.edge_id),
                          std::make_pair(rows[v][j].neighbour, rows[v][j].edge_id))
                    << "vertex " << v << ", entry " << j;
            }
        }
    }
}

// Edges that are not those counted, as where the file changed between two
// readings of it: one end moved to another part, one edge fewer (in a
// crowded group, at both ends), or one more; in a graph with a crowded
// group and in one without.
TEST(Layout, RefusesEdgesOtherThanCounted) {
    std::mt19937 random(14);
    for (const int hub_share : {0, 50}) {
        const int n = 200000;
        Edges counted(20000);
        for (auto& [u, v] : counted) {
            u = static_cast<int>(random() % 100) < hub_share ? 7 : static_cast<int>(random() % n);
            do v = static_cast<int>(random() % n);
            while (v == u);
        }
        counted.back() = {6, 7};  // both in vertex 7's group
        Edges moved = counted, fewer = counted, more = counted;
        moved[100].second = (moved[100].second + n / 2) % n;
        fewer.pop_back();
        more.push_back({1, 2});
        for (const Edges* edges : {&moved, &fewer, &more}) {
            bool crowded;
            EXPECT_FALSE(lay(n, counted, *edges, 1024, 2048, crowded));
            EXPECT_EQ(crowded, hub_share > 0);
        }
    }
}

// Vertex numbers at the top of the 32-bit range, around the sort's digits
// (n - 1 of 11, 12, 22, 23 and 31 bits), with vertex 1 touched or not, and
// with vertices repeated: the graph against one ranked by a map, its rows
// picked out naively.
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
        std::vector<std::vector<std::pair<int, int>>> rows(rank.size());
        Numbering ends(2 * edges.size());
        for (int e = 0; e < static_cast<int>(edges.size()); ++e) {
            const auto [u, v] = edges[e];
            rows[rank[u]].emplace_back(rank[v], e);
            rows[rank[v]].emplace_back(rank[u], e);
            ASSERT_TRUE(ends.add(u) && ends.add(v));
        }
        EXPECT_FALSE(ends.add(0));  // no room beyond what was asked for

        const Graph graph = ends.graph(n);
        ASSERT_EQ(graph.n, static_cast<int>(rank.size()));
        ASSERT_EQ(graph.offsets[0], 0u);
        for (int v = 0; v < graph.n; ++v) {
            ASSERT_EQ(graph.degree(v), rows[v].size()) << "vertex " << v;
            for (std::size_t j = 0; j < rows[v].size(); ++j) {
                const Entry entry = graph.adj[graph.offsets[v] + j];
                ASSERT_EQ(std::make_pair(entry.neighbour, entry.edge_id), rows[v][j]);
            }
        }
    }
}

// The way that the end-to-end tests' graphs are run, as they say: whether
// their vertices are numbered again and, where not, which phase sets the
// peak.
TEST(Plan, TakesThePathThatTheEndToEndGraphsName) {
    const struct {
        int n, m;
        const char* peak;  // "lay out" or "search"; "numbered" where the vertices are
    } graphs[] = {
        {400000, 2000000, "lay out"},
        {1000000, 600000, "search"},
        {2147483647, 1000000, "numbered"},
        {2000000000, 10000000, "numbered"},
    };
    for (const auto& g : graphs) {
        SCOPED_TRACE(std::to_string(g.n) + " " + std::to_string(g.m));
        const Peaks p = peaks(g.n, g.m);
        EXPECT_STREQ(plan(g.n, g.m, ULLONG_MAX, true).way == Way::numbered ? "numbered"
                     : p.laying_out > p.searching              ? "lay out"
                                                               : "search",
                     g.peak);
    }
    // The crowded rows: not numbered.
    EXPECT_EQ(plan(1000000, 900000, ULLONG_MAX, true).way, Way::read_twice);
    // Numbering pays in time up to m = 3n / 10 (bench notes); where it saves
    // memory but not time, it is chosen only where the graph fits no other way.
    EXPECT_EQ(plan(10000000, 3000000, ULLONG_MAX, true).way, Way::numbered);
    EXPECT_EQ(plan(10000000, 3000001, ULLONG_MAX, true).way, Way::read_twice);
    const unsigned long long whole = footprint(1000000, 320000, true);
    EXPECT_EQ(plan(1000000, 320000, whole, true).way, Way::read_twice);
    const Plan tight = plan(1000000, 320000, whole - 1, true);
    EXPECT_EQ(tight.way, Way::numbered);
    EXPECT_EQ(tight.needs, footprint_numbered(1000000, 320000));
    // An input that cannot be read again has its ends held.
    EXPECT_EQ(plan(1000000, 320000, ULLONG_MAX, false).way, Way::ends_held);
}

}  // namespace
