// The checked reader of the input file, kept alike in every program (a test
// compares the copies): white-space separated tokens, each number a decimal
// integer (an optional sign, then digits) within 32 bits. A UTF-8 byte-order
// mark at the start is skipped, as Windows editors write one, and UTF-16
// text is refused, with its mark or without (a NUL beside its first
// byte). Every fault is thrown as a Fault, with a message that names the
// token; the program's main reports it.
//
// Numbers are lexed straight from the buffer, eight digits at a time (about
// 10 ns a number); the text that a message quotes is put together only for
// the message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// What is wrong, and with which file: thrown by `fail`, and reported once by
// the program's main as one line `PROGRAM: FILE: what is wrong` on standard
// error; `report` returns the status for it, 1.
struct Fault {
    std::string file, what;
};
[[noreturn]] void fail(const char* file, const std::string& what);
int report(const char* program, const Fault& fault);

// Supplied by the program: the input's name in messages; the next bytes of
// the input, at most `size`, and 0 at its end (a read error is the
// program's to report).
extern const char* const input_name;
std::size_t read_input(char* buf, std::size_t size);

// `what`, and the reason that the system gave for the failure of the call
// just made (": No such file or directory"), where it gave one: clear
// errno before the call.
std::string failed(const char* what);

bool is_space(int c);

// The next byte of the input, or EOF at its end.
int next_char();

// The next byte after any white space, or EOF.
int skip_space();

// `name`, or with `item` > 0 "`name` `item`" ("edge 4").
std::string label(const char* name, int item);

// `bytes` as messages show them: a byte outside printable ASCII as \xHH.
std::string printable(const std::string& bytes);

// Forgets what has been read, for reading the input again from its start
// once the program has taken it back there.
void restart_input();

// The next token, which must be a decimal integer within 32 bits. Messages
// call it `name` ("m"); with `item` > 0 it is one of the two numbers of
// `name` `item` ("expected 2 numbers for edge 4"), and `field`, where
// given, says which ("customer 2: arrival time: ...").
int read_int(const char* name, int item = 0, const char* field = nullptr);

// For a program's own bulk path over the same buffer: the bytes not read
// yet, which a NUL follows and at least 17 readable bytes more; and the
// reader moved past `count` of them.
struct Unread {
    const char* at;
    std::size_t size;
};
Unread unread();
void skip_unread(std::size_t count);

// The eight bytes from `at` as one number, at[0] in its lowest byte, on any
// byte order (compilers make one load of it where the order allows); and
// the number that its first `count` bytes, all digits, spell.
inline std::uint64_t eight_bytes(const char* at) {
    const auto* p = reinterpret_cast<const unsigned char*>(at);
    return std::uint64_t{p[0]} | std::uint64_t{p[1]} << 8 | std::uint64_t{p[2]} << 16 |
           std::uint64_t{p[3]} << 24 | std::uint64_t{p[4]} << 32 | std::uint64_t{p[5]} << 40 |
           std::uint64_t{p[6]} << 48 | std::uint64_t{p[7]} << 56;
}
inline std::uint64_t digits_value(std::uint64_t word, unsigned count) {
    if (count == 0) return 0;
    // The digits as 0..9, moved up so that the bytes after them drop out:
    // the eight places, the first the most significant, then hold
    // 8 - count zeros and the digits. Each multiplication then adds every
    // place to ten, a hundred or ten thousand times the place before it, in
    // a place twice as wide.
    std::uint64_t v = (word - 0x3030303030303030) << (8 * (8 - count));
    v = (v * (1 + (10 << 8))) >> 8 & 0x00ff00ff00ff00ff;     // pairs of digits
    v = (v * (1 + (100 << 16))) >> 16 & 0x0000ffff0000ffff;  // groups of four
    return (v * (1 + (std::uint64_t{10000} << 32))) >> 32;   // all eight
}
