// Each program's manual page shows one example: the input in the first
// literal display of its EXAMPLES section and the output in the second. The
// program must give that output for that input, so that the page stays
// true as the program changes.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace {

// The text of each literal display (.Bd -literal to .Ed) in the section
// `section` of the mdoc page at `path`, a line end after each line.
std::vector<std::string> displays(const std::string& path, const std::string& section) {
    std::ifstream page(path);
    std::vector<std::string> found;
    bool in_section = false, in_display = false;
    for (std::string line; std::getline(page, line);) {
        if (line.rfind(".Sh ", 0) == 0) in_section = line == ".Sh " + section;
        if (!in_section) continue;
        if (line.rfind(".Bd -literal", 0) == 0) {
            in_display = true;
            found.emplace_back();
        } else if (line == ".Ed") {
            in_display = false;
        } else if (in_display) {
            found.back() += line + "\n";
        }
    }
    return found;
}

TEST(ManPage, ExamplesGiveWhatTheyShow) {
    for (const std::string program : {"competition", "queue", "bipartite", "minimal"}) {
        SCOPED_TRACE(program);
        const std::vector<std::string> shown =
            displays(SOURCE_DIR "/" + program + "/" + program + ".1", "EXAMPLES");
        ASSERT_EQ(shown.size(), 2u);
        const Outcome outcome = run_program(BIN_DIR "/" + program, program + ".in", shown[0],
                                            program + ".out");
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(outcome.output, shown[1]);
    }
}

}  // namespace
