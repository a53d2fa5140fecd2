// SPDX-License-Identifier: ISC
// Windows only, linked into kucalc.exe beside the portable code: the C
// runtime there starts standard output in text mode, which writes "\n" as
// "\r\n", and mingw-w64 can expand wildcards in the arguments. Both are
// undone before main runs, so that kucalc.exe writes the same bytes as
// kucalc everywhere else, and `kucalc 6 * 7` multiplies.
#include <fcntl.h>
#include <io.h>

#ifdef __MINGW32__
// mingw-w64's start-up expands wildcards in the arguments where this is
// nonzero (its CRT_glob.o); this definition keeps it 0 whatever is linked.
extern "C" {
int _dowildcard = 0; // NOLINT(bugprone-reserved-identifier)
}
#endif

namespace {

// Set while the C runtime starts the program, before main writes a byte.
[[maybe_unused]] const int stdout_binary = _setmode(1, _O_BINARY);

} // namespace
