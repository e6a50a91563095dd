// The local search: vertex 1 (index 0) starts on side 1 and all others on
// side 0; while some vertex has more neighbours on its own side than
// across, the lowest such vertex moves to the other side. Each move adds at
// least one edge across, so there are at most m moves.
//
// Cost: O(n + m) to start; per move, one pass over the moved vertex's row
// and a walk down the levels of move bits (log64 n words), never a scan
// from vertex 1. Memory: 4 bytes a vertex of state, and a bit of side and
// 1.02 bits of move bits (search_bytes).
#pragma once

#include <cstdint>
#include <vector>

#include "rows.h"

// Where the search ends: bit i % 64 of side[i / 64] is vertex i's side, and
// `same_side` the number of edges whose ends are on one side.
struct Split {
    std::vector<std::uint64_t> side;
    long long same_side;

    bool side_of(int i) const {
        const auto at = static_cast<std::size_t>(i);
        return side[at / 64] >> (at % 64) & 1;
    }
    static unsigned long long bytes(unsigned long long n) { return (n + 63) / 64 * 8; }
};

// The memory of the search beside the graph: its states, 4 bytes a vertex
// (bin_bytes(n) where the room of the layout's bins is handed on), the move
// bits and the sides.
unsigned long long search_bytes(unsigned long long n);

// The search over `graph` of m edges, its states in `states` where that
// has room for them. Its moves are the same whatever its look-ahead guesses.
Split search(const Graph& graph, int m, Room<std::int32_t> states = {});
