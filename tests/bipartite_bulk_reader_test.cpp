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
