// SPDX-License-Identifier: ISC
/* The floor of a process run: a static program whose only system call is
 * exit_group. Nothing can start and end faster. */
/* The name is the linker's default entry point, reserved on purpose. */
void _start(void) /* NOLINT(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp) */
{
	__asm__ volatile("syscall" : : "a"(231), "D"(0));
	for (;;)
		;
}
