#include "run_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif
#ifdef __linux__
#include <sys/ptrace.h>
#include <sys/syscall.h>
#endif

namespace fs = std::filesystem;

namespace {

// Only regular files: an output that is a link to /dev/full, say, reads forever.
// In text mode, so that on Windows, where the programs write their text files
// with CRLF line ends, the tests see LF as on Linux.
std::optional<std::string> read_file(const fs::path& path) {
    if (!fs::is_regular_file(path)) return std::nullopt;
    std::ifstream in(path);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

#ifdef _WIN32

// Runs `program` in `dir` with standard error to `err_path`: its exit code.
int run_in(const std::string& program, const fs::path& dir, const fs::path& err_path,
           const Limits& limits, long long& /*peak*/) {
    if (limits.address_space > 0 || !limits.cgroup_files.empty() || limits.disk_room > 0 ||
        limits.file_size > 0)
        throw std::logic_error("no such limits on Windows");
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const HANDLE err = CreateFileW(err_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    const HANDLE null =
        CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    &inherited, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (err == INVALID_HANDLE_VALUE || null == INVALID_HANDLE_VALUE)
        throw std::runtime_error("CreateFile failed: " + std::to_string(GetLastError()));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = null;
    startup.hStdOutput = null;
    startup.hStdError = err;
    std::wstring command = L"\"" + fs::path(program).wstring() + L"\"";
    PROCESS_INFORMATION process{};
    // Under wine a start fails now and then (twice in some 15000 here) with
    // ERROR_INTERNAL_ERROR: the new process died before it ran.
    bool started = false;
    DWORD error = ERROR_INTERNAL_ERROR;
    for (int attempt = 0; attempt < 3 && !started && error == ERROR_INTERNAL_ERROR; ++attempt) {
        started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                 dir.c_str(), &startup, &process);
        error = GetLastError();
    }
    CloseHandle(err);
    CloseHandle(null);
    if (!started) throw std::runtime_error("CreateProcess failed: " + std::to_string(error));
    // A hang fails a test instead of stalling the suite, with the status that
    // the alarm gives a hung program on Linux.
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_TIMEOUT)
        TerminateProcess(process.hProcess, 128 + 14);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

#else

// In a child about to run a program: a mount namespace of its own, whose
// mounts no other process sees. False where this process may not make one.
bool private_mounts() {
    return unshare(CLONE_NEWNS) == 0 &&
           mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// With private mounts: a tmpfs over /sys/fs/cgroup that holds the control
// group files of `limits` alone.
bool fake_cgroups(const Limits& limits) {
    const fs::path root = "/sys/fs/cgroup";
    if (mount("none", root.c_str(), "tmpfs", 0, nullptr) != 0) return false;
    for (const auto& [file, text] : limits.cgroup_files) {
        std::error_code error;
        fs::create_directories((root / file).parent_path(), error);
        if (error || !(std::ofstream(root / file) << text)) return false;
    }
    return true;
}

// The regular files of folder `from` copied into folder `to`, over any of
// the same name there.
bool copy_files(const fs::path& from, const fs::path& to) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(from, error)) {
        if (entry.is_regular_file(error) &&
            !fs::copy_file(entry.path(), to / entry.path().filename(),
                           fs::copy_options::overwrite_existing, error))
            return false;
    }
    return !error;
}

// With private mounts: a tmpfs at `disk` that holds copies of the files in
// `dir` and has `room` bytes to spare.
bool small_disk(const fs::path& dir, const fs::path& disk, long room) {
    const long page = sysconf(_SC_PAGESIZE);
    long size = room;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir, error)) {
        if (entry.is_regular_file(error))
            size += (static_cast<long>(entry.file_size(error)) + page - 1) / page * page;
    }
    if (!error) fs::create_directory(disk, error);
    return !error &&
           mount("none", disk.c_str(), "tmpfs", 0, ("size=" + std::to_string(size)).c_str()) == 0 &&
           copy_files(dir, disk);
}

