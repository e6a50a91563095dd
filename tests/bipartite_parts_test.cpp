// bipartite's parts, each against a plain oracle: the move bits against an
// ordered set, the layout of a block against rows built naively, numbering
// against a map, and the way that the end-to-end tests' graphs are run.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <random>
#include <set>
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

// A block of vertices whose rows hold `degrees` ends, in a random order, as
// parts of at most `part_bytes` (8 an end) or one row: in `parts` parts.
struct BlockCase {
    std::vector<int> degrees;
    std::size_t part_bytes;
    int parts;
};

// The rows as a block of vertices from `base` on is laid out, by the plain
// path and by the split path, against each vertex's ends picked out in
// order; the offsets of the block start where the block before ends.
TEST(LayOutBlock, MatchesRowsBuiltNaively) {
    std::vector<int> long_first(64, 300);  // 38900 ends, over three chunks of the lists
    long_first[0] = 20000;
    const BlockCase cases[] = {
        {{0}, 8, 1},
        {{3, 1, 1, 5}, 40, 1},  // twice a part: not split
        {{3, 1, 1, 5}, 32, 3},  // {0, 1} {2} {3}
        {{3, 1, 1, 5}, 8, 4},   // a row a part, each row being larger than a part
        {{1, 1, 1, 1, 40, 1, 1, 1, 1, 1, 1}, 24, 5},  // {0-2} {3} {4} {5-7} {8-10}
        {long_first, 8192 * 8, 4},                    // {0} {1-27} {28-54} {55-63}
    };
    const int base = 3;
    const std::uint32_t start = 7;
    std::mt19937 random(12);
    for (const BlockCase& c : cases) {
        const int width = static_cast<int>(c.degrees.size());
        SCOPED_TRACE("width " + std::to_string(width) + ", part " + std::to_string(c.part_bytes));
        std::vector<int> order;
        for (int v = 0; v < width; ++v) order.insert(order.end(), c.degrees[v], v);
        std::shuffle(order.begin(), order.end(), random);
        EndList list;
        std::vector<std::vector<std::pair<int, int>>> rows(width);
        for (int e = 0; e < static_cast<int>(order.size()); ++e) {
            const int neighbour = static_cast<int>(random() % 2000000000);
            list.add(order[e], neighbour, e);
            rows[order[e]].emplace_back(neighbour, e);
        }
        std::vector<std::uint32_t> offsets(base + width + 1, 0), degree(width);
        offsets[base] = start;
        std::vector<Entry> adj(start + order.size());
        EXPECT_EQ(lay_out_block(list, base, width, c.part_bytes, offsets.data(), adj.data(),
                                degree.data()),
                  c.parts);
        std::uint32_t at = start;
        for (int v = 0; v < width; ++v) {
            SCOPED_TRACE(v);
            at += static_cast<std::uint32_t>(rows[v].size());
            ASSERT_EQ(offsets[base + v + 1], at);
            for (std::size_t j = 0; j < rows[v].size(); ++j) {
                const Entry entry = adj[offsets[base + v] + j];
                ASSERT_EQ(std::make_pair(entry.neighbour, entry.edge_id), rows[v][j]);
            }
        }
        int left = 0;
        list.visit([&](int, int, int) { ++left; });
        EXPECT_EQ(left, 0);
    }
}

// Vertex numbers at the top of the 32-bit range, around the sort's digits
// of 11 bits (n - 1 of 11, 12 and 23 bits), with vertex 1 touched or not,
// and with ends repeated.
TEST(Renumber, MatchesARankingOfTheVerticesTouched) {
    std::mt19937 random(13);
    const int sizes[] = {1, 2, 2048, 2049, 1 << 22, (1 << 22) + 1, 2147483647};
    for (int round = 0; round < 140; ++round) {
        const int n = sizes[round % 7];
        SCOPED_TRACE("n " + std::to_string(n) + ", round " + std::to_string(round));
        // Drawn from a few values, so that they repeat: the top vertex, and
        // vertex 1 in every other round.
        std::vector<std::uint32_t> pool = {static_cast<std::uint32_t>(n - 1)};
        if (round % 2) pool.push_back(0);
        for (int x = static_cast<int>(random() % 40); x > 0; --x)
            pool.push_back(static_cast<std::uint32_t>(random() % n));
        std::vector<std::uint32_t> ends(n > 1 ? random() % 200 : 0);
        for (std::uint32_t& end : ends) end = pool[random() % pool.size()];

        std::map<std::uint32_t, std::uint32_t> rank = {{0, 0}};
        for (const std::uint32_t end : ends) rank.emplace(end, 0);
        std::uint32_t next = 0;
        for (auto& [vertex, place] : rank) place = next++;
        std::vector<std::uint32_t> expected;
        for (const std::uint32_t end : ends) expected.push_back(rank[end]);

        EXPECT_EQ(renumber(ends, n), static_cast<int>(rank.size()));
        EXPECT_EQ(ends, expected);
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
        EXPECT_STREQ(plan(g.n, g.m, ULLONG_MAX).numbered ? "numbered"
                     : p.laying_out > p.searching        ? "lay out"
                                                         : "search",
                     g.peak);
    }
    // The crowded rows: not numbered, and in blocks of 2^16 vertices, so that
    // vertices 1 to 65536 and all their rows are in block 0.
    EXPECT_FALSE(plan(1000000, 900000, ULLONG_MAX).numbered);
    EXPECT_EQ(block_shift(1000000, 900000), 16);
    // Numbering pays in time up to m = n / 10 (bench notes); where it saves
    // memory but not time, it is chosen only where the graph fits no other way.
    EXPECT_TRUE(plan(10000000, 1000000, ULLONG_MAX).numbered);
    EXPECT_FALSE(plan(10000000, 1000001, ULLONG_MAX).numbered);
    const unsigned long long whole = footprint(1000000, 200000);
    EXPECT_FALSE(plan(1000000, 200000, whole).numbered);
    const Plan tight = plan(1000000, 200000, whole - 1);
    EXPECT_TRUE(tight.numbered);
    EXPECT_EQ(tight.needs, footprint_numbered(1000000, 200000));
}

}  // namespace
