#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Prints doc/platforms.md's table: a row for each target of
# release/targets.txt, read off the Debian package that release/package.sh
# made for it, and one for Windows, read off the windows preset's zip. The
# sizes are bounds, which only a real change moves; the same table with
# the sizes in bytes goes to build/platforms.md, beside the artifacts.
# Usage: release/platforms.sh
set -euo pipefail
cd "$(dirname "$0")/.."
exact=build/platforms.md
# row SIZE CELLS...: a row, with SIZE as a power-of-two bound here and in
# bytes in $exact.
row() {
	local size=$1 kib=1
	shift
	while [ $((kib * 1024)) -le "$size" ]; do kib=$((kib * 2)); done
	echo "| $1 | under $kib KiB | $2 |"
	echo "| $1 | $(sed ':a;s/\B[0-9]\{3\}\>/,&/;ta' <<<"$size") | $2 |" >>"$exact"
}
# plain_char COMPILER: how it takes a plain char.
plain_char() { [[ $("$1" -dM -E -x c++ /dev/null) == *__CHAR_UNSIGNED__* ]] && echo unsigned || echo signed; }

header='| architecture | `KUCALC_TARGET` | endianness | plain `char` | libc | release binary | size | tested |'
echo "$header" | tee "$exact"
echo '|---|---|---|---|---|---|---:|---|' | tee -a "$exact"
. build/release/release-facts.sh
native=$KUCALC_TARGET
while read -r deb gnu qemu; do
	dir=build/cross-$gnu/release tested="the suite under qemu-$qemu"
	[ "$gnu" != "$native" ] ||
		dir=build/release tested="natively: the whole suite, sanitizers, sweeps, fuzzing, strace"
	bin=$(mktemp)
	dpkg-deb --fsys-tarfile "$dir/kucalc_"*"_$deb.deb" | tar -xO ./usr/bin/kucalc >"$bin"
	header=$(readelf -h "$bin")
	endian=$(sed -n 's/.*complement, \([a-z]*\) endian/\1/p' <<<"$header")
	kind="static, fixed address"
	! grep -q 'Type: *DYN' <<<"$header" || kind="static PIE"
	libc=$(. "$dir/release-facts.sh" && echo "$KUCALC_LIBC")
	row "$(wc -c <"$bin")" "$deb | \`$gnu\` | $endian | $(plain_char "$gnu-g++") | $libc | $kind" "$tested"
	rm -f "$bin"
done < <(release/targets.sh deb gnu qemu)

# The zip's kucalc.exe: the DLLs it needs, and its plain char.
exe=$(mktemp)
unzip -p build/windows/kucalc-*-win64.zip kucalc.exe >"$exe"
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | paste -sd, - | sed 's/,/, /g')
row "$(wc -c <"$exe")" "Windows x86-64 | (the \`windows\` preset) | little | $(plain_char x86_64-w64-mingw32-g++-posix) | msvcrt | exe needing $dlls" "the suite under Wine"
rm -f "$exe"
