// minimal: reads a word and Q ranges of it from minimal.in and writes to
// minimal.out, per range, its letter sweep count: the least number of
// forward moves of a cursor that starts on the range's first position and,
// reading the range as a ring, stands on every occurrence of 'a', then of
// 'b', and so on to 'z'.
//
// Time: 26 (n + 1) table stores, then at most 26 letter steps with two table
// reads each per query, whatever its length. Memory: a fixed 100001 x 26
// table, and a chunk of queries.
//
// The queries are read in chunks, and a chunk is answered in batches, letter
// by letter across the batch: one query's steps are a chain, each waiting
// on the table read of the one before, but the steps of different queries
// are not, so that their reads of the table (10 MB, past the first caches)
// overlap. For the same reason the table is stored by position: a query's
// 26 reads at its end lie together, in two cache lines. Where the word has
// 8 or more distinct letters, so that a query takes many steps, a chunk is
// worked in the order of the queries' ends, which keeps the reads at their
// ends in the caches: with 10^5 letters of 26 kinds and 10^6 random
// queries, answering took 0.66 of the time of the input order in chunks of
// 2^16 queries, 0.65 in chunks of 2^17, and gained nothing in chunks of
// 2^14. With 2 kinds of letter, sorting cost 4 % of the whole run, and it is
// left out. Letters that the word lacks take no step.
//
// A fault is thrown as a Fault (reader.h) and reported by main, once: one
// line `minimal: FILE: what is wrong` on standard error, and status 1;
// minimal.out is then as it was (output_file.h), a bad query's answers
// before it included: an answer file that holds part of the answers is
// seldom what its user wants.
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <ios>
#include <iterator>
#include <string>

#include "output_file.h"
#include "reader.h"

// The program's own input stream, opened before main runs; it hides the
// console stream of the same name. The answers go to standard output, which
// main binds to a new file that replaces minimal.out once they are whole.
std::ifstream cin("minimal.in");
const int cin_errno = cin.is_open() ? 0 : errno;  // why it did not open, if it did not

const int max_length = 100000;

// Working row of the table build: last[j] is the last position of letter j
// seen so far, or -1.
int last[26];
// asdasdasd[i][j]: the greatest position below i that holds letter j, or -1.
int asdasdasd[max_length + 1][26];

const char* const input_name = "minimal.in";

namespace {

const char* const output_name = "minimal.out";

// The queries of a chunk, read and checked, whose answers are not written
// yet: l..r, 0-based, both included (none when l > r).
const int chunk_size = 1 << 16;
struct Range {
    int l, r;
};
Range chunk[chunk_size];
int pending;
int answers[chunk_size];

// Queries answered together: 4 at a time overlap best; 2, 6, 8 and 16 were
// slower.
const int batch_size = 4;

// The letters that the word holds, bit j for letter j: no range holds
// another.
std::uint32_t present;

// Whether a chunk is worked in the order of its queries' ends: where the
// word has at least this many distinct letters.
const int sorted_from = 8;
bool sorted;

// The answers on their way to minimal.out.
char out[1 << 16];
std::size_t out_len;

}  // namespace

// A read error that the standard library reports comes as
// std::ios_base::failure, not as the end of the file: the stream's
// exceptions are set in main.
std::size_t read_input(char* buf, std::size_t size) {
    cin.read(buf, static_cast<std::streamsize>(size));
    return static_cast<std::size_t>(cin.gcount());
}

