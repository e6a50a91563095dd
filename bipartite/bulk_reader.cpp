#include "bulk_reader.h"

#include <climits>
#include <cstdint>

#include "bits.h"
#include "reader.h"

#if defined(__SSE2__) && !defined(READER_PORTABLE)
#include <emmintrin.h>
#endif

namespace {

// The 64 bytes from `at` as two masks, bit i for byte at + i: where a
// digit is, and where white space is. With SSE2, 16 bytes at a time.
// Elsewhere each word of eight bytes is tested a byte at a time by
// additions that no carry leaves (the bytes' high bits are cleared first
// and tested apart), then its bytes' verdicts are gathered into eight bits
// by a multiplication.
void classify(const char* at, std::uint64_t& digits, std::uint64_t& spaces) {
    digits = spaces = 0;
#if defined(__SSE2__) && !defined(READER_PORTABLE)
    const auto bytes = [](char c) { return _mm_set1_epi8(c); };
    for (int part = 0; part < 4; ++part) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 16 * part));
        const __m128i digit =
            _mm_and_si128(_mm_cmpgt_epi8(v, bytes('0' - 1)), _mm_cmplt_epi8(v, bytes('9' + 1)));
        const __m128i space = _mm_or_si128(
            _mm_cmpeq_epi8(v, bytes(' ')),
            _mm_and_si128(_mm_cmpgt_epi8(v, bytes('\t' - 1)), _mm_cmplt_epi8(v, bytes('\r' + 1))));
        digits |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(digit))}
                  << (16 * part);
        spaces |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(space))}
                  << (16 * part);
    }
#else
    const auto gather = [](std::uint64_t high_bits) {
        return ((high_bits >> 7) * 0x0102040810204080) >> 56;
    };
    for (int word = 0; word < 8; ++word) {
        const std::uint64_t bytes = eight_bytes(at + 8 * word);
        const std::uint64_t ascii = ~bytes & 0x8080808080808080;
        const std::uint64_t low = bytes & 0x7f7f7f7f7f7f7f7f;
        const auto at_least = [&](std::uint64_t c) {
            return low + (0x80 - c) * 0x0101010101010101;
        };
        const std::uint64_t digit = at_least('0') & ~at_least('9' + 1) & ascii;
        const std::uint64_t blank = ~((low ^ 0x2020202020202020) + 0x7f7f7f7f7f7f7f7f) & ascii;
        const std::uint64_t control = at_least('\t') & ~at_least('\r' + 1) & ascii;
        digits |= gather(digit) << (8 * word);
        spaces |= gather(blank | control) << (8 * word);
    }
#endif
}

}  // namespace

std::size_t read_ints(int* values, std::size_t count) {
    // Only white space lies before the next token. A digit first is left to
    // read_int, as it might end a token that began before; after that, a
    // window starts after white space or with a whole token.
    const Unread buffer = unread();
    const char* const buf = buffer.at;
    const std::size_t len = buffer.size;
    std::size_t pos = 0;
    if (len < 64 || static_cast<unsigned>(buf[0] - '0') <= 9) return 0;
    std::size_t done = 0;
    while (done < count && len - pos >= 64) {
        std::uint64_t digits, spaces;
        classify(buf + pos, digits, spaces);
        // Tokens taken: digits from white space to white space, with
        // nothing but digits and white space before them in the window. A
        // token that runs past the window starts the next one.
        const std::uint64_t other = ~(digits | spaces);
        const std::uint64_t before_other =
            other != 0 ? (other & (0 - other)) - 1 : ~std::uint64_t{0};
        std::uint64_t starts = digits & (spaces << 1 | 1) & before_other;
        std::uint64_t ends = digits & (spaces >> 1) & before_other >> 1;  // their last digits
        const bool cut = digits >> 63 != 0 && other == 0;
        const int next = cut ? highest_bit(starts) : 64;  // where the next window starts
        if (cut) starts &= ~(std::uint64_t{1} << next);
        int taken = 0;  // the window's bytes up to the end of its last token taken
        for (; ends != 0 && done < count; starts &= starts - 1, ends &= ends - 1) {
            const int begin = lowest_bit(starts), end = lowest_bit(ends) + 1;
            const int length = end - begin;
            std::uint64_t value;
            if (length <= 8) {
                value = digits_value(eight_bytes(buf + pos + begin), length);
            } else {
                // The last eight digits and the one or two before them, apart;
                // without a branch on which, as large vertex numbers have
                // nine or ten digits alike.
                if (length > 10) break;
                const auto digit = [&](int at) -> std::uint64_t {
                    return static_cast<unsigned char>(buf[pos + begin + at]) - '0';
                };
                const std::uint64_t tenth = static_cast<std::uint64_t>(length - 9);  // 0 or 1
                const std::uint64_t lead = digit(0) * (1 + 9 * tenth) + digit(1) * tenth;
                value = lead * 100000000 + digits_value(eight_bytes(buf + pos + end - 8), 8);
                if (value > INT_MAX) break;
            }
            values[done++] = static_cast<int>(value);
            taken = end;
        }
        // Past the window only where every token in it was taken, and the
        // one cut by its end does not fill it.
        if (done == count || starts != 0 || other != 0 || next == 0) {
            pos += taken;
            break;
        }
        pos += next;
    }
    skip_unread(pos);
    return done;
}
