#include "rows.h"

#include <algorithm>

int lay_out_block(EndList& list, int base, int width, std::size_t part_bytes,
                  std::uint32_t* offsets, Entry* adj, std::uint32_t* degree) {
    std::fill(degree, degree + width, 0);
    list.visit([&](int v, int, int) { ++degree[v]; });
    // For now offsets[base + 1 + v] is where the next end of vertex v goes:
    // at the start of its row, and at its end once all are written.
    std::uint32_t* const next = offsets + base + 1;
    std::uint32_t at = offsets[base];
    for (int v = 0; v < width; ++v) {
        next[v] = at;
        at += degree[v];
    }
    const auto write = [&](int v, int neighbour, int edge_id) {
        adj[next[v]++] = {neighbour, edge_id};
    };
    if ((at - offsets[base]) * sizeof(Entry) <= 2 * part_bytes) {
        list.take(write);
        return 1;
    }

    // A block of many more rows than most, as where edges crowd among a few
    // vertices: written all at once, its rows would be taken while its list
    // is still held.
    std::vector<int> part_of(width);
    int parts = 0;
    for (int v = 0, first = 0; v < width; ++v) {
        if (v > first && (next[v] + degree[v] - next[first]) * sizeof(Entry) > part_bytes) {
            ++parts;
            first = v;
        }
        part_of[v] = parts;
    }
    std::vector<EndList> lists(parts + 1);
    list.take(
        [&](int v, int neighbour, int edge_id) { lists[part_of[v]].add(v, neighbour, edge_id); });
    for (EndList& part : lists) part.take(write);
    return parts + 1;
}

Graph lay_out(BlockLists& lists, int m, bool huge) {
    const int n = lists.n;
    // The rows take huge pages but for those of the first blocks, which are
    // written while every list is still held: a huge page is taken whole
    // before the lists give any memory back.
    Graph graph{n, Room<std::uint32_t>(static_cast<std::size_t>(n) + 1, huge),
                Room<Entry>(2 * static_cast<std::size_t>(m), true,
                            2 * block_bytes + Room<Entry>::huge_page_bytes)};
    graph.offsets[0] = 0;
    const int width = 1 << lists.shift;
    std::vector<std::uint32_t> degree(width);
    for (std::size_t b = 0; b < lists.blocks.size(); ++b) {
        const int base = static_cast<int>(b << lists.shift);
        lay_out_block(lists.blocks[b], base, std::min(n - base, width), block_bytes,
                      graph.offsets.get(), graph.adj.get(), degree.data());
    }
    lists.blocks = std::vector<EndList>();
    return graph;
}
