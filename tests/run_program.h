// Runs a built program as its user would: in a fresh temporary folder that
// holds its input file, with that folder as the working directory. The
// folder and everything in it is removed when the Scratch goes away.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct Outcome {
    int status = -1;                    // exit status; 128 + N when killed by signal N
    std::string err;                    // everything written to standard error
    std::optional<std::string> output;  // the output file, when the program left one
    long long peak = 0;                 // peak resident bytes; 0 where unknown
};

// What a run is shown beyond the machine's own limits. The control group
// files and the small disk are mounts in a private mount namespace of the
// run's own: nothing outside the run sees them.
struct Limits {
    long address_space = 0;  // bytes; 0 for no limit
    // Files below /sys/fs/cgroup and their contents ({"memory.max",
    // "1073741824\n"}): the run sees a tmpfs there that holds only these.
    std::vector<std::pair<std::string, std::string>> cgroup_files;
    // Above 0: the run's folder is a tmpfs that holds its files and has this
    // many bytes to spare (rounded up to whole pages), so that the program's
    // writes beyond them fail for want of space.
    long disk_room = 0;
    long file_size = 0;  // the largest file the run may write, in bytes; 0 for no limit
};

// Whether runs can be given an address-space limit: not on Windows, nor
// under the sanitizers, whose runtime reserves more than any such limit.
bool can_limit_address_space();

// Whether runs can be given control group files or a small disk: where this
// process may make a private mount namespace and mount in it (as root, say).
bool can_mount_privately();

// Whether runs can be stopped at a system call: on Linux, where this process
// may trace its children.
bool can_trace();

class Scratch {
public:
    Scratch();
    ~Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    const std::filesystem::path& dir() const { return dir_; }
    void write(const std::string& name, const std::string& text) const;

    // Runs `program` here, within `limits`, and reads back the file
    // `output_name`. A program still running after a minute is killed (a
    // hang fails a test instead of stalling the suite).
    Outcome run(const std::string& program, const std::string& output_name,
                const Limits& limits = {}) const;

    // Runs `program` here, traced until it enters the first system call
    // that `at` picks by the program's process id, the call's number and
    // its arguments; then calls `act` with the process id, and lets it go
    // on untraced (can_trace).
    Outcome run_traced(
        const std::string& program, const std::string& output_name,
        const std::function<bool(int pid, long number, const unsigned long long* args)>& at,
        const std::function<void(int pid)>& act) const;

private:
    std::filesystem::path dir_;
};

// The common case: a fresh folder, one input file, one run.
Outcome run_program(const std::string& program, const std::string& input_name,
                    const std::string& input, const std::string& output_name);

// Expects a run that succeeded silently: exit status 0, nothing on standard
// error, and `output` as the whole output file.
void expect_success(const Outcome& outcome, const std::string& output);

// Expects a run that failed the way every program reports it: exit status 1,
// `line` as the only line on standard error, and the output file as it was
// before the run: `output`, or none.
void expect_failure(const Outcome& outcome, const std::string& line,
                    const std::optional<std::string>& output = std::nullopt);

// Expects a refusal of work beyond the memory available, which the run's
// own limits do not pin to one figure: exit status 1, one line that starts
// with `start` and ends with " is available", and no output.
void expect_refusal(const Outcome& outcome, const std::string& start);

// The file faults that every program reports alike, for the program at `path`
// that reads NAME.in and writes NAME.out: no input file, with an output
// from before that must stay as it was; an input that is a folder; an
// output that is a folder; an output whose writes fail (a link to
// /dev/full); and the outputs that are not replaced as a file is: a FIFO,
// written in place, and a link to a file, which stays a link. An output
// replaced keeps its permissions. `input` is a valid input. Where Windows
// has no such file, its case is not tried.
void expect_file_faults(const std::string& path, const std::string& name, const std::string& input);

// A disk that fills up while the program at `path` writes NAME.out, whose
// answer for `input` takes more than 64 KiB: the failed write is reported,
// the output from before stays as it was, and nothing else is left. Marked
// skipped where no small disk can be mounted.
void expect_full_disk(const std::string& path, const std::string& name, const std::string& input);

// A file-size limit (ulimit -f) that the program at `path`, which reads
// NAME.in and writes NAME.out, meets while it writes its answer to `input`
// (more than 64 KiB): the write fails and is reported, File too large, and
// the output from before stays as it was. Marked skipped where no such
// limit can be set (Windows).
void expect_file_size_limit(const std::string& path, const std::string& name,
                            const std::string& input);

// Stops by SIGINT, SIGTERM and SIGHUP that come once the program at `path`
// has written a part of its answer to `input`, as expect_file_size_limit
// takes them, and a stop while it waits to open an input that is a FIFO:
// the run dies by that signal, and leaves the output as it was, or none,
// and nothing else beside its input. Marked skipped where runs cannot be
// traced.
void expect_stops_leave_the_output_as_it_was(const std::string& path, const std::string& name,
                                             const std::string& input);

// The reader that every program keeps, for the program at `path` that reads
// NAME.in and writes NAME.out: `input` is a valid input of numbers >= 0 (and
// words), the first number not 0, with nothing after what the program reads;
// `output` is its output. Any white space between the tokens, a `+` or
// leading zeros before the numbers, no final line end and text after the
// end must give `output`, with nothing on standard error (or only what
// `quiet` accepts); a token that is not a decimal integer within 32 bits
// must be reported as the first number, which messages call `first`, and as
// the number after it, `second`.
void expect_reader_contract(const std::string& path, const std::string& name,
                            const std::string& input, const std::string& output,
                            const std::string& first, const std::string& second,
                            bool (*quiet)(const std::string& err) = nullptr);
