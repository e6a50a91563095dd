// competition: reads `rows` and `cols` from competition.in, writes the result
// table (gen3 for odd `cols`, gen4 for even) to competition.out one row per
// line, and reports the time taken to build, print and release it on standard
// error. A fault is thrown as a Fault (reader.h) and reported by main, once:
// one line `competition: FILE: what is wrong` on standard error, and status
// 1; competition.out is then as it was (output_file.h).
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <new>
#include <string>

#include "output_file.h"
#include "platform.h"
#include "reader.h"
#include "table.h"

const char* const input_name = "competition.in";

std::size_t read_input(char* buf, std::size_t size) {
    errno = 0;
    const std::size_t got = std::fread(buf, 1, size, stdin);
    if (got == 0 && std::ferror(stdin)) fail(input_name, failed("read failed"));
    return got;
}

namespace {

const char* const output_name = "competition.out";

// The program itself, its libraries and its buffers, beside the table:
// 0.8 MB measured, the peak less the table's bytes, at 3 x 3, 1000 x 1001
// and 10^8 x 3 values.
const unsigned long long program_bytes = 1 << 20;

// A table far larger than the machine would be built until the process is
// killed: refused up front, with what it needs and what there is. It takes
// a byte a value, in one block (below 2^62 bytes, whatever the two numbers).
void refuse_if_too_big(long long height, long long width) {
    const unsigned long long available = available_memory();
    const unsigned long long values =
        static_cast<unsigned long long>(height) * static_cast<unsigned long long>(width);
    if (available > program_bytes && values <= available - program_bytes) return;
    fail(input_name, "a table of " + std::to_string(height) + " x " + std::to_string(width) +
                         " values needs " +
                         memory_text(static_cast<double>(program_bytes + values)) + "; " +
                         memory_text(static_cast<double>(available)) + " is available");
}

// The text of each value with the blank after it, 4 bytes a value so that
// one copy of a fixed size takes any of them: 2 bytes are used, 3 for 10.
const char text[11][4] = {"0 ", "1 ", "2 ", "3 ", "4 ", "5 ", "6 ", "7 ", "8 ", "9 ", "10 "};

// Writes the table one row per line, values separated by single blanks.
// False as soon as a write fails.
bool print(const Table& table) {
    static char buf[1 << 16];
    std::size_t len = 0;
    for (int i = 0; i < table.height; ++i) {
        const std::uint8_t* const row = table[i];
        for (int j = 0; j < table.width; ++j) {
            if (len > sizeof buf - sizeof text[0]) {
                if (std::fwrite(buf, 1, len, stdout) != len) return false;
                len = 0;
            }
            std::memcpy(buf + len, text[row[j]], sizeof text[0]);
            len += row[j] < 10 ? 2 : 3;
        }
        buf[len - 1] = '\n';  // in place of the last value's blank
    }
    return std::fwrite(buf, 1, len, stdout) == len;
}

int run() {
    open_files(input_name, output_name);
    const int rows = read_int("rows");
    const int cols = read_int("cols");
    const int k = cols & 1 ? 3 : 4;
    const int height = std::max(rows, k), width = std::max(cols, k);
    const std::string too_big = "a table of " + std::to_string(height) + " x " +
                                std::to_string(width) + " values does not fit in memory";
    refuse_if_too_big(height, width);

    const std::clock_t start = std::clock();
    Table table;
    try {
        table = k == 3 ? gen3(rows, cols) : gen4(rows, cols);
    } catch (const std::bad_alloc&) {
        fail(input_name, too_big);
    }
    errno = 0;
    if (!print(table) || !put_output_in_place()) fail(output_name, failed("write failed"));
    table = Table();  // released before the clock stops, as the time covers it
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

}  // namespace

int main() {
    try {
        return run();
    } catch (const Fault& fault) {
        return report("competition", fault);
    }
}
