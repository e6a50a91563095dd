#include "numbering.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <utility>

#include "key_sort.h"
#include "prefetch.h"

// The memory of the keys is read and written as bytes, 4 and 8 at a time,
// as it holds keys, ranks and rows in turn.
Graph Numbering::graph(int n) {
    assert(count_ % 2 == 0);  // two ends an edge
    std::uint64_t* const sorted = sort_by_vertex(keys_.get(), spare_.get(), count_, n);
    Room<std::uint64_t>& kept = sorted == keys_.get() ? keys_ : spare_;
    Room<std::uint64_t>& spent = sorted == keys_.get() ? spare_ : keys_;
    const auto key = [&](std::size_t x) {
        std::uint64_t k;
        std::memcpy(&k, reinterpret_cast<const unsigned char*>(sorted) + 8 * x, sizeof k);
        return k;
    };

    // Each vertex's rank, `at`, and where its row starts; the ranks of the
    // ends, by place, 4 bytes each in the spent keys.
    Room<std::uint32_t> offsets(std::min<std::size_t>(n, count_ + 1) + 1);
    auto* const ranks = reinterpret_cast<unsigned char*>(spent.get());
    const auto rank_at = [&](std::uint32_t place) { return ranks + 4 * std::size_t{place}; };
    std::uint32_t vertex = 0;  // the last one numbered: vertex 1 first, touched or not
    std::uint32_t at = 0;
    offsets[0] = 0;
    const std::size_t ahead = 16;  // places asked for before they are ranked or read
    for (std::size_t x = 0; x < count_; ++x) {
        if (x + ahead < count_) prefetch(rank_at(static_cast<std::uint32_t>(key(x + ahead))));
        if (key(x) >> 32 != vertex) {
            vertex = static_cast<std::uint32_t>(key(x) >> 32);
            offsets[++at] = static_cast<std::uint32_t>(x);
        }
        std::memcpy(rank_at(static_cast<std::uint32_t>(key(x))), &at, sizeof at);
    }
    offsets[at + 1] = static_cast<std::uint32_t>(count_);
    // Each key becomes its row's entry, the rank of the edge's other end,
    // in the first half of its own memory, which the keys not yet read lie
    // beyond; the ranks by place follow the rows.
    auto* const rows = reinterpret_cast<unsigned char*>(sorted);
    for (std::size_t x = 0; x < count_; ++x) {
        if (x + ahead < count_) prefetch(rank_at(static_cast<std::uint32_t>(key(x + ahead)) ^ 1));
        const auto place = static_cast<std::uint32_t>(key(x));
        std::memcpy(rows + 4 * x, rank_at(place ^ 1), 4);
    }
    std::memcpy(rows + 4 * count_, ranks, 4 * count_);
    return {static_cast<int>(at) + 1, std::move(offsets), Room<std::uint32_t>(std::move(kept))};
}
