// SPDX-License-Identifier: ISC
#include "calc.hpp"

static_assert(sizeof(int) == 4, "operands are 32-bit");

// Wrapping arithmetic goes through unsigned, since signed overflow is
// undefined in C++; C++20 defines the conversion back as modulo 2^32.

// Returns left + right, wrapped.
int ku_operation_add(int left, int right)
{
	return static_cast<int>(static_cast<unsigned>(left) + static_cast<unsigned>(right));
}

// Returns left - right, wrapped.
int ku_operation_minus(int left, int right)
{
	return static_cast<int>(static_cast<unsigned>(left) - static_cast<unsigned>(right));
}

// Returns left × right, wrapped.
int ku_operation_multiply(int left, int right)
{
	return static_cast<int>(static_cast<unsigned>(left) * static_cast<unsigned>(right));
}

// Returns the quotient truncated toward zero.
int ku_operation_devide(int left, int right)
{
	// The smallest int over -1 overflows (and traps on x86); the
	// negation, wrapped like every other result, gives it back itself.
	if (right == -1)
		return ku_operation_minus(0, left);
	return left / right;
}

// Returns the remainder of the truncating division, 0 or of left's sign.
int ku_operation_modulo(int left, int right)
{
	// Every number is a multiple of -1; computing it would trap on the
	// smallest int.
	if (right == -1)
		return 0;
	return left % right;
}
