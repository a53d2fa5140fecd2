#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Runs a kucalc binary for ARCH, a row of release/targets.txt (this
# machine's by default), here or under ARCH's qemu-user, and fails unless
# it is of ARCH's ELF class and machine and 7 + 5 prints 12.
# Usage: release/run-binary.sh BINARY [ARCH]
set -euo pipefail
bin=$1 host=$(dpkg --print-architecture)
arch=${2:-$host}
fail() { echo "run-binary: $bin: $*" >&2; exit 1; }

read -r gnu qemu elf < <("$(dirname "$0")/targets.sh" -w "deb=$arch" gnu qemu elf) ||
	fail "release/targets.txt has no row for $arch"
header=$(readelf -hW "$bin")
[[ $header == *"Class:"*"${elf%%:*}"* && $header == *"Machine:"*"${elf#*:}"* ]] ||
	fail "is not of $arch ($elf)"
run=("$bin")
if [ "$arch" != "$host" ]; then
	emulator=$(command -v "qemu-$qemu-static" || command -v "qemu-$qemu") || fail "cannot run it: no qemu-$qemu"
	run=("$emulator" -L "/usr/$gnu" "$bin")
fi
out=$("${run[@]}" 7 + 5) || fail "7 + 5 ends with status $?"
[ "$out" = 12 ] || fail "7 + 5 prints '$out', not 12"
