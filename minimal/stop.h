// What a run stopped from outside leaves behind, kept alike in every
// program (a test compares the copies). A stop by SIGINT (Ctrl-C), SIGTERM
// or SIGHUP empties the output file, or cuts it back to its last line end
// where the program keeps its whole answers, and then ends the program by
// the same signal, as its default action would: no output cut short is
// left looking complete, and a shell still sees the signal. A file-size
// limit's signal, SIGXFSZ, is ignored, so that a write past the limit fails
// (EFBIG) and is reported as any failed write. SIGKILL cannot be caught: a
// run killed by it may leave part of its output.
//
// On Windows, Ctrl-C and Ctrl-Break do the same, the program's own thread
// halted first (the runtime calls the handler on a thread of its own), and
// end it with the runtime's status for them, 3.
#pragma once

// Arms the above for the output file `name`, which the program has just
// created; with `whole_lines`, a stop keeps the lines written whole.
void guard_output(const char* name, bool whole_lines);
