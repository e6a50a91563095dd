// The only code of the program that differs by platform: how much memory it
// may take, and hints to the system on how to give it.
#pragma once

#include <cstddef>
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

// Asks for huge pages for the `bytes` at `start`, which nothing has touched
// yet: random accesses to an array of many MB spend much of their time on
// page-table walks, which huge pages make rare. Only a hint: it does nothing
// where the system has no such request, or refuses it. It can cost more
// than it saves: a program measures where it pays.
void advise_huge_pages(void* start, std::size_t bytes);

// Has the system take now, in one call, the pages that hold the `bytes`
// at `start`, which belong to the process, rather than a fault each as
// they are first written: on a virtual machine a fault can cost ten
// microseconds and more. Only a hint: on Linux 5.14 and later
// madvise(MADV_POPULATE_WRITE); elsewhere nothing.
void take_pages(void* start, std::size_t bytes);

// Has every later allocation of `bytes` or more mapped apart, so that
// freeing it gives its memory back to the system at once. glibc does so
// from 128 KiB, but raises that bound to the size of each such block freed,
// and then serves blocks of that size from a heap that keeps what they free.
// Elsewhere nothing.
void map_apart(std::size_t bytes);
