#include "stop.h"

#include <csignal>
#include <initializer_list>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

int output = -1;  // a descriptor of its own on the output file
bool whole = false;

#ifdef _WIN32
HANDLE program_thread;

long long file_size() { return _lseeki64(output, 0, SEEK_END); }
bool read_at(char* to, int count, long long at) {
    return _lseeki64(output, at, SEEK_SET) == at && _read(output, to, count) == count;
}
void cut_at(long long size) { _chsize_s(output, size); }
#else
long long file_size() {
    struct stat status;
    return fstat(output, &status) == 0 ? status.st_size : -1;
}
bool read_at(char* to, int count, long long at) { return pread(output, to, count, at) == count; }
void cut_at(long long size) {
    if (ftruncate(output, size) != 0) return;  // nothing more to do
}
#endif

// Cuts the output back to nothing, or to its last line end: only calls
// that a signal handler may make.
void cut_output() {
    if (output < 0) return;
    long long keep = 0;
    long long end = whole ? file_size() : 0;
    while (end > 0 && keep == 0) {
        char tail[512];
        const auto size = static_cast<long long>(sizeof tail);
        const long long from = end > size ? end - size : 0;
        const int count = static_cast<int>(end - from);
        if (!read_at(tail, count, from)) return;  // what it holds is not known: left as it is
        for (int i = count; i-- > 0 && keep == 0;) {
            if (tail[i] == '\n') keep = from + i + 1;
        }
        end = from;
    }
    cut_at(keep);
}

void stop(int signal) {
#ifdef _WIN32
    // Halted before the cut, so that it writes nothing after it; the
    // context is read only once it is.
    SuspendThread(program_thread);
    CONTEXT context{};
    context.ContextFlags = CONTEXT_CONTROL;
    GetThreadContext(program_thread, &context);
#endif
    cut_output();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

void guard_output(const char* name, bool whole_lines) {
    whole = whole_lines;
#ifdef _WIN32
    output = _open(name, _O_RDWR | _O_BINARY | _O_NOINHERIT);
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &program_thread,
                    THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT, FALSE, 0);
    for (const int signal : {SIGINT, SIGBREAK}) std::signal(signal, stop);
#else
    output = open(name, O_RDWR | O_CLOEXEC);
    std::signal(SIGXFSZ, SIG_IGN);
    struct sigaction action {};
    action.sa_handler = stop;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&action.sa_mask, signal);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
#endif
}
