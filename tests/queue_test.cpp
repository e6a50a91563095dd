#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>
#include <vector>

#include "run_program.h"

namespace {

Outcome run(const std::string& input) {
    return run_program(PROGRAM, "queue.in", input, "queue.out");
}

struct Case {
    const char* input;
    const char* output;
};

TEST(Queue, WritesCompletionTimes) {
    const Case cases[] = {
        {"4 1 3\n0 5\n1 2\n2 1\n10 1\n", "5\n9\n6\n11\n"},  // the attempt at 5 follows a departure
        {"0 1 1\n", ""},
        {"2 1 5\n0 3\n3 1\n", "3\n4\n"},              // departure and arrival at one instant
        {"3 1 3\n0 2\n1 1\n4 1\n", "2\n5\n8\n"},      // a retrier and an arrival at one instant
        {"3 1 3\n0 10\n1 1\n4 1\n", "10\n11\n14\n"},  // two retriers due at once
        {"2 2 4\n5 1\n1 1\n", "6\n7\n"},              // an arrival listed after a later one
        {"3 1 2\n0 0\n0 0\n0 0\n", "0\n0\n0\n"},
        {"5 2 2\n0 3\n0 3\n0 1\n1 1\n1 1\n", "3\n6\n8\n7\n9\n"},
        {"3 1 0\n0 2\n2 2\n5 1\n", "2\n4\n6\n"},  // nobody blocked: k is never used
        {"2 2147483647 -7 0 5 0 5", "5\n10\n"},
        {"2 1 2147483647\n2147483647 2147483647\n2147483647 2147483647\n",
         "4294967294\n6442450941\n"},
        {"1 1 1\n0 1 and whatever follows", "1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        expect_success(run(c.input), c.output);
    }
}

// Everyone arrives at 0 and is blocked behind the one in service; at every
// departure the smallest index among the retriers is due and enters.
TEST(Queue, HandlesTheLargestInput) {
    std::string input = "100000 1 1\n";
    std::string expected;
    for (int j = 0; j < 100000; ++j) {
        input += "0 1000\n";
        expected += std::to_string(1000LL * (j + 1)) + "\n";
    }
    const Outcome outcome = run(input);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_TRUE(outcome.output == expected);
}

TEST(Queue, ReportsBadInput) {
    const Case cases[] = {
        {"", "queue.in: expected n, found end of file"},
        {"2 1", "queue.in: expected k, found end of file"},
        {"2 1 3\n0 5\n1", "queue.in: expected 2 numbers for customer 2, found end of file"},
        {"2 1 3\n0 5\n", "queue.in: expected 2 numbers for customer 2, found end of file"},
        {"2 1 3\n0 5\n1 x\n", "queue.in: customer 2: service duration: \"x\" is not an integer"},
        {"1 1 3\n0 0x10\n", "queue.in: customer 1: service duration: \"0x10\" is not an integer"},
        {"1 1 99999999999\n0 1\n", "queue.in: k: 99999999999 is outside the 32-bit range"},
        {"1 1 1\n2147483648 1\n",
         "queue.in: customer 1: arrival time: 2147483648 is outside the 32-bit range"},
        {"-1 1 1\n", "queue.in: n: -1 is outside 0..100000"},
        {"100001 1 1\n", "queue.in: n: 100001 is outside 0..100000"},
        {"1 0 1\n0 1\n", "queue.in: m: 0 is below 1"},
        {"2 1 1\n0 1\n-1 1\n", "queue.in: customer 2: arrival time -1 is negative"},
        {"2 1 1\n0 -1\n0 1\n", "queue.in: customer 1: service duration -1 is negative"},
        {"3 1 0\n0 5\n5 1\n5 1\n",
         "queue.in: k: 0 is below 1, but customer 3 is blocked and must retry"},
    };
    for (const Case& c : cases) expect_failure(run(c.input), "queue: " + std::string(c.output));
}

TEST(Queue, ReadsNumbersAsEveryProgramDoes) {
    expect_reader_contract(PROGRAM, "queue", "4 1 3\n0 5\n1 2\n2 1\n10 1\n", "5\n9\n6\n11\n", "n",
                           "m");
}

TEST(Queue, ReportsUnusableFiles) {
    expect_file_faults(PROGRAM, "queue", "1 1 1\n0 1\n");
    std::string many = "20000 1 1\n";  // 200 KB of completion times
    for (int j = 0; j < 20000; ++j) many += "0 100000\n";
    expect_file_size_limit(PROGRAM, "queue", many);
    expect_stops_leave_the_output_as_it_was(PROGRAM, "queue", many);
    expect_full_disk(PROGRAM, "queue", many);
}

// The oracle: instant by instant, departures first, then the retriers due
// (smaller index first), then new arrivals in input order. Customer j, once
// blocked, tries at t[j] + z*k for z >= 1. Needs non-decreasing arrivals.
std::string simulate(int m, int k, const std::vector<std::pair<int, int>>& customers) {
    const int n = static_cast<int>(customers.size());
    std::vector<long long> done(n);
    std::deque<long long> system;  // completion times, first come first
    std::vector<int> blocked;      // ascending indices
    int next = 0;
    for (long long now = 0; next < n || !blocked.empty(); ++now) {
        const auto enter = [&](int j) {
            while (!system.empty() && system.front() <= now) system.pop_front();
            if (static_cast<int>(system.size()) == m) return false;
            done[j] = (system.empty() ? now : system.back()) + customers[j].second;
            system.push_back(done[j]);
            return true;
        };
        for (auto it = blocked.begin(); it != blocked.end();) {
            const bool due = (now - customers[*it].first) % k == 0;
            it = due && enter(*it) ? blocked.erase(it) : it + 1;
        }
        for (; next < n && customers[next].first == now; ++next)
            if (!enter(next)) blocked.push_back(next);
    }
    std::string text;
    for (long long time : done) text += std::to_string(time) + "\n";
    return text;
}

TEST(Queue, MatchesAnInstantByInstantSimulation) {
    std::mt19937 random(11);
    for (int round = 0; round < 2000; ++round) {
        const int m = 1 + static_cast<int>(random() % 3), k = 1 + static_cast<int>(random() % 4);
        std::vector<std::pair<int, int>> customers(random() % 9);
        int arrival = 0;
        for (auto& [t, h] : customers) {
            arrival += static_cast<int>(random() % 4);
            t = arrival;
            h = static_cast<int>(random() % 7);
        }
        std::string input = std::to_string(customers.size()) + " " + std::to_string(m) + " " +
                            std::to_string(k) + "\n";
        for (const auto& [t, h] : customers)
            input += std::to_string(t) + " " + std::to_string(h) + "\n";
        const Outcome outcome = run(input);
        ASSERT_EQ(outcome.status, 0) << input;
        ASSERT_EQ(outcome.output, simulate(m, k, customers)) << input;
    }
}

}  // namespace
