// bipartite's bulk path over the checked reader's buffer (reader.h): its
// edges are plain numbers, millions of them, and most take no single-token
// read.
//
// Cost: about 3 ns a number, where read_int takes about 10: the buffer is
// classified 64 bytes at a time (16 with SSE2, 8 portably), so that where
// each number lies is known without reading the one before; with SSE2, the
// digits of numbers of up to eight are then converted four numbers at a
// time.
#pragma once

#include <cstddef>

// The next numbers, as many of `count` as lie in the buffer as plain
// tokens (one to ten digits within 32 bits, white space after them), into
// `values`; returns how many. It stops at anything else, and never fails:
// the next read_int reads what it stopped at, and reports it if it is at
// fault.
std::size_t read_ints(int* values, std::size_t count);
