#include "key_sort.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "bits.h"

namespace {

// Sorts the keys from[0..count) by the `bits` bits of their vertices from
// bit 32 + `low` up into to[0..count), keeping the order of equal ones: a
// counting sort. Leaves in `first` where each digit's keys end.
void sort_by_digit(const std::uint64_t* from, std::uint64_t* to, std::size_t count, int low,
                   int bits, std::vector<std::size_t>& first) {
    const auto digit_of = [&](std::uint64_t key) {
        return static_cast<std::size_t>(key >> (32 + low)) & ((std::size_t{1} << bits) - 1);
    };
    first.assign(std::size_t{1} << bits, 0);
    for (std::size_t x = 0; x < count; ++x) ++first[digit_of(from[x])];
    std::size_t at = 0;
    for (std::size_t& f : first) at += std::exchange(f, at);
    for (std::size_t x = 0; x < count; ++x) to[first[digit_of(from[x])]++] = from[x];
}

}  // namespace

// Vertices of `bits` bits: a pass by the top `top` of them, from the keys
// into the spare; then each bucket by the rest, `digit` bits a pass, to and
// fro within its own range of both.
std::uint64_t* sort_by_vertex(std::uint64_t* keys, std::uint64_t* spare, std::size_t count,
                              long long n) {
    const int bits = vertex_bits(static_cast<unsigned long long>(n));
    const int top = std::min(bits, 11), rest = bits - top;
    const int passes = (rest + 10) / 11, digit = passes > 0 ? (rest + passes - 1) / passes : 0;
    std::vector<std::size_t> first, bucket;
    sort_by_digit(keys, spare, count, rest, top, bucket);
    std::uint64_t* sorted = spare;
    std::uint64_t* other = keys;
    std::size_t begin = 0;
    for (const std::size_t end : bucket) {
        for (int pass = 0, low = 0; pass < passes; ++pass, low += digit) {
            const bool back = pass % 2;
            sort_by_digit((back ? other : sorted) + begin, (back ? sorted : other) + begin,
                          end - begin, low, std::min(digit, rest - low), first);
        }
        begin = end;
    }
    return passes % 2 ? other : sorted;
}
