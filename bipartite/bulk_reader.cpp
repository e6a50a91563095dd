#include "bulk_reader.h"

#include <algorithm>
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
    // Whether each byte, less `low`, is at most `span` (unsigned).
    const auto within = [&](__m128i v, char low, char span) {
        const __m128i above = _mm_sub_epi8(v, bytes(low));
        return _mm_cmpeq_epi8(_mm_min_epu8(above, bytes(span)), above);
    };
    for (int part = 0; part < 4; ++part) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 16 * part));
        const __m128i digit = within(v, '0', 9);
        const __m128i space =
            _mm_or_si128(_mm_cmpeq_epi8(v, bytes(' ')), within(v, '\t', '\r' - '\t'));
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

#if defined(__SSE2__) && !defined(READER_PORTABLE)
// The numbers of four words, each of which holds the values (0 to 9) of up
// to eight digits in its high bytes, the first digit the most significant,
// and zeros below them: pairs of digits, then fours, then all eight, in
// lanes that widen at each step.
void convert_four(const std::uint64_t* words, int* out) {
    const auto convert_two = [](const std::uint64_t* two) {
        const __m128i digits = _mm_loadu_si128(reinterpret_cast<const __m128i*>(two));
        // The second byte of each pair plus ten times the first, in its high byte.
        const __m128i pairs =
            _mm_srli_epi16(_mm_mullo_epi16(digits, _mm_set1_epi16(1 + (10 << 8))), 8);
        return _mm_madd_epi16(pairs, _mm_set1_epi32(100 + (1 << 16)));  // fours, as 32 bits
    };
    const __m128i fours = _mm_packs_epi32(convert_two(words), convert_two(words + 2));
    const __m128i eights = _mm_madd_epi16(fours, _mm_set1_epi32(10000 + (1 << 16)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), eights);
}

// The numbers taken, in order from `out`: those of up to eight digits kept
// as words and converted four at a time, the others as they come.
class Numbers {
public:
    explicit Numbers(int* out) : out_(out), next_(words_) {}

    // Room for a window's numbers, 32 at most.
    void make_room() {
        if (next_ > words_ + stage - 32) convert();
    }
    // The number that the first `length` (1 to 8) bytes of `word`, all
    // digits, spell.
    void add(std::uint64_t word, int length) {
        // Moved up so that the bytes after the digits drop out.
        *next_++ = (word - 0x3030303030303030) << ((0u - 8u * length) & 63);
    }
    void add_value(int value) {
        convert();
        *out_++ = value;
    }

    // Every number taken, in `out`.
    void convert() {
        const std::size_t staged = static_cast<std::size_t>(next_ - words_);
        std::size_t i = 0;
        for (; i + 4 <= staged; i += 4) convert_four(words_ + i, out_ + i);
        if (i < staged) {  // a last group of one to three, through room for four
            std::uint64_t words[4] = {};
            int numbers[4];
            std::copy(words_ + i, next_, words);
            convert_four(words, numbers);
            std::copy(numbers, numbers + (staged - i), out_ + i);
        }
        out_ += staged;
        next_ = words_;
    }

private:
    static const std::size_t stage = 64;
    int* out_;
    std::uint64_t words_[stage];
    std::uint64_t* next_;  // a pointer, not an index: the words stored are not taken to change it
};
#else
class Numbers {
public:
    explicit Numbers(int* out) : out_(out) {}
    void make_room() {}
    void add(std::uint64_t word, int length) {
        *out_++ = static_cast<int>(digits_value(word, static_cast<unsigned>(length)));
    }
    void add_value(int value) { *out_++ = value; }
    void convert() {}

private:
    int* out_;
};
#endif

// The lowest `k` set bits of `mask`.
std::uint64_t lowest_bits(std::uint64_t mask, std::size_t k) {
    std::uint64_t rest = mask;
    for (; k > 0 && rest != 0; --k) rest &= rest - 1;
    return mask & ~rest;
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
    Numbers numbers(values);
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
        // No more than `count` in all. A window holds 32 ends at most.
        if (count - done < 32) ends = lowest_bits(ends, count - done);
        numbers.make_room();
        int taken = 0;  // the window's bytes up to the end of its last token taken
        for (; ends != 0; starts &= starts - 1, ends &= ends - 1) {
            const int begin = lowest_bit(starts), end = lowest_bit(ends) + 1;
            const int length = end - begin;
            if (length <= 8) {
                numbers.add(eight_bytes(buf + pos + begin), length);
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
                const std::uint64_t value =
                    lead * 100000000 + digits_value(eight_bytes(buf + pos + end - 8), 8);
                if (value > INT_MAX) break;
                numbers.add_value(static_cast<int>(value));
            }
            ++done;
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
    numbers.convert();
    skip_unread(pos);
    return done;
}
