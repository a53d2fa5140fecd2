// SPDX-License-Identifier: ISC
#pragma once

#include <string>
#include <sys/wait.h>
#include <vector>

// What a finished child process left behind.
struct outcome {
	std::string out;
	std::string err;
	int status; // as from waitpid
};

// An argument vector for kucalc and the whole standard output it must give.
struct run_case {
	std::vector<std::string> args;
	std::string out;
};

// Where a child's standard output goes: a pipe read into outcome::out, no
// descriptor at all, a device that is always full, or a pipe whose read
// end is already closed.
enum class stdout_to { pipe, closed, full, broken_pipe };

// Runs the program at path, found on PATH, with argv (which may be empty);
// no standard input, and SIGPIPE at its default action whatever ours is.
outcome spawn(const std::string &path, const std::vector<std::string> &argv,
              stdout_to where = stdout_to::pipe);

// The kucalc binary under test: $KUCALC_BIN, or the one built here.
std::string kucalc_path();

// The emulator that runs kucalc: $KUCALC_EMULATOR (Wine, for kucalc.exe),
// or the cross build's; null where it runs natively.
const char *kucalc_emulator();

// Whether kucalc is a Windows program (kucalc.exe, under Wine).
bool kucalc_is_windows_program();

// Runs kucalc with the given arguments after its path as argv[0], through
// its emulator if it has one.
outcome run_kucalc(const std::vector<std::string> &args, stdout_to where = stdout_to::pipe);

// Quotes an argument vector for failure messages, bytes escaped.
std::string show(const std::vector<std::string> &args);
