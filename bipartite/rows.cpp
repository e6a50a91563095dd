#include "rows.h"

#include <algorithm>
#include <climits>

#include "bits.h"

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

namespace {

// The bins' runs of parts: 2^shift vertices each, at most 256 of them, so
// that the bins' next places stay in the first-level cache.
int bin_shift(int n, int part_shift) { return std::max(part_shift, vertex_bits(n) - 8); }

}  // namespace

bool records_fit(int n) { return vertex_bits(n) <= 27; }

int record_shift(int n, unsigned long long m, std::size_t part) {
    const int bits = vertex_bits(n);
    const unsigned long long rows = Room<std::uint32_t>::bytes(2 * m);
    const int least = std::max(bits - 22, 0);
    int shift = std::min(32 - bits, bits);
    while (shift > least && (rows << shift) / static_cast<unsigned>(n) > part) --shift;
    return shift;
}

Tally::Tally(int n, int m, std::size_t part)
    : n_(n),
      m_(m),
      shift_(record_shift(n, static_cast<unsigned long long>(m), part)),
      ends_((static_cast<std::size_t>(n - 1) >> shift_) + 1) {
    assert(records_fit(n));
}

unsigned long long Tally::bytes(unsigned long long n, unsigned long long m, std::size_t part) {
    return Room<std::uint32_t>::bytes(((n - 1) >> record_shift(static_cast<int>(n), m, part)) + 1);
}

// The tally's memory is given back once the parts' places are worked out.
RecordLayout::RecordLayout(Tally tally, Room<std::uint32_t> room, std::size_t bin_bytes)
    : n_(tally.n_),
      shift_(tally.shift_),
      bits_(vertex_bits(tally.n_)),
      bin_shift_(bin_shift(tally.n_, tally.shift_)),
      low_((std::uint32_t{1} << shift_) - 1),
      direct_(tally.ends_.size() <= 4096),
      offsets_(static_cast<std::size_t>(tally.n_) + 1),
      adj_(2 * static_cast<std::size_t>(tally.m_)),
      room_(std::move(room)),
      parts_(tally.ends_.size()),
      sizes_((static_cast<std::size_t>(tally.n_ - 1) >> bin_shift_) + 1) {
    std::uint32_t start = 0;
    for (std::size_t p = 0; p < parts_.size(); ++p) {
        parts_[p].next = start;
        start += tally.ends_[p];
        parts_[p].end = start;
    }
    // A bin an end at least (the program's room holds 512 of them a bin).
    const std::size_t room_ends = room_.size() / 2;
    if (room_ends < sizes_.size()) room_ = Room<std::uint32_t>(2 * sizes_.size());
    // Bins of 16 ends a part and more, as far as the room holds them (at
    // 10^8 vertices the whole room): a bin's ends then fill about a line of
    // each part's rows that they go to, not one place of it each.
    const std::size_t wanted = std::max<std::size_t>(16 * parts_.size(), 1 << 16);
    capacity_ = static_cast<std::uint32_t>(std::max(
        std::min({room_.size() / 2, bin_bytes / sizeof(std::uint64_t), wanted}) / sizes_.size(),
        std::size_t{1}));
    bins_ = room_.begin_as<std::uint64_t>(capacity_ * sizes_.size());
}

unsigned long long RecordLayout::table_bytes(unsigned long long n, unsigned long long m,
                                             std::size_t part) {
    const int shift = record_shift(static_cast<int>(n), m, part);
    const unsigned long long parts = ((n - 1) >> shift) + 1, vertices = 1ULL << shift;
    // The parts, then the places of a part's vertices.
    return parts * sizeof(Part) + Room<std::uint32_t>::bytes(vertices + 1);
}

// A bin's ends, each as a record at its part's next place.
void RecordLayout::empty(std::size_t b) {
    const std::uint64_t* const bin = bins_ + b * capacity_;
    for (std::uint32_t j = 0; j < sizes_[b]; ++j)
        write(static_cast<std::uint32_t>(bin[j] >> 32), static_cast<std::uint32_t>(bin[j]));
    sizes_[b] = 0;
}

// Part p's records, from `begin` to its end, ordered in place by vertex:
// each vertex's ends counted into `next`, its places, which go into the
// offsets. A part that fits `aside` is copied there and each record put at
// its vertex's next place, as its neighbour alone. A larger one (a hub's) is
// ordered within itself: each record put at its vertex's next place, and
// the record there taken on, until one of the vertex whose place began the
// walk turns up; places not yet reached hold records.
void RecordLayout::order(std::size_t p, std::uint32_t begin, std::uint32_t* next,
                         std::uint32_t* aside) {
    const std::uint32_t end = parts_[p].end;
    const std::size_t first = p << shift_;
    const std::size_t k = std::min<std::size_t>(std::size_t{1} << shift_, n_ - first);
    std::uint32_t* const adj = adj_.get();
    const std::uint32_t neighbour = (std::uint32_t{1} << bits_) - 1;
    std::fill_n(next, k + 1, 0);
    for (std::uint32_t j = begin; j < end; ++j) ++next[(adj[j] >> bits_) + 1];
    next[0] = begin;
    for (std::size_t v = 0; v < k; ++v) {
        next[v + 1] += next[v];
        offsets_[first + v] = next[v];
    }
    if (end - begin <= room_.size()) {
        std::copy(adj + begin, adj + end, aside);
        for (std::uint32_t j = 0; j < end - begin; ++j)
            adj[next[aside[j] >> bits_]++] = aside[j] & neighbour;
        return;
    }
    for (std::size_t v = 0; v < k; ++v) {
        const std::uint32_t stop = v + 1 < k ? offsets_[first + v + 1] : end;
        while (next[v] < stop) {
            std::uint32_t record = adj[next[v]];
            for (std::size_t t; (t = record >> bits_) != v;) {
                const std::uint32_t taken = adj[next[t]];
                adj[next[t]++] = record & neighbour;
                record = taken;
            }
            adj[next[v]++] = record & neighbour;
        }
    }
}

// The bins emptied, their room then set aside for ordering the parts.
std::pair<Graph, Room<std::int32_t>> RecordLayout::finish() {
    for (std::size_t b = 0; b < sizes_.size(); ++b) empty(b);
    bins_ = nullptr;
    std::uint32_t* const aside = room_.begin_as<std::uint32_t>(room_.size());
    const bool whole = std::all_of(parts_.begin(), parts_.end(),
                                   [](const Part& part) { return part.next == part.end; });
    if (whole) {
        std::vector<std::uint32_t> next((std::size_t{1} << shift_) + 1);
        std::uint32_t begin = 0;
        for (std::size_t p = 0; p < parts_.size(); begin = parts_[p++].end)
            order(p, begin, next.data(), aside);
    }
    offsets_[static_cast<std::size_t>(n_)] = static_cast<std::uint32_t>(adj_.size());
    return {Graph{n_, std::move(offsets_), std::move(adj_)}, Room<std::int32_t>(std::move(room_))};
}
