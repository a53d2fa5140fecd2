#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Prints doc/platforms.md's table: a row for each target of
# cmake/targets.txt, read off the Debian package of the release preset
# (this machine) or of cross-release (any other), and one for Windows, read
# off the windows preset's zip. Usage: packaging/platforms.sh
set -euo pipefail
cd "$(dirname "$0")/.."
thousands() { sed ':a;s/\B[0-9]\{3\}\>/,&/;ta' <<<"$1"; }
. build/release/kucalc-build.sh
native=$KUCALC_TARGET
rows=$(cmake/targets.sh deb gnu qemu)
echo '| architecture | `KUCALC_TARGET` | endianness | plain `char` | libc | release binary | size | tested |'
echo '|---|---|---|---|---|---|---:|---|'
while read -r deb gnu qemu; do
	if [ "$gnu" = "$native" ]; then
		dir=build/release packages=build/release
		tested="natively: the whole suite, sanitizers, sweeps, fuzzing, strace"
	else
		dir=build/cross-$gnu/release packages=build/cross-$gnu/packages
		tested="the suite under qemu-$qemu"
	fi
	bin=$(mktemp)
	dpkg-deb --fsys-tarfile "$packages/kucalc_"*"_$deb.deb" | tar -xO ./usr/bin/kucalc >"$bin"
	header=$(readelf -h "$bin")
	endian=$(sed -n 's/.*complement, \([a-z]*\) endian/\1/p' <<<"$header")
	case $(sed -n 's/ *Type: *\([A-Z]*\).*/\1/p' <<<"$header") in
	DYN) kind="static PIE" ;;
	*) kind="static, fixed address" ;;
	esac
	# grep -q ends at its first match: a pipe from g++ would break, and fail.
	macros=$("$gnu-g++" -dM -E -x c++ /dev/null)
	if grep -q __CHAR_UNSIGNED__ <<<"$macros"; then char=unsigned; else char=signed; fi
	libc=$(. "$dir/kucalc-build.sh" && echo "$KUCALC_LIBC")
	size=$(thousands "$(wc -c <"$bin")")
	rm -f "$bin"
	echo "| $deb | \`$gnu\` | $endian | $char | $libc | $kind | $size | $tested |"
done <<<"$rows"

# The zip's kucalc.exe: the DLLs it needs, and its plain char.
exe=$(mktemp)
unzip -p build/windows/kucalc-*-win64.zip kucalc.exe >"$exe"
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | paste -sd, - | sed 's/,/, /g')
size=$(thousands "$(wc -c <"$exe")")
rm -f "$exe"
macros=$(x86_64-w64-mingw32-g++-posix -dM -E -x c++ /dev/null)
if grep -q __CHAR_UNSIGNED__ <<<"$macros"; then char=unsigned; else char=signed; fi
echo "| Windows x86-64 | (the \`windows\` preset) | little | $char | msvcrt | exe needing $dlls | $size | the suite under Wine |"
