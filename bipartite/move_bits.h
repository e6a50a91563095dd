// A set of the indices 0..size-1 (the vertices that are to move), with the
// lowest member and the next member above any index found without a scan.
//
// Bit i % 64 of level 0's word i / 64 is set exactly when i is a member; a
// bit of each level above is set when the corresponding word of the level
// below is not 0. The top level is one word, and from it one word a level
// leads down to the lowest member.
//
// Cost: every operation reads or writes one word a level, and there are
// ceil(log64 size) levels, at least one (five for 2^31 indices).
// Memory: size / 8 bytes, and 1/63 of that above (bytes).
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "bits.h"

class MoveBits {
public:
    // The i in 0..size-1 for which member(i) holds; size >= 1. Level 0 an
    // index at a time, each level above a word at a time.
    template <class Member>
    MoveBits(std::size_t size, Member member) {
        assert(size >= 1);  // else `lowest` would find a member in no word
        for (std::size_t words = (size + 63) / 64;; words = (words + 63) / 64) {
            levels_.emplace_back(words, 0);
            if (words == 1) break;
        }
        for (std::size_t i = 0; i < size; ++i)
            levels_[0][i / 64] |= std::uint64_t{member(i)} << (i % 64);
        for (std::size_t level = 1; level < levels_.size(); ++level) {
            for (std::size_t x = 0; x < levels_[level - 1].size(); ++x)
                levels_[level][x / 64] |= std::uint64_t{levels_[level - 1][x] != 0} << (x % 64);
        }
    }

    // The bytes of the levels for `size` indices.
    static unsigned long long bytes(unsigned long long size) {
        unsigned long long total = 0;
        for (unsigned long long words = (size + 63) / 64;; words = (words + 63) / 64) {
            total += words * sizeof(std::uint64_t);
            if (words <= 1) return total;
        }
    }

    // Makes i a member or not. A bit of a level above says only whether its
    // word below is not 0, so the climb stops at the first word that is 0 or
    // not as before.
    void assign(std::size_t i, bool member) {
        for (std::size_t at = i, level = 0; level < levels_.size(); at /= 64, ++level) {
            std::uint64_t& word = levels_[level][at / 64];
            const std::uint64_t before = word, bit = std::uint64_t{1} << (at % 64);
            word = member ? before | bit : before & ~bit;
            if ((before == 0) == (word == 0)) break;  // the levels above still hold
        }
    }

    // The lowest member; -1 if there is none.
    int lowest() const {
        if (levels_.back()[0] == 0) return -1;
        std::size_t x = 0;
        for (std::size_t level = levels_.size(); level-- > 0;)
            x = x * 64 + lowest_bit(levels_[level][x]);
        return static_cast<int>(x);
    }

    // The lowest member above i; -1 if there is none. Up the levels to the
    // first word with a bit set past the one on the way, then down as
    // `lowest` goes.
    int next_after(std::size_t i) const {
        std::size_t at = i, level = 0;
        for (;; at /= 64, ++level) {
            if (level == levels_.size()) return -1;
            const std::uint64_t past = ~std::uint64_t{1} << (at % 64);  // the bits above at's
            const std::uint64_t word = levels_[level][at / 64] & past;
            if (word != 0) {
                at = at / 64 * 64 + lowest_bit(word);
                break;
            }
        }
        while (level-- > 0) at = at * 64 + lowest_bit(levels_[level][at]);
        return static_cast<int>(at);
    }

    // The word of level 0 that holds i, for asking for it ahead of a change.
    const std::uint64_t* word_of(std::size_t i) const { return &levels_[0][i / 64]; }

private:
    std::vector<std::vector<std::uint64_t>> levels_;
};
