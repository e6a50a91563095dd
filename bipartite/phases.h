// The bench build's phase times: built with BIPARTITE_PHASE_TIMES (a CMake
// option, off by default), each phase's end writes a line to standard
// error with the phase's wall, user and system seconds and, where the
// system counts them, its minor page faults. In every other build it is
// nothing, and standard error stays as the program's description has it.
#pragma once

#ifdef BIPARTITE_PHASE_TIMES
void phase_done(const char* name);
#else
inline void phase_done(const char*) {}
#endif
