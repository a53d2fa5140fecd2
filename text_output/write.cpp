// SPDX-License-Identifier: ISC
#include "text_output.hpp"

#include <unistd.h>

static_assert(sizeof(int) == 4, "operands are 32-bit");

// Writes one byte to fd.
void ku_char_write_to(int fd, char c)
{
	// A failed write has nobody to be reported to: the output is the
	// only channel there is, and the exit status is always 0.
	ssize_t ignored = write(fd, &c, 1);
	(void)ignored;
}

// Writes one byte to standard output.
void ku_char_write(char c)
{
	ku_char_write_to(1, c);
}

// Writes the bytes of str before its NUL to fd, one call each.
void ku_str_write_to(int fd, const char *str)
{
	for (; *str != '\0'; str++)
		ku_char_write_to(fd, *str);
}

// Writes str to standard output.
void ku_str_write(const char *str)
{
	ku_str_write_to(1, str);
}

// Writes n in shortest decimal form to standard output, most significant
// digit first.
void ku_number_write(int n)
{
	// The smallest int has no positive counterpart, so its last digit is
	// split off before the sign is dealt with.
	if (n == -2147483647 - 1) {
		ku_number_write(n / 10);
		ku_char_write('8');
	} else if (n < 0) {
		ku_char_write('-');
		ku_number_write(-n);
	} else {
		if (n > 9)
			ku_number_write(n / 10);
		ku_char_write(static_cast<char>('0' + n % 10));
	}
}
