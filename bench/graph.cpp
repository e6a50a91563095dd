// Writes a random multigraph in the form bipartite.in takes, to standard
// output: `graph N M SEED [LOW]` gives N vertices and M edges whose ends are
// drawn uniformly from LOW..N (default 1), never both the same vertex. A
// generator of its own, as Python would take minutes for the largest inputs.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::uint64_t state;

// splitmix64: fast, and the same stream on every platform.
std::uint64_t next() {
    std::uint64_t z = state += 0x9e3779b97f4a7c15;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
    z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
    return z ^ (z >> 31);
}

char buf[1 << 20];
std::size_t len;

void put(long long value, char end) {
    if (len > sizeof buf - 32) {
        std::fwrite(buf, 1, len, stdout);
        len = 0;
    }
    len = std::to_chars(buf + len, buf + sizeof buf, value).ptr - buf;
    buf[len++] = end;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: graph N M SEED [LOW]\n");
        return 2;
    }
    const long long n = std::atoll(argv[1]), m = std::atoll(argv[2]);
    const long long low = argc > 4 ? std::atoll(argv[4]) : 1;
    // Two vertices at least to draw from, or no edge could join two.
    if (low < 1 || low >= n || m < 0) {
        std::fprintf(stderr, "graph: needs 1 <= LOW < N and M >= 0\n");
        return 2;
    }
    state = std::strtoull(argv[3], nullptr, 10);
    const std::uint64_t span = static_cast<std::uint64_t>(n - low + 1);
    put(n, ' ');
    put(m, '\n');
    for (long long e = 0; e < m; ++e) {
        const long long u = low + static_cast<long long>(next() % span);
        long long v = u;
        while (v == u) v = low + static_cast<long long>(next() % span);
        put(u, ' ');
        put(v, '\n');
    }
    std::fwrite(buf, 1, len, stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
