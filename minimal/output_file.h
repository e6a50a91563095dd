// Where the answer goes, kept alike in every program (a test compares the
// copies): only a run that succeeds changes the output file.
//
// The answer is written to a new file in the output's folder, and put in
// place of the output by a rename once it is whole, as editors and package
// managers do, so that the output is the old file or the new one, never a
// part. An existing output keeps its permissions; a link to a regular file
// stays a link, and the file it names is replaced. Where the system has
// unnamed files (Linux's O_TMPFILE), the new file has no name until it is
// put in place, so that nothing is left even by SIGKILL; elsewhere it has a
// name of its own, which every failure, and a stop by SIGINT (Ctrl-C),
// SIGTERM or SIGHUP, removes. A stop then ends the program by the same
// signal, as its default action would. An output that is not a regular file
// (a FIFO, a device) is written in place.
//
// A file-size limit's signal, SIGXFSZ, is ignored, so that a write past the
// limit fails (EFBIG) and is reported as any failed write.
//
// On Windows, Ctrl-C and Ctrl-Break do the same, the program's own thread
// halted first (the runtime calls the handler on a thread of its own), and
// end it with the runtime's status for them, 3.
#pragma once

// Binds standard output to a new file that is to replace the output file
// `name`, or to `name` itself where it is not a regular file. False, with
// errno set, where it cannot be created.
bool open_output(const char* name);

// Binds standard input to the file `input` and standard output as above,
// for the output `output`. The output comes first, so that a stop while the
// input is waited for (a FIFO) finds it; a fault of the input is reported
// (thrown, reader.h) before one of the output.
void open_files(const char* input, const char* output);

// Flushes and closes standard output, and puts the new file in place of the
// output. False, with errno set, where a write, the close or the rename
// failed: the output is then as it was.
bool put_output_in_place();
