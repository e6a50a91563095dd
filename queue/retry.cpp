#include "retry.h"

#include <algorithm>
#include <iterator>

std::set<std::pair<int, int>, retry_less> retry;

std::pair<int, int> retry_key(int j) { return {k - t[j] % k, j}; }

std::int64_t retry_wait(int j, std::int64_t x) {
    const std::int64_t d = x - t[j];
    const std::int64_t r1 = d % k;
    return (k - r1) % k;
}

int best(std::int64_t x, int p1, int p2, int p3) {
    const std::int64_t none = 1000000000000000000;
    std::array<std::pair<std::int64_t, int>, 3> candidates;
    const int indices[] = {p1, p2, p3};
    for (int i = 0; i < 3; ++i)
        candidates[i] = {indices[i] == -1 ? none : retry_wait(indices[i], x), indices[i]};
    std::sort(candidates.begin(), candidates.end());
    return candidates[0].second;
}

std::array<int, 3> retry_probes(std::int64_t x) {
    const int r = static_cast<int>(x % k);
    // Every index is below n, so this is the first member with first >= r.
    const auto low = retry.lower_bound({r, n});
    const auto high = retry.upper_bound({k - r, -1});
    return {low == retry.begin() ? -1 : std::prev(low)->second, std::prev(retry.end())->second,
            high == retry.begin() ? -1 : std::prev(high)->second};
}

int pick_retry(std::int64_t x) {
    const std::array<int, 3> p = retry_probes(x);
    return best(x, p[0], p[1], p[2]);
}
