// SPDX-License-Identifier: ISC
#include "text_input.hpp"

static_assert(sizeof(int) == 4, "operands are 32-bit");

// Tells whether c is a space, tab, line feed, vertical tab, form feed or
// carriage return.
int ku_is_whitespace(char c)
{
	return c == ' ' || (c >= '\t' && c <= '\r');
}

// Tells whether c is a decimal digit.
int ku_is_number(char c)
{
	return c >= '0' && c <= '9';
}

// Returns the value of an operand text: leading blanks, any run of signs,
// then digits up to the first non-digit; 0 where no digits stand.
// The value is built in unsigned arithmetic so that it wraps modulo 2^32
// instead of overflowing, which is undefined for int.
int ku_atoi(const char *str)
{
	unsigned sign = 1;
	unsigned value = 0;

	while (ku_is_whitespace(*str))
		str++;
	for (; *str == '-' || *str == '+'; str++)
		if (*str == '-')
			sign = 0U - sign;
	for (; ku_is_number(*str); str++)
		value = value * 10U + static_cast<unsigned>(*str - '0');
	return static_cast<int>(value * sign);
}