namespace {

// Sends `out` to minimal.out.
void write_out() {
    if (std::fwrite(out, 1, out_len, stdout) != out_len) fail(output_name, failed("write failed"));
    out_len = 0;
}

std::string read_word() {
    int c = skip_space();
    if (c == EOF) fail(input_name, "expected a word, found end of file");
    std::string word;
    for (; c != EOF && !is_space(c); c = next_char()) {
        if (word.size() == max_length)
            fail(input_name, "the word is longer than " + std::to_string(max_length) + " letters");
        if (c < 'a' || c > 'z') {
            fail(input_name, "the word: character " + std::to_string(word.size() + 1) + " is " +
                                 "\"" + printable(std::string(1, static_cast<char>(c))) +
                                 "\", not a letter from a to z");
        }
        word += static_cast<char>(c);
    }
    return word;
}

// Row i describes the letters strictly before position i.
void build(const std::string& word) {
    const int n = static_cast<int>(word.size());
    std::fill(std::begin(last), std::end(last), -1);
    for (int i = 0; i <= n; ++i) {
        std::copy(std::begin(last), std::end(last), asdasdasd[i]);
        if (i < n) last[word[i] - 'a'] = i;
    }
}

// The sweep counts of the `count` queries chunk[batch[x]] into
// answers[batch[x]]. Each letter stops at its last occurrence behind the
// cursor if it has one (reached by wrapping round the ring), else at its
// last occurrence ahead of it.
void answer_batch(const int* batch, int count) {
    Range range[batch_size];
    int cursor[batch_size], total[batch_size];
    for (int x = 0; x < count; ++x) {
        range[x] = chunk[batch[x]];
        cursor[x] = range[x].l;
        total[x] = 0;
    }
    for (int j = 0; j < 26; ++j) {
        if ((present >> j & 1) == 0) continue;
        for (int x = 0; x < count; ++x) {
            const int l = range[x].l, r = range[x].r;
            const int p = asdasdasd[r + 1][j];  // last occurrence at or before r
            if (p < l) continue;                // not in the range
            if (p >= cursor[x]) {
                total[x] += p - cursor[x];
                const int q = asdasdasd[cursor[x]][j];  // last occurrence behind the cursor
                cursor[x] = p;
                if (q >= l) {
                    total[x] += (r - cursor[x]) + 1 + (q - l);
                    cursor[x] = q;
                }
            } else {
                total[x] += (r - cursor[x]) + 1 + (p - l);
                cursor[x] = p;
            }
        }
    }
    for (int x = 0; x < count; ++x) answers[batch[x]] = total[x];
}

// Answers the pending queries and appends their counts to `out`, in their
// order. The order of work, where it is sorted, is a counting sort on the
// rows of the table at the queries' ends, in groups of 32 rows (3 KB).
void answer_chunk() {
    static int order[chunk_size];
    if (sorted) {
        static int first[max_length / 32 + 2];  // of each group in `order`
        std::fill(std::begin(first), std::end(first), 0);
        for (int x = 0; x < pending; ++x) ++first[(chunk[x].r + 1) / 32 + 1];
        for (std::size_t g = 1; g < std::size(first); ++g) first[g] += first[g - 1];
        for (int x = 0; x < pending; ++x) order[first[(chunk[x].r + 1) / 32]++] = x;
    } else {
        for (int x = 0; x < pending; ++x) order[x] = x;
    }
    for (int x = 0; x < pending; x += batch_size)
        answer_batch(order + x, std::min(batch_size, pending - x));
    for (int x = 0; x < pending; ++x) {
        if (out_len > sizeof out - 16) write_out();
        out_len = std::to_chars(out + out_len, out + sizeof out, answers[x]).ptr - out;
        out[out_len++] = '\n';
    }
    pending = 0;
}

int run() {
    cin.exceptions(std::ios::badbit);
    errno = 0;
    const bool output_open = open_output(output_name);
    const std::string output_fault = failed("cannot create");
    if (!cin.is_open()) {
        errno = cin_errno;
        fail(input_name, failed("cannot open"));
    }
    if (!output_open) fail(output_name, output_fault);
    errno = 0;
    const std::string word = read_word();
    const int n = static_cast<int>(word.size());
    build(word);
    int distinct = 0;
    for (int j = 0; j < 26; ++j) {
        if (asdasdasd[n][j] >= 0) {
            present |= std::uint32_t{1} << j;
            ++distinct;
        }
    }
    sorted = distinct >= sorted_from;

    const int queries = read_int("the number of queries");
    for (int query = 1; query <= queries; ++query) {
        const int a = read_int("query", query);
        const int b = read_int("query", query);
        // a > b within these bounds is an empty range, whose count is 0, and
        // b = 0 ends one.
        if (a < 1 || b < 0 || b > n) {
            fail(input_name, label("query", query) + ": position " + std::to_string(a < 1 ? a : b) +
                                 " is outside " + (a < 1 ? "1.." : "0..") + std::to_string(n));
        }
        chunk[pending++] = {a - 1, b - 1};
        if (pending == chunk_size) answer_chunk();
    }
    answer_chunk();
    write_out();
    if (!put_output_in_place()) fail(output_name, failed("write failed"));
    return 0;
}

}  // namespace

int main() {
    try {
        try {
            return run();
        } catch (const std::ios_base::failure&) {
            fail(input_name, failed("read failed"));
        }
    } catch (const Fault& fault) {
        return report("minimal", fault);
    }
}