// Waits for the child `pid`: its exit status, 128 + N when signal N killed
// it; -1, and a failed test, when there is no status to read. `peak` gets
// its peak resident bytes, which include what it held before it started a
// program.
int wait_for(pid_t pid, long long* peak = nullptr) {
    int wstatus = 0;
    int done;
    rusage usage{};
    while ((done = wait4(pid, &wstatus, 0, &usage)) < 0 && errno == EINTR) {
    }
    if (peak) *peak = usage.ru_maxrss * 1024LL;  // in KiB on Linux
    if (done < 0) {
        ADD_FAILURE() << "wait4 failed: " << std::strerror(errno);
        return -1;
    }
    return WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
}

// In a child: runs `program` in `dir` with standard error to `err_path`,
// within the address space and file size of `limits`. Does not return.
[[noreturn]] void exec_in(const std::string& program, const fs::path& dir, const fs::path& err_path,
                          const Limits& limits) {
    const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int null = open("/dev/null", O_RDWR);
    if (err < 0 || null < 0 || chdir(dir.c_str()) != 0) _exit(127);
    dup2(null, 0);
    dup2(null, 1);
    dup2(err, 2);
    for (const auto& [resource, bytes] :
         {std::pair{RLIMIT_AS, limits.address_space}, std::pair{RLIMIT_FSIZE, limits.file_size}}) {
        const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
        if (bytes > 0) setrlimit(resource, &limit);
    }
    alarm(60);  // survives exec; its signal kills a hung program
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

// Runs `program` in `dir` with standard error to `err_path`: its exit status.
// `peak` gets its peak resident bytes where no mounts are made.
int run_in(const std::string& program, const fs::path& dir, const fs::path& err_path,
           const Limits& limits, long long& peak) {
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        const bool mounts = !limits.cgroup_files.empty() || limits.disk_room > 0;
        if (mounts && !private_mounts()) _exit(127);
        if (!limits.cgroup_files.empty() && !fake_cgroups(limits)) _exit(127);
        if (limits.disk_room == 0) exec_in(program, dir, err_path, limits);

        // The small disk lives only as long as this namespace: the program
        // runs in a child of this one, which then copies its files back.
        const fs::path disk = dir / ".disk";
        if (!small_disk(dir, disk, limits.disk_room)) _exit(127);
        const pid_t run = fork();
        if (run < 0) _exit(127);
        if (run == 0) exec_in(program, disk, err_path, limits);
        const int status = wait_for(run);
        _exit(copy_files(disk, dir) ? status : 127);
    }
    return wait_for(pid, &peak);
}

#endif

std::string join(const std::vector<std::string>& tokens, const std::string& between,
                 const std::string& end = "\n") {
    std::string text = tokens.front();
    for (std::size_t i = 1; i < tokens.size(); ++i) text += between + tokens[i];
    return text + end;
}

// An output from before the run, which a run that fails must leave as it is.
const std::string earlier_answer = "an answer from before\n";

// The names of the files in `folder`, sorted, but the mount point of a
// small disk, whose files are copied beside it.
std::vector<std::string> files_in(const Scratch& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder.dir())) {
        if (entry.path().filename() != ".disk") names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

#ifdef __linux__
// The text at `address` in the memory of process `pid`, up to its NUL.
std::string string_at(int pid, unsigned long long address) {
    std::ifstream memory("/proc/" + std::to_string(pid) + "/mem", std::ios::binary);
    std::string text;
    memory.seekg(static_cast<std::streamoff>(address));
    for (char c; text.size() < 4096 && memory.get(c) && c != '\0';) text += c;
    return text;
}
#endif

}  // namespace

bool can_limit_address_space() {
#if defined(_WIN32) || defined(SANITIZED_BUILD)
    return false;
#else
    return true;
#endif
}

