#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "retry.h"

// The globals that the driver owns.
int n, k;
int t[max_customers];

namespace {

// Empties the set and blocks the customers with the given arrival times.
void block(int period, const std::vector<int>& arrivals) {
    retry.clear();
    k = period;
    n = static_cast<int>(arrivals.size());
    for (int j = 0; j < n; ++j) {
        t[j] = arrivals[j];
        retry.insert(retry_key(j));
    }
}

TEST(RetrySet, ProbesAndChoice) {
    const struct {
        int k;
        std::vector<int> arrivals;
        std::int64_t x;
        std::array<int, 3> probes;
        int picked;
    } cases[] = {
        {3, {1, 2}, 5, {1, 0, 1}, 1},          // waits 2 and 0
        {3, {1, 2}, 6, {-1, 0, 0}, 0},         // r = 0: p3 is p2, p1 is none
        {5, {0, 5, 10}, 14, {-1, 0, -1}, 0},   // every first component above k - r
        {4, {3, 7, 2, 11}, 15, {2, 2, 0}, 0},  // 0, 1 and 3 are due at once, 2 later
        {4, {3, 7, 11}, 13, {-1, 0, 0}, 0},    // equal waits: the smallest index
    };
    for (const auto& c : cases) {
        block(c.k, c.arrivals);
        EXPECT_EQ(retry_probes(c.x), c.probes) << "k " << c.k << ", x " << c.x;
        EXPECT_EQ(pick_retry(c.x), c.picked) << "k " << c.k << ", x " << c.x;
    }
    retry.clear();
}

TEST(RetrySet, WaitAndBest) {
    block(3, {1, 2, 4});
    EXPECT_EQ(retry_wait(0, 7), 0);  // due at x itself
    EXPECT_EQ(retry_wait(0, 8), 2);
    EXPECT_EQ(retry_wait(1, 8), 0);
    EXPECT_EQ(best(8, -1, -1, -1), -1);
    EXPECT_EQ(best(8, 0, 0, -1), 0);
    EXPECT_EQ(best(8, 2, 0, 1), 1);
    EXPECT_EQ(best(7, 2, -1, 0), 0);  // 0 and 2 both due at 7: the smaller index
    retry.clear();
}

// Against the definition: the smallest wait, then the smallest index, with
// arrival times up to 2^31 - 1 and instants far beyond them.
TEST(RetrySet, PicksLikeAScanOfEveryMember) {
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        const int period = round % 3 == 0 ? 2147483647 : 1 + static_cast<int>(random() % 9);
        std::vector<int> arrivals(1 + random() % 12);
        for (int& arrival : arrivals)
            arrival = static_cast<int>(random() % (round % 2 ? 30 : 2147483648u));
        block(period, arrivals);
        const std::int64_t x = 2147483647 + static_cast<std::int64_t>(random() % 100000);
        int expected = 0;
        for (int j = 1; j < n; ++j)
            if (retry_wait(j, x) < retry_wait(expected, x)) expected = j;
        ASSERT_EQ(pick_retry(x), expected) << "round " << round;
    }
    retry.clear();
}

}  // namespace
