// The checked reader of the input file, kept alike in every program (a test
// compares the copies): white-space separated tokens, each number a decimal
// integer (an optional sign, then digits) within 32 bits. A UTF-8 byte-order
// mark at the start is skipped, as Windows editors write one, and a UTF-16
// file is refused. Every fault ends the program through `fail`, with a
// message that names the token.
//
// Numbers are lexed straight from the buffer, eight digits at a time (about
// 10 ns a number, or 5 taken in bulk by read_ints); the text that a message
// quotes is put together only for the message.
#pragma once

#include <cstddef>
#include <string>

// Supplied by the program: the input's name in messages; a report of one
// line that ends the run; the next bytes of the input, at most `size`, and
// 0 at its end (a read error is the program's to report).
extern const char* const input_name;
[[noreturn]] void fail(const char* file, const std::string& what);
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

// The next numbers, as many of `count` as lie in the buffer as plain
// tokens (one to ten digits within 32 bits, white space after them), into
// `values`; returns how many. It stops at anything else, and never fails:
// the next read_int reads what it stopped at, and reports it if it is at
// fault.
// About 3 ns a number, where read_int takes about 10: the buffer is
// classified 64 bytes at a time, so that where each number lies is known
// without reading the one before.
std::size_t read_ints(int* values, std::size_t count);

// The next token, which must be a decimal integer within 32 bits. Messages
// call it `name` ("m"), or with `item` > 0 one of the two numbers of `name`
// `item` ("expected 2 numbers for edge 4").
int read_int(const char* name, int item = 0);
