#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

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
int margin(Table::Values a, Table::Values b, int width) {
    int wins = 0;
    for (int j = 0; j < width; ++j) wins += (a[j] > b[j]) - (a[j] < b[j]);
    return wins;
}

long sum(Table::Values row, int width) {
    long total = 0;
    for (int j = 0; j < width; ++j) total += row[j];
    return total;
}

// Row i of a table of head width k, built by the rules alone: its head
// list, or below the head block its cycle list, then its tail value by value.
std::vector<int> row_by_the_rules(int k, int i, int width) {
    static const std::vector<std::vector<int>> head[] = {
        {{10, 8, 7}, {0, 9, 8}, {1, 0, 9}},
        {{10, 8, 7, 6}, {0, 9, 8, 7}, {1, 0, 9, 8}, {2, 1, 0, 9}}};
    static const std::vector<std::vector<int>> cycle[] = {
        {{2, 1, 0}, {0, 2, 1}, {1, 0, 2}},
        {{3, 2, 1, 0}, {0, 3, 2, 1}, {1, 0, 3, 2}, {2, 1, 0, 3}}};
    std::vector<int> row = i < k ? head[k - 3][i] : cycle[k - 3][(i - k) % k];
    for (int t = 0; t < width - k; ++t) {
        if (i < 2) {
            row.push_back(i == 0 ? (t % 2 == 0 ? 3 : 2) : (t % 2 == 0 ? 0 : 3));
        } else {
            row.push_back((static_cast<long long>(i) + t) % 2 == 0 ? 1 : 0);
        }
    }
    return row;
}

// The rows follow the rules and form a cycle, for every size: below, at and
// above the minimum; and rows far down tables of the largest height.
TEST(Gen, RowsFormACycleAtEverySize) {
    std::mt19937 random(4);
    for (int k : {3, 4}) {
        for (const int far : {2147483647, 2147483646}) {
            const Table table = k == 3 ? gen3(far, 9) : gen4(far, 10);
            for (int draw = 0; draw < 1000; ++draw) {
                const int i = draw < 20 ? far - 1 - draw : static_cast<int>(random() % far);
                const std::vector<int> row = row_by_the_rules(k, i, table.width);
                for (int j = 0; j < table.width; ++j) ASSERT_EQ(table[i][j], row[j]) << i;
            }
        }
        for (int rows = -2; rows <= 13; ++rows) {
            for (int cols = k - 6; cols <= 24; cols += 2) {
                SCOPED_TRACE("gen" + std::to_string(k) + "(" + std::to_string(rows) + ", " +
                             std::to_string(cols) + ")");
                const Table table = k == 3 ? gen3(rows, cols) : gen4(rows, cols);
                const int height = std::max(rows, k), width = std::max(cols, k);
                ASSERT_EQ(table.height, height);
                ASSERT_EQ(table.width, width);
                for (int i = 0; i < height; ++i) {
                    const std::vector<int> row = row_by_the_rules(k, i, width);
                    for (int j = 0; j < width; ++j) ASSERT_EQ(table[i][j], row[j]);
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

// The text as the table's values give it, one row a line, for shapes
// where rows are made whole and written a period at a time (many short
// rows, a remainder of a period or none, fewer rows than a period) and
// where they are written a block of tail at a time (rows past 256 KiB).
TEST(Competition, WritesEveryShapeAsItsValues) {
    const std::pair<int, int> shapes[] = {{100003, 3},  {100001, 4}, {12, 5},     {7, 6},
                                          {1000, 1001}, {9, 131069}, {5, 131072}, {7, 300001}};
    for (const auto& [rows, cols] : shapes) {
        SCOPED_TRACE(std::to_string(rows) + " " + std::to_string(cols));
        const Table table = cols & 1 ? gen3(rows, cols) : gen4(rows, cols);
        std::string text;
        for (int i = 0; i < table.height; ++i) {
            for (int j = 0; j < table.width; ++j)
                text += std::to_string(table[i][j]) + (j + 1 < table.width ? " " : "\n");
        }
        const Outcome outcome = run(std::to_string(rows) + " " + std::to_string(cols));
        ASSERT_EQ(outcome.status, 0);
        ASSERT_TRUE(outcome.output == text);  // not EXPECT_EQ: its diff of megabytes
    }
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
}

// A table whose text a small disk cannot hold, whatever its shape, is
// refused before anything is written, with what it takes, worked out
// without overflow: the output from before stays.
TEST(Competition, RefusesATableThatTheDiskCannotHold) {
    if (!can_mount_privately()) GTEST_SKIP() << "no private mount namespace here (needs root)";
    const struct {
        const char *input, *start;
    } cases[] = {
        {"1000 1001", "a table of 1000 x 1001 values takes 2.0 MB; "},
        {"100000 100001", "a table of 100000 x 100001 values takes 20.0 GB; "},
        {"2147483647 2147483647",
         "a table of 2147483647 x 2147483647 values takes 9223372028.3 GB; "},
        {"3 2147483647", "a table of 3 x 2147483647 values takes 12.9 GB; "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        Limits small;
        small.disk_room = 4096;
        Scratch folder;
        folder.write("competition.in", c.input);
        folder.write("competition.out", "an answer from before\n");
        const Outcome outcome = folder.run(PROGRAM, "competition.out", small);
        const std::string start = "competition: competition.out: " + std::string(c.start);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.err.compare(0, start.size(), start), 0) << outcome.err;
        EXPECT_EQ(outcome.err.substr(outcome.err.size() - 9), " is free\n") << outcome.err;
        EXPECT_EQ(outcome.output, "an answer from before\n");
    }
}

// The table is not held: one of 20 M values runs within 16 MiB of address
// space, where its values alone would take more.
TEST(Competition, WritesATableLargerThanItsMemory) {
    if (!can_limit_address_space()) GTEST_SKIP() << "no address-space limit here";
    Scratch folder;
    folder.write("competition.in", "200000 101\n");
    const Outcome outcome = folder.run(PROGRAM, "competition.out", {16L << 20, {}, 0});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.output->size(), 200000u * 202 + 1);
}

}  // namespace
