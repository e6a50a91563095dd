#include "output_file.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "reader.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

std::string target;  // the file that the new one replaces
bool in_place = false;
bool placed = false;
// The new file's name while it has one, for a stop to remove: a plain
// array, which a signal handler may read.
char named[4096];

bool name_new_file(const std::string& path) {
    if (path.size() >= sizeof named) {
        errno = ENAMETOOLONG;
        return false;
    }
    path.copy(named, path.size());
    named[path.size()] = '\0';
    return true;
}

// Every way out but success: a named new file is removed.
void drop_new_file() {
    if (!placed && named[0] != '\0') std::remove(named);
}

#ifdef _WIN32

HANDLE program_thread;

void stop(int signal) {
    // Halted before the file is removed, so that it writes nothing after
    // it; the context is read only once it is.
    SuspendThread(program_thread);
    CONTEXT context{};
    context.ContextFlags = CONTEXT_CONTROL;
    GetThreadContext(program_thread, &context);
    if (named[0] != '\0') DeleteFileA(named);  // once the process's handles close
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void arm() {
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &program_thread,
                    THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT, FALSE, 0);
    for (const int signal : {SIGINT, SIGBREAK}) std::signal(signal, stop);
}

// A folder, or a file that may not be written, is refused as the runtime
// refuses to open one: Permission denied.
bool open_new_file() {
    const DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
        errno = EACCES;
        return false;
    }
    if (!name_new_file(target + ".new-" + std::to_string(_getpid()))) return false;
    // Shared for deletion, so that a stop can remove it while it is open.
    const HANDLE file =
        CreateFileA(named, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        named[0] = '\0';
        errno = EACCES;
        return false;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_TEXT);
    const bool bound = fd >= 0 && _dup2(fd, 1) == 0;
    if (fd >= 0) _close(fd);
    return bound;
}

bool link_new_file() {
    if (MoveFileExA(named, target.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
    return false;
}

#else

int kept = -1;  // a descriptor of an unnamed new file, to give it a name

void stop(int signal) {
    if (named[0] != '\0') unlink(named);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void arm() {
    std::signal(SIGXFSZ, SIG_IGN);
    struct sigaction action {};
    action.sa_handler = stop;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&action.sa_mask, signal);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

std::string folder_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// The new file, unnamed where the system allows it: permissions as the
// output's, or as a new file's where there is none.
bool open_new_file() {
    struct stat status;
    const bool exists = stat(target.c_str(), &status) == 0;
    if (exists && access(target.c_str(), W_OK) != 0) return false;  // as opening it would
    int fd = -1;
#ifdef O_TMPFILE
    fd = open(folder_of(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    // Where the file system has no unnamed files, a named one.
    if (fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return false;
#endif
    if (fd < 0) {
        const std::size_t slash = target.rfind('/') + 1;  // 0 where there is none
        std::string path = target.substr(0, slash) + "." + target.substr(slash) + ".XXXXXX";
        if ((fd = mkstemp(&path[0])) < 0) return false;
        if (!name_new_file(path)) {  // a stop could not remove it
            unlink(path.c_str());
            return false;
        }
        if (!exists) {  // mkstemp's 0600, as a new file would be
            const mode_t mask = umask(0);
            umask(mask);
            status.st_mode = 0666 & ~mask;
        }
    }
    if (exists || named[0] != '\0') fchmod(fd, status.st_mode & 07777);
    if (fd == STDOUT_FILENO) fd = dup(fd);  // standard output was closed
    if (fd < 0 || dup2(fd, STDOUT_FILENO) < 0) return false;
    if (named[0] != '\0') {
        close(fd);
    } else {
        kept = fd;
    }
    return true;
}

// An unnamed file is linked in under a name of its own first, which a stop
// removes, and then renamed over the output as a named one is.
bool link_new_file() {
    if (kept >= 0) {
        if (!name_new_file(target + ".new-" + std::to_string(getpid()))) return false;
        unlink(named);  // left by a run killed here before, with the same number
        const std::string by_descriptor = "/proc/self/fd/" + std::to_string(kept);
        if (linkat(AT_FDCWD, by_descriptor.c_str(), AT_FDCWD, named, AT_SYMLINK_FOLLOW) != 0 &&
            linkat(kept, "", AT_FDCWD, named, AT_EMPTY_PATH) != 0) {
            named[0] = '\0';
            return false;
        }
        close(kept);
    }
    return std::rename(named, target.c_str()) == 0;
}

#endif

}  // namespace

bool open_output(const char* name) {
    target = name;
    std::atexit(drop_new_file);
    arm();
#ifndef _WIN32
    // A link to a regular file is followed; anything but a regular file or
    // none is written in place, and a folder refused as opening it would.
    struct stat status;
    const bool exists = stat(name, &status) == 0;
    if (exists && S_ISDIR(status.st_mode)) {
        errno = EISDIR;
        return false;
    }
    in_place = exists ? !S_ISREG(status.st_mode) : lstat(name, &status) == 0;
    if (!in_place) {
        if (char* path = realpath(name, nullptr)) {
            target = path;
            std::free(path);
        }
    }
#endif
    if (in_place) return std::freopen(name, "w", stdout) != nullptr;
    return open_new_file();
}

bool put_output_in_place() {
    // A full disk often shows only when the last buffer is flushed or closed.
    const bool written = std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (std::fclose(stdout) != 0 || !written) return false;
    if (in_place) return true;
    placed = link_new_file();
    return placed;
}

void open_files(const char* input, const char* output) {
    errno = 0;
    const bool output_open = open_output(output);
    const std::string output_fault = failed("cannot create");
    errno = 0;
    if (!std::freopen(input, "r", stdin)) fail(input, failed("cannot open"));
    if (!output_open) fail(output, output_fault);
}
