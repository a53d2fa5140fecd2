// SPDX-License-Identifier: ISC
#include "model.hpp"
#include "process.hpp"

#include <gtest/gtest.h>
#include <random>

namespace {

// Builds operand texts that exercise every step of parsing.
class operand_maker {
	std::mt19937 &rng;

	std::size_t below(std::size_t n)
	{
		return rng() % n;
	}
	std::string pick(const std::string &from, std::size_t max)
	{
		std::string s;
		for (std::size_t n = below(max + 1); n > 0; n--)
			s += from[below(from.size())];
		return s;
	}

public:
	explicit operand_maker(std::mt19937 &r) : rng(r)
	{}

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
		       (below(4) == 0 ? pick("0", 12) : "") +
		       pick("0123456789", below(3) == 0 ? 25 : 10) +
		       (below(3) == 0 ? pick(junk, 4) : "");
	}

	std::string op()
	{
		switch (below(10)) {
		case 0:
			return "";
		case 1:
			return pick("+-/*%^x", 3) + "+";
		case 2:
			return std::string(1, static_cast<char>(1 + below(255)));
		default:
			return std::string(1, "+-/*%"[below(5)]);
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
	for (int i = 0; i < KUCALC_DIFFERENTIAL_RUNS && failures < 10; i++) {
		std::vector<std::string> args = make.args();
		outcome o = run_kucalc(args);
		bool ok = o.out == model::expected(args) && o.err.empty() && WIFEXITED(o.status) &&
		          WEXITSTATUS(o.status) == 0;
		EXPECT_TRUE(ok) << show(args) << " printed \"" << o.out << "\" expected \""
				<< model::expected(args) << "\" stderr \"" << o.err << '"';
		failures += !ok;
	}
}
