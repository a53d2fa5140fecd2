// SPDX-License-Identifier: ISC
#pragma once

// Operator characters: one byte of the operator argument, or
// ku_no_operator when that argument is not exactly one byte long.
constexpr char ku_no_operator = static_cast<char>(-1);
char ku_find_operator(const char *arg);

// The zero-divisor guard: 1 to go on; 0 when it refused and wrote why.
int ku_validate_operation(int right, char op);

// Evaluates left op right and writes the result line; 0 for an operator
// outside the table.
void ku_do_operation(int left, int right, char op);

// The operations, wrapping to 32 bits; the divisor is never 0.
int ku_operation_add(int left, int right);
int ku_operation_minus(int left, int right);
int ku_operation_devide(int left, int right);
int ku_operation_multiply(int left, int right);
int ku_operation_modulo(int left, int right);
