// bipartite's bulk path (bulk_reader.h) between single reads of the
// reader under it, against a plain tokenizer (reader_harness.h). Built
// twice: as the program is, and with the portable classification only
// (READER_PORTABLE), which is all there is where SSE2 is not.
#include "bulk_reader.h"
#include "reader_harness.h"

// Long texts: the tokens that read_ints must leave to read_int fall at
// every place in its windows of 64 bytes.
TEST(BulkReader, MatchesAPlainTokenizer) {
    for (int round = 0; round < 4000; ++round) {
        const std::string text = std::string(below(4) ? "" : "\xef\xbb\xbf") +
                                 plain_tokens(20 + below(300)) + (below(2) ? blanks() : "");
        ASSERT_NO_FATAL_FAILURE(expect_alike(text, round % 4 == 3, read_ints));
    }
}

TEST(BulkReader, MatchesAPlainTokenizerAcrossARefill) { expect_alike_across_a_refill(read_ints); }

// Plain numbers are taken in bulk all the way, but for the last few before
// the buffer's end: a bulk path that gave up at a token cut by a block's
// end, or at eight or ten digits, would still read right, at the pace of
// read_int. One-digit numbers fill blocks with 32, and the count then ends
// 19 numbers into one, where no more than 19 may be taken from it.
TEST(BulkReader, TakesPlainNumbersWhole) {
    for (const char* number : {"7", "12345678", "2147483647"}) {
        std::string text;
        while (text.size() < 20000) text += std::string(number) + (text.size() % 3 ? " " : "\n");
        harness::input = text;
        harness::served = 0;
        harness::short_reads = false;
        restart_input();
        read_int("n");  // fills the buffer
        std::vector<int> values(1010);
        EXPECT_EQ(read_ints(values.data(), values.size()), values.size()) << number;
    }
}
