// Numbering again the vertices that edges touch, for a graph whose edges
// touch few of its n vertices: those they touch, and vertex 1 (index 0),
// get the indices 0, 1, 2, ... in their order. A vertex that no edge
// touches never moves and ends no edge of the answer, and the order kept
// keeps every move, the count and the order of the answer's list; vertex 1
// keeps its place, as it starts alone on its side.
//
// Each end is kept as read, as a (vertex, place) key. Sorted by vertex and
// then by place, the keys are the rows in order, each vertex's entries by
// edge: so the graph is laid out from them in one pass, in their own memory.
//
// Cost: O(m): the keys sorted (key_sort.h); one pass ranks them, one more
// turns them into rows. Memory: 16 bytes an end, in two halves, one of
// which becomes the rows and the ends' ranks.
#pragma once

#include <cstddef>
#include <cstdint>

#include "rows.h"

class Numbering {
public:
    // Room for `ends` ends.
    explicit Numbering(std::size_t ends) : keys_(ends), spare_(ends), capacity_(ends) {}
    static unsigned long long bytes(unsigned long long ends) {
        return 2 * Room<std::uint64_t>::bytes(ends);
    }

    // The next end read, the index of its vertex, two an edge in the order
    // read; false where there is no room for it.
    bool add(int vertex) {
        if (count_ == capacity_) return false;
        keys_[count_] = std::uint64_t{static_cast<std::uint32_t>(vertex)} << 32 | count_;
        ++count_;
        return true;
    }

    // The graph of the ends added, each below n, its vertices numbered
    // again; its `adj` holds after the rows each end's new index, in the
    // order added: the edges again, for the answer.
    Graph graph(int n);

private:
    Room<std::uint64_t> keys_, spare_;
    std::size_t capacity_, count_ = 0;
};
