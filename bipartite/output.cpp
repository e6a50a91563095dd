#include "output.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <string>
#include <utility>

#include "key_sort.h"
#include "output_file.h"
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

Answer::Answer(const Split& split, Room<std::uint32_t> room)
    : split_(split), size_(static_cast<std::size_t>(split.same_side)) {
    if (Room<std::uint64_t>::bytes(2 * size_) > Room<std::uint32_t>::bytes(room.size()))
        room = Room<std::uint32_t>(4 * size_);
    room_ = std::move(room);
    keys_ = room_.begin_as<std::uint64_t>(2 * size_);
    spare_ = keys_ + size_;
}

const std::uint64_t* Answer::in_order() {
    return sort_by_vertex(keys_, spare_, count_, static_cast<long long>(split_.side.size()) * 64);
}

void Answer::write() {
    const std::uint64_t* const sorted = in_order();
    static Output out;
    errno = 0;
    if (!out.put(count_, '\n')) fail_output();
    for (std::size_t x = 0; x < count_; ++x) {
        if (!out.put((sorted[x] & 0xffffffff) + 1, x + 1 < count_ ? ' ' : '\n')) fail_output();
    }
    if (!out.flush() || !put_output_in_place()) fail_output();
}
