// Each vertex's row of neighbours, 4 bytes an end, laid out in the memory
// where it stays, without a miss to memory for each end. The edges are gone
// over twice (the file read again, or the ends held in memory), and
// written through small bins, each of which, once full, is emptied into a
// stretch of the rows that stays in the caches while it is (propagation
// blocking). The bins take the room that the search then takes for its
// states, so no page is taken twice. Two ways:
//
// - As records (Tally, RecordLayout), where a vertex's place within its
//   part and a neighbour fit in 32 bits together: vertex indices of at most
//   27 bits, parts of 32 vertices and more. The first going-over counts each
//   part's ends; the second writes each end as a record, its vertex's place
//   in the part above its neighbour, at its part's next place, so that each
//   part is written in order; each part is then ordered by vertex in place.
// - Through each vertex's count (Degrees, Layout), for more vertices: the
//   first going-over counts each vertex's ends into the offsets of its row;
//   the second writes each end at its vertex's next place.
//
// Cost: O(1) an end each time the edges are gone over; O(n) for the offsets;
// as records, O(1) an end more to order. Memory: the rows' own 4 bytes an
// end and 4 a vertex, and the bins' room; as records, 8 bytes a part.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

// Room for `count` values of a trivial type, not filled: its pages are
// taken as they are written. Its bytes can be handed on, as room for
// values of another type; a room handed on holds nothing.
template <class T>
class Room {
public:
    Room() = default;
    explicit Room(std::size_t count) {
        if (count > SIZE_MAX / sizeof(T)) throw std::bad_alloc();
        bytes_.reset(new unsigned char[count * sizeof(T)]);
        create(count);
    }
    // The room of `from`, whose values are no longer needed, for as many
    // values of this type as its bytes hold.
    template <class U>
    explicit Room(Room<U>&& from) : bytes_(std::move(from.bytes_)) {
        const std::size_t count = from.size_ * sizeof(U) / sizeof(T);
        from.values_ = nullptr;
        from.size_ = 0;
        if (bytes_) create(count);
    }
    Room(Room&& from) noexcept
        : bytes_(std::move(from.bytes_)),
          values_(std::exchange(from.values_, nullptr)),
          size_(std::exchange(from.size_, 0)) {}
    Room& operator=(Room&& from) noexcept {
        bytes_ = std::move(from.bytes_);
        values_ = std::exchange(from.values_, nullptr);
        size_ = std::exchange(from.size_, 0);
        return *this;
    }

    T& operator[](std::size_t i) const {
        assert(i < size_);
        return values_[i];
    }
    T* get() const { return values_; }
    std::size_t size() const { return size_; }

    // `count` values of another type begun at the start of the room, for a
    // use of their own while the room is kept; its values there are spent.
    template <class U>
    U* begin_as(std::size_t count) const {
        assert(Room<U>::bytes(count) <= bytes(size_));
        void* const at = bytes_.get();
        std::uninitialized_default_construct_n(static_cast<U*>(at), count);
        return std::launder(static_cast<U*>(at));
    }
    static unsigned long long bytes(unsigned long long count) { return count * sizeof(T); }

private:
    template <class>
    friend class Room;

    // The values begun in the bytes, as C++ has objects begin: trivial, so
    // that nothing is written.
    void create(std::size_t count) {
        static_assert(std::is_trivial_v<T> && alignof(T) <= alignof(std::max_align_t),
                      "a new char array holds these values");
        void* const at = bytes_.get();
        std::uninitialized_default_construct_n(static_cast<T*>(at), count);
        values_ = std::launder(static_cast<T*>(at));
        size_ = count;
    }

    std::unique_ptr<unsigned char[]> bytes_;
    T* values_ = nullptr;
    std::size_t size_ = 0;
};

