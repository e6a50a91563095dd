// minimal: reads a word and Q ranges of it from minimal.in and writes to
// minimal.out, per range, its letter sweep count: the least number of
// forward moves of a cursor that starts on the range's first position and,
// reading the range as a ring, stands on every occurrence of 'a', then of
// 'b', and so on to 'z'.
//
// Time: 26 (n + 1) table stores, then at most 26 letter steps with two table
// reads each per query, whatever its length. Memory: a fixed 26 x 100001
// table.
// On any fault it writes one line `minimal: FILE: what is wrong` to standard
// error and ends with status 1; the answers written before a bad query or a
// failed write stay in minimal.out, whole.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ios>
#include <string>
#include <system_error>

#include "reader.h"

// The program's own streams, opened before main runs; they hide the console
// streams of the same names.
std::ifstream cin("minimal.in");
const int cin_errno = cin.is_open() ? 0 : errno;  // why it did not open, if it did not
std::ofstream cout("minimal.out");
const int cout_errno = cout.is_open() ? 0 : errno;

const int max_length = 100000;

// Working row of the table build: last[j] is the last position of letter j
// seen so far, or -1.
int last[26];
// asdasdasd[j][i]: the greatest position below i that holds letter j, or -1.
int asdasdasd[26][max_length + 1];

const char* const input_name = "minimal.in";

[[noreturn]] void fail(const char* file, const std::string& what) {
    cout.flush();  // the answers so far stay
    std::fprintf(stderr, "minimal: %s: %s\n", file, what.c_str());
    std::exit(1);
}

// A read error surfaces as std::ios_base::failure from the stream buffer.
std::size_t read_input(char* buf, std::size_t size) {
    return static_cast<std::size_t>(
        std::max<std::streamsize>(cin.rdbuf()->sgetn(buf, static_cast<std::streamsize>(size)), 0));
}

namespace {

const char* const output_name = "minimal.out";

// Cuts the closed output back to its last line end: what a full disk left
// of the last answer goes, so that every number in the file is an answer.
// An answer takes at most 7 digits and a line end, CRLF on Windows.
void drop_cut_line() {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(output_name, error);
    if (error) return;  // not a regular file: nothing to cut
    std::string tail(static_cast<std::size_t>(std::min<std::uintmax_t>(size, 16)), '\0');
    {  // closed before the file is cut, which Windows may refuse while it is open
        std::ifstream file(output_name, std::ios::binary);
        if (!file.seekg(static_cast<std::streamoff>(size - tail.size())) ||
            !file.read(&tail[0], static_cast<std::streamsize>(tail.size())))
            return;
    }
    const std::size_t end = tail.rfind('\n');
    const std::uintmax_t kept = size - tail.size() + (end == std::string::npos ? 0 : end + 1);
    std::filesystem::resize_file(output_name, kept, error);
}

// Ends the run after a write to the output failed; the answers before it stay.
[[noreturn]] void fail_output() {
    const std::string what = failed("write failed");
    cout.close();
    drop_cut_line();
    fail(output_name, what);
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

// Column i describes the letters strictly before position i.
void build(const std::string& word) {
    const int n = static_cast<int>(word.size());
    std::fill(std::begin(last), std::end(last), -1);
    for (int i = 0; i <= n; ++i) {
        for (int j = 0; j < 26; ++j) asdasdasd[j][i] = last[j];
        if (i < n) last[word[i] - 'a'] = i;
    }
}

// The sweep count of positions l..r (0-based, both included; none when
// l > r). Each letter stops at its last occurrence behind the cursor if it
// has one (reached by wrapping round the ring), else at its last occurrence
// ahead of it.
int sweep(int l, int r) {
    int cursor = l, total = 0;
    for (int j = 0; j < 26; ++j) {
        const int p = asdasdasd[j][r + 1];  // last occurrence at or before r
        if (p < l) continue;                // not in the range
        if (p >= cursor) {
            total += p - cursor;
            const int q = asdasdasd[j][cursor];  // last occurrence behind the cursor
            cursor = p;
            if (q >= l) {
                total += (r - cursor) + 1 + (q - l);
                cursor = q;
            }
        } else {
            total += (r - cursor) + 1 + (p - l);
            cursor = p;
        }
    }
    return total;
}

}  // namespace

int main() try {
    if (!cin.is_open()) {
        errno = cin_errno;
        fail(input_name, failed("cannot open"));
    }
    if (!cout.is_open()) {
        errno = cout_errno;
        fail(output_name, failed("cannot create"));
    }
    errno = 0;
    const std::string word = read_word();
    const int n = static_cast<int>(word.size());
    build(word);

    const int queries = read_int("the number of queries");
    for (int query = 1; query <= queries; ++query) {
        const int a = read_int("query", query);
        const int b = read_int("query", query);
        // a > b within these bounds is an empty range, whose count is 0.
        if (a < 1 || b < 0 || b > n) {
            fail(input_name, label("query", query) + ": position " + std::to_string(a < 1 ? a : b) +
                                 " is outside 1.." + std::to_string(n));
        }
        if (!(cout << sweep(a - 1, b - 1) << '\n')) fail_output();
    }
    // A full disk often shows only when the last buffer is flushed on close.
    cout.close();
    if (!cout) fail_output();
    return 0;
} catch (const std::ios_base::failure&) {
    fail(input_name, failed("read failed"));
}
