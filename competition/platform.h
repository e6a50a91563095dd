// The only code of the program that differs by platform: how much room
// its output has.
#pragma once

#include <optional>

// The bytes that this program may still write on the file system of the
// file that standard output is bound to; none where that is not a regular
// file (written in place, it takes no room) or the system cannot tell.
std::optional<unsigned long long> output_room();
