// SPDX-License-Identifier: ISC
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A second, independent account of what kucalc must print, in 64-bit
// arithmetic reduced modulo 2^32 by hand.
namespace model {

inline const std::int64_t two32 = std::int64_t{1} << 32;

// Maps any 64-bit value to the 32-bit two's-complement value it wraps to.
inline std::int64_t wrap(std::int64_t v)
{
	v %= two32;
	if (v < 0)
		v += two32;
	return v >= two32 / 2 ? v - two32 : v;
}

// The value of an operand text.
inline std::int64_t parse(const std::string &s)
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

// The refusals of a zero divisor, as kucalc writes them.
inline const std::string division_by_zero = "Stop : division by zero\n";
inline const std::string modulo_by_zero = "Stop : modulo by zero\n";

// The whole standard output of kucalc given these arguments.
inline std::string expected(const std::vector<std::string> &args)
{
	if (args.size() != 3)
		return "";
	std::int64_t a = parse(args[0]);
	std::int64_t b = parse(args[2]);
	char op = args[1].size() == 1 ? args[1][0] : '\0';
	if (op == '/' && b == 0)
		return division_by_zero;
	if (op == '%' && b == 0)
		return modulo_by_zero;
	std::int64_t r = op == '+'   ? a + b
	                 : op == '-' ? a - b
	                 : op == '*' ? a * b
	                 : op == '/' ? a / b
	                 : op == '%' ? a % b
	                             : 0;
	return std::to_string(wrap(r)) + "\n";
}

} // namespace model