bool can_mount_privately() {
#ifdef _WIN32
    return false;
#else
    const pid_t pid = fork();
    if (pid == 0) _exit(private_mounts() && fake_cgroups({}) ? 0 : 1);
    return pid > 0 && wait_for(pid) == 0;
#endif
}

bool can_trace() {
#ifdef __linux__
    const pid_t pid = fork();
    if (pid == 0) {
        ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        raise(SIGSTOP);
        _exit(0);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return false;
    const bool stopped = WIFSTOPPED(status);
    __ptrace_syscall_info info{};
    // Stopped at a signal, not a system call: the call fails, but not for
    // want of it, as on kernels before 5.3.
    const bool info_known = ptrace(PTRACE_GET_SYSCALL_INFO, pid, sizeof info, &info) >= 0;
    kill(pid, SIGKILL);
    wait_for(pid);
    return stopped && info_known;
#else
    return false;
#endif
}

Scratch::Scratch() {
    std::random_device random;
    do dir_ = fs::temp_directory_path() / ("run_program." + std::to_string(random()));
    while (!fs::create_directory(dir_));
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
    Outcome outcome;
    outcome.status = run_in(program, dir_, err_path, limits, outcome.peak);
    outcome.err = read_file(err_path).value_or("");
    fs::remove(err_path);
    outcome.output = read_file(dir_ / output_name);
    return outcome;
}

Outcome Scratch::run_traced(
    const std::string& program, const std::string& output_name,
    const std::function<bool(int pid, long number, const unsigned long long* args)>& at,
    const std::function<void(int pid)>& act) const {
#ifdef __linux__
    const fs::path err_path = dir_ / ".stderr";
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        raise(SIGSTOP);  // until the tracer has set its options
        exec_in(program, dir_, err_path, {});
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
    for (long pass_on = 0;;) {
        ptrace(PTRACE_SYSCALL, pid, nullptr, pass_on);
        pass_on = 0;
        if (waitpid(pid, &status, 0) != pid || !WIFSTOPPED(status)) break;  // it has ended
        if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {  // a signal, not a call: on to it, but exec's
            if (WSTOPSIG(status) != SIGTRAP) pass_on = WSTOPSIG(status);
            continue;
        }
        __ptrace_syscall_info info{};
        ptrace(PTRACE_GET_SYSCALL_INFO, pid, sizeof info, &info);
        if (info.op == PTRACE_SYSCALL_INFO_ENTRY) {
            unsigned long long args[6];
            std::copy(std::begin(info.entry.args), std::end(info.entry.args), args);
            if (at(pid, static_cast<long>(info.entry.nr), args)) {
                act(pid);
                ptrace(PTRACE_DETACH, pid, nullptr, nullptr);
                status = -1;
                break;
            }
        }
    }
    Outcome outcome;
    if (status == -1) {
        outcome.status = wait_for(pid);
    } else {
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    outcome.err = read_file(err_path).value_or("");
    fs::remove(err_path);
    outcome.output = read_file(dir_ / output_name);
    return outcome;
#else
    static_cast<void>(program), static_cast<void>(output_name), static_cast<void>(at),
        static_cast<void>(act);
    throw std::logic_error("no tracing here");
#endif
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

void expect_failure(const Outcome& outcome, const std::string& line,
                    const std::optional<std::string>& output) {
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, line + "\n");
    EXPECT_EQ(outcome.output, output);
}

void expect_refusal(const Outcome& outcome, const std::string& start) {
    const std::string end = " is available\n";
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err.compare(0, start.size(), start), 0) << outcome.err;
    EXPECT_TRUE(outcome.err.size() >= end.size() &&
                outcome.err.compare(outcome.err.size() - end.size(), end.size(), end) == 0)
        << outcome.err;
    EXPECT_FALSE(outcome.output);
}

void expect_file_faults(const std::string& path, const std::string& name,
                        const std::string& input) {
    const std::string in = name + ".in", out = name + ".out";
    Scratch missing;
    missing.write(out, earlier_answer);
    expect_failure(missing.run(path, out),
                   name + ": " + in + ": cannot open: No such file or directory", earlier_answer);
    EXPECT_EQ(files_in(missing), std::vector<std::string>{out});

    // Linux opens a folder, and the first read fails; Windows does not open it.
#ifdef _WIN32
    const std::string unreadable = "cannot open: Permission denied";
    const std::string unwritable = "cannot create: Permission denied";
#else
    const std::string unreadable = "read failed: Is a directory";
    const std::string unwritable = "cannot create: Is a directory";
#endif
    Scratch folder;
    fs::create_directory(folder.dir() / in);
    expect_failure(folder.run(path, out), name + ": " + in + ": " + unreadable);

    Scratch blocked;
    blocked.write(in, input);
    fs::create_directory(blocked.dir() / out);
    expect_failure(blocked.run(path, out), name + ": " + out + ": " + unwritable);

#ifndef _WIN32
    Scratch full;
    full.write(in, input);
    fs::create_symlink("/dev/full", full.dir() / out);
    expect_failure(full.run(path, out),
                   name + ": " + out + ": write failed: No space left on device");

    // What replaces an output: its permissions kept, a link's file.
    const std::optional<std::string> answer = run_program(path, in, input, out).output;
    ASSERT_TRUE(answer);
    Scratch kept;
    kept.write(in, input);
    kept.write(out, earlier_answer);
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(kept.dir() / out, mode);
    EXPECT_EQ(kept.run(path, out).output, answer);
    EXPECT_EQ(fs::status(kept.dir() / out).permissions(), mode);
    Scratch linked;
    linked.write(in, input);
    linked.write("answer", earlier_answer);
    fs::create_symlink("answer", linked.dir() / out);
    EXPECT_EQ(linked.run(path, out).output, answer);
    EXPECT_TRUE(fs::is_symlink(linked.dir() / out));
    EXPECT_EQ(files_in(linked), (std::vector<std::string>{"answer", in, out}));

    // A FIFO, written in place for a reader at its other end.
    Scratch fifo;
    fifo.write(in, input);
    const std::string fifo_path = (fifo.dir() / out).string();
    ASSERT_EQ(mkfifo(fifo_path.c_str(), 0600), 0);
    std::string read;
    std::thread reader([&] {
        std::ifstream end(fifo_path, std::ios::binary);
        read.assign(std::istreambuf_iterator<char>(end), {});
    });
    const Outcome outcome = fifo.run(path, out);
    close(open(fifo_path.c_str(), O_WRONLY | O_NONBLOCK));  // frees a reader the run left waiting
    reader.join();
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(read, *answer);
#endif
}

void expect_full_disk(const std::string& path, const std::string& name, const std::string& input) {
    if (!can_mount_privately()) GTEST_SKIP() << "no private mount namespace here (needs root)";
    // Room for a part of the output.
    Limits small;
    small.disk_room = 4096;
    Scratch folder;
    folder.write(name + ".in", input);
    folder.write(name + ".out", earlier_answer);
    expect_failure(folder.run(path, name + ".out", small),
                   name + ": " + name + ".out: write failed: No space left on device",
                   earlier_answer);
    EXPECT_EQ(files_in(folder), (std::vector<std::string>{name + ".in", name + ".out"}));
}

void expect_file_size_limit([[maybe_unused]] const std::string& path,
                            [[maybe_unused]] const std::string& name,
                            [[maybe_unused]] const std::string& input) {
#ifdef _WIN32
    GTEST_SKIP() << "no file-size limit on Windows";
#else
    // Within the first write, past it, and past a buffer of 64 KiB.
    for (const long size : {1000L, 10000L, 70000L}) {
        SCOPED_TRACE(size);
        Limits limits;
        limits.file_size = size;
        Scratch folder;
        folder.write(name + ".in", input);
        folder.write(name + ".out", earlier_answer);
        expect_failure(folder.run(path, name + ".out", limits),
                       name + ": " + name + ".out: write failed: File too large", earlier_answer);
    }
#endif
}

void expect_stops_leave_the_output_as_it_was([[maybe_unused]] const std::string& path,
                                             [[maybe_unused]] const std::string& name,
                                             [[maybe_unused]] const std::string& input) {
    if (!can_trace()) GTEST_SKIP() << "runs cannot be traced here (ptrace)";
#ifdef __linux__
    const std::string in = name + ".in", out = name + ".out";
    // Where each stop comes: at its first write to a file in its folder,
    // the new output, which may have no name (a sanitizer's runtime writes
    // elsewhere before the program starts); or, where the input is a FIFO,
    // as it opens it, and waits for a writer.
    const auto comes_at = [&](const Scratch& folder, bool fifo) {
        const fs::path dir = fs::canonical(folder.dir());
        return [=](int pid, long number, const unsigned long long* args) {
            if (fifo) {
#ifdef SYS_open
                if (number == SYS_open)
                    return string_at(pid, args[0]).find(in) != std::string::npos;
#endif
                return number == SYS_openat &&
                       string_at(pid, args[1]).find(in) != std::string::npos;
            }
            if (number != SYS_write && number != SYS_writev) return false;
            std::error_code error;
            const fs::path target = fs::read_symlink(
                "/proc/" + std::to_string(pid) + "/fd/" + std::to_string(args[0]), error);
            return !error && target.parent_path() == dir;
        };
    };
    const struct {
        int signal;
        bool earlier, fifo;
    } stops[] = {{SIGINT, true, false},
                 {SIGTERM, false, false},
                 {SIGHUP, true, false},
                 {SIGTERM, true, true}};
    for (const auto& stop : stops) {
        SCOPED_TRACE(std::to_string(stop.signal) + (stop.fifo ? " at a FIFO" : ""));
        Scratch folder;
        if (stop.fifo) {
            ASSERT_EQ(mkfifo((folder.dir() / in).string().c_str(), 0600), 0);
        } else {
            folder.write(in, input);
        }
        if (stop.earlier) folder.write(out, earlier_answer);
        const Outcome outcome = folder.run_traced(path, out, comes_at(folder, stop.fifo),
                                                  [&](int pid) { kill(pid, stop.signal); });
        EXPECT_EQ(outcome.status, 128 + stop.signal);
        EXPECT_EQ(outcome.err, "");
        EXPECT_EQ(outcome.output,
                  stop.earlier ? std::optional<std::string>(earlier_answer) : std::nullopt);
        const std::vector<std::string> left = {in, out};
        EXPECT_EQ(files_in(folder), (stop.earlier ? left : std::vector<std::string>{in}));
    }
#endif
}

void expect_reader_contract(const std::string& path, const std::string& name,
                            const std::string& input, const std::string& output,
                            const std::string& first, const std::string& second,
                            bool (*quiet)(const std::string& err)) {
    std::vector<std::string> tokens, signs, zeros;
    std::istringstream words(input);
    for (std::string token; words >> token;) {
        const bool number = token.find_first_not_of("0123456789") == std::string::npos;
        tokens.push_back(token);
        signs.push_back(number ? "+" + token : token);
        zeros.push_back(number ? "00" + token : token);
    }
    const std::string in = name + ".in", out = name + ".out";
    // CRLF; runs of blanks, tabs and blank lines; a token a line; one line;
    // signs; leading zeros; no final line end; text after the end; a UTF-8
    // byte-order mark.
    const auto expect_output = [&](const std::string& layout) {
        SCOPED_TRACE(layout.substr(0, 80));
        const Outcome outcome = run_program(path, in, layout, out);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_TRUE(quiet ? quiet(outcome.err) : outcome.err.empty()) << outcome.err;
        EXPECT_EQ(outcome.output, output);
    };
    for (const std::string& layout :
         {join(tokens, "\r\n", "\r\n"), " \t\n" + join(tokens, "  \t \n\n\t "), join(tokens, "\n"),
          join(tokens, " "), join(signs, " "), join(zeros, " "), join(tokens, " ", ""),
          join(tokens, " ", " 12 x -\nand some text\n"), "\xef\xbb\xbf" + join(tokens, " ")})
        expect_output(layout);
    // As Notepad saves "Unicode" text: UTF-16 with its mark, little-endian or,
    // as "Unicode big endian", big-endian; and little-endian without it.
    for (const std::string mark : {"\xff\xfe", "\xfe\xff", ""}) {
        const bool big_endian = mark == "\xfe\xff";
        std::string utf16 = mark;
        for (const char c : join(tokens, "\r\n", "\r\n"))
            utf16 += big_endian ? std::string{'\0', c} : std::string{c, '\0'};
        expect_failure(run_program(path, in, utf16, out),
                       name + ": " + in + ": the file is UTF-16 text; save it as ASCII or UTF-8");
    }

    // The first number is the first token that took a sign.
    const std::size_t first_number =
        std::mismatch(tokens.begin(), tokens.end(), signs.begin()).first - tokens.begin();
    // Where a token is put in place of a number: the first number, read the
    // long way as the first token of a read; the first number again, begun
    // on the last byte of the first 64 KiB, where the readers refill their
    // buffers; and the number after it, followed by text, so that it is read
    // where the readers take their shortcut, with more than 24 bytes after it.
    enum Place { first_place, across_a_refill, later_place };
    const auto placed = [&](const std::string& token, Place place) {
        std::vector<std::string> changed = tokens;
        changed[first_number + (place == later_place)] = token;
        if (place == first_place) return join(changed, " ");
        if (place == later_place) return join(changed, " ", " and some text, which is ignored\n");
        std::string before;
        for (std::size_t i = 0; i < first_number; ++i) before += tokens[i] + " ";
        std::vector<std::string> after(changed.begin() + first_number, changed.end());
        return before + std::string((1 << 16) - 1 - before.size(), ' ') + join(after, " ");
    };
    expect_output(placed("00" + tokens[first_number], across_a_refill));
    const std::pair<std::string, std::string> bad[] = {
        {"*1", "\"*1\" is not an integer"},
        {"1x", "\"1x\" is not an integer"},
        {"1-", "\"1-\" is not an integer"},
        {"+", "\"+\" is not an integer"},
        {"-", "\"-\" is not an integer"},
        {std::string(1, '\x01') + "1", "\"\\x011\" is not an integer"},
        {"2147483648", "2147483648 is outside the 32-bit range"},
        {"-2147483649", "-2147483649 is outside the 32-bit range"},
        {"1234567890123456789012345", "123456789012345678901234... is outside the 32-bit range"}};
    for (const Place place : {first_place, across_a_refill, later_place}) {
        for (const auto& [token, complaint] : bad) {
            const std::string input_with_it = placed(token, place);
            SCOPED_TRACE(input_with_it.substr(0, 80));
            expect_failure(run_program(path, in, input_with_it, out),
                           name + ": " + in + ": " + (place == later_place ? second : first) +
                               ": " + complaint);
        }
    }
    // The extremes are read, whatever the program then makes of them; within
    // 1 GiB and files of 1 MiB, so that a program that takes them as a size
    // is refused, or fails to write, on a host of any size.
    Limits small;
    small.file_size = 1L << 20;
    if (can_limit_address_space()) {
        small.address_space = 1L << 30;
    } else if (can_mount_privately()) {
        small.cgroup_files = {{"memory.max", "1073741824\n"}};
    } else {
        GTEST_SKIP() << "no way here to give the extremes a memory limit";
    }
    for (const char* extreme : {"2147483647", "-2147483648"}) {
        Scratch folder;
        folder.write(in, placed(extreme, first_place));
        const Outcome outcome = folder.run(path, out, small);
        EXPECT_EQ(outcome.err.find("32-bit"), std::string::npos) << outcome.err;
    }
}
