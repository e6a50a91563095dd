// The retry set of `queue`: the blocked customers, and which of them can
// enter first. Customer j retries at the instants t[j] + z*k (z >= 1), so it
// is kept under the key (k - t[j] % k, j): the key's first component is k
// minus the phase of its instants, and within one phase the smallest index
// is the group's last member.
//
// Everything here reads the driver's globals n, k and t and changes none of
// them; it needs k >= 1 and arrival times >= 0.
// Time: insert, remove and pick_retry O(log |retry|).
#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <utility>

const int max_customers = 100000;

// Defined by the driver.
extern int n, k;
extern int t[max_customers];

// The order of `retry`: x before y when its first component is smaller, or
// equal with a larger index. A function object, so that the set's searches
// inline it.
struct retry_less {
    bool operator()(const std::pair<int, int>& x, const std::pair<int, int>& y) const {
        return x.first < y.first || (x.first == y.first && x.second > y.second);
    }
};

extern std::set<std::pair<int, int>, retry_less> retry;

// Customer j's member of `retry`.
std::pair<int, int> retry_key(int j);

// Delay from instant x >= t[j] to customer j's next retrial instant (0 when
// x is one): in 0..k-1.
std::int64_t retry_wait(int j, std::int64_t x);

// Of the candidate indices (-1 for none), the one with the smallest wait at
// x, the smaller index on equal waits; -1 when there is none.
int best(std::int64_t x, int p1, int p2, int p3);

// The candidates that pick_retry weighs at x: the last member with first
// component below x % k, the last member of the set, and the last member
// with first component at most k - x % k (-1 where there is none). The set
// must not be empty.
std::array<int, 3> retry_probes(std::int64_t x);

// The blocked customer that enters first from instant x: the smallest wait,
// then the smallest index. The set must not be empty.
int pick_retry(std::int64_t x);
