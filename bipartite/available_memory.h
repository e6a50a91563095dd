// How much more memory this process can take, for refusing up front work
// that would not fit. Linux overcommits memory, so without such a check a
// program far larger than the machine is killed while it grows rather than
// told by an allocation failure.
#pragma once

// In bytes: the smallest bound that the platform knows, ULLONG_MAX where it
// knows none (an allocation failure decides then).
unsigned long long available_memory();
