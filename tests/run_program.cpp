#include "run_program.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Only regular files: an output that is a link to /dev/full, say, reads forever.
std::optional<std::string> read_file(const fs::path& path) {
    if (!fs::is_regular_file(path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// In a child about to run a program: a private mount namespace with a tmpfs
// over /sys/fs/cgroup that holds `file` (if any) alone. False where this
// process may not make one.
bool fake_cgroups(const std::string& file, const std::string& text) {
    const fs::path root = "/sys/fs/cgroup";
    if (unshare(CLONE_NEWNS) != 0 ||
        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("none", root.c_str(), "tmpfs", 0, nullptr) != 0)
        return false;
    if (file.empty()) return true;
    std::error_code error;
    fs::create_directories((root / file).parent_path(), error);
    return !error && (std::ofstream(root / file) << text);
}

}  // namespace

bool can_fake_cgroups() {
    const pid_t pid = fork();
    if (pid == 0) _exit(fake_cgroups("", "") ? 0 : 1);
    int wstatus = 0;
    while (pid > 0 && waitpid(pid, &wstatus, 0) < 0 && errno == EINTR) {
    }
    return pid > 0 && WIFEXITED(wstatus) && WEXITSTATUS(wstatus) == 0;
}

Scratch::Scratch() {
    std::string pattern = (fs::temp_directory_path() / "run_program.XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    dir_ = name.data();
}

Scratch::~Scratch() {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
}

void Scratch::write(const std::string& name, const std::string& text) const {
    std::ofstream(dir_ / name, std::ios::binary) << text;
}

Outcome Scratch::run(const std::string& program, const std::string& output_name,
                     const Limits& limits) const {
    const fs::path err_path = dir_ / ".stderr";
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int null = open("/dev/null", O_RDWR);
        if (err < 0 || null < 0 || chdir(dir_.c_str()) != 0) _exit(127);
        dup2(null, 0);
        dup2(null, 1);
        dup2(err, 2);
        if (limits.address_space > 0) {
            const rlimit limit{static_cast<rlim_t>(limits.address_space),
                               static_cast<rlim_t>(limits.address_space)};
            setrlimit(RLIMIT_AS, &limit);
        }
        if (!limits.cgroup_file.empty() && !fake_cgroups(limits.cgroup_file, limits.cgroup_text))
            _exit(127);
        alarm(60);  // survives exec; its signal kills a hung program
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int wstatus = 0;
    while (waitpid(pid, &wstatus, 0) < 0 && errno == EINTR) {
    }
    Outcome outcome;
    outcome.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
    outcome.err = read_file(err_path).value_or("");
    fs::remove(err_path);
    outcome.output = read_file(dir_ / output_name);
    return outcome;
}

Outcome run_program(const std::string& program, const std::string& input_name,
                    const std::string& input, const std::string& output_name) {
    Scratch scratch;
    scratch.write(input_name, input);
    return scratch.run(program, output_name);
}

void expect_success(const Outcome& outcome, const std::string& output) {
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.output, output);
}

void expect_failure(const Outcome& outcome, const std::string& line, const std::string& output) {
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, line + "\n");
    EXPECT_EQ(outcome.output.value_or(""), output);
}

void expect_file_faults(const std::string& path, const std::string& name,
                        const std::string& input) {
    const std::string in = name + ".in", out = name + ".out";
    Scratch missing;
    expect_failure(missing.run(path, out), name + ": " + in + ": cannot open");

    Scratch folder;
    fs::create_directory(folder.dir() / in);
    expect_failure(folder.run(path, out), name + ": " + in + ": read failed");

    Scratch blocked;
    blocked.write(in, input);
    fs::create_directory(blocked.dir() / out);
    expect_failure(blocked.run(path, out), name + ": " + out + ": cannot create");

    Scratch full;
    full.write(in, input);
    fs::create_symlink("/dev/full", full.dir() / out);
    expect_failure(full.run(path, out), name + ": " + out + ": write failed");
}
