// SPDX-License-Identifier: ISC
#include "model.hpp"
#include "process.hpp"

#include <csignal>
#include <gtest/gtest.h>

namespace {

// Checks what is left of a run of kucalc: this stdout, no stderr, status 0.
void expect_outcome(const outcome &o, const std::vector<std::string> &args, const std::string &out)
{
	EXPECT_EQ(o.out, out) << show(args);
	EXPECT_EQ(o.err, "") << show(args);
	EXPECT_TRUE(WIFEXITED(o.status) && WEXITSTATUS(o.status) == 0)
		<< show(args) << " wait status " << o.status;
}

// Runs kucalc and checks its whole behaviour.
void expect_run(const std::vector<std::string> &args, const std::string &out)
{
	expect_outcome(run_kucalc(args), args, out);
}

// The same for a table of cases.
void expect_runs(const std::vector<run_case> &cases)
{
	for (const run_case &c : cases)
		expect_run(c.args, c.out);
}

} // namespace

TEST(e2e, results)
{
	expect_runs({
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
		{{"\303\2515", "+", "5\303\251"}, "5\n"},
		{{"4294967301", "-", "-4294967296"}, "5\n"},
	});
}

TEST(e2e, operators_outside_the_table)
{
	expect_runs({
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
		{{"5", "+\x80", "2"}, "0\n"},
	});
}

TEST(e2e, zero_divisor)
{
	const std::string &div = model::division_by_zero;
	const std::string &mod = model::modulo_by_zero;
	expect_runs({
		{{"5", "/", "0"}, div},
		{{"0", "/", "0"}, div},
		{{"5", "/", "-0"}, div},
		{{"5", "/", ""}, div},
		{{"5", "/", "4294967296"}, div},
		{{"5", "%", "abc"}, mod},
		{{"5", "%", " +0"}, mod},
		{{"-2147483648", "%", "- 1"}, mod},
		{{"5", "*", "0"}, "0\n"},
	});
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

TEST(e2e, every_single_byte_operator)
{
	for (int byte = 1; byte <= 255; byte++) {
		std::string op(1, static_cast<char>(byte));
		const char *out = op == "+"   ? "9\n"
		                  : op == "-" ? "5\n"
		                  : op == "*" ? "14\n"
		                  : op == "/" ? "3\n"
		                  : op == "%" ? "1\n"
		                              : "0\n";
		expect_run({"7", op, "2"}, out);
	}
}

// 131,071 bytes and the NUL are the most that the kernel passes in one
// argument.
// Characters that look like digits, signs, blanks and operators are other
// bytes, and kucalc reads them as such: the same result as plain text
// around them gives. kucalc.exe must get the UTF-8 bytes too, not the ANSI
// code page's best fit, which makes a fullwidth 1 a 1 and a fullwidth * an
// operator.
TEST(e2e, lookalike_characters_are_not_ascii)
{
	expect_runs({
		{{"\uff11", "\uff0b", "\uff11"}, "0\n"}, // fullwidth 1 + 1
		{{"2", "\uff0a", "3"}, "0\n"},           // fullwidth *
		{{"\uff11\uff12", "+", "1"}, "1\n"},     // fullwidth 12
		{{"\u22125", "+", "3"}, "3\n"},          // minus sign
		{{"\u20135", "+", "3"}, "3\n"},          // en dash
		{{"7", "\u2212", "2"}, "0\n"},
		{{"8", "\u2215", "2"}, "0\n"},   // division slash
		{{"8", "\u2044", "2"}, "0\n"},   // fraction slash
		{{"8", "\u00f7", "2"}, "0\n"},   // division sign
		{{"6", "\u00d7", "7"}, "0\n"},   // multiplication sign
		{{"\u00a012", "+", "3"}, "3\n"}, // no-break space
		{{"\u300012", "+", "3"}, "3\n"}, // ideographic space
		{{"\u00b2", "+", "1"}, "1\n"},   // superscript 2
		{{"1\u00b2", "+", "1"}, "2\n"},
		{{"5", "\u066a", "3"}, "0\n"}, // Arabic percent sign
	});
}

TEST(e2e, longest_operands)
{
	if (kucalc_is_windows_program())
		GTEST_SKIP() << "a Windows command line holds at most 32,767 characters, "
				"so Windows refuses to start kucalc.exe with these operands";
	const std::size_t max = 131071;
	const std::string nines(max, '9');
	const std::string blanks(max, ' ');
	const std::string minuses(max, '-');
	expect_runs({
		{{std::string(max - 1, '0') + "7", "+", "1"}, "8\n"},
		{{nines, "+", "0"}, std::to_string(model::parse(nines)) + "\n"},
		{{"1", "-", nines}, std::to_string(model::wrap(1 - model::parse(nines))) + "\n"},
		{{blanks, "+", "5"}, "5\n"},
		{{"5", "/", blanks}, model::division_by_zero},
		{{std::string(max - 1, ' ') + "5", "*", std::string(max - 1, '-') + "5"}, "25\n"},
		{{minuses, "%", "7"}, "0\n"},
		{{"7", "%", minuses}, model::modulo_by_zero},
		{{"7", std::string(max, '+'), "2"}, "0\n"},
	});
}

// A reader that has gone ends kucalc by SIGPIPE at its first byte, as it
// ends other filters, without a word on standard error; a run with nothing
// to write still exits 0. Windows has no SIGPIPE: there every run exits 0.
TEST(e2e, broken_pipe_ends_by_sigpipe)
{
	const run_case cases[] = {
		{{"7", "+", "5"}, "12\n"},
		{{"5", "/", "0"}, model::division_by_zero},
		{{"5", "+"}, ""},
	};
	for (const run_case &c : cases) {
		outcome o = run_kucalc(c.args, stdout_to::broken_pipe);
		EXPECT_EQ(o.err, "") << show(c.args);
		bool by_sigpipe = WIFSIGNALED(o.status) && WTERMSIG(o.status) == SIGPIPE;
		bool exit_0 = WIFEXITED(o.status) && WEXITSTATUS(o.status) == 0;
		EXPECT_TRUE(c.out.empty() || kucalc_is_windows_program() ? exit_0 : by_sigpipe)
			<< show(c.args) << " wait status " << o.status;
	}
}

TEST(e2e, empty_argument_vector_is_silent)
{
	if (kucalc_emulator() != nullptr)
		GTEST_SKIP() << "an emulator takes the program as its first argument, so "
				"cannot start one with no arguments at all";
	expect_outcome(spawn(kucalc_path(), {}), {}, "");
}
