// SPDX-License-Identifier: ISC
#pragma once

// Operand text: blanks, a run of signs, then digits; never fails,
// wraps to 32 bits.
int ku_atoi(const char *str);

// Character classes, as 1 or 0.
int ku_is_whitespace(char c);
int ku_is_number(char c);
