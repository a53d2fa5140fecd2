#include "process.hpp"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <unistd.h>

namespace {

struct write_call {
	int fd;
	std::string bytes;
	long length;
	long result;
};

// Runs kucalc under strace and returns its write calls, in order.
std::vector<write_call> traced_writes(const std::vector<std::string> &args)
{
	char log[] = "/tmp/kucalc-trace-XXXXXX";
	int fd = mkstemp(log);
	close(fd);
	// LeakSanitizer cannot work under ptrace; a sanitized build must
	// run without it here.
	std::vector<std::string> argv{"strace", "-f", "-qq", "-xx", "-e", "trace=write",
				      "-e", "signal=none", "-E", "ASAN_OPTIONS=detect_leaks=0",
				      "-o", log, kucalc_path()};
	argv.insert(argv.end(), args.begin(), args.end());
	outcome o = run(argv);
	EXPECT_TRUE(WIFEXITED(o.status) && WEXITSTATUS(o.status) == 0) << o.err;

	static const std::regex call(R"re(write\((\d+), "((?:\\x[0-9a-f]{2})*)", (\d+)\)\s+= (-?\d+))re");
	std::vector<write_call> calls;
	std::ifstream in(log);
	for (std::string line; std::getline(in, line);) {
		std::smatch m;
		EXPECT_TRUE(std::regex_search(line, m, call)) << "unexpected trace line: " << line;
		if (m.empty())
			continue;
		std::string bytes, hex = m[2];
		for (std::size_t i = 0; i < hex.size(); i += 4)
			bytes += static_cast<char>(std::stoi(hex.substr(i + 2, 2), nullptr, 16));
		calls.push_back({std::stoi(m[1]), bytes, std::stol(m[3]), std::stol(m[4])});
	}
	std::remove(log);
	return calls;
}

} // namespace

TEST(trace, one_byte_per_write_on_stdout)
{
	if (run({"sh", "-c", "command -v strace"}).status != 0)
		GTEST_SKIP() << "strace is not installed";
	struct {
		std::vector<std::string> args;
		std::string out;
	} cases[] = {
		{{"7", "+", "5"}, "12\n"},
		{{"-2147483648", "+", "0"}, "-2147483648\n"},
		{{"2147483647", "*", "1"}, "2147483647\n"},
		{{"5", "/", "0"}, "Stop : division by zero\n"},
		{{"5", "%", "0"}, "Stop : modulo by zero\n"},
		{{"5", "+"}, ""},
	};
	for (const auto &c : cases) {
		std::vector<write_call> calls = traced_writes(c.args);
		std::string written;
		for (const write_call &w : calls) {
			EXPECT_EQ(w.fd, 1) << show(c.args);
			EXPECT_EQ(w.length, 1) << show(c.args);
			EXPECT_EQ(w.result, 1) << show(c.args);
			written += w.bytes;
		}
		EXPECT_EQ(written, c.out) << show(c.args);
		EXPECT_EQ(calls.size(), c.out.size()) << show(c.args);
	}
}
