#include "numbering.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>

namespace {

// Sorts the `count` keys at `keys` by their bits 32 to 32 + `bits` - 1, and
// keeps the order of equal ones: to and fro between `keys` and `spare`,
// which has room for as many. Returns which of the two holds them sorted.
std::uint64_t* sort_by_high_bits(std::uint64_t* keys, std::uint64_t* spare, std::size_t count,
                                 int bits) {
    const int digit = 11;  // a pass's counts stay in the first cache
    std::vector<std::size_t> first(std::size_t{1} << digit);
    for (int low = 32; low < 32 + bits; low += digit) {
        const auto digit_of = [&](std::uint64_t key) {
            return static_cast<std::size_t>(key >> low) & (first.size() - 1);
        };
        std::fill(first.begin(), first.end(), 0);
        for (std::size_t x = 0; x < count; ++x) ++first[digit_of(keys[x])];
        std::size_t at = 0;
        for (std::size_t& f : first) at += std::exchange(f, at);
        for (std::size_t x = 0; x < count; ++x) spare[first[digit_of(keys[x])]++] = keys[x];
        std::swap(keys, spare);
    }
    return keys;
}

}  // namespace

int renumber(std::vector<std::uint32_t>& ends, int n) {
    std::unique_ptr<std::uint64_t[]> keys(new std::uint64_t[ends.size()]);
    std::unique_ptr<std::uint64_t[]> spare(new std::uint64_t[ends.size()]);
    for (std::size_t x = 0; x < ends.size(); ++x) keys[x] = std::uint64_t{ends[x]} << 32 | x;
    int bits = 1;
    while (bits < 31 && (n - 1) >> bits != 0) ++bits;
    const std::uint64_t* const sorted =
        sort_by_high_bits(keys.get(), spare.get(), ends.size(), bits);
    std::uint32_t vertex = 0;  // the last one numbered, `at`: vertex 1 first, touched or not
    int at = 0;
    for (std::size_t x = 0; x < ends.size(); ++x) {
        if (sorted[x] >> 32 != vertex) {
            vertex = static_cast<std::uint32_t>(sorted[x] >> 32);
            ++at;
        }
        ends[static_cast<std::uint32_t>(sorted[x])] = static_cast<std::uint32_t>(at);
    }
    return at + 1;
}
