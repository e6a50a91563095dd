#include "reader.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

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
        // Without a mark, UTF-16 text has a NUL beside each ASCII character:
        // its first two bytes are one and a NUL, which begin no text of
        // digits.
        const bool unmarked = len >= 2 && (buf[0] == '\0') != (buf[1] == '\0');
        if (starts_with("\xff\xfe") || starts_with("\xfe\xff") || unmarked)
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
int read_any_int(const char* name, int item, const char* field) {
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
    const std::string what = label(name, item) + (field ? ": " + std::string(field) : "");
    if (junk || !digits) fail(input_name, what + ": \"" + token() + "\" is not an integer");
    const long long value = negative ? -magnitude : magnitude;
    if (value < INT_MIN || value > INT_MAX)
        fail(input_name, what + ": " + token() + " is outside the 32-bit range");
    return static_cast<int>(value);
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

}  // namespace

void fail(const char* file, const std::string& what) { throw Fault{file, what}; }

int report(const char* program, const Fault& fault) {
    std::fprintf(stderr, "%s: %s: %s\n", program, fault.file.c_str(), fault.what.c_str());
    return 1;
}

Unread unread() { return {buf + pos, len - pos}; }

void skip_unread(std::size_t count) { pos += count; }

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

int read_int(const char* name, int item, const char* field) {
    // The usual token, eight digits at a time: an optional sign and at most
    // 15 digits, then white space, all in the buffer. It looks at most
    // `reach` bytes ahead, which the buffer always has. A token that the
    // buffer's end cuts meets the NUL there, not white space, and like
    // anything else takes the long way.
    std::size_t at = pos;
    while (is_space(static_cast<unsigned char>(buf[at]))) ++at;
    const bool negative = buf[at] == '-';
    at += negative || buf[at] == '+';
    const std::uint64_t first = eight_bytes(buf + at);
    unsigned count = leading_digits(first), digits = count;
    std::uint64_t magnitude = digits_value(first, count);
    if (count == 8) {
        static const std::uint64_t power[] = {1,      10,      100,      1000,     10000,
                                              100000, 1000000, 10000000, 100000000};
        const std::uint64_t second = eight_bytes(buf + at + 8);
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
    return read_any_int(name, item, field);
}
