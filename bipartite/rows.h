// Each vertex's row of neighbours, laid out in the memory where it stays,
// without a miss to memory for each end. The edges are gone over twice (the
// file read again, or the ends held in memory): the first time counts the
// ends of each group of vertices; the second writes each end, as a record
// of 8 bytes, at the next place of its part of the rows, a run of groups of
// about `part_bytes` of rows, so that the records go to a few hundred or
// thousand places at once, each written in order. Each part is then ordered
// in place, its records copied aside and its rows staying in the caches. A
// file read twice takes no memory for its edges beside the rows, and no
// page twice.
//
// A group of several vertices whose ends alone take more than the search
// takes beside the rows (a hub and its neighbours in number) is counted
// vertex by vertex in one more going-over, and split.
//
// Cost: O(1) an end each time the edges are gone over; O(n + m) to order.
// Memory: 8 bytes an end and 4 a vertex, the rows' own; the records of one
// part copied aside, at most max(`part_bytes`, 4n) bytes; 28 bytes a group.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <utility>
#include <vector>

// One entry of a vertex's row: the other end of an edge at the vertex, and
// the edge (0-based).
struct Entry {
    int neighbour;
    int edge_id;
};

// Room for `count` values of a trivial type, not filled: its pages are
// taken as they are written.
template <class T>
class Room {
public:
    explicit Room(std::size_t count) {
        if (count > SIZE_MAX / sizeof(T)) throw std::bad_alloc();
        bytes_.reset(new unsigned char[count * sizeof(T)]);
        values_ = reinterpret_cast<T*>(bytes_.get());
        std::uninitialized_default_construct_n(values_, count);  // nothing to do
    }
    // The room of `from`, whose values are no longer needed, for values of
    // this type: as many as its bytes hold.
    template <class U>
    explicit Room(Room<U>&& from)
        : bytes_(std::move(from.bytes_)), values_(reinterpret_cast<T*>(from.values_)) {
        static_assert(alignof(U) >= alignof(T), "the room is aligned for these values");
    }
    T& operator[](std::size_t i) const { return values_[i]; }
    T* get() const { return values_; }

private:
    template <class>
    friend class Room;

    std::unique_ptr<unsigned char[]> bytes_;
    T* values_;
};

// A graph laid out for the search: vertex i's row is adj[offsets[i]] to
// adj[offsets[i + 1] - 1], its neighbours in the order the edges were read.
// 2m < 2^32 ends in all.
struct Graph {
    int n;
    Room<std::uint32_t> offsets;
    Room<Entry> adj;

    std::uint32_t degree(int i) const { return offsets[i + 1] - offsets[i]; }
};

// The rows that a part holds, unless it is one vertex or a group that is
// not split: its records and rows, in the caches as it is ordered.
const std::size_t part_bytes = 2 << 20;

// Groups of 2^shift vertices for n vertices and m edges: of about a
// sixteenth of `part` bytes of rows, so that parts come out of them whole
// and even; at most 2^16 of them, and at most 2^15 vertices in each.
int group_shift(unsigned long long n, unsigned long long m, std::size_t part = part_bytes);

// The first going-over: the ends of each group of vertices.
struct Tally {
    int n;
    int shift;
    std::vector<std::uint32_t> ends;  // 2m < 2^32

    Tally(int vertices, int m, std::size_t part = part_bytes);
    void add(int u, int v) {
        ++ends[u >> shift];
        ++ends[v >> shift];
    }
};

// The second going-over, and the order after it.
class Layout {
public:
    // Parts of the tally's groups, for the rows of m edges in `adj`, which
    // has room for them. A group of more than one vertex with more than
    // `room` bytes of rows (by default the search's 4 bytes a vertex, or a
    // part where that is less) is crowded.
    Layout(const Tally& tally, Room<Entry> adj, std::size_t part = part_bytes,
           std::size_t room = 0);

