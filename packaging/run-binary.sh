#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Runs a kucalc binary, here or, for another machine of cmake/targets.txt,
# under that machine's qemu-user (with its Debian cross libraries, for a
# dynamic binary), and fails unless 7 + 5 prints 12. Its row of the table
# is the one of ARCH, which the binary's ELF class and machine must match,
# else the first whose class and machine it has; the row's Debian name is
# printed.
# Usage: packaging/run-binary.sh BINARY [ARCH]
set -euo pipefail
bin=$1 arch=${2:-}
fail() { echo "run-binary: $bin: $*" >&2; exit 1; }

header=$(readelf -hW "$bin")
class=$(sed -n 's/ *Class: *//p' <<<"$header")
machine=$(sed -n 's/ *Machine: *//p' <<<"$header")
# The row whose ELF class and machine the binary has: ARCH's, or the first.
row=''
rows=$("$(dirname "$0")/../cmake/targets.sh" deb gnu qemu elf)
while read -r deb gnu qemu elf; do
	[ -z "$arch" ] || [ "$deb" = "$arch" ] || continue
	if [ "$class" = "${elf%%:*}" ] && [[ $machine == *"${elf#*:}"* ]]; then
		row=$deb
		break
	fi
	[ -z "$arch" ] || fail "is $class $machine, not $arch ($elf)"
done <<<"$rows"
[ -n "$row" ] || [ -z "$arch" ] || fail "cmake/targets.txt has no row for $arch"

run=("$bin")
if [ -n "$row" ] && [ "$qemu" != "$(uname -m)" ]; then
	emulator=$(command -v "qemu-$qemu-static" || command -v "qemu-$qemu") ||
		fail "cannot run it: no qemu-$qemu"
	run=("$emulator" -L "/usr/$gnu" "$bin")
fi
out=$("${run[@]}" 7 + 5) || fail "7 + 5 ends with status $?"
[ "$out" = 12 ] || fail "7 + 5 prints '$out', not 12"
echo "$row"
