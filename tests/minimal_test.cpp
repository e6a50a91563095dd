#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "run_program.h"

namespace {

Outcome run(const std::string& input) {
    return run_program(PROGRAM, "minimal.in", input, "minimal.out");
}

struct Case {
    std::string input;
    const char* output;
};

TEST(Minimal, WritesSweepCounts) {
    const Case cases[] = {
        {"abcabc\n2\n1 6\n2 5\n", "11\n5\n"},
        {"abcabc 2 1 3 4 6", "2\n2\n"},
        {"q\n1\n1 1\n", "0\n"},
        {"aaaa\n3\n1 4\n2 3\n3 3\n", "3\n1\n0\n"},
        {"ba\n1\n1 2\n", "2\n"},  // onto the 'a', then round onto the 'b'
        {"aba\n1\n1 3\n", "4\n"},
        {"bab\n1\n1 3\n", "3\n"},  // the 'b' ahead first, then round to the one behind
        {"zyxa\n1\n1 4\n", "12\n"},
        {"abc\n3\n3 2\n4 3\n2147483647 0\n", "0\n0\n0\n"},  // a > b: nothing in range
        {"abc\n0\n", ""},
        {"abc\n-5\n1 0\n", ""},
        {"\n\t abc \r\n 1 1 3 and whatever follows", "2\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        expect_success(run(c.input), c.output);
    }
}

// Straight from the definition: for each letter in turn, step forward round
// the ring until every occurrence in the range has been stood on.
int walk(const std::string& word, int a, int b) {
    const int l = a - 1, length = b - a + 1;
    int at = 0, moves = 0;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        std::vector<bool> seen(std::max(length, 0));
        int left = 0;
        for (int x = 0; x < length; ++x) left += word[l + x] == letter;
        const auto stand = [&] {
            if (word[l + at] == letter && !seen[at]) {
                seen[at] = true;
                --left;
            }
        };
        if (left > 0) stand();
        while (left > 0) {
            at = (at + 1) % length;
            ++moves;
            stand();
        }
    }
    return moves;
}

TEST(Minimal, MatchesACursorWalkOnRandomWords) {
    std::mt19937 random(3);
    for (int round = 0; round < 1500; ++round) {
        // Every 125th round, more answers than the output holds at once,
        // several times over, in chunks of queries worked in their order
        // and, with many letters, in the order of their ends, over a word
        // long enough that the ends fall in many groups of the sort: the
        // longest word first, then some thousands of letters.
        const bool many = round % 125 == 0, sorted = many && round % 250 == 0;
        std::string letters = "abcdefghijklmnopqrstuvwxyz";
        std::shuffle(letters.begin(), letters.end(), random);
        letters.resize(!many ? 1 + random() % 4 : sorted ? 8 + random() % 19 : 2);
        std::string word(round == 0 ? 100000
                         : sorted   ? 2000 + random() % 8000
                         : many     ? 30 + random() % 11
                                    : 1 + random() % 12,
                         ' ');
        for (char& c : word) c = letters[random() % letters.size()];
        const int n = static_cast<int>(word.size());

        // Every range of a short word; of a long one, ranges of up to 64
        // letters that start anywhere (empty ones too), and a few that run
        // to its end, which the walk takes longer over.
        std::vector<std::string> queries, answers;
        const auto add = [&](int a, int b) {
            queries.push_back(std::to_string(a) + " " + std::to_string(b) + "\n");
            answers.push_back(std::to_string(walk(word, a, b)) + "\n");
        };
        for (int a = 1; a <= n + 1 && !sorted; ++a) {
            for (int b = a - 1; b <= n; ++b) add(a, b);
        }
        for (int x = 0; x < 3000 && sorted; ++x) {
            const int a = 1 + static_cast<int>(random() % n);
            add(a, x < 8 ? n : std::min(n, a - 1 + static_cast<int>(random() % 65)));
        }
        for (std::size_t x = queries.size(), drawn = 60000 + random() % 20000; many && x < drawn;
             ++x) {
            const std::size_t pick = random() % x;
            queries.push_back(queries[pick]);
            answers.push_back(answers[pick]);
        }
        // All of them, or the first few, so that the last batch of answers
        // is at times short, at times whole; and in three rounds of four a
        // bad query after those, at every place in a batch, which leaves no
        // answer at all.
        const std::size_t count =
            round % 3 == 0 || many ? queries.size() : 1 + random() % queries.size();
        const std::string number = std::to_string(count + 1);
        const struct {
            const char* query;
            std::string message;
        } faults[] = {
            {"0 1\n", "query " + number + ": position 0 is outside 1.." + std::to_string(n)},
            {"1 x\n", "query " + number + ": \"x\" is not an integer"},
            {"", "expected 2 numbers for query " + number + ", found end of file"},
        };
        const bool bad = round % 4 != 3;
        std::string input = word + "\n" + std::to_string(count + bad) + "\n", expected;
        for (std::size_t x = 0; x < count; ++x) {
            input += queries[x];
            expected += answers[x];
        }
        if (bad) input += faults[round % 4].query;
        const Outcome outcome = run(input);
        const std::string shown = many ? word.substr(0, 40) + (n > 40 ? "..." : "") + " with " +
                                             std::to_string(count) + " queries"
                                       : input;
        ASSERT_EQ(outcome.status, bad ? 1 : 0) << shown;
        ASSERT_EQ(outcome.err,
                  bad ? "minimal: minimal.in: " + faults[round % 4].message + "\n" : "")
            << shown;
        if (bad) {
            ASSERT_FALSE(outcome.output) << shown;
            continue;
        }
        // Not ASSERT_EQ: its line diff of many answers takes gigabytes.
        const std::string output = outcome.output.value_or("");
        const std::size_t differs =
            std::mismatch(expected.begin(), expected.end(), output.begin(), output.end()).first -
            expected.begin();
        ASSERT_TRUE(output == expected)
            << shown << "\nfrom byte " << differs << ", expected \"" << expected.substr(differs, 24)
            << "\", found \"" << output.substr(differs, 24) << "\"";
    }
}

TEST(Minimal, AnswersOverTheLongestWord) {
    std::mt19937 random(9);
    std::string word(100000, ' ');
    for (char& c : word) c = static_cast<char>('a' + random() % 26);
    const std::string expected =
        std::to_string(walk(word, 1, 100000)) + "\n" + std::to_string(walk(word, 2, 99999)) + "\n";
    const Outcome outcome = run(word + "\n2\n1 100000\n2 99999\n");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.output, expected);
}

