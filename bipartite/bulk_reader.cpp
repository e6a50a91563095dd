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

    // Room for a block's numbers, 32 at most.
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
// Each number converted as it comes.
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
    // read_int, as it might end a token that began before.
    const Unread buffer = unread();
    const char* const buf = buffer.at;
    const std::size_t len = buffer.size;
    if (len < 64 || static_cast<unsigned>(buf[0] - '0') <= 9) return 0;
    Numbers numbers(values);
    std::size_t done = 0;
    std::size_t taken = 0;  // the bytes up to the end of the last token taken
    // Blocks of 64 bytes one after another, each classified while the one
    // before is read: where a block lies does not wait for the tokens before
    // it. A token cut by a block's end is carried into the next.
    std::size_t at = 0;  // the block's first byte
    std::uint64_t digits, spaces;
    classify(buf, digits, spaces);
    std::uint64_t digit_before = 0, space_before = 1;  // the byte before the block's first
    bool carried = false;  // a token begun before the block, at carried_begin
    std::size_t carried_begin = 0;
    // The token from `begin` to `end` (the white space after it), taken if it
    // is plain: one to ten digits within 32 bits.
    const auto take = [&](std::size_t begin, std::size_t end) {
        const std::size_t length = end - begin;
        if (length <= 8) {
            numbers.add(eight_bytes(buf + begin), static_cast<int>(length));
        } else {
            // The last eight digits and the one or two before them, apart;
            // without a branch on which, as large vertex numbers have nine
            // or ten digits alike.
            if (length > 10) return false;
            const auto digit = [&](std::size_t i) -> std::uint64_t {
                return static_cast<unsigned char>(buf[begin + i]) - '0';
            };
            const std::uint64_t tenth = length - 9;  // 0 or 1
            const std::uint64_t lead = digit(0) * (1 + 9 * tenth) + digit(1) * tenth;
            const std::uint64_t value =
                lead * 100000000 + digits_value(eight_bytes(buf + end - 8), 8);
            if (value > INT_MAX) return false;
            numbers.add_value(static_cast<int>(value));
        }
        ++done;
        taken = end;
        return true;
    };
    for (;;) {
        const bool more = len - at >= 128;
        std::uint64_t next_digits = 0, next_spaces = 0;
        if (more) classify(buf + at + 64, next_digits, next_spaces);
        // Tokens from a digit after white space to the white space after a
        // digit, with nothing but digits and white space before them.
        const std::uint64_t other = ~(digits | spaces);
        const std::uint64_t before_other =
            other != 0 ? (other & (0 - other)) - 1 : ~std::uint64_t{0};
        std::uint64_t starts = digits & (spaces << 1 | space_before) & before_other;
        std::uint64_t stops = spaces & (digits << 1 | digit_before) & before_other;
        // No more than `count` in all. A block holds 32 stops at most.
        if (count - done < 32) stops = lowest_bits(stops, count - done);
        numbers.make_room();
        bool whole = true;  // every token with its end in the block taken
        if (carried && stops != 0) {
            whole = take(carried_begin, at + lowest_bit(stops));
            carried = false;
            stops &= stops - 1;
        }
        for (; whole && stops != 0; starts &= starts - 1, stops &= stops - 1)
            whole = take(at + lowest_bit(starts), at + lowest_bit(stops));
        if (!whole || done == count || other != 0 || !more) break;
        if (starts != 0) {  // one, cut by the block's end
            carried = true;
            carried_begin = at + lowest_bit(starts);
        }
        digit_before = digits >> 63;
        space_before = spaces >> 63;
        digits = next_digits;
        spaces = next_spaces;
        at += 64;
    }
    numbers.convert();
    skip_unread(taken);
    return done;
}