// A graph laid out for the search: vertex i's row is adj[offsets[i]] to
// adj[offsets[i + 1] - 1], its neighbours in some order.
// 2m < 2^32 ends in all; `adj` may hold more after them (numbering.h).
struct Graph {
    int n = 0;
    Room<std::uint32_t> offsets;  // n + 1
    Room<std::uint32_t> adj;      // 2m

    std::uint32_t degree(int i) const { return offsets[i + 1] - offsets[i]; }
    static unsigned long long bytes(unsigned long long n, unsigned long long m) {
        return Room<std::uint32_t>::bytes(n + 1) + Room<std::uint32_t>::bytes(2 * m);
    }
};

// The room that the bins take, and the search's states after them: 4 bytes
// a vertex, and at least `least_bin_bytes`, which keeps bins of some
// thousands of ends however few the vertices.
const std::size_t least_bin_bytes = 1 << 20;
inline unsigned long long bin_bytes(unsigned long long n) {
    return std::max<unsigned long long>(Room<std::int32_t>::bytes(n), least_bin_bytes);
}

// The first going-over: each vertex's ends, counted in `offsets` (n + 1
// entries) through a bin for each block of 2^16 vertices, whose counts
// take 256 KiB, as a second-level cache holds.
class Degrees {
public:
    Degrees(int n, Room<std::uint32_t> offsets, Room<std::uint16_t> bins);

    void add(int u, int v) {
        assert(bins_.get() != nullptr);  // not finished
        count(u);
        count(v);
    }

    // The offsets, each vertex's entry at offsets[vertex + 1] where its row
    // starts (offsets[0] is 0): Layout's places; and the bins' room.
    std::pair<Room<std::uint32_t>, Room<std::uint16_t>> finish();

private:
    static constexpr int block_shift = 16;

    void count(int x) {
        const std::size_t block = static_cast<std::size_t>(x) >> block_shift;
        std::uint32_t& size = sizes_[block];
        bins_[block * capacity_ + size] = static_cast<std::uint16_t>(x);
        if (++size == capacity_) empty(block);
    }
    void empty(std::size_t block);

    int n_;
    Room<std::uint32_t> offsets_;
    Room<std::uint16_t> bins_;
    std::vector<std::uint32_t> sizes_;  // of each block's bin
    std::uint32_t capacity_;            // of a bin
};

// The rows that a part holds, unless it is one group of vertices with more:
// its rows and places stay in the caches as its bin is emptied.
const std::size_t part_bytes = 2 << 20;

// Groups of 2^shift vertices for n vertices and m edges: of about a
// sixteenth of `part` bytes of rows, so that parts come out of them whole
// and even; at most 2^16 of them, and at most 2^15 vertices in each.
int group_shift(unsigned long long n, unsigned long long m, std::size_t part = part_bytes);

// The second going-over: each end written at its vertex's next place, the
// places being the offsets that Degrees left, through a bin for each part
// of the rows, a run of whole groups of vertices of about `part` bytes of
// rows. A part is written within its own rows only, whatever is added.
class Layout {
public:
    Layout(int n, int m, Room<std::uint32_t> offsets, Room<std::uint16_t> room,
           std::size_t part = part_bytes);

    // Edge e between the vertices of indices u and v, in the order that
    // Degrees counted the edges.
    void add(int u, int v) {
        assert(bins_.get() != nullptr);  // not finished
        place(u, v);
        place(v, u);
    }

    // The rows, once every edge is added, and the bins' room for the
    // search's states. The rows are those of the edges added where they are
    // the edges counted; else each part holds ends of its own vertices,
    // which the caller, knowing they changed, does not search.
    std::pair<Graph, Room<std::int32_t>> finish();

private:
    struct End {
        std::uint32_t vertex, neighbour;
    };
    struct Part {
        std::uint32_t end;   // where its rows end
        std::uint32_t size;  // of its bin
    };

