// SPDX-License-Identifier: ISC
#pragma once

// Unbuffered writers: every byte is its own write(2) call, and errors of
// write are not reported.

// To a given file descriptor.
void ku_char_write_to(int fd, char c);
void ku_str_write_to(int fd, const char *str);

// To standard output.
void ku_char_write(char c);
void ku_str_write(const char *str);
void ku_number_write(int n);
