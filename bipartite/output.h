// Writing bipartite.out: the number of same-side edges on one line and,
// when it is not 0, their numbers on the next, each at its lower end, lower
// ends ascending, then in the order read. The edges are gone over once
// more, in their order (the file read again, or their ends held), each
// same-side edge kept as a key of its lower end and number, and the keys
// sorted by lower end (key_sort.h), which keeps the order read within one.
// A failed write, flush or close is a fault, and the output stays as it
// was.
//
// Cost: O(m), a side looked up for each end. Memory: 16 bytes a same-side
// edge, of which there are at most m / 2, in the rows' own memory, which
// holds 8 bytes an edge.
#pragma once

#include <cstdint>

#include "prefetch.h"
#include "rows.h"
#include "search.h"

extern const char* const output_name;

class Answer {
public:
    // Room for the same-side edges that the search counted: in `room`, the
    // rows that the search is done with, where it has room for them.
    Answer(const Split& split, Room<std::uint32_t> room);
    static unsigned long long bytes(unsigned long long same_side) {
        return 2 * Room<std::uint64_t>::bytes(same_side);
    }

    // Edge e between the vertices of indices u and v, the edges in order.
    // Its key is written whether or not its ends are on one side, and kept
    // only where they are: a branch on it would be mistaken every other
    // edge.
    void add(int u, int v, int e) {
        const bool same = split_.side_of(u) == split_.side_of(v);
        if (count_ == size_) {
            extra_ = extra_ || same;
            return;
        }
        keys_[count_] = std::uint64_t{static_cast<std::uint32_t>(u < v ? u : v)} << 32 |
                        static_cast<std::uint32_t>(e);
        count_ += same;
    }

    // Asks for the sides of u and v, the ends of an edge to come.
    void ask(std::size_t u, std::size_t v) const {
        prefetch(&split_.side[u / 64]);
        prefetch(&split_.side[v / 64]);
    }

    // Whether the edges added are those searched, as far as the count of
    // same-side edges tells.
    bool whole() const { return !extra_ && count_ == size_; }

    // The same-side edges added, `added()` of them, in the answer's order:
    // by lower end, then as added, each as its lower end << 32 | its number.
    // Once only: the keys are sorted in place.
    std::size_t added() const { return count_; }
    const std::uint64_t* in_order();

    // Writes the answer to standard output, which open_files bound, and
    // puts it in place of bipartite.out.
    void write();

private:
    const Split& split_;
    Room<std::uint32_t> room_;
    std::size_t size_;              // the same-side edges counted
    std::uint64_t *keys_, *spare_;  // in the room, `size_` of each
    std::size_t count_ = 0;
    bool extra_ = false;
};
