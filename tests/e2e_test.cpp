#include "process.hpp"

#include <gtest/gtest.h>

namespace {

// Runs kucalc and checks its whole behaviour: this stdout, no stderr, status 0.
void expect_run(const std::vector<std::string> &args, const std::string &out)
{
	outcome o = run_kucalc(args);
	EXPECT_EQ(o.out, out) << show(args);
	EXPECT_EQ(o.err, "") << show(args);
	EXPECT_TRUE(WIFEXITED(o.status) && WEXITSTATUS(o.status) == 0)
	    << show(args) << " wait status " << o.status;
}

} // namespace

TEST(e2e, results)
{
	struct {
		std::vector<std::string> args;
		std::string out;
	} cases[] = {
		{{"7", "+", "5"}, "12\n"},
		{{"7", "*", "-5"}, "-35\n"},
		{{"-7", "/", "2"}, "-3\n"},
		{{"-7", "%", "2"}, "-1\n"},
		{{"7", "%", "-2"}, "1\n"},
		{{"7", "-", "9"}, "-2\n"},
		{{"0", "+", "0"}, "0\n"},
		{{"2147483647", "+", "1"}, "-2147483648\n"},
		{{"-2147483648", "-", "1"}, "2147483647\n"},
		{{"65536", "*", "65536"}, "0\n"},
		{{"-2147483648", "/", "-1"}, "-2147483648\n"},
		{{"-2147483648", "%", "-1"}, "0\n"},
		{{"-2147483648", "+", "0"}, "-2147483648\n"},
		{{" 12", "+", "3abc"}, "15\n"},
		{{" \t--+-100", "*", "+-+1x"}, "100\n"},
		{{"", "+", ""}, "0\n"},
		{{"\xc3\xa9" "5", "+", "5\xc3\xa9"}, "5\n"},
		{{"4294967301", "-", "-4294967296"}, "5\n"},
	};
	for (const auto &c : cases)
		expect_run(c.args, c.out);
}

TEST(e2e, operators_outside_the_table)
{
	struct {
		std::vector<std::string> args;
		std::string out;
	} cases[] = {
		{{"5", "^", "2"}, "0\n"},
		{{"5", "x", "2"}, "0\n"},
		{{"5", "//", "0"}, "0\n"},
		{{"5", "%%", "0"}, "0\n"},
		{{"5", "", "0"}, "0\n"},
		{{"5", "+ ", "2"}, "0\n"},
		{{"5", "\xff", "0"}, "0\n"},
		{{"5", "\xff", "2"}, "0\n"},
		{{"5", "\x80", "2"}, "0\n"},
		{{"5", "\xc3\xb7", "2"}, "0\n"},
	};
	for (const auto &c : cases)
		expect_run(c.args, c.out);
}

TEST(e2e, zero_divisor)
{
	const std::string div = "Stop : division by zero\n";
	const std::string mod = "Stop : modulo by zero\n";
	struct {
		std::vector<std::string> args;
		std::string out;
	} cases[] = {
		{{"5", "/", "0"}, div},
		{{"0", "/", "0"}, div},
		{{"5", "/", "-0"}, div},
		{{"5", "/", ""}, div},
		{{"5", "/", "4294967296"}, div},
		{{"5", "%", "abc"}, mod},
		{{"5", "%", " +0"}, mod},
		{{"-2147483648", "%", "- 1"}, mod},
		{{"5", "*", "0"}, "0\n"},
	};
	for (const auto &c : cases)
		expect_run(c.args, c.out);
}

TEST(e2e, wrong_argument_count_is_silent)
{
	const std::vector<std::string> cases[] = {
		{},
		{"5"},
		{"5", "+"},
		{"1", "+", "2", "3"},
		{"5", "/", "0", ""},
		{"", "", "", "", ""},
	};
	for (const auto &args : cases)
		expect_run(args, "");
}
