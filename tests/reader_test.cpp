// The reader that every program keeps (reader.h), one copy of it, against
// a plain tokenizer (reader_harness.h): a token at a time.
#include "reader_harness.h"

TEST(Reader, MatchesAPlainTokenizer) {
    static const char* const starts[] = {
        "",         "",         "",        "", "", "", " ", "\n\n", "\xef\xbb\xbf", "\xef\xbb\xbf",
        "\xff\xfe", "\xfe\xff", "\xef\xbb"};
    for (int round = 0; round < 100000; ++round) {
        const std::string text =
            std::string(any(starts)) + tokens(1 + below(10)) + (below(2) ? blanks() : "");
        ASSERT_NO_FATAL_FAILURE(expect_alike(text, round % 2 == 1));
    }
}

TEST(Reader, MatchesAPlainTokenizerAcrossARefill) { expect_alike_across_a_refill(); }
