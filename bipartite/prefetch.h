// A hint to the processor, nothing more: a wrong address costs a wasted
// fetch, never a wrong result.
#pragma once

// Asks for the cache line at `address`, to be read soon, where the
// compiler has such a hint. The empty statement after it has an effect as
// far as the compiler knows: GCC takes a function that only asks, and reads,
// for one without effects, and drops every call of it whose result is unused.
template <class T>
void prefetch([[maybe_unused]] const T* address) {
#if defined(__GNUC__)
    __builtin_prefetch(address);
    asm volatile("");
#endif
}
