// competition: reads `rows` and `cols` from competition.in, writes the result
// table (gen3 for odd `cols`, gen4 for even) to competition.out one row per
// line, and reports the time taken to build, print and release it on standard
// error. On any fault it writes one line `competition: FILE: what is wrong` to
// standard error, leaves competition.out empty and ends with status 1.
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform.h"
#include "reader.h"
#include "table.h"

const char* const input_name = "competition.in";

[[noreturn]] void fail(const char* file, const std::string& what) {
    std::fprintf(stderr, "competition: %s: %s\n", file, what.c_str());
    std::exit(1);
}

std::size_t read_input(char* buf, std::size_t size) {
    errno = 0;
    const std::size_t got = std::fread(buf, 1, size, stdin);
    if (got == 0 && std::ferror(stdin)) fail(input_name, failed("read failed"));
    return got;
}

namespace {

const char* const output_name = "competition.out";

// Ends the run after writing, flushing or closing the output failed: the
// file is emptied first, as on any error.
[[noreturn]] void fail_output(bool still_open) {
    const std::string what = failed("write failed");
    if (still_open) std::fclose(stdout);
    if (std::FILE* file = std::fopen(output_name, "w")) std::fclose(file);
    fail(output_name, what);
}

// Bytes that a row of `width` values really takes: its vector and its block
// from the allocator. The allocator adds a header of a word to the values
// and rounds up to 16 bytes (four words at least); a block of 128 KiB or
// more gets pages of its own (of 4 KiB), after a header of two words.
// Measured peaks for widths from 3 to 100000 lie within 0.3 % below this,
// with the program's own few MB added; a row of 3 values takes 56 bytes
// with 64-bit words and 28 with 32-bit ones.
unsigned long long row_bytes(unsigned long long width) {
    const unsigned long long values = width * sizeof(int), word = sizeof(std::size_t);
    const unsigned long long page = 4096;
    const unsigned long long block = values + 2 * word < (128 << 10)
                                         ? std::max(4 * word, (values + word + 15) / 16 * 16)
                                         : (values + 2 * word + page - 1) / page * page;
    return sizeof(std::vector<int>) + block;
}

// A table far larger than the machine would be built row by row until the
// process is killed: refused up front, with what it needs and what there is.
void refuse_if_too_big(long long height, long long width) {
    const unsigned long long available = available_memory();
    const unsigned long long program = 4 << 20;  // the program itself, its libraries and buffers
    if (available > program &&
        static_cast<unsigned long long>(height) <= (available - program) / row_bytes(width))
        return;
    // In floating point: for 2^31 x 2^31 values it is beyond 64 bits.
    const double needs =
        program + static_cast<double>(height) * static_cast<double>(row_bytes(width));
    fail(input_name, "a table of " + std::to_string(height) + " x " + std::to_string(width) +
                         " values needs " + memory_text(needs) + "; " +
                         memory_text(static_cast<double>(available)) + " is available");
}

// Writes the table one row per line, values separated by single blanks.
// False as soon as a write fails.
bool print(const std::vector<std::vector<int>>& table) {
    static char buf[1 << 16];
    std::size_t len = 0;
    for (const std::vector<int>& row : table) {
        for (std::size_t j = 0; j < row.size(); ++j) {
            if (len > sizeof buf - 16) {
                if (std::fwrite(buf, 1, len, stdout) != len) return false;
                len = 0;
            }
            if (j > 0) buf[len++] = ' ';
            len = std::to_chars(buf + len, buf + sizeof buf, row[j]).ptr - buf;
        }
        buf[len++] = '\n';
    }
    return std::fwrite(buf, 1, len, stdout) == len;
}

}  // namespace

int main() {
    errno = 0;
    const bool input_open = std::freopen(input_name, "r", stdin) != nullptr;
    const std::string input_fault = failed("cannot open");
    errno = 0;
    const bool output_open = std::freopen(output_name, "w", stdout) != nullptr;
    if (!input_open) fail(input_name, input_fault);
    if (!output_open) fail(output_name, failed("cannot create"));
    const int rows = read_int("rows");
    const int cols = read_int("cols");
    const int k = cols & 1 ? 3 : 4;
    const int height = std::max(rows, k), width = std::max(cols, k);
    const std::string too_big = "a table of " + std::to_string(height) + " x " +
                                std::to_string(width) + " values does not fit in memory";
    refuse_if_too_big(height, width);

    const std::clock_t start = std::clock();
    std::vector<std::vector<int>> table;
    try {
        table = k == 3 ? gen3(rows, cols) : gen4(rows, cols);
    } catch (const std::bad_alloc&) {
        fail(input_name, too_big);
    } catch (const std::length_error&) {  // more than a vector can hold, as on a 32-bit system
        fail(input_name, too_big);
    }
    // A full disk often shows only when the last buffer is flushed or closed.
    errno = 0;
    if (!print(table) || std::fflush(stdout) != 0) fail_output(true);
    if (std::fclose(stdout) != 0) fail_output(false);
    table = std::vector<std::vector<int>>();  // frees it all: `table = {}` keeps the row array
    const std::clock_t stop = std::clock();

    // Through stdio, not std::cerr: the iostreams flush std::cout, and with it
    // the closed standard output, before every write to std::cerr and again
    // at exit, which is why this program does not include <iostream>. "%g" is
    // the streams' default format (6 significant digits, no trailing zeros),
    // and the unbuffered stderr sends the line out at once.
    std::fprintf(stderr, "elapsed: %g\n",
                 (static_cast<double>(stop) - static_cast<double>(start)) / CLOCKS_PER_SEC);
    return 0;
}
