// The only code of the program that differs by platform: how much memory it
// may take.
#pragma once

#include <string>

// How much more memory this process can take, in bytes, for refusing up
// front work that would not fit: Linux overcommits memory, so without such
// a check a program far larger than the machine is killed while it grows
// rather than told by an allocation failure. The smallest bound that the
// platform knows; ULLONG_MAX where it knows none (an allocation failure
// decides then).
unsigned long long available_memory();

// `bytes` as messages give an amount of memory: one decimal, in MB below a
// GB and in GB from there ("22.4 GB").
std::string memory_text(double bytes);
