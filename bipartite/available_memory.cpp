// The only code of the program that differs by platform. Windows: the
// available physical memory. Linux: MemAvailable. Other POSIX systems, and
// Linux where MemAvailable is missing: physical memory.
#include "available_memory.h"

#include <climits>
#include <cstdio>

#if defined(_WIN32)
#include <windows.h>
#elif defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

unsigned long long available_memory() {
#if defined(_WIN32)
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    return GlobalMemoryStatusEx(&status) ? status.ullAvailPhys : ULLONG_MAX;
#elif defined(__unix__) || defined(__APPLE__)
    if (std::FILE* info = std::fopen("/proc/meminfo", "r")) {
        char line[256];
        unsigned long long kib = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, info))
            found = std::sscanf(line, "MemAvailable: %llu kB", &kib) == 1;
        std::fclose(info);
        if (found) return kib * 1024;
    }
#ifdef _SC_PHYS_PAGES
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long page_size = sysconf(_SC_PAGE_SIZE);
    if (pages > 0 && page_size > 0) return static_cast<unsigned long long>(pages) * page_size;
#endif
    return ULLONG_MAX;
#else
    return ULLONG_MAX;
#endif
}
