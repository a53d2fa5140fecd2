// SPDX-License-Identifier: ISC
#include "model.hpp"
#include "process.hpp"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace {

struct traced_call {
	std::string name;
	std::string line;
};

struct write_call {
	int fd;
	std::string bytes;
	long length;
	long result;
	std::string error; // the errno name of a failed call
};

// An empty file for strace's log, under $TMPDIR, removed when it goes.
class log_file {
	std::string name;

public:
	log_file()
	{
		const char *dir = std::getenv("TMPDIR");
		std::string pattern = dir != nullptr && *dir != '\0' ? dir : "/tmp";
		pattern += "/kucalc-trace-XXXXXX";
		int fd = mkstemp(pattern.data());
		if (fd >= 0)
			close(fd);
		name = pattern;
	}
	log_file(const log_file &) = delete;
	log_file &operator=(const log_file &) = delete;
	log_file(log_file &&) = delete;
	log_file &operator=(log_file &&) = delete;
	~log_file()
	{
		(void)std::remove(name.c_str());
	}
	[[nodiscard]] const std::string &path() const
	{
		return name;
	}
};

// Why strace cannot show kucalc's own system calls here, or "" where it
// can: under an emulator it would trace the emulator, and it may be
// missing, or refused ptrace, as in many containers and build chroots.
std::string untraceable()
{
	if (kucalc_emulator() != nullptr)
		return "strace cannot see kucalc's own system calls under an emulator";
	static const std::string why = [] {
		try {
			outcome o = spawn("strace", {"strace", "-qq", "-o", "/dev/null", "-E",
			                             "ASAN_OPTIONS=detect_leaks=0", kucalc_path()});
			if (WIFEXITED(o.status) && WEXITSTATUS(o.status) == 127)
				return std::string("strace is not installed");
			if (WIFEXITED(o.status) && WEXITSTATUS(o.status) == 0 && o.err.empty())
				return std::string();
			return "strace cannot trace here: " + o.err.substr(0, o.err.find('\n'));
		} catch (const std::runtime_error &) {
			return std::string("strace is not installed");
		}
	}();
	return why;
}

// Reads a trace, one call a line after the process id.
std::vector<traced_call> parse_calls(std::istream &in)
{
	std::vector<traced_call> calls;
	for (std::string line; std::getline(in, line);) {
		line.erase(0, line.find_first_not_of("0123456789 "));
		calls.push_back({line.substr(0, line.find('(')), line});
	}
	return calls;
}

// Runs kucalc under strace with standard output where asked, tracing the
// given system calls, and returns them in order. The run itself must end
// with status 0 and nothing on standard error.
std::vector<traced_call> trace(const std::vector<std::string> &args, const std::string &which,
                               stdout_to where = stdout_to::pipe)
{
	const log_file log;
	// LeakSanitizer cannot work under ptrace; a sanitized build must
	// run without it here.
	std::vector<std::string> argv{"strace",     "-f",
	                              "-qq",        "-xx",
	                              "-e",         "trace=" + which,
	                              "-e",         "signal=none",
	                              "-E",         "ASAN_OPTIONS=detect_leaks=0",
	                              "-o",         log.path(),
	                              kucalc_path()};
	argv.insert(argv.end(), args.begin(), args.end());
	outcome o = spawn(argv[0], argv, where);
	EXPECT_TRUE(WIFEXITED(o.status) && WEXITSTATUS(o.status) == 0)
		<< show(args) << " wait status " << o.status;
	EXPECT_EQ(o.err, "") << show(args);

	std::ifstream in(log.path());
	return parse_calls(in);
}

// Runs kucalc under its emulator's own tracer (qemu-user -strace, which
// logs to standard error) and returns every system call of the program.
std::vector<traced_call> emulator_trace(const std::vector<std::string> &args)
{
	std::vector<std::string> argv{kucalc_emulator(), "-strace", kucalc_path()};
	argv.insert(argv.end(), args.begin(), args.end());
	outcome o = spawn(argv[0], argv);
	EXPECT_TRUE(WIFEXITED(o.status) && WEXITSTATUS(o.status) == 0)
		<< show(args) << " wait status " << o.status;
	std::istringstream in(o.err);
	return parse_calls(in);
}

