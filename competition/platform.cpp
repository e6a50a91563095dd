// The only code of the program that differs by platform: the room on the
// output's file system, as statvfs gives it to a program that is not the
// superuser (f_bavail), or Windows' free bytes available to the caller in
// the working folder, where the output is made.
#include "platform.h"

#if defined(_WIN32)
#include <windows.h>
#elif defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#endif

std::optional<unsigned long long> output_room() {
#if defined(_WIN32)
    ULARGE_INTEGER available;
    if (GetDiskFreeSpaceExA(".", &available, nullptr, nullptr)) return available.QuadPart;
#elif defined(__unix__) || defined(__APPLE__)
    struct stat status;
    struct statvfs room;
    if (fstat(STDOUT_FILENO, &status) == 0 && S_ISREG(status.st_mode) &&
        fstatvfs(STDOUT_FILENO, &room) == 0)
        return static_cast<unsigned long long>(room.f_bavail) * room.f_frsize;
#endif
    return std::nullopt;
}