TEST(Minimal, ReportsBadInput) {
    const struct {
        std::string input;
        const char* message;
    } cases[] = {
        {"", "minimal.in: expected a word, found end of file"},
        {" \n ", "minimal.in: expected a word, found end of file"},
        {std::string(100001, 'a') + "\n0\n", "minimal.in: the word is longer than 100000 letters"},
        {"abCd\n0\n", "minimal.in: the word: character 3 is \"C\", not a letter from a to z"},
        {"ab\xc3\xa9\n0\n",
         "minimal.in: the word: character 3 is \"\\xc3\", not a letter from a to z"},
        {"abc\n", "minimal.in: expected the number of queries, found end of file"},
        {"abc\nthree\n", "minimal.in: the number of queries: \"three\" is not an integer"},
        {"abc\n3\n1 3\n2\n", "minimal.in: expected 2 numbers for query 2, found end of file"},
        {"abc\n3\n1 3\n1 2\n", "minimal.in: expected 2 numbers for query 3, found end of file"},
        {"abc\n2\n1 3\n1 x\n", "minimal.in: query 2: \"x\" is not an integer"},
        {"abc\n1\n1 4294967296\n", "minimal.in: query 1: 4294967296 is outside the 32-bit range"},
        {"abcdef\n2\n1 6\n0 3\n", "minimal.in: query 2: position 0 is outside 1..6"},
        {"abcdef\n1\n2 7\n", "minimal.in: query 1: position 7 is outside 0..6"},
        {"abcdef\n1\n2 -1\n", "minimal.in: query 1: position -1 is outside 0..6"},
    };
    for (const auto& c : cases) expect_failure(run(c.input), "minimal: " + std::string(c.message));
}

TEST(Minimal, ReadsNumbersAsEveryProgramDoes) {
    expect_reader_contract(PROGRAM, "minimal", "abcabc\n2\n1 6\n2 5\n", "11\n5\n",
                           "the number of queries", "query 1");
}

TEST(Minimal, ReportsUnusableFiles) {
    expect_file_faults(PROGRAM, "minimal", "ab\n1\n1 2\n");
    std::string queries;  // 90 KB of answers
    for (int query = 0; query < 30000; ++query) queries += "1 12\n";
    expect_file_size_limit(PROGRAM, "minimal", "abcabcabcabc\n30000\n" + queries);
    expect_stops_leave_the_output_as_it_was(PROGRAM, "minimal", "abcabcabcabc\n30000\n" + queries);
    expect_full_disk(PROGRAM, "minimal", "abcabcabcabc\n30000\n" + queries);
}

}  // namespace
