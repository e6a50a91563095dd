// Numbering again the vertices that edges touch, for a graph whose edges
// touch few of its n vertices: those they touch, and vertex 1 (index 0),
// get the indices 0, 1, 2, ... in their order. A vertex that no edge
// touches never moves and ends no edge of the answer, and the order kept
// keeps every move, the count and the order of the answer's list; vertex 1
// keeps its place, as it starts alone on its side.
//
// Cost: O(m), a radix sort of a (vertex, place) key an end, 11 bits a pass
// and three passes at most, then one pass to rank. Memory: 16 bytes an end
// for the keys, beside the 4 of the ends.
#pragma once

#include <cstdint>
#include <vector>

// Numbers again the vertex indices in `ends`, each below n, as above, in
// place. Returns how many vertices there are now.
int renumber(std::vector<std::uint32_t>& ends, int n);
