#include "rows.h"

#include <algorithm>

int group_shift(unsigned long long n, unsigned long long m, std::size_t part) {
    const unsigned long long rows = 2 * m * sizeof(Entry);
    int shift = 15;
    while (shift > 0 && (rows << shift) / n > part / 16 && (n - 1) >> (shift - 1) < 1 << 16)
        --shift;
    return shift;
}

Tally::Tally(int vertices, int m, std::size_t part)
    : n(vertices),
      shift(group_shift(vertices, m, part)),
      ends((static_cast<unsigned>(n - 1) >> shift) + 1) {}

Layout::Layout(const Tally& tally, Room<Entry> adj, std::size_t part, std::size_t room)
    : n_(tally.n),
      shift_(tally.shift),
      group_mask_((1 << tally.shift) - 1),
      part_bytes_(part),
      room_(room > 0 ? room : std::max(part, sizeof(std::int32_t) * static_cast<std::size_t>(n_))),
      group_ends_(tally.ends),
      part_of_group_(tally.ends.size()),
      adj_(std::move(adj)) {
    for (std::size_t g = 0; g < group_ends_.size(); ++g) {
        const int width = group_width(g);
        if (width > 1 && std::uint64_t{group_ends_[g]} * sizeof(Entry) > room_) {
            part_of_group_[g] = ~static_cast<int>(vertex_ends_.size());
            crowded_.push_back(static_cast<int>(g));
            vertex_ends_.resize(vertex_ends_.size() + width);
        }
    }
    if (crowded_.empty()) plan();
}

bool Layout::split_crowded() {
    for (const int g : crowded_) {
        const int first = ~part_of_group_[g];
        const int width = group_width(g);
        std::uint64_t ends = 0;
        for (int v = 0; v < width; ++v) ends += vertex_ends_[first + v];
        if (ends != group_ends_[g]) return false;
    }
    plan();
    return true;
}

// Parts of whole groups, or of single vertices in a crowded group: each
// closed where the next would take it past a part's bytes or 2^16 vertices.
void Layout::plan() {
    vertex_part_.resize(vertex_ends_.size());
    std::uint32_t placed = 0;  // ends in the parts closed
    std::uint64_t ends = 0;    // in the part being made
    int first = 0, width = 0;  // its vertices
    const auto close = [&] {
        start_.push_back(placed);
        parts_.push_back({placed, static_cast<std::uint32_t>(placed + ends), 0, first});
        placed += static_cast<std::uint32_t>(ends);
        first += width;
        ends = 0;
        width = 0;
    };
    // Adds `w` vertices with `count` ends to the parts; returns the index of their part.
    const auto take = [&](int w, std::uint64_t count) {
        if (width > 0 && ((ends + count) * sizeof(Entry) > part_bytes_ || width + w > max_width))
            close();
        ends += count;
        width += w;
        return static_cast<int>(parts_.size());
    };
    for (std::size_t g = 0; g < group_ends_.size(); ++g) {
        const int w = group_width(g);
        if (part_of_group_[g] >= 0) {
            part_of_group_[g] = take(w, group_ends_[g]);
            continue;
        }
        const int at = ~part_of_group_[g];
        for (int v = 0; v < w; ++v) vertex_part_[at + v] = take(1, vertex_ends_[at + v]);
    }
    close();
    start_.push_back(placed);
}

std::optional<Graph> Layout::finish() {
    if (overfull_) return std::nullopt;
    for (const Part& part : parts_) {
        if (part.at != part.end) return std::nullopt;
    }
    // Each part's escaped edges together, in the order placed.
    std::stable_sort(escapes_.begin(), escapes_.end(),
                     [](std::uint64_t a, std::uint64_t b) { return a >> 32 < b >> 32; });
    std::size_t spare = 0;  // the most records of a part of several vertices
    for (std::size_t p = 0; p < parts_.size(); ++p) {
        const int next = p + 1 < parts_.size() ? parts_[p + 1].first : n_;
        if (next - parts_[p].first > 1)
            spare = std::max<std::size_t>(spare, start_[p + 1] - start_[p]);
    }
    std::vector<std::uint64_t> records(spare);
    std::vector<std::uint32_t> degree(max_width);

    Graph graph{n_, Room<std::uint32_t>(static_cast<std::size_t>(n_) + 1), std::move(adj_)};
    Entry* const adj = graph.adj.get();
    graph.offsets[0] = 0;
    std::size_t escaped = 0;
    for (std::size_t p = 0; p < parts_.size(); ++p) {
        const std::uint32_t begin = start_[p], end = start_[p + 1];
        const int first = parts_[p].first;
        const int width = (p + 1 < parts_.size() ? parts_[p + 1].first : n_) - first;
        // For now offsets[first + 1 + v] is where the next end of vertex v
        // goes: at the start of its row, and at its end once all are written.
        std::uint32_t* const next = &graph.offsets[first + 1];
        std::uint32_t last = 0;
        const auto edge = [&](std::uint64_t record) {
            const auto gap = static_cast<std::uint32_t>(record >> 32) & escape;
            last = gap == escape ? static_cast<std::uint32_t>(escapes_[escaped++]) : last + gap;
            return Entry{static_cast<int>(static_cast<std::uint32_t>(record)),
                         static_cast<int>(last)};
        };
        if (width == 1) {  // one row, whose records are already in order
            for (std::uint32_t j = begin; j < end; ++j) {
                std::uint64_t record;
                std::memcpy(&record, &adj[j], sizeof record);
                adj[j] = edge(record);
            }
            next[0] = end;
            continue;
        }
        std::fill(degree.begin(), degree.begin() + width, 0);
        for (std::uint32_t j = begin; j < end; ++j) {
            std::memcpy(&records[j - begin], &adj[j], sizeof records[0]);
            ++degree[records[j - begin] >> 48];
        }
        std::uint32_t at = begin;
        for (int v = 0; v < width; ++v) {
            next[v] = at;
            at += degree[v];
        }
        for (std::uint32_t x = 0; x < end - begin; ++x)
            adj[next[records[x] >> 48]++] = edge(records[x]);
    }
    return graph;
}