    void place(int x, int other) {
        const int p = part_of_group_[static_cast<std::size_t>(x) >> shift_];
        Part& part = parts_[p];
        bins_[static_cast<std::size_t>(p) * capacity_ + part.size] =
            End{static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(other)};
        if (++part.size == capacity_) empty(p);
    }
    void empty(int p);

    int n_, shift_;
    Room<std::uint32_t> offsets_, adj_;
    Room<End> bins_;
    std::vector<int> part_of_group_;
    std::vector<Part> parts_;
    std::uint32_t capacity_;  // of a part's bin
};

// Whether the rows of n vertices are laid out as records.
bool records_fit(int n);

// Parts of 2^shift vertices for the records of n vertices and m edges: as
// many as a record has room for beside a neighbour, and no more than take
// about `part` bytes of rows on average; at most 2^22 parts.
int record_shift(int n, unsigned long long m, std::size_t part = part_bytes);

// The first going-over: each part's ends.
class Tally {
public:
    Tally(int n, int m, std::size_t part = part_bytes);
    static unsigned long long bytes(unsigned long long n, unsigned long long m,
                                    std::size_t part = part_bytes);

    void add(int u, int v) {
        ++ends_[static_cast<std::size_t>(u) >> shift_];
        ++ends_[static_cast<std::size_t>(v) >> shift_];
    }

private:
    friend class RecordLayout;

    int n_, m_, shift_;
    std::vector<std::uint32_t> ends_;  // of each part; 2m < 2^32
};

// The second going-over, through a bin for each run of parts, 256 runs in
// all; then each part ordered in the caches, through the bins' room, or
// within itself if it is larger (a hub's). A part is written within its
// own rows only, whatever is added.
class RecordLayout {
public:
    // The bins in `room`, in at most `bin_bytes` of it.
    RecordLayout(Tally tally, Room<std::uint32_t> room, std::size_t bin_bytes = SIZE_MAX);

    void add(int u, int v) {
        assert(bins_ != nullptr);  // not finished
        put(u, v);
        put(v, u);
    }

    // The rows, once every edge is added, and the room for the search's
    // states: the rows of the edges added where they are the edges counted,
    // each row in some order; else the parts hold records, which the
    // caller, knowing the edges changed, does not search.
    std::pair<Graph, Room<std::int32_t>> finish();

    // Beside the rows and the room.
    static unsigned long long table_bytes(unsigned long long n, unsigned long long m,
                                          std::size_t part = part_bytes);

private:
    struct Part {
        std::uint32_t next, end;  // its next place, and where its rows end
    };

    // Vertex x's end, `other`, into the bin of x's run of parts; or, where
    // the parts are few enough that their next places stay in the caches,
    // straight to its part.
    void put(int x, int other) {
        if (direct_) {
            write(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(other));
            return;
        }
        const std::size_t b = static_cast<std::size_t>(x) >> bin_shift_;
        std::uint32_t& size = sizes_[b];
        bins_[b * capacity_ + size] =
            std::uint64_t{static_cast<std::uint32_t>(x)} << 32 | static_cast<std::uint32_t>(other);
        if (++size == capacity_) empty(b);
    }
    // Vertex x's end as a record at its part's next place; where the edges
    // are not those counted, a place past the part's rows is not written.
    void write(std::uint32_t x, std::uint32_t other) {
        Part& part = parts_[x >> shift_];
        if (part.next < part.end) adj_[part.next++] = (x & low_) << bits_ | other;
    }
    void empty(std::size_t b);
    void order(std::size_t p, std::uint32_t begin, std::uint32_t* next, std::uint32_t* aside);

    int n_, shift_, bits_, bin_shift_;
    std::uint32_t low_;  // the bits of an index that are its place in its part
    bool direct_;
    Room<std::uint32_t> offsets_, adj_, room_;
    std::vector<Part> parts_;
    std::uint64_t* bins_;               // in the room
    std::vector<std::uint32_t> sizes_;  // of each bin
    std::uint32_t capacity_;            // of a bin
};
