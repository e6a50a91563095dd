#include "numbering.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "prefetch.h"

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
// fro within its own range of both (a bucket's counts stay in the first
// cache).
Graph Numbering::graph(int n) {
    int bits = 1;
    while (bits < 31 && (n - 1) >> bits != 0) ++bits;
    const int top = std::min(bits, 11), rest = bits - top;
    const int passes = (rest + 10) / 11, digit = passes > 0 ? (rest + passes - 1) / passes : 0;
    std::vector<std::size_t> first, bucket;
    sort_by_digit(keys_.get(), spare_.get(), count_, rest, top, bucket);
    std::uint64_t* sorted = spare_.get();
    std::uint64_t* other = keys_.get();
    std::size_t begin = 0;
    for (const std::size_t end : bucket) {
        for (int pass = 0, low = 0; pass < passes; ++pass, low += digit) {
            const bool back = pass % 2;
            sort_by_digit((back ? other : sorted) + begin, (back ? sorted : other) + begin,
                          end - begin, low, std::min(digit, rest - low), first);
        }
        begin = end;
    }
    if (passes % 2) std::swap(sorted, other);

    // Each vertex's rank, `at`, and where its row starts; the ranks of the
    // ends take the other half, 4 bytes a place (copied in and out, as the
    // half held keys of 8).
    Room<std::uint32_t> offsets(std::min<std::size_t>(n, count_ + 1) + 1);
    auto* const ranks = reinterpret_cast<unsigned char*>(other);
    const auto rank_at = [&](std::uint32_t place) { return ranks + 4 * std::size_t{place}; };
    std::uint32_t vertex = 0;  // the last one numbered: vertex 1 first, touched or not
    std::uint32_t at = 0;
    offsets[0] = 0;
    const std::size_t ahead = 16;  // places asked for before they are ranked or read
    for (std::size_t x = 0; x < count_; ++x) {
        if (x + ahead < count_) prefetch(rank_at(static_cast<std::uint32_t>(sorted[x + ahead])));
        if (sorted[x] >> 32 != vertex) {
            vertex = static_cast<std::uint32_t>(sorted[x] >> 32);
            offsets[++at] = static_cast<std::uint32_t>(x);
        }
        std::memcpy(rank_at(static_cast<std::uint32_t>(sorted[x])), &at, sizeof at);
    }
    offsets[at + 1] = static_cast<std::uint32_t>(count_);
    // Each key becomes its row's entry: the rank of the edge's other end,
    // and the edge.
    for (std::size_t x = 0; x < count_; ++x) {
        if (x + ahead < count_)
            prefetch(rank_at(static_cast<std::uint32_t>(sorted[x + ahead]) ^ 1));
        const auto place = static_cast<std::uint32_t>(sorted[x]);
        std::uint32_t rank;
        std::memcpy(&rank, rank_at(place ^ 1), sizeof rank);
        const Entry entry{static_cast<int>(rank), static_cast<int>(place >> 1)};
        std::memcpy(&sorted[x], &entry, sizeof entry);
    }
    Room<std::uint64_t>& rows = sorted == keys_.get() ? keys_ : spare_;
    return {static_cast<int>(at) + 1, std::move(offsets), Room<Entry>(std::move(rows))};
}
