// competition: reads `rows` and `cols` from competition.in, writes the result
// table (gen3 for odd `cols`, gen4 for even) to competition.out one row per
// line, and reports the time taken to build, print and release it on standard
// error. A fault is thrown as a Fault (reader.h) and reported by main, once:
// one line `competition: FILE: what is wrong` on standard error, and status
// 1; competition.out is then as it was (output_file.h).
//
// A table has at most nine different rows (table.h), so its text is made a
// row at a time, once, and written whole: at the speed of the disk, in a
// few MiB whatever its shape. A table whose text the output's file system
// has no room for is refused before anything is written.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

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

// A line end in the file: text mode writes CRLF on Windows.
#ifdef _WIN32
const unsigned long long line_end_bytes = 2;
#else
const unsigned long long line_end_bytes = 1;
#endif

// The bytes of the table's text: each value takes 2 with the blank or line
// end after it, the 10 at the top left 3, and a line end one more on
// Windows. At most 2^31 rows of 2^32 + 1 bytes: within 64 bits.
unsigned long long text_bytes(const Table& table) {
    const auto width = static_cast<unsigned long long>(table.width);
    return static_cast<unsigned long long>(table.height) * (2 * width - 1 + line_end_bytes) + 1;
}

// `bytes` as messages give an amount: in bytes below a MB, and from there
// with one decimal in MB, or in GB from a GB ("20.0 GB").
std::string size_text(unsigned long long bytes) {
    if (bytes < 1000000) return std::to_string(bytes) + " bytes";
    const double amount = static_cast<double>(bytes);
    const bool gb = amount >= 1e9;
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", amount / (gb ? 1e9 : 1e6), gb ? "GB" : "MB");
    return text;
}

// The most that one write takes, and so the size of a row's text that is
// made whole: 256 KiB, four times what dd was measured with.
const std::size_t block_bytes = 256 << 10;

bool write(const char* bytes, std::size_t count) {
    return std::fwrite(bytes, 1, count, stdout) == count;
}

// Whole copies of `piece`, as many as a block holds (one at least), and no
// more than `times`: made once, written again and again.
std::string block_of(const std::string& piece, unsigned long long times) {
    if (times == 0 || piece.empty()) return {};
    const unsigned long long copies =
        std::min<unsigned long long>(std::max<std::size_t>(1, block_bytes / piece.size()), times);
    std::string block;
    for (unsigned long long c = 0; c < copies; ++c) block += piece;
    return block;
}

// `times` copies of the piece of `size` bytes that `block` repeats.
bool write_repeated(const std::string& block, std::size_t size, unsigned long long times) {
    const unsigned long long copies = size > 0 ? block.size() / size : 0;
    for (; copies > 0 && times >= copies; times -= copies) {
        if (!write(block.data(), block.size())) return false;
    }
    return write(block.data(), static_cast<std::size_t>(times) * size);
}

// The text of `values`, `count` of them, each followed by a blank.
std::string text_of(const std::uint8_t* values, int count) {
    std::string text;
    for (int j = 0; j < count; ++j) text += std::to_string(values[j]) + " ";
    return text;
}

// Writes the table one row per line, values separated by single blanks.
// A row is its head's text and its tail's, two values long, repeated; the
// line end takes the place of its last blank. Short rows are made whole,
// and the rows below the head block, which repeat, written a period at a
// time; long ones are written a head and blocks of tail at a time. False
// as soon as a write fails.
bool print(const Table& table) {
    const unsigned long long units = (table.width - table.k) / 2;  // of the tail
    std::vector<std::string> heads, tails;
    for (const Table::Row& row : table.rows) {
        heads.push_back(text_of(row.head, table.k));
        tails.push_back(text_of(row.tail, 2));
    }
    // Row r's text from its head up to, not including, its last unit of
    // tail or, without one, its head's last value.
    const auto last_part = [&](std::size_t r) {
        std::string last = units > 0 ? tails[r] : heads[r];
        last.back() = '\n';
        return last;
    };
    if (2ULL * table.width + 2 > block_bytes) {
        std::vector<std::string> blocks, lasts;  // a row this long has a tail
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            blocks.push_back(block_of(tails[r], units - 1));
            lasts.push_back(last_part(r));
        }
        for (int i = 0; i < table.height; ++i) {
            const int r = table.row_of(i);
            if (!write(heads[r].data(), heads[r].size()) ||
                !write_repeated(blocks[r], tails[r].size(), units - 1) ||
                !write(lasts[r].data(), lasts[r].size()))
                return false;
        }
        return true;
    }
    std::vector<std::string> texts;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        std::string text = units > 0 ? heads[r] : "";
        for (unsigned long long u = 1; u < units; ++u) text += tails[r];
        texts.push_back(text + last_part(r));
    }
    for (int i = 0; i < table.k; ++i) {
        if (!write(texts[i].data(), texts[i].size())) return false;
    }
    const int below = table.height - table.k, period = table.period();
    std::string whole;  // one period of the rows below the head block
    for (int r = 0; below >= period && r < period; ++r) whole += texts[table.k + r];
    const auto periods = static_cast<unsigned long long>(below / period);
    if (!write_repeated(block_of(whole, periods), whole.size(), periods)) return false;
    for (int r = 0; r < below % period; ++r) {
        if (!write(texts[table.k + r].data(), texts[table.k + r].size())) return false;
    }
    return true;
}

int run() {
    open_files(input_name, output_name);
    const int rows = read_int("rows");
    const int cols = read_int("cols");

    const std::clock_t start = std::clock();
    Table table = cols & 1 ? gen3(rows, cols) : gen4(rows, cols);
    // Refused before anything is written, where the file system says how
    // much room there is; where it does not, a full disk fails a write.
    const unsigned long long bytes = text_bytes(table);
    const std::optional<unsigned long long> room = output_room();
    if (room && bytes > *room) {
        fail(output_name, "a table of " + std::to_string(table.height) + " x " +
                              std::to_string(table.width) + " values takes " + size_text(bytes) +
                              "; " + size_text(*room) + " is free");
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
