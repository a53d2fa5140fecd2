// SPDX-License-Identifier: ISC
// Fuzz target: the whole calculation, from an argument vector to the bytes
// on standard output, checked against the reference model.
//
// Input: the first byte mod 6 is the number of arguments (0 to 5); the rest,
// split at NUL bytes, are the arguments in order, missing ones empty.

#include "model.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

int kucalc_main(int argc, char **argv); // calc/main.cpp, renamed here

namespace {

// Turns fuzz input into the arguments after argv[0].
std::vector<std::string> arguments(const std::uint8_t *data, std::size_t size)
{
	std::size_t count = size == 0 ? 0 : data[0] % 6;
	std::vector<std::string> args(count);
	std::size_t i = 0;
	for (std::size_t k = 1; k < size && i < count; k++) {
		if (data[k] == 0)
			i++;
		else
			args[i] += static_cast<char>(data[k]);
	}
	return args;
}

// Points standard output at a pipe and returns the end to read it from.
int capture_stdout()
{
	int fds[2];
	if (pipe(fds) != 0 || fcntl(fds[0], F_SETFL, O_NONBLOCK) != 0 || dup2(fds[1], 1) < 0)
		std::abort();
	close(fds[1]);
	return fds[0];
}

// Reads what the last run wrote.
std::string captured(int fd)
{
	std::string out;
	char buf[256];
	for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;)
		out.append(buf, static_cast<std::size_t>(n));
	return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
	static const int out_fd = capture_stdout();
	std::vector<std::string> args = arguments(data, size);
	std::string name = "kucalc";
	std::vector<char *> argv{name.data()};
	for (std::string &a : args)
		argv.push_back(a.data());
	argv.push_back(nullptr);

	int status = kucalc_main(static_cast<int>(argv.size() - 1), argv.data());
	std::string out = captured(out_fd);
	std::string want = model::expected(args);
	if (status != 0 || out != want) {
		(void)std::fprintf(stderr,
		                   "%zu arguments: printed \"%s\", status %d; expected \"%s\"\n",
		                   args.size(), out.c_str(), status, want.c_str());
		std::abort();
	}
	return 0;
}
