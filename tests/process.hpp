#pragma once

#include <string>
#include <vector>

// What a finished child process left behind.
struct outcome {
	std::string out;
	std::string err;
	int status; // as from waitpid
};

// Runs argv[0], found on PATH, with argv; no standard input.
outcome run(const std::vector<std::string> &argv);

// The kucalc binary under test: $KUCALC_BIN, or the one built here.
std::string kucalc_path();

// Runs kucalc with the given arguments (argv[0] is "kucalc").
outcome run_kucalc(const std::vector<std::string> &args);

// Quotes an argument vector for failure messages, bytes escaped.
std::string show(const std::vector<std::string> &args);
