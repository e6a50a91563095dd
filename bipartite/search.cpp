#include "search.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "move_bits.h"
#include "prefetch.h"

namespace {

// A vertex's state, one int: its count difference (neighbours across minus
// neighbours on its side) with the lowest bit replaced by its side. That
// bit of the difference is the parity of the vertex's degree, which its row
// gives; a move changes each neighbour's difference by 2, which leaves it
// alone; and the state is negative exactly when the difference is, that is
// when the vertex is to move. One int, not a byte of side and two counts:
// a move takes one cache miss a neighbour. The differences lie within the
// degrees, within 32 bits.
class LocalSearch {
public:
    LocalSearch(const Graph& graph, int m, Room<std::int32_t> states);

    // The lowest vertex to move, as a scan from vertex 1 would find it; -1
    // if there is none.
    int lowest_movable() const { return movable_.lowest(); }
    // The lowest vertex to move above vertex i; -1 if there is none, or if
    // i is -1.
    int next_movable(int i) const { return i < 0 ? -1 : movable_.next_after(i); }

    void move(int d);

    // The three stages of asking for what moving vertex i will read, each
    // from what the one before brought into the cache: where its row lies;
    // its row, first and last entry (a vertex to move has one at least);
    // its own state and move bits and those of its first `fan` neighbours
    // (a vertex of many more moves seldom).
    void ask_offsets(int i) const { prefetch(&graph_.offsets[i]); }
    void ask_row(int i) const {
        prefetch(&graph_.adj[graph_.offsets[i]]);
        prefetch(&graph_.adj[graph_.offsets[i + 1] - 1]);
    }
    void ask_states(int i) const {
        ask_state(i);
        const std::size_t begin = graph_.offsets[i];
        const std::size_t end = std::min<std::size_t>(graph_.offsets[i + 1], begin + fan);
        for (std::size_t j = begin; j < end; ++j) ask_state(graph_.adj[j]);
    }

    // The sides and the count, once the moves are over.
    Split result() { return std::move(split_); }

private:
    void ask_state(int i) const {
        prefetch(&state_[i]);
        prefetch(movable_.word_of(i));
    }
    int difference(int i) const {
        return (state_[i] & ~1) | static_cast<std::int32_t>(graph_.degree(i) & 1);
    }
    void update_bit(int i) { movable_.assign(i, state_[i] < 0); }

    static constexpr std::size_t fan = 32;

    const Graph& graph_;
    Room<std::int32_t> state_;
    MoveBits movable_;
    // The sides again, a bit each, kept as vertices move: the sides of a
    // hundred million vertices fit in a cache, and writing the answer reads
    // the side of every other entry.
    Split split_;
};

// Only vertex 1 (index 0) starts on side 1, and it is joined to no vertex
// on its side: every other vertex starts with all its neighbours on its
// side but vertex 1, that is with the difference of its degree taken from
// twice the edges that join it to vertex 1, which vertex 1's row lists.
Room<std::int32_t> start_states(const Graph& graph, Room<std::int32_t> state) {
    assert(state.size() >= static_cast<std::size_t>(graph.n));
    for (int i = 1; i < graph.n; ++i)
        state[i] = static_cast<std::int32_t>(-static_cast<long long>(graph.degree(i)) & ~1LL);
    for (std::size_t j = graph.offsets[0]; j < graph.offsets[1]; ++j) state[graph.adj[j]] += 2;
    state[0] = static_cast<std::int32_t>((graph.degree(0) & ~1U) | 1);
    return state;
}

// At first the same-side edges are those that miss vertex 1.
LocalSearch::LocalSearch(const Graph& graph, int m, Room<std::int32_t> states)
    : graph_(graph),
      state_(start_states(graph, std::move(states))),
      movable_(graph.n, [this](std::size_t i) { return state_[i] < 0; }),
      split_{std::vector<std::uint64_t>((static_cast<std::size_t>(graph.n) + 63) / 64),
             m - static_cast<long long>(graph.degree(0))} {
    split_.side[0] = 1;
}

// Moves vertex d to the other side. Each neighbour on d's side gains one
// across and loses one on its side; each across, the other way round. d's
// same-side edges turn across and its crossing ones same-side, which adds
// its difference to the count.
void LocalSearch::move(int d) {
    const int own = state_[d] & 1;
    const std::size_t end = graph_.offsets[d + 1];
    for (std::size_t j = graph_.offsets[d]; j < end; ++j) {
        // The states past the first `fan`, which ask_states left.
        if (j + fan < end) ask_state(graph_.adj[j + fan]);
        const int w = graph_.adj[j];
        // A difference that changes by 2 seldom changes its sign: the move
        // bit is written only where it does (a fifth of the updates in a
        // random graph, a fiftieth in a skewed one).
        const std::int32_t before = state_[w];
        state_[w] = before + ((before & 1) == own ? 2 : -2);
        if ((before < 0) != (state_[w] < 0)) update_bit(w);
    }
    const std::int32_t before = difference(d);
    split_.same_side += before;
    split_.side[d / 64] ^= std::uint64_t{1} << (d % 64);
    state_[d] = (-before & ~1) | (own ^ 1);
    update_bit(d);
}

}  // namespace

unsigned long long search_bytes(unsigned long long n) {
    return Room<std::int32_t>::bytes(n) + MoveBits::bytes(n) + Split::bytes(n);
}

// Nearly always the next vertex to move is the next one to move above the
// one moving, found before it moves (89 % of moves in a random graph, 90 %
// in a skewed one); the rest go back to a lower vertex. So next[k], the
// vertex expected to move k + 1 moves on, is the next one to move above
// next[k - 1], and what it will read is asked for in stages as it comes
// nearer, each once: where its row lies at k = 4, its row at 3, the states
// at 2 (the places measured best, see bench/README.md). A move that goes
// elsewhere starts the list again from there.
Split search(const Graph& graph, int m, Room<std::int32_t> states) {
    if (states.size() < static_cast<std::size_t>(graph.n)) states = Room<std::int32_t>(graph.n);
    LocalSearch s(graph, m, std::move(states));
    const int states_at = 2, row_at = 3, offsets_at = 4;
    int d = s.lowest_movable();
    int next[offsets_at + 1];
    const auto ask_from = [&](int from) {
        for (int k = 0; k <= offsets_at; ++k) {
            next[k] = s.next_movable(k == 0 ? from : next[k - 1]);
            if (next[k] >= 0) s.ask_offsets(next[k]);
        }
    };
    ask_from(d);
    while (d >= 0) {
        s.move(d);
        const int expected = next[0];
        d = s.lowest_movable();
        if (d < 0 || d != expected) {
            ask_from(d);
            continue;
        }
        std::copy(next + 1, next + offsets_at + 1, next);
        next[offsets_at] = s.next_movable(next[offsets_at - 1]);
        if (next[states_at] >= 0) s.ask_states(next[states_at]);
        if (next[row_at] >= 0) s.ask_row(next[row_at]);
        if (next[offsets_at] >= 0) s.ask_offsets(next[offsets_at]);
    }
    return s.result();
}
