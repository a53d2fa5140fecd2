#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Checks that a release binary is what is shipped: a static PIE (no
# interpreter, no shared library), with full RELRO, a non-executable stack,
# no segment both writable and executable, the stack protector's canary,
# and no .comment. Reads the ELF file only.
# Usage: packaging/check-binary.sh BINARY
set -euo pipefail
bin=$1
fail() { echo "check-binary: $bin: $*" >&2; exit 1; }

header=$(readelf -hW "$bin")
segments=$(readelf -lW "$bin")
dynamic=$(readelf -dW "$bin")
sections=$(readelf -SW "$bin")
grep -q 'Type: *DYN' <<<"$header" || fail "not position-independent"
! grep -q INTERP <<<"$segments" || fail "has a program interpreter"
! grep -q NEEDED <<<"$dynamic" || fail "needs a shared library"
grep -q 'FLAGS_1.*PIE' <<<"$dynamic" || fail "not a PIE"
grep -q 'BIND_NOW' <<<"$dynamic" || fail "not linked with -z now"
grep -q GNU_RELRO <<<"$segments" || fail "no RELRO segment"
grep -qE 'GNU_STACK( +0x[0-9a-f]+){5} RW ' <<<"$segments" || fail "executable stack"
! grep -E '^ +LOAD' <<<"$segments" | grep -qE ' RWE ' || fail "a segment both writable and executable"
! grep -q '\.comment' <<<"$sections" || fail "has a .comment section"

# The binary's row of cmake/targets.txt, by its ELF class and machine,
# says how its code reads the stack protector's canary.
class=$(sed -n 's/ *Class: *//p' <<<"$header")
machine=$(sed -n 's/ *Machine: *//p' <<<"$header")
canary=''
while read -r _ _ _ _ _ elf _ row_canary; do
	if [ "$class" = "${elf%%:*}" ] && [[ $machine == *"${elf#*:}"* ]]; then
		canary=${row_canary#-}
		break
	fi
done < <(grep -v '^#' "$(dirname "$0")/../cmake/targets.txt")
if [ -n "$canary" ]; then
	code=$(objdump -d "$bin")
	grep -qF "$canary" <<<"$code" || fail "no stack protector"
fi
echo "$bin: static PIE, full RELRO, non-executable stack${canary:+, stack protector}"
