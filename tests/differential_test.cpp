#include "process.hpp"

#include <cstdint>
#include <gtest/gtest.h>
#include <random>

// A second, independent account of what kucalc must print, in 64-bit
// arithmetic reduced modulo 2^32 by hand.
namespace model {

const std::int64_t two32 = std::int64_t{1} << 32;

// Maps any 64-bit value to the 32-bit two's-complement value it wraps to.
std::int64_t wrap(std::int64_t v)
{
	v %= two32;
	if (v < 0)
		v += two32;
	return v >= two32 / 2 ? v - two32 : v;
}

std::int64_t parse(const std::string &s)
{
	std::size_t i = s.find_first_not_of(" \t\n\v\f\r");
	if (i == std::string::npos)
		return 0;
	bool negative = false;
	for (; i < s.size() && (s[i] == '+' || s[i] == '-'); i++)
		negative ^= s[i] == '-';
	std::int64_t v = 0;
	for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; i++)
		v = wrap(v * 10 + (s[i] - '0'));
	return wrap(negative ? -v : v);
}

std::string expected(const std::vector<std::string> &args)
{
	if (args.size() != 3)
		return "";
	std::int64_t a = parse(args[0]), b = parse(args[2]);
	char op = args[1].size() == 1 ? args[1][0] : '\0';
	if (op == '/' && b == 0)
		return "Stop : division by zero\n";
	if (op == '%' && b == 0)
		return "Stop : modulo by zero\n";
	std::int64_t r = op == '+' ? a + b : op == '-' ? a - b : op == '*' ? a * b
	    : op == '/' ? a / b : op == '%' ? a % b : 0;
	return std::to_string(wrap(r)) + "\n";
}

} // namespace model

namespace {

// Builds operand texts that exercise every step of parsing.
class operand_maker {
	std::mt19937 &rng;

	std::size_t below(std::size_t n) { return rng() % n; }
	std::string pick(const std::string &from, std::size_t max)
	{
		std::string s;
		for (std::size_t n = below(max + 1); n > 0; n--)
			s += from[below(from.size())];
		return s;
	}

public:
	explicit operand_maker(std::mt19937 &r) : rng(r) {}

	std::string operand()
	{
		static const std::string junk = "+- \tx.0123456789\x7f\x80\xff";
		if (below(20) == 0) {
			std::string s;
			for (std::size_t n = below(8); n > 0; n--)
				s += static_cast<char>(1 + below(255));
			return s;
		}
		return pick(" \t\n\v\f\r", 2) + pick("+-", below(4) == 0 ? 5 : 1) +
		       (below(4) == 0 ? pick("0", 12) : "") + pick("0123456789", below(3) == 0 ? 25 : 10) +
		       (below(3) == 0 ? pick(junk, 4) : "");
	}

	std::string op()
	{
		switch (below(10)) {
		case 0: return "";
		case 1: return pick("+-/*%^x", 3) + "+";
		case 2: return std::string(1, static_cast<char>(1 + below(255)));
		default: return std::string(1, "+-/*%"[below(5)]);
		}
	}

	std::vector<std::string> args()
	{
		if (below(30) == 0) {
			std::vector<std::string> v;
			for (std::size_t n = below(6); n > 0; n--)
				v.push_back(operand());
			return v;
		}
		return {operand(), op(), below(8) == 0 ? pick("+- 0", 3) : operand()};
	}
};

} // namespace

TEST(differential, random_argument_vectors_match_the_model)
{
	std::mt19937 rng(20261208);
	operand_maker make(rng);
	int failures = 0;
	for (int i = 0; i < 3000 && failures < 10; i++) {
		std::vector<std::string> args = make.args();
		outcome o = run_kucalc(args);
		bool ok = o.out == model::expected(args) && o.err.empty() &&
			  WIFEXITED(o.status) && WEXITSTATUS(o.status) == 0;
		EXPECT_TRUE(ok) << show(args) << " printed \"" << o.out << "\" expected \""
				<< model::expected(args) << "\" stderr \"" << o.err << '"';
		failures += !ok;
	}
}
