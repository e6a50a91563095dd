// queue: reads n customers (arrival time, service duration) from queue.in,
// simulates one server whose first-come-first-served line holds at most m
// customers, the one in service included, and writes every customer's
// completion time to queue.out, one per line in input order. A customer who
// finds the line full retries at its arrival time plus every multiple of k.
//
// Time: O(n log n) however small k is: failed retrials are never enumerated.
// A fault is thrown as a Fault (reader.h) and reported by main, once: one
// line `queue: FILE: what is wrong` on standard error, and status 1;
// queue.out is then as it was (output_file.h).
#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "output_file.h"
#include "reader.h"
#include "retry.h"

int n, m, k;
int t[max_customers];
int h[max_customers];
std::int64_t ans[max_customers];

const char* const input_name = "queue.in";

std::size_t read_input(char* buf, std::size_t size) {
    errno = 0;
    const std::size_t got = std::fread(buf, 1, size, stdin);
    if (got == 0 && std::ferror(stdin)) fail(input_name, failed("read failed"));
    return got;
}

namespace {

const char* const output_name = "queue.out";

void read_customers() {
    n = read_int("n");
    m = read_int("m");
    k = read_int("k");
    if (n < 0 || n > max_customers)
        fail(input_name, "n: " + std::to_string(n) + " is outside 0..100000");
    if (m < 1) fail(input_name, "m: " + std::to_string(m) + " is below 1");
    for (int j = 0; j < n; ++j) {
        t[j] = read_int("customer", j + 1, "arrival time");
        h[j] = read_int("customer", j + 1, "service duration");
        // The retry phases assume t >= 0; a negative duration would turn the
        // clock back.
        if (t[j] < 0) {
            fail(input_name, label("customer", j + 1) + ": arrival time " + std::to_string(t[j]) +
                                 " is negative");
        }
        if (h[j] < 0) {
            fail(input_name, label("customer", j + 1) + ": service duration " +
                                 std::to_string(h[j]) + " is negative");
        }
    }
}

int run() {
    open_files(input_name, output_name);
    read_customers();

    // Each iteration retires a departure, blocks an arrival or admits a
    // customer: at most 3n + 1 of them.
    const std::int64_t inf = 1000000000000000000;
    std::int64_t now = 0;
    int nxt = 0;            // next customer whose arrival is not handled yet
    std::vector<int> line;  // admitted customers in order of admission
    std::size_t head = 0;   // line[head..] are in the system
    line.reserve(n);
    for (;;) {
        const std::int64_t next_out = head < line.size() ? ans[line[head]] : inf;
        int cand = retry.empty() ? -1 : pick_retry(now);
        std::int64_t cand_time = cand == -1 ? inf : now + retry_wait(cand, now);
        // A retrier due at the very instant of the arrival goes first.
        if (nxt < n && (cand == -1 || t[nxt] < cand_time)) {
            cand = nxt;
            cand_time = t[nxt];
        }
        if (cand == -1) break;
        const bool arrival = cand == nxt;

        // A departure at the instant of an attempt frees its place first.
        if (next_out <= cand_time) {
            now = next_out;
            ++head;
            continue;
        }
        const bool full = line.size() - head == static_cast<std::size_t>(m);
        if (full && !arrival) {
            // Its attempts fail until the next departure: jump to it.
            now = ans[line[head]];
            ++head;
            continue;
        }
        // Full, or the clock already stands past its arrival time (it was
        // passed over while the line was full, or listed out of order):
        // blocked.
        if (full || now > cand_time) {
            if (k < 1) {
                fail(input_name, "k: " + std::to_string(k) + " is below 1, but customer " +
                                     std::to_string(nxt + 1) + " is blocked and must retry");
            }
            retry.insert(retry_key(nxt));
            now = std::max<std::int64_t>(now, t[nxt]);
            ++nxt;
            continue;
        }
        // Service starts when the last admitted customer completes.
        const std::int64_t start = head == line.size() ? cand_time : ans[line.back()];
        ans[cand] = start + h[cand];
        if (arrival) {
            ++nxt;
        } else {
            retry.erase(retry_key(cand));
        }
        line.push_back(cand);
        now = cand_time;
    }

    errno = 0;
    for (int j = 0; j < n; ++j) std::printf("%" PRId64 "\n", ans[j]);
    if (!put_output_in_place()) fail(output_name, failed("write failed"));
    retry.clear();
    return 0;
}

}  // namespace

int main() {
    try {
        return run();
    } catch (const Fault& fault) {
        return report("queue", fault);
    }
}
