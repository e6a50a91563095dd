// The only code of the program that differs by platform.
//
// The memory available. Linux: the smallest of MemAvailable; limit minus
// working set of the process's memory control group and of each of its
// ancestors, in the v2 and the v1 layout (inside a container MemAvailable
// still shows the host); and the address-space limit, or in a 32-bit
// process the address space, minus what the process maps already. A file
// that is missing or unreadable only leaves its figure out (a limit, or a
// usage to subtract); it never makes the program fail.
// Windows: the available physical memory, and the address space left
// unreserved (which bounds a 32-bit process). Other POSIX systems, and Linux
// without MemAvailable: physical memory, and the address space as on Linux.
#include "platform.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#if defined(_WIN32)
#include <windows.h>
#elif defined(__unix__) || defined(__APPLE__)
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

// What is left of `limit` once `used` is taken, never below 0.
unsigned long long room(unsigned long long limit, unsigned long long used) {
    return limit > used ? limit - used : 0;
}

// A small file of the kernel's, whole; nothing when it cannot be read.
std::optional<std::string> read_text(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file) return std::nullopt;
    std::string text;
    char chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
        text.append(chunk, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    return text;
}

// Takes the first line off `rest`.
std::string_view take_line(std::string_view& rest) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    return line;
}

// The decimal number at the start of `text` ("max" is none).
std::optional<unsigned long long> number(std::string_view text) {
    unsigned long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return std::nullopt;
    return value;
}

// The file at `path` as one number.
std::optional<unsigned long long> file_number(const std::string& path) {
    const std::optional<std::string> text = read_text(path);
    return text ? number(*text) : std::nullopt;
}

// The number after `key` on the line of the file at `path` that starts with
// `key` and blanks ("MemAvailable:   2048 kB", "inactive_file 4096").
std::optional<unsigned long long> file_field(const std::string& path, std::string_view key) {
    const std::string text = read_text(path).value_or("");
    for (std::string_view rest = text; !rest.empty();) {
        std::string_view line = take_line(rest);
        if (line.substr(0, key.size()) != key) continue;
        line.remove_prefix(key.size());
        const std::size_t digits = line.find_first_not_of(" \t");
        if (digits != 0 && digits != std::string_view::npos) return number(line.substr(digits));
    }
    return std::nullopt;
}

// Where one layout of the memory control groups keeps a group's figures.
struct Hierarchy {
    const char* root;   // the mount, which holds the root group
    const char* limit;  // in bytes; "max", or a huge value, for none
    const char* usage;  // in bytes, the file cache included
    const char* cache;  // the key of memory.stat for the inactive file cache
};

const Hierarchy unified = {"/sys/fs/cgroup", "memory.max", "memory.current", "inactive_file"};
const Hierarchy v1 = {"/sys/fs/cgroup/memory", "memory.limit_in_bytes", "memory.usage_in_bytes",
                      "total_inactive_file"};

// The least limit minus working set over the groups that /proc/self/cgroup
// names, in either layout, and their ancestors up to the mount's root: the
// nearest limit is not always the group's own. A container that sees its own
// group at the root, under a longer name, gets the root's figures that way
// too. The working set leaves out the inactive file cache, which the kernel
// can reclaim; container runtimes count it so.
[[maybe_unused]] unsigned long long cgroup_room() {
    unsigned long long bound = ULLONG_MAX;
    const std::string groups = read_text("/proc/self/cgroup").value_or("");
    for (std::string_view rest = groups; !rest.empty();) {
        // ID:CONTROLLERS:PATH, the v2 line being 0::PATH
        const std::string_view line = take_line(rest);
        const std::size_t colon = line.find(':'), second = line.find(':', colon + 1);
        if (second == std::string_view::npos) continue;
        const std::string controllers =
            "," + std::string(line.substr(colon + 1, second - colon - 1)) + ",";
        const Hierarchy* layout = nullptr;
        if (line.substr(0, second + 1) == "0::") {
            layout = &unified;
        } else if (controllers.find(",memory,") != std::string::npos) {
            layout = &v1;
        } else {
            continue;
        }
        for (std::string path(line.substr(second + 1));;) {
            const std::string dir = layout->root + path + "/";
            if (const auto limit = file_number(dir + layout->limit)) {
                const unsigned long long usage = file_number(dir + layout->usage).value_or(0);
                const unsigned long long cache =
                    file_field(dir + "memory.stat", layout->cache).value_or(0);
                bound = std::min(bound, room(*limit, room(usage, cache)));
            }
            const std::size_t slash = path.rfind('/');
            if (slash == std::string::npos || path.size() <= 1) break;
            path.erase(std::max<std::size_t>(slash, 1));  // "/a/b" to "/a", "/a" to "/"
        }
    }
    return bound;
}

}  // namespace

unsigned long long available_memory() {
    unsigned long long bound = ULLONG_MAX;
#if defined(_WIN32)
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (GlobalMemoryStatusEx(&status))
        bound = std::min(status.ullAvailPhys, status.ullAvailVirtual);
#elif defined(__unix__) || defined(__APPLE__)
    if (const auto kib = file_field("/proc/meminfo", "MemAvailable:")) {
        bound = *kib * 1024;
    } else {
#ifdef _SC_PHYS_PAGES
        const long pages = sysconf(_SC_PHYS_PAGES);
        const long page_size = sysconf(_SC_PAGE_SIZE);
        if (pages > 0 && page_size > 0) bound = static_cast<unsigned long long>(pages) * page_size;
#endif
    }
    bound = std::min(bound, cgroup_room());
    // A 32-bit process can map 4 GB at most, whatever the machine has.
    unsigned long long space = sizeof(void*) < 8 ? 1ULL << (8 * sizeof(void*)) : ULLONG_MAX;
    rlimit address_space{};
    if (getrlimit(RLIMIT_AS, &address_space) == 0 && address_space.rlim_cur != RLIM_INFINITY)
        space = std::min<unsigned long long>(space, address_space.rlim_cur);
    if (space != ULLONG_MAX) {
        const auto kib = file_field("/proc/self/status", "VmSize:");  // Linux only
        bound = std::min(bound, room(space, kib.value_or(0) * 1024));
    }
#endif
    return bound;
}

std::string memory_text(double bytes) {
    const bool gb = bytes >= 1e9;
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", bytes / (gb ? 1e9 : 1e6), gb ? "GB" : "MB");
    return text;
}
