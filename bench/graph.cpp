// Writes a random multigraph in the form bipartite.in takes, to standard
// output, never an edge that joins a vertex to itself:
//   graph N M SEED [LOW]       N vertices, M edges whose ends are drawn
//                              uniformly from LOW..N (default 1);
//   graph among K N M SEED     N vertices, M edges among K of them drawn at
//                              random from 1..N: sparse vertex numbers;
//   graph rmat SCALE M SEED    2^SCALE vertices, M edges drawn by R-MAT
//                              (a = 0.57, b = c = 0.19): a skewed graph,
//                              its vertex numbers shuffled.
// A generator of its own, as Python would take minutes for the largest inputs.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::uint64_t state;

// splitmix64: fast, and the same stream on every platform.
std::uint64_t next() {
    std::uint64_t z = state += 0x9e3779b97f4a7c15;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
    z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
    return z ^ (z >> 31);
}

// A number drawn uniformly from 0..span-1.
long long below(long long span) {
    return static_cast<long long>(next() % static_cast<std::uint64_t>(span));
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

[[noreturn]] void usage() {
    std::fprintf(
        stderr, "usage: graph N M SEED [LOW] | graph among K N M SEED | graph rmat SCALE M SEED\n");
    std::exit(2);
}

// The header, then M edges, each drawn by `draw` (0-based ends, which it
// keeps apart).
template <class Draw>
void edges(long long n, long long m, Draw draw) {
    put(n, ' ');
    put(m, '\n');
    for (long long e = 0; e < m; ++e) {
        long long u, v;
        draw(u, v);
        put(u + 1, ' ');
        put(v + 1, '\n');
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 6 && std::strcmp(argv[1], "among") == 0) {
        const long long k = std::atoll(argv[2]), n = std::atoll(argv[3]), m = std::atoll(argv[4]);
        if (k < 2 || k > n || m < 0) usage();
        state = std::strtoull(argv[5], nullptr, 10);
        std::vector<long long> chosen;
        while (static_cast<long long>(chosen.size()) < k) {
            while (static_cast<long long>(chosen.size()) < k) chosen.push_back(below(n));
            std::sort(chosen.begin(), chosen.end());
            chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
        }
        edges(n, m, [&](long long& u, long long& v) {
            u = chosen[below(k)];
            do v = chosen[below(k)];
            while (v == u);
        });
    } else if (argc >= 5 && std::strcmp(argv[1], "rmat") == 0) {
        const int scale = std::atoi(argv[2]);
        const long long m = std::atoll(argv[3]);
        if (scale < 1 || scale > 30 || m < 0) usage();
        state = std::strtoull(argv[4], nullptr, 10);
        const long long n = 1LL << scale;
        std::vector<long long> number(n);
        for (long long i = 0; i < n; ++i) number[i] = i;
        for (long long i = n - 1; i > 0; --i) std::swap(number[i], number[below(i + 1)]);
        edges(n, m, [&](long long& u, long long& v) {
            do {
                u = v = 0;
                for (int bit = 0; bit < scale; ++bit) {
                    const std::uint64_t r = next() % 100;  // a 57, b 19, c 19, d 5
                    u = u << 1 | (r >= 76);
                    v = v << 1 | (r >= 57 && r < 76) | (r >= 95);
                }
            } while (u == v);
            u = number[u];
            v = number[v];
        });
    } else if (argc >= 4) {
        const long long n = std::atoll(argv[1]), m = std::atoll(argv[2]);
        const long long low = argc > 4 ? std::atoll(argv[4]) : 1;
        // Two vertices at least to draw from, or no edge could join two.
        if (low < 1 || low >= n || m < 0) usage();
        state = std::strtoull(argv[3], nullptr, 10);
        edges(n, m, [&](long long& u, long long& v) {
            u = low - 1 + below(n - low + 1);
            do v = low - 1 + below(n - low + 1);
            while (v == u);
        });
    } else {
        usage();
    }
    std::fwrite(buf, 1, len, stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