    // Where some group is crowded, the edges are gone over once more before
    // they are added, each passed to count(), and split_crowded() then splits
    // those groups: false where their ends are not what the tally counted.
    bool crowded() const { return !crowded_.empty(); }
    void count(int u, int v) {
        count_end(u);
        count_end(v);
    }
    bool split_crowded();

    // Edge e, 0-based, between the vertices of indices u and v, the edges
    // added in the order that the tally counted them.
    void add(int u, int v, int e) {
        place(u, v, e);
        place(v, u, e);
    }

    // The rows, once every edge is added; none where the ends added are not
    // the ends counted (the edges changed between going over them).
    std::optional<Graph> finish();

private:
    // Part p's rows are adj[start_[p]] on; its next record goes at `at`, up
    // to `end`. `last` is the last edge placed there, from which the next
    // one's gap is counted.
    struct Part {
        std::uint32_t at, end, last;
        int first;  // its first vertex
    };
    // A record: the vertex within its part (16 bits), the gap from the edge
    // before it in the part (16 bits; `escape` for a gap too large, whose
    // edge is kept apart), and the neighbour (32 bits).
    static constexpr std::uint32_t escape = 0xffff;
    static constexpr int max_width = 1 << 16;  // vertices in a part

    void count_end(int x) {
        const int at = part_of_group_[x >> shift_];
        if (at < 0) ++vertex_ends_[~at + (x & group_mask_)];
    }
    void place(int x, int other, int e) {
        int p = part_of_group_[x >> shift_];
        if (p < 0) p = vertex_part_[~p + (x & group_mask_)];
        Part& part = parts_[p];
        if (part.at == part.end) {
            overfull_ = true;  // more ends than counted: nothing is written past the part
            return;
        }
        const std::uint32_t gap = static_cast<std::uint32_t>(e) - part.last;
        part.last = static_cast<std::uint32_t>(e);
        if (gap >= escape)
            escapes_.push_back(std::uint64_t{static_cast<unsigned>(p)} << 32 | part.last);
        const std::uint64_t record = std::uint64_t{static_cast<unsigned>(x - part.first)} << 48 |
                                     std::uint64_t{std::min(gap, escape)} << 32 |
                                     static_cast<std::uint32_t>(other);
        std::memcpy(&adj_[part.at++], &record, sizeof record);
    }
    int group_width(std::size_t g) const {
        return std::min(1 << shift_, n_ - static_cast<int>(g << shift_));
    }
    void plan();

    int n_, shift_, group_mask_;
    std::size_t part_bytes_, room_;
    std::vector<std::uint32_t> group_ends_;
    // Each group's part; in a crowded group ~x, where x is the index of its
    // first vertex in `vertex_ends_` (its vertices' ends) and `vertex_part_`
    // (their parts).
    std::vector<int> part_of_group_;
    std::vector<int> crowded_;  // the crowded groups
    std::vector<std::uint32_t> vertex_ends_;
    std::vector<int> vertex_part_;
    std::vector<Part> parts_;
    std::vector<std::uint32_t> start_;    // of each part's rows, and 2m after the last
    std::vector<std::uint64_t> escapes_;  // part << 32 | edge, where the gap is too large
    bool overfull_ = false;
    Room<Entry> adj_;
};

// The rows of a graph whose ends the tally counted, in `adj`, in parts of
// `part` bytes and crowded groups of more than `room` (as Layout takes
// them); `visit(f)` goes over the edges, in the same order each time,
// calling f(u, v, e) for each. None where the edges are not the same each
// time.
template <class Visit>
std::optional<Graph> lay_out(const Tally& tally, Room<Entry> adj, Visit visit,
                             std::size_t part = part_bytes, std::size_t room = 0) {
    Layout layout(tally, std::move(adj), part, room);
    if (layout.crowded()) {
        visit([&](int u, int v, int) { layout.count(u, v); });
        if (!layout.split_crowded()) return std::nullopt;
    }
    visit([&](int u, int v, int e) { layout.add(u, v, e); });
    return layout.finish();
}
