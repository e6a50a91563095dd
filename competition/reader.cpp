#include "reader.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

#if defined(__SSE2__) && !defined(READER_PORTABLE)
#include <emmintrin.h>
#endif

namespace {

// How far past the start of a token the shortcut of read_int looks: a sign,
// then two words of eight bytes.
const std::size_t reach = 1 + 2 * 8;

// `reach` bytes more than a read fills: a NUL after the data ends any run of
// digits or white space, so that the loops over them need no test of the
// length, and the shortcut may look `reach` bytes past any byte up to it.
// What lies beyond the NUL is never taken for digits.
char buf[(1 << 16) + reach];
std::size_t len, pos;  // buf[pos..len) is yet to be read
std::size_t start;     // the token being read begins at buf[start], or in an earlier buffer

bool at_start = true;  // no byte of the input read yet

// False at the end of the input.
bool refill() {
    pos = 0;
    len = read_input(buf, sizeof buf - reach);
    buf[len] = '\0';
    if (at_start) {
        at_start = false;
        const auto starts_with = [](const char* mark) {
            return std::strncmp(buf, mark, std::strlen(mark)) == 0;
        };
        if (starts_with("\xef\xbb\xbf")) pos = 3;
        if (starts_with("\xff\xfe") || starts_with("\xfe\xff"))
            fail(input_name, "the file is UTF-16 text; save it as ASCII or UTF-8");
        if (pos == len) return refill();  // a mark alone
    }
    return len > 0;
}

// What messages show of a token: its first 24 bytes, and "..." after them
// when it is longer.
const std::size_t shown_length = 24;
std::string head;  // the token's bytes that earlier buffers held, as many as are shown
// The number of those bytes, shown or not: 64 bits, as a token may be longer
// than a 32-bit size can count.
unsigned long long carried;

// Called when the token being read reaches the end of the buffer: keeps what
// a message shows of it, then refills. False at the end of the input.
bool carry() {
    const std::size_t room = shown_length - std::min(head.size(), shown_length);
    head.append(buf + start, std::min(len - start, room));
    carried += len - start;
    start = 0;
    return refill();
}

// The token that ends at buf[pos], as messages show it.
std::string token() {
    const std::size_t room = shown_length - std::min(head.size(), shown_length);
    const std::string shown =
        printable(head + std::string(buf + start, std::min(pos - start, room)));
    return carried + (pos - start) > shown_length ? shown + "..." : shown;
}

void skip_space_in_buffer() {
    while (is_space(static_cast<unsigned char>(buf[pos]))) ++pos;
}

// Any token, wherever it lies: `read_int` without its shortcut, one byte at
// a time.
int read_any_int(const char* name, int item) {
    for (skip_space_in_buffer(); pos == len; skip_space_in_buffer()) {
        if (!refill()) {
            fail(input_name, (item > 0 ? "expected 2 numbers for " : "expected ") +
                                 label(name, item) + ", found end of file");
        }
    }
    head.clear();
    carried = 0;
    start = pos;
    const bool negative = buf[pos] == '-';
    const bool sign = negative || buf[pos] == '+';
    pos += sign;
    long long magnitude = 0;  // saturates just above the range
    bool more = true;         // false once the input has ended within the token
    for (;;) {
        for (unsigned digit; (digit = static_cast<unsigned char>(buf[pos]) - '0') <= 9; ++pos)
            magnitude = std::min(magnitude * 10 + digit, 1LL << 32);
        if (pos < len || !(more = carry())) break;
    }
    // Any other byte before white space makes the token junk; the rest of it
    // is read, for the message.
    bool junk = false;
    while (more && !is_space(static_cast<unsigned char>(buf[pos]))) {
        junk = true;
        if (++pos == len) more = carry();
    }
    // Past the sign there are only digits, so there are some if there is more.
    const bool digits = carried + (pos - start) > static_cast<std::size_t>(sign);
    if (junk || !digits)
        fail(input_name, label(name, item) + ": \"" + token() + "\" is not an integer");
    const long long value = negative ? -magnitude : magnitude;
    if (value < INT_MIN || value > INT_MAX)
        fail(input_name, label(name, item) + ": " + token() + " is outside the 32-bit range");
    return static_cast<int>(value);
}

// buf[at..at + 8) as one number, buf[at] in its lowest byte, on any byte
// order (compilers make one load of it where the order allows).
std::uint64_t eight_bytes(std::size_t at) {
    const auto* p = reinterpret_cast<const unsigned char*>(buf + at);
    return std::uint64_t{p[0]} | std::uint64_t{p[1]} << 8 | std::uint64_t{p[2]} << 16 |
           std::uint64_t{p[3]} << 24 | std::uint64_t{p[4]} << 32 | std::uint64_t{p[5]} << 40 |
           std::uint64_t{p[6]} << 48 | std::uint64_t{p[7]} << 56;
}

// How many of the eight bytes of `word` are digits before the first that
// is not.
unsigned leading_digits(std::uint64_t word) {
    // The high bit of each byte that is not a digit: above '9', below '0' or
    // not ASCII. A carry or borrow only leaves such a byte, towards the bytes
    // after it.
    const std::uint64_t other =
        (word | (word + 0x4646464646464646) | (word - 0x3030303030303030)) & 0x8080808080808080;
    // A 1 in each byte before the first such byte, summed by the multiply.
    const std::uint64_t before = (((other & (0 - other)) >> 7) - 1) & 0x0101010101010101;
    return static_cast<unsigned>((before * 0x0101010101010101) >> 56);
}

// The number that the first `count` bytes of `word`, all digits, spell.
std::uint64_t digits_value(std::uint64_t word, unsigned count) {
    if (count == 0) return 0;
    // The digits as 0..9, moved up so that the bytes after them drop out: the
    // eight places, the first the most significant, then hold 8 - count
    // zeros and the digits.
    // Each multiplication then adds every place to ten, a hundred or ten
    // thousand times the place before it, in a place twice as wide.
    std::uint64_t v = (word - 0x3030303030303030) << (8 * (8 - count));
    v = (v * (1 + (10 << 8))) >> 8 & 0x00ff00ff00ff00ff;     // pairs of digits
    v = (v * (1 + (100 << 16))) >> 16 & 0x0000ffff0000ffff;  // groups of four
    return (v * (1 + (std::uint64_t{10000} << 32))) >> 32;   // all eight
}

// The index of the lowest set bit of `word`, and the number of bits above
// the highest, where `word` is not 0.
int trailing_zeros(std::uint64_t word) {
#if defined(__GNUC__)
    return __builtin_ctzll(word);
#else
    int count = 0;
    for (; (word & 1) == 0; word >>= 1) ++count;
    return count;
#endif
}
int leading_zeros(std::uint64_t word) {
#if defined(__GNUC__)
    return __builtin_clzll(word);
#else
    int count = 0;
    for (; (word >> 63) == 0; word <<= 1) ++count;
    return count;
#endif
}

// The 64 bytes from buf[at] as two masks, bit i for byte at + i: where a
// digit is, and where white space is. With SSE2, 16 bytes at a time.
// Elsewhere each word of eight bytes is tested a byte at a time by
// additions that no carry leaves (the bytes' high bits are cleared first
// and tested apart), then its bytes' verdicts are gathered into eight bits
// by a multiplication.
void classify(std::size_t at, std::uint64_t& digits, std::uint64_t& spaces) {
    digits = spaces = 0;
#if defined(__SSE2__) && !defined(READER_PORTABLE)
    const auto bytes = [](char c) { return _mm_set1_epi8(c); };
    for (int part = 0; part < 4; ++part) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(buf + at + 16 * part));
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
    // Only white space lies between pos and the next token. A digit at pos
    // is left to read_int, as it might end a token that began before; after
    // that, a window starts after white space or with a whole token.
    if (len - pos < 64 || static_cast<unsigned>(buf[pos] - '0') <= 9) return 0;
    std::size_t done = 0;
    while (done < count && len - pos >= 64) {
        std::uint64_t digits, spaces;
        classify(pos, digits, spaces);
        // Tokens taken: digits from white space to white space, with
        // nothing but digits and white space before them in the window. A
        // token that runs past the window starts the next one.
        const std::uint64_t other = ~(digits | spaces);
        const std::uint64_t before_other =
            other != 0 ? (other & (0 - other)) - 1 : ~std::uint64_t{0};
        std::uint64_t starts = digits & (spaces << 1 | 1) & before_other;
        std::uint64_t ends = digits & (spaces >> 1) & before_other >> 1;  // their last digits
        const bool cut = digits >> 63 != 0 && other == 0;
        const int next = cut ? 63 - leading_zeros(starts) : 64;  // where the next window starts
        if (cut) starts &= ~(std::uint64_t{1} << next);
        int taken = 0;  // the window's bytes up to the end of its last token taken
        for (; ends != 0 && done < count; starts &= starts - 1, ends &= ends - 1) {
            const int begin = trailing_zeros(starts), end = trailing_zeros(ends) + 1;
            const int length = end - begin;
            std::uint64_t value;
            if (length <= 8) {
                value = digits_value(eight_bytes(pos + begin), length);
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
                value = lead * 100000000 + digits_value(eight_bytes(pos + end - 8), 8);
                if (value > INT_MAX) break;
            }
            values[done++] = static_cast<int>(value);
            taken = end;
        }
        // Past the window only where every token in it was taken, and the
        // one cut by its end does not fill it.
        if (done == count || starts != 0 || other != 0 || next == 0) {
            pos += taken;
            return done;
        }
        pos += next;
    }
    return done;
}

