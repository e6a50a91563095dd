// What a run will take, worked out from the header before anything is
// built: the peak bytes of each way to run it, the way chosen, and so what
// a refusal names.
#pragma once

// Peak bytes of the phases of a run for n vertices and m >= 0 edges, beside
// the program itself: while the lists are filled, while the rows are laid
// out, and in the search.
struct Peaks {
    unsigned long long lists, laying_out, searching;
};
Peaks peaks(unsigned long long n, unsigned long long m);

// Peak bytes of a whole run whose vertices are not numbered again, and of
// one where the vertices that edges touch are, the program's own share
// included.
unsigned long long footprint(unsigned long long n, unsigned long long m);
unsigned long long footprint_numbered(unsigned long long n, unsigned long long m);

// How a graph of n vertices and (at most) m edges is run, with `available`
// bytes of memory: the way that takes less time, unless only the other
// fits. A run needs more than is available only where neither fits.
struct Plan {
    bool numbered;             // the vertices that edges touch are numbered again
    unsigned long long needs;  // its peak bytes
    bool huge_offsets;         // the offsets of the rows ask for huge pages
};
Plan plan(int n, int m, unsigned long long available);
