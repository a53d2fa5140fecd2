// SPDX-License-Identifier: ISC
#include "calc.hpp"
#include "../text_output/text_output.hpp"

using ku_operation = int (*)(int, int);

// Returns the operator character of arg: its only byte, or ku_no_operator
// when arg is empty or longer.
char ku_find_operator(const char *arg)
{
	if (arg[0] == '\0' || arg[1] != '\0')
		return ku_no_operator;
	return arg[0];
}

// Refuses a zero divisor for / and %, writing the message.
int ku_validate_operation(int right, char op)
{
	if (op == '/' && right == 0) {
		ku_str_write("Stop : division by zero\n");
		return 0;
	}
	if (op == '%' && right == 0) {
		ku_str_write("Stop : modulo by zero\n");
		return 0;
	}
	return 1;
}

// Looks op up in the operator table, applies it and writes the result line.
void ku_do_operation(int left, int right, char op)
{
	static constexpr char operators[] = "+-/*%";
	static constexpr ku_operation operations[] = {
		ku_operation_add,      // +
		ku_operation_minus,    // -
		ku_operation_devide,   // /
		ku_operation_multiply, // *
		ku_operation_modulo,   // %
	};
	constexpr unsigned count = sizeof operations / sizeof *operations;
	static_assert(sizeof operators - 1 == count, "one operation per operator");
	int result = 0;

	for (unsigned i = 0; i < count; i++) {
		if (op == operators[i]) {
			result = operations[i](left, right);
			break;
		}
	}
	ku_number_write(result);
	ku_str_write("\n");
}
