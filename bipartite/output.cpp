#include "output.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <string>

#include "output_file.h"
#include "prefetch.h"
#include "reader.h"

const char* const output_name = "bipartite.out";

namespace {

[[noreturn]] void fail_output() { fail(output_name, failed("write failed")); }

// The answer on its way to bipartite.out: numbers, each followed by a blank
// or a line end. False as soon as a write fails.
class Output {
public:
    bool put(unsigned long long number, char after) {
        if (len_ > sizeof buf_ - 24 && !flush()) return false;
        len_ = std::to_chars(buf_ + len_, buf_ + sizeof buf_, number).ptr - buf_;
        buf_[len_++] = after;
        return true;
    }
    bool flush() {
        const bool written = std::fwrite(buf_, 1, len_, stdout) == len_;
        len_ = 0;
        return written;
    }

private:
    char buf_[1 << 16];
    std::size_t len_ = 0;
};

}  // namespace

// The cheap test comes first, so that only half of the entries look up a
// side. The rows are read in order, but the sides at random: the side of
// the entry 64 places on is asked for, and the rows themselves 2 KiB on
// (once a cache line), which the processor's own look-ahead did not keep
// up with (see bench/README.md).
void write_answer(const Graph& graph, const Split& split) {
    auto left = static_cast<unsigned long long>(split.same_side);
    static Output out;
    errno = 0;
    if (!out.put(left, '\n')) fail_output();
    const std::size_t ends = graph.offsets[graph.n];
    for (int i = 0; i < graph.n; ++i) {
        for (std::size_t j = graph.offsets[i]; j < graph.offsets[i + 1]; ++j) {
            if (j + 64 < ends) prefetch(&split.side[graph.adj[j + 64].neighbour / 64]);
            if (j % 8 == 0 && j + 256 < ends) prefetch(&graph.adj[j + 256]);
            const int w = graph.adj[j].neighbour;
            if (w > i && split.side_of(w) == split.side_of(i) &&
                !out.put(graph.adj[j].edge_id + 1, --left ? ' ' : '\n'))
                fail_output();
        }
    }
    if (!out.flush() || !put_output_in_place()) fail_output();
}
