// The lowest and the highest set bit of a word, for the move bits, the
// reader's bulk path and the widths of vertex indices: one instruction
// where the compiler has it, and elsewhere a de Bruijn multiplication, or a
// loop for the highest.
#pragma once

#include <cstdint>

// The index of the lowest set bit of `word`, which is not 0.
inline int lowest_bit(std::uint64_t word) {
#if defined(__GNUC__)
    return __builtin_ctzll(word);
#else
    // The bit isolated by word & -word, then mapped to its index.
    constexpr std::uint64_t de_bruijn = 0x03f79d71b4cb0a89;
    struct Table {
        int at[64];
    };
    static constexpr Table table = [] {
        Table t{};
        for (int i = 0; i < 64; ++i) t.at[(de_bruijn << i) >> 58] = i;
        return t;
    }();
    return table.at[((word & (0 - word)) * de_bruijn) >> 58];
#endif
}

// The index of the highest set bit of `word`, which is not 0.
inline int highest_bit(std::uint64_t word) {
#if defined(__GNUC__)
    return 63 - __builtin_clzll(word);
#else
    int at = 0;
    while (word >>= 1) ++at;
    return at;
#endif
}

// The bits that vertex indices below n >= 1 take: one at least, and 31 at
// most, as an index fits an int.
inline int vertex_bits(unsigned long long n) {
    if (n <= 1) return 1;
    const int bits = highest_bit(n - 1) + 1;
    return bits < 31 ? bits : 31;
}
