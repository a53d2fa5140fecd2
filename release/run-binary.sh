#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Runs a kucalc binary, here or under its machine's qemu-user, and fails
# unless 7 + 5 prints 12. Its row of release/targets.txt, whose Debian name
# it prints, is ARCH's, which must match its ELF class and machine, else
# the first that matches them.
# Usage: release/run-binary.sh BINARY [ARCH]
set -euo pipefail
bin=$1 arch=${2:-}
fail() { echo "run-binary: $bin: $*" >&2; exit 1; }

header=$(readelf -hW "$bin")
class=$(sed -n 's/ *Class: *//p' <<<"$header")
machine=$(sed -n 's/ *Machine: *//p' <<<"$header")
row=''
rows=$("$(dirname "$0")/targets.sh" deb gnu qemu elf)
while read -r deb gnu qemu elf; do
	[ -z "$arch" ] || [ "$deb" = "$arch" ] || continue
	if [ "$class" = "${elf%%:*}" ] && [[ $machine == *"${elf#*:}"* ]]; then
		row=$deb
		break
	fi
	[ -z "$arch" ] || fail "is $class $machine, not $arch ($elf)"
done <<<"$rows"
[ -n "$row" ] || [ -z "$arch" ] || fail "release/targets.txt has no row for $arch"

run=("$bin")
if [ -n "$row" ] && [ "$row" != "$(dpkg --print-architecture)" ]; then
	emulator=$(command -v "qemu-$qemu-static" || command -v "qemu-$qemu") ||
		fail "cannot run it: no qemu-$qemu"
	run=("$emulator" -L "/usr/$gnu" "$bin")
fi
out=$("${run[@]}" 7 + 5) || fail "7 + 5 ends with status $?"
[ "$out" = 12 ] || fail "7 + 5 prints '$out', not 12"
echo "$row"
