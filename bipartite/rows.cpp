#include "rows.h"

#include <algorithm>
#include <climits>

int group_shift(unsigned long long n, unsigned long long m, std::size_t part) {
    const unsigned long long rows = Room<std::uint32_t>::bytes(2 * m);
    int shift = 15;
    while (shift > 0 && (rows << shift) / n > part / 16 && (n - 1) >> (shift - 1) < 1 << 16)
        --shift;
    return shift;
}

Degrees::Degrees(int n, Room<std::uint32_t> offsets, Room<std::uint16_t> bins)
    : n_(n),
      offsets_(std::move(offsets)),
      bins_(std::move(bins)),
      sizes_((static_cast<std::size_t>(n - 1) >> block_shift) + 1),
      capacity_(static_cast<std::uint32_t>(
          std::min<std::size_t>(bins_.size() / sizes_.size(), UINT32_MAX))) {
    assert(offsets_.size() == static_cast<std::size_t>(n) + 1 && capacity_ > 0);
    std::fill_n(offsets_.get(), offsets_.size(), 0);
}

// Vertex x's count is at offsets[x + 1] until finish.
void Degrees::empty(std::size_t block) {
    std::uint32_t* const counts = offsets_.get() + (block << block_shift) + 1;
    const std::uint16_t* const bin = bins_.get() + block * capacity_;
    for (std::uint32_t j = 0; j < sizes_[block]; ++j) ++counts[bin[j]];
    sizes_[block] = 0;
}

std::pair<Room<std::uint32_t>, Room<std::uint16_t>> Degrees::finish() {
    for (std::size_t block = 0; block < sizes_.size(); ++block) empty(block);
    std::uint32_t start = 0;  // 2m < 2^32
    for (int x = 0; x < n_; ++x) start += std::exchange(offsets_[x + 1], start);
    return {std::move(offsets_), std::move(bins_)};
}

Layout::Layout(int n, int m, Room<std::uint32_t> offsets, Room<std::uint16_t> room,
               std::size_t part)
    : n_(n),
      shift_(group_shift(n, m, part)),
      offsets_(std::move(offsets)),
      adj_(2 * static_cast<std::size_t>(m)),
      bins_(std::move(room)),
      part_of_group_((static_cast<std::size_t>(n - 1) >> shift_) + 1) {
    // Where vertex x's row starts: its next place, until it is laid out.
    const auto start = [&](std::size_t x) {
        return x < static_cast<std::size_t>(n) ? offsets_[x + 1]
                                               : 2 * static_cast<std::uint32_t>(m);
    };
    std::uint32_t first = 0;  // of the part being made
    for (std::size_t g = 0; g < part_of_group_.size(); ++g) {
        const std::uint32_t from = start(g << shift_), to = start((g + 1) << shift_);
        if (from > first && Room<std::uint32_t>::bytes(to - first) > part) {
            parts_.push_back({from, 0});
            first = from;
        }
        part_of_group_[g] = static_cast<int>(parts_.size());
    }
    parts_.push_back({start(n), 0});
    // A bin an end at least (the program's room holds 16 a part and more).
    if (bins_.size() < parts_.size()) bins_ = Room<End>(parts_.size());
    capacity_ =
        static_cast<std::uint32_t>(std::min<std::size_t>(bins_.size() / parts_.size(), UINT32_MAX));
}

// Each end at its vertex's next place, within its part: where the edges are
// not those counted, a place past the part's rows is not written.
void Layout::empty(int p) {
    Part& part = parts_[p];
    const End* const bin = bins_.get() + static_cast<std::size_t>(p) * capacity_;
    std::uint32_t* const next = offsets_.get() + 1;
    std::uint32_t* const adj = adj_.get();
    const std::uint32_t end = part.end, size = part.size;
    for (std::uint32_t j = 0; j < size; ++j) {
        const std::uint32_t at = next[bin[j].vertex]++;
        if (at < end) adj[at] = bin[j].neighbour;
    }
    part.size = 0;
}

std::pair<Graph, Room<std::int32_t>> Layout::finish() {
    for (std::size_t p = 0; p < parts_.size(); ++p) empty(static_cast<int>(p));
    offsets_[0] = 0;
    return {Graph{n_, std::move(offsets_), std::move(adj_)}, Room<std::int32_t>(std::move(bins_))};
}
