// SPDX-License-Identifier: ISC
#include "../text_input/text_input.hpp"
#include "calc.hpp"

// Computes LEFT OPERATOR RIGHT and writes the result line; silent unless
// given exactly three arguments. The exit status is always 0.
int main(int argc, char **argv)
{
	if (argc != 4)
		return 0;

	int left = ku_atoi(argv[1]);
	char op = ku_find_operator(argv[2]);
	int right = ku_atoi(argv[3]);

	if (!ku_validate_operation(right, op))
		return 0;
	ku_do_operation(left, right, op);
	return 0;
}