void restart_input() {
    len = pos = 0;
    buf[0] = '\0';
    at_start = true;
}

bool is_space(int c) { return c == ' ' || static_cast<unsigned>(c - '\t') <= '\r' - '\t'; }

int next_char() {
    if (pos == len && !refill()) return EOF;
    return static_cast<unsigned char>(buf[pos++]);
}

int skip_space() {
    int c = next_char();
    while (is_space(c)) c = next_char();
    return c;
}

std::string label(const char* name, int item) {
    return item > 0 ? name + (" " + std::to_string(item)) : name;
}

std::string failed(const char* what) {
    return errno != 0 ? what + (": " + std::string(std::strerror(errno))) : what;
}

std::string printable(const std::string& bytes) {
    std::string text;
    for (const char c : bytes) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
        text += c >= ' ' && c <= '~' ? std::string(1, c) : hex;
    }
    return text;
}

int read_int(const char* name, int item) {
    // The usual token, eight digits at a time: an optional sign and at most
    // 15 digits, then white space, all in the buffer. It looks at most
    // `reach` bytes ahead, which the buffer always has. A token that the
    // buffer's end cuts meets the NUL there, not white space, and like
    // anything else takes the long way.
    std::size_t at = pos;
    while (is_space(static_cast<unsigned char>(buf[at]))) ++at;
    const bool negative = buf[at] == '-';
    at += negative || buf[at] == '+';
    const std::uint64_t first = eight_bytes(at);
    unsigned count = leading_digits(first), digits = count;
    std::uint64_t magnitude = digits_value(first, count);
    if (count == 8) {
        static const std::uint64_t power[] = {1,      10,      100,      1000,     10000,
                                              100000, 1000000, 10000000, 100000000};
        const std::uint64_t second = eight_bytes(at + 8);
        count = leading_digits(second);
        magnitude = magnitude * power[count] + digits_value(second, count);
        digits += count;
    }
    at += digits;
    if (digits > 0 && count < 8 && is_space(static_cast<unsigned char>(buf[at])) &&
        magnitude <= (negative ? 1ULL << 31 : INT_MAX)) {
        pos = at;
        const long long value = static_cast<long long>(magnitude);
        return static_cast<int>(negative ? -value : value);
    }
    return read_any_int(name, item);
}
