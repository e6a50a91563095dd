#include "phases.h"

#ifdef BIPARTITE_PHASE_TIMES
#include <chrono>
#include <cstdio>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/resource.h>
#define HAVE_RUSAGE 1
#endif

namespace {

struct Reading {
    double wall = 0, user = 0, system = 0;
    long faults = -1;
};

Reading now() {
    Reading r;
    r.wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
#ifdef HAVE_RUSAGE
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) == 0) {
        const auto seconds = [](const timeval& t) {
            return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
        };
        r.user = seconds(usage.ru_utime);
        r.system = seconds(usage.ru_stime);
        r.faults = usage.ru_minflt;
    }
#endif
    return r;
}

Reading last = now();  // the program's start, near enough

}  // namespace

void phase_done(const char* name) {
    const Reading r = now();
    std::fprintf(stderr, "phase %-8s %7.3f s wall %7.3f s user %7.3f s sys %9ld minor faults\n",
                 name, r.wall - last.wall, r.user - last.user, r.system - last.system,
                 r.faults - last.faults);
    last = now();
}
#endif
