// What a run will take, worked out from the header before anything is
// built: the peak bytes of each way to run it, the way chosen, and so what
// a refusal names.
#pragma once

// Peak bytes of the phases of a run for n vertices and m >= 0 edges, beside
// the program itself: while the rows are laid out, with `beside` bytes
// held beside them (the ends as read, where the input is not read twice),
// and in the search.
struct Peaks {
    unsigned long long laying_out, searching;
};
Peaks peaks(unsigned long long n, unsigned long long m, unsigned long long beside = 0);

// Peak bytes of a whole run whose vertices are not numbered again (its
// input read twice, or with its ends held where it cannot be), and of one
// where the vertices that edges touch are, the program's own share
// included.
unsigned long long footprint(unsigned long long n, unsigned long long m, bool rereadable);
unsigned long long footprint_numbered(unsigned long long n, unsigned long long m);

// How a graph of n vertices and (at most) m edges is run, with `available`
// bytes of memory, from an input that is `rereadable` or not: the way that
// takes less time, unless only the other fits. A run needs more than is
// available only where neither fits.
enum class Way {
    read_twice,  // the edges counted in a first reading, laid out in a second
    ends_held,   // the ends held in memory, where the input cannot be read again
    numbered,    // the ends held, and the vertices that they touch numbered again
};
struct Plan {
    Way way;
    unsigned long long needs;  // its peak bytes
};
Plan plan(int n, int m, unsigned long long available, bool rereadable);
