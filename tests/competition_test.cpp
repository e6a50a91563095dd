#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>

#include "run_program.h"
#include "table.h"

namespace {

// Rows `from` and later as "v v v; v v v; ...".
std::string render(const Table& table, int from = 0) {
    std::string text;
    for (int i = from; i < table.height; ++i) {
        if (i > from) text += "; ";
        for (int j = 0; j < table.width; ++j) text += (j ? " " : "") + std::to_string(table[i][j]);
    }
    return text;
}

struct TableCase {
    int k, rows, cols;
    int from;  // first row compared
    const char* expected;
};

TEST(Gen, BuildsTheListedTables) {
    const TableCase cases[] = {
        {3, 3, 3, 0, "10 8 7; 0 9 8; 1 0 9"},
        {4, 4, 4, 0, "10 8 7 6; 0 9 8 7; 1 0 9 8; 2 1 0 9"},
        {3, 5, 7, 0, "10 8 7 3 2 3 2; 0 9 8 0 3 0 3; 1 0 9 1 0 1 0; 2 1 0 0 1 0 1; 0 2 1 1 0 1 0"},
        {4, 6, 8, 0,
         "10 8 7 6 3 2 3 2; 0 9 8 7 0 3 0 3; 1 0 9 8 1 0 1 0; 2 1 0 9 0 1 0 1; "
         "3 2 1 0 1 0 1 0; 0 3 2 1 0 1 0 1"},
        {3, 2, 5, 0, "10 8 7 3 2; 0 9 8 0 3; 1 0 9 1 0"},
        {3, 1, 1, 0, "10 8 7; 0 9 8; 1 0 9"},
        {3, -5, -1, 0, "10 8 7; 0 9 8; 1 0 9"},
        {4, 0, 0, 0, "10 8 7 6; 0 9 8 7; 1 0 9 8; 2 1 0 9"},
        {3, 5, -1, 0, "10 8 7; 0 9 8; 1 0 9; 2 1 0; 0 2 1"},
        {4, 2, 10, 0,
         "10 8 7 6 3 2 3 2 3 2; 0 9 8 7 0 3 0 3 0 3; 1 0 9 8 1 0 1 0 1 0; 2 1 0 9 0 1 0 1 0 1"},
        {4, 5, 4, 0, "10 8 7 6; 0 9 8 7; 1 0 9 8; 2 1 0 9; 3 2 1 0"},
        {3, 4, 3, 0, "10 8 7; 0 9 8; 1 0 9; 2 1 0"},
        {3, 8, 9, 3,
         "2 1 0 0 1 0 1 0 1; 0 2 1 1 0 1 0 1 0; 1 0 2 0 1 0 1 0 1; 2 1 0 1 0 1 0 1 0; "
         "0 2 1 0 1 0 1 0 1"},
        {4, 9, 6, 4, "3 2 1 0 1 0; 0 3 2 1 0 1; 1 0 3 2 1 0; 2 1 0 3 0 1; 3 2 1 0 1 0"},
    };
    for (const TableCase& c : cases) {
        const Table table = c.k == 3 ? gen3(c.rows, c.cols) : gen4(c.rows, c.cols);
        EXPECT_EQ(render(table, c.from), c.expected)
            << "gen" << c.k << "(" << c.rows << ", " << c.cols << ")";
    }
}

// How many more columns row a holds the larger value in than row b.
int margin(const std::uint8_t* a, const std::uint8_t* b, int width) {
    int wins = 0;
    for (int j = 0; j < width; ++j) wins += (a[j] > b[j]) - (a[j] < b[j]);
    return wins;
}

long sum(const std::uint8_t* row, int width) { return std::accumulate(row, row + width, 0L); }

// The rows form a cycle, for every size: below, at and above the minimum.
TEST(Gen, RowsFormACycleAtEverySize) {
    for (int k : {3, 4}) {
        for (int rows = -2; rows <= 13; ++rows) {
            for (int cols = k - 6; cols <= 24; cols += 2) {
                SCOPED_TRACE("gen" + std::to_string(k) + "(" + std::to_string(rows) + ", " +
                             std::to_string(cols) + ")");
                const Table table = k == 3 ? gen3(rows, cols) : gen4(rows, cols);
                const int height = std::max(rows, k), width = std::max(cols, k);
                ASSERT_EQ(table.height, height);
                ASSERT_EQ(table.width, width);
                for (int i = 0; i < height; ++i) {
                    for (int j = 0; j < width; ++j) ASSERT_LE(table[i][j], 10);
                }
                for (int i = 0; i + 1 < height; ++i) {
                    for (int j = 0; j < width; ++j) EXPECT_NE(table[i][j], table[i + 1][j]);
                    EXPECT_EQ(margin(table[i + 1], table[i], width), k - 2) << "row " << i + 1;
                    EXPECT_GE(sum(table[i], width), sum(table[i + 1], width));
                }
                const int tail = width - k;
                EXPECT_EQ(margin(table[0], table[height - 1], width),
                          height == k ? k - 2 + tail : k + tail);
                EXPECT_GT(sum(table[0], width), sum(table[1], width));
            }
        }
    }
}

Outcome run(const std::string& input) {
    return run_program(PROGRAM, "competition.in", input, "competition.out");
}

// The timing line: "elapsed: ", seconds as "%g" writes them, a line end.
bool is_timing_line(const std::string& err) {
    return err.rfind("elapsed: ", 0) == 0 && err.size() > 10 && err.back() == '\n' &&
           err.find_first_not_of("0123456789.e+-", 9) == err.size() - 1;
}

TEST(Competition, WritesTheTableAndTheTimingLine) {
    const struct {
        const char* input;
        const char* output;
    } cases[] = {
        {"3 3\n", "10 8 7\n0 9 8\n1 0 9\n"},
        {"4 4", "10 8 7 6\n0 9 8 7\n1 0 9 8\n2 1 0 9\n"},
        {"2 5\n", "10 8 7 3 2\n0 9 8 0 3\n1 0 9 1 0\n"},
        {"5 -1\n", "10 8 7\n0 9 8\n1 0 9\n2 1 0\n0 2 1\n"},
        {"6\n\n8\n",
         "10 8 7 6 3 2 3 2\n0 9 8 7 0 3 0 3\n1 0 9 8 1 0 1 0\n2 1 0 9 0 1 0 1\n"
         "3 2 1 0 1 0 1 0\n0 3 2 1 0 1 0 1\n"},
        {" \t 0 \r\n   +0 and anything after", "10 8 7 6\n0 9 8 7\n1 0 9 8\n2 1 0 9\n"},
        {"000000000000000000000000000003 -0003", "10 8 7\n0 9 8\n1 0 9\n"},
        {"-7 -8", "10 8 7 6\n0 9 8 7\n1 0 9 8\n2 1 0 9\n"},  // not 7 x 8
        {"-2147483648 5", "10 8 7 3 2\n0 9 8 0 3\n1 0 9 1 0\n"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = run(c.input);
        EXPECT_EQ(outcome.status, 0) << c.input;
        EXPECT_EQ(outcome.output, c.output) << c.input;
        EXPECT_TRUE(is_timing_line(outcome.err)) << outcome.err;
    }
}

// Table of 4000 x 4001 is the size the benchmark times; here only its shape.
TEST(Competition, WritesALargeTableCompletely) {
    const Outcome outcome = run("1000 1001");
    ASSERT_EQ(outcome.status, 0);
    ASSERT_TRUE(outcome.output);
    EXPECT_EQ(std::count(outcome.output->begin(), outcome.output->end(), '\n'), 1000);
    EXPECT_EQ(std::count(outcome.output->begin(), outcome.output->end(), ' '), 1000 * 1000);
}

TEST(Competition, ReportsBadInput) {
    const struct {
        const char* input;
        const char* message;
    } cases[] = {
        {"", "competition.in: expected rows, found end of file"},
        {"  \n", "competition.in: expected rows, found end of file"},
        {"7\n", "competition.in: expected cols, found end of file"},
        {"7 x\n", "competition.in: cols: \"x\" is not an integer"},
        {"7.5 3\n", "competition.in: rows: \"7.5\" is not an integer"},
        {"- 3\n", "competition.in: rows: \"-\" is not an integer"},
        {"3 4-\n", "competition.in: cols: \"4-\" is not an integer"},
        {"99999999999 3\n", "competition.in: rows: 99999999999 is outside the 32-bit range"},
        {"123456789012345678901234 3\n",
         "competition.in: rows: 123456789012345678901234 is outside the 32-bit range"},
        {"1234567890123456789012345 3\n",
         "competition.in: rows: 123456789012345678901234... is outside the 32-bit range"},
        {"3 4\x01\n", "competition.in: cols: \"4\\x01\" is not an integer"},
        {"3 -2147483649\n", "competition.in: cols: -2147483649 is outside the 32-bit range"},
    };
    for (const auto& c : cases)
        expect_failure(run(c.input), "competition: " + std::string(c.message));
}

TEST(Competition, ReadsNumbersAsEveryProgramDoes) {
    expect_reader_contract(
        PROGRAM, "competition", "5 7\n",
        "10 8 7 3 2 3 2\n0 9 8 0 3 0 3\n1 0 9 1 0 1 0\n2 1 0 0 1 0 1\n0 2 1 1 0 1 0\n", "rows",
        "cols", is_timing_line);
}

TEST(Competition, ReportsUnusableFiles) {
    expect_file_faults(PROGRAM, "competition", "3 3\n");
#ifndef _WIN32  // no /dev/full there
    // A write that fails before the last buffer, not only at the close.
    Scratch full;
    full.write("competition.in", "1000 1001\n");
    std::filesystem::create_symlink("/dev/full", full.dir() / "competition.out");
    expect_failure(full.run(PROGRAM, "competition.out"),
                   "competition: competition.out: write failed: No space left on device");
#endif
    expect_file_size_limit(PROGRAM, "competition", "1000 1001\n");
    expect_stops_leave_the_output_as_it_was(PROGRAM, "competition", "1000 1001\n");
    expect_full_disk(PROGRAM, "competition", "1000 1001\n");
}

// Within physical memory but beyond the address space the program is given.
TEST(Competition, ReportsATableThatRunsOutOfMemory) {
    if (!can_limit_address_space()) GTEST_SKIP() << "no address-space limit here";
    Scratch folder;
    folder.write("competition.in", "20000 20000\n");
    expect_refusal(folder.run(PROGRAM, "competition.out", {256L << 20, {}, 0}),
                   "competition: competition.in: a table of 20000 x 20000 values needs 401.0 MB; ");
}

// Within physical memory but beyond a container's limit (v2 layout, 1 GiB),
// which pins the memory available whatever the host.
TEST(Competition, RefusesATableOverAControlGroupLimit) {
    if (!can_mount_privately()) GTEST_SKIP() << "no private mount namespace here (needs root)";
    std::ifstream groups("/proc/self/cgroup");
    std::string line;
    while (std::getline(groups, line) && line.compare(0, 3, "0::") != 0) {
    }
    if (!groups) GTEST_SKIP() << "no v2 control group here";
    const std::pair<std::string, std::string> limit = {"memory.max", "1073741824\n"};
    // 600 MiB in use, 100 MiB of it file cache that the kernel can reclaim:
    // 500 MiB of the limit taken.
    const Limits idle = {0, {limit}, 0};
    const Limits busy = {0,
                         {limit,
                          {"memory.current", "629145600\n"},
                          {"memory.stat",
                           "anon 524288000\nfile 104857600\ninactive_anon 0\n"
                           "inactive_file 104857600\n"}},
                         0};
    const struct {
        const char *rows, *cols;
        const Limits& group;
        const char *needs, *available;
    } cases[] = {
        {"1000000000", "3", idle, "3.0 GB", "1.1 GB"},
        {"1000000000", "3", busy, "3.0 GB", "549.5 MB"},
        {"100000", "100000", idle, "10.0 GB", "1.1 GB"},
        {"2147483647", "2147483647", idle, "4611686014.1 GB", "1.1 GB"},
        // A byte under the limit in values: the program's own share tips it
        // over, and it must be refused, not built until the kernel kills it.
        {"357913941", "3", idle, "1.1 GB", "1.1 GB"},
    };
    for (const auto& c : cases) {
        Scratch folder;
        folder.write("competition.in", std::string(c.rows) + " " + c.cols + "\n");
        expect_failure(folder.run(PROGRAM, "competition.out", c.group),
                       "competition: competition.in: a table of " + std::string(c.rows) + " x " +
                           c.cols + " values needs " + c.needs + "; " + c.available +
                           " is available");
    }
}

}  // namespace
