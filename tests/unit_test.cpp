// SPDX-License-Identifier: ISC
#include "calc/calc.hpp"
#include "text_input/text_input.hpp"
#include "text_output/text_output.hpp"

#include <gtest/gtest.h>
#include <unistd.h>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

#ifdef _WIN32
// The C runtime's pipe, in binary mode as a POSIX pipe is.
int pipe(int fds[2])
{
	return _pipe(fds, 4096, _O_BINARY);
}
#endif

// Returns what fd's end of a fresh pipe received from write_to(fd).
template <class Write> std::string received(Write write_to)
{
	int p[2];
	if (pipe(p) != 0)
		return "(no pipe)";
	write_to(p[1]);
	close(p[1]);
	std::string got;
	char buf[256];
	for (ssize_t n; (n = read(p[0], buf, sizeof buf)) > 0;)
		got.append(buf, static_cast<std::size_t>(n));
	close(p[0]);
	return got;
}

// Returns what fn wrote on standard output.
template <class Fn> std::string stdout_of(Fn fn)
{
	return received([&](int fd) {
		int saved = dup(1);
		dup2(fd, 1);
		fn();
		dup2(saved, 1);
		close(saved);
	});
}

struct parse_case {
	const char *text;
	int value;
};

void expect_parses(std::initializer_list<parse_case> cases)
{
	for (const parse_case &c : cases)
		EXPECT_EQ(ku_atoi(c.text), c.value) << "text: \"" << c.text << '"';
}

} // namespace

TEST(parse, digits_and_where_they_stop)
{
	// clang-format off
	expect_parses({
		{"42", 42},          {"12abc", 12},   {" +0009", 9},
		{"", 0},             {"abc", 0},      {"+", 0},
		{"-", 0},            {"7-3", 7},      {"1 2", 1},
		{"0", 0},            {"-0", 0},       {"000", 0},
		{"/5", 0},           {"5/", 5},       {":5", 0},
		{"5:", 5},
	});
	// clang-format on
}

TEST(parse, blanks_only_before_signs)
{
	// clang-format off
	expect_parses({
		{" \t\n\v\f\r-42", -42},
		{"- 5", 0},          {"+ 5", 0},      {"\t\t7", 7},
		{"\b5", 0},          {"\x0e" "5", 0}, {"\x1f" "5", 0},
		{"\x80" "5", 0},     {"\xa0" "5", 0}, {"\xff" "5", 0},
		{"5\xff", 5},
	});
	// clang-format on
}

TEST(parse, sign_runs)
{
	// clang-format off
	expect_parses({
		{"--5", 5},          {"-+-5", 5},     {"--+-5", -5},
		{"+-7x", -7},        {"+++3", 3},     {"-----1", -1},
		{" -+-+-+8", -8},    {"5-", 5},       {"-5+", -5},
	});
	// clang-format on
}

TEST(parse, wraps_to_32_bits)
{
	expect_parses({
		{"2147483647", 2147483647},
		{"2147483648", -2147483647 - 1},
		{"-2147483648", -2147483647 - 1},
		{"-2147483649", 2147483647},
		{"4294967295", -1},
		{"4294967296", 0},
		{"4294967297", 1},
		{"00000000000000000000000000042", 42},
		{"99999999999999999999", 1661992959},
	});
}

TEST(operations, table)
{
	const int min = -2147483647 - 1;
	const int max = 2147483647;
	struct {
		int (*op)(int, int);
		const char *name;
		int left, right, result;
	} cases[] = {
		// clang-format off
		{ku_operation_add,      "+", 7, 5, 12},
		{ku_operation_add,      "+", max, 1, min},
		{ku_operation_add,      "+", min, -1, max},
		{ku_operation_minus,    "-", 7, 5, 2},
		{ku_operation_minus,    "-", min, 1, max},
		{ku_operation_minus,    "-", 0, min, min},
		{ku_operation_multiply, "*", 7, -5, -35},
		{ku_operation_multiply, "*", 65536, 65536, 0},
		{ku_operation_multiply, "*", min, -1, min},
		{ku_operation_multiply, "*", max, max, 1},
		{ku_operation_devide,   "/", -7, 2, -3},
		{ku_operation_devide,   "/", 7, -2, -3},
		{ku_operation_devide,   "/", min, -1, min},
		{ku_operation_devide,   "/", min, 1, min},
		{ku_operation_devide,   "/", max, -1, -max},
		{ku_operation_modulo,   "%", -7, 2, -1},
		{ku_operation_modulo,   "%", 7, -2, 1},
		{ku_operation_modulo,   "%", min, -1, 0},
		{ku_operation_modulo,   "%", min, max, -1},
		// clang-format on
	};
	for (const auto &c : cases)
		EXPECT_EQ(c.op(c.left, c.right), c.result)
			<< c.left << ' ' << c.name << ' ' << c.right;
}

TEST(operator_argument, one_byte_or_none)
{
	const char empty[] = {'\0', '\0'}; // nothing after the NUL either
	const struct {
		const char *arg;
		char op;
	} cases[] = {
		{empty, ku_no_operator},   {"+", '+'},
		{"\x01", '\x01'},          {"\x80", '\x80'},
		{"//", ku_no_operator},    {"+\x80", ku_no_operator},
		{"\x80+", ku_no_operator}, {"+\x01", ku_no_operator},
	};
	for (const auto &c : cases)
		EXPECT_EQ(ku_find_operator(c.arg), c.op) << "argument \"" << c.arg << '"';
}

// The guard's refusals write their message and are held end to end; here,
// that it lets everything else through with 1.
TEST(zero_divisor_guard, goes_on_with_1)
{
	const std::pair<int, char> cases[] = {
		{5, '/'}, {-1, '%'}, {0, '+'}, {0, '*'}, {0, ku_no_operator}, {0, '\0'},
	};
	for (const auto &[right, op] : cases)
		EXPECT_EQ(ku_validate_operation(right, op), 1)
			<< "right " << right << ", op " << int{op};
}

TEST(writers, every_byte_before_the_nul)
{
	for (const char *text : {"", "a", "\xc3\xa9", "x\x80y\xffz", "\x7f\x01"}) {
		EXPECT_EQ(received([&](int fd) { ku_str_write_to(fd, text); }), text) << text;
		EXPECT_EQ(stdout_of([&] { ku_str_write(text); }), text) << text;
	}
}

TEST(operator_table, characters_outside_it_give_0)
{
	for (char op : {'\0', '^', '\x80', ku_no_operator})
		EXPECT_EQ(stdout_of([op] { ku_do_operation(7, 2, op); }), "0\n") << int{op};
}
