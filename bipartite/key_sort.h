// Keys of 64 bits, a vertex in the high 32 and anything in the low 32,
// sorted by their vertices, keeping the order of keys of one vertex: for
// numbering the ends (numbering.h) and listing the answer (output.h).
//
// Cost: O(count): one pass by the top 11 bits of the vertices, out of the
// caches, then each bucket by the rest within its own range, 11 bits or
// fewer a pass, its counts in the first cache. Memory: the keys and a spare
// of as many.
#pragma once

#include <cstddef>
#include <cstdint>

// Sorts keys[0..count), whose vertices are below n, using spare[0..count);
// returns whichever of the two holds them sorted.
std::uint64_t* sort_by_vertex(std::uint64_t* keys, std::uint64_t* spare, std::size_t count,
                              long long n);
