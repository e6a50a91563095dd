// What a run will take, worked out from the header before anything is
// built: the peak bytes of each way to run it, the way chosen, and so what
// a refusal names. Each phase's figure is the sum of what its structures
// say that they take (their `bytes`).
#pragma once

// How a graph is run: its edges gone over twice, from an input that is read
// again or from the ends held in memory; or the vertices that they touch
// numbered again first.
enum class Way {
    reread,     // counted in a first reading, laid out in a second, answered in a third
    ends_held,  // the ends held in memory, where the input cannot be read again
    numbered,   // the ends held, and the vertices that they touch numbered again
};

// Peak bytes of the phases of a run in `way` for n vertices and m >= 0
// edges, beside the program itself: counting the ends (or
// numbering the vertices), laying out the rows, the search, and going over
// the edges again for the answer.
struct Peaks {
    unsigned long long counting, laying_out, searching, answering;
    unsigned long long peak() const;
};
Peaks peaks(unsigned long long n, unsigned long long m, Way way);

// Peak bytes of a whole run in `way`, the program's own share included.
unsigned long long footprint(unsigned long long n, unsigned long long m, Way way);

// How a graph of n vertices and (at most) m edges is run, with `available`
// bytes of memory, from an input that is `rereadable` or not: the way that
// takes less time, unless only the other fits. A run needs more than is
// available only where neither fits.
struct Plan {
    Way way;
    unsigned long long needs;  // its peak bytes
};
Plan plan(int n, int m, unsigned long long available, bool rereadable);