// Decodes a traced write call.
write_call decode_write(const std::string &line)
{
	static const std::regex call(
		R"re(write\((\d+), "((?:\\x[0-9a-f]{2})*)", (\d+)\)\s+= (-?\d+)(?: (E[A-Z]+))?)re");
	std::smatch m;
	if (!std::regex_search(line, m, call))
		return {-1, "", -1, -1, ""};
	std::string bytes;
	std::string hex = m[2];
	for (std::size_t i = 0; i < hex.size(); i += 4)
		bytes += static_cast<char>(std::stoi(hex.substr(i + 2, 2), nullptr, 16));
	return {std::stoi(m[1]), bytes, std::stol(m[3]), std::stol(m[4]), m[5]};
}

const run_case runs[] = {
	{{"7", "+", "5"}, "12\n"},
	{{"-2147483648", "+", "0"}, "-2147483648\n"},
	{{"2147483647", "*", "1"}, "2147483647\n"},
	{{"5", "/", "0"}, model::division_by_zero},
	{{"5", "%", "0"}, model::modulo_by_zero},
	{{"5", "+"}, ""},
};

} // namespace

TEST(trace, one_byte_per_write_on_stdout)
{
	if (std::string why = untraceable(); !why.empty())
		GTEST_SKIP() << why;
	for (const auto &r : runs) {
		std::vector<traced_call> calls = trace(r.args, "write");
		std::string written;
		for (const traced_call &c : calls) {
			write_call w = decode_write(c.line);
			EXPECT_EQ(w.fd, 1) << show(r.args) << ": " << c.line;
			EXPECT_EQ(w.length, 1) << show(r.args) << ": " << c.line;
			EXPECT_EQ(w.result, 1) << show(r.args) << ": " << c.line;
			written += w.bytes;
		}
		EXPECT_EQ(written, r.out) << show(r.args);
		EXPECT_EQ(calls.size(), r.out.size()) << show(r.args);
	}
}

// A write that fails is not retried, and does not stop the rest: every
// byte of the output is still offered, one call each, and the run ends as
// any other.
TEST(trace, every_byte_attempted_when_writes_fail)
{
	if (std::string why = untraceable(); !why.empty())
		GTEST_SKIP() << why;
	const struct {
		stdout_to where;
		const char *error;
	} outputs[] = {{stdout_to::closed, "EBADF"}, {stdout_to::full, "ENOSPC"}};
	for (const auto &to : outputs) {
		if (to.where == stdout_to::full && access("/dev/full", W_OK) != 0)
			GTEST_SKIP() << "no /dev/full here to fail writes with ENOSPC";
		for (const auto &r : runs) {
			std::string offered;
			for (const traced_call &c : trace(r.args, "write", to.where)) {
				write_call w = decode_write(c.line);
				EXPECT_TRUE(w.fd == 1 && w.length == 1 && w.result == -1 &&
				            w.error == to.error)
					<< show(r.args) << ": " << c.line;
				offered += w.bytes;
			}
			EXPECT_EQ(offered, r.out) << show(r.args) << " to " << to.error;
		}
	}
}

// The static release binary against musl, named by $KUCALC_BIN: its
// start-up for the target ($KUCALC_START_CALLS, from release/targets.txt),
// the writes and the exit, and not one call more (no memory is mapped,
// nothing is opened). An emulator runs the program itself, so its trace
// has no execve.
TEST(static_syscalls, start_writes_and_exit_only)
{
	const char *start_calls = std::getenv("KUCALC_START_CALLS");
	if (std::getenv("KUCALC_BIN") == nullptr || start_calls == nullptr || *start_calls == '\0')
		GTEST_SKIP() << "runs against a release binary against musl only, named by "
				"KUCALC_BIN, with KUCALC_START_CALLS";
	if (kucalc_emulator() == nullptr)
		if (std::string why = untraceable(); !why.empty())
			GTEST_SKIP() << why;
	std::vector<std::string> start;
	if (kucalc_emulator() == nullptr)
		start.emplace_back("execve");
	std::istringstream listed(start_calls);
	for (std::string call; std::getline(listed, call, ',');)
		start.push_back(call);
	for (const auto &r : runs) {
		std::vector<std::string> expected = start;
		expected.insert(expected.end(), r.out.size(), "write");
		expected.emplace_back("exit_group");
		std::vector<std::string> names;
		std::string lines;
		auto calls = kucalc_emulator() != nullptr ? emulator_trace(r.args)
		                                          : trace(r.args, "all");
		for (const traced_call &c : calls) {
			names.push_back(c.name);
			lines += c.line + "\n";
		}
		EXPECT_EQ(names, expected) << show(r.args) << "\n" << lines;
	}
}
