#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Checks that a release binary is a hardened static PIE (no interpreter or
# shared library; RELRO, BIND_NOW, a non-executable stack, no segment both
# writable and executable; the stack protector where release/targets.txt says
# how to see it; no .comment) that runs and prints 12 for 7 + 5.
# Usage: release/check-binary.sh BINARY [ARCH]
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
! grep -qE '^ +LOAD .* RWE ' <<<"$segments" || fail "a segment both writable and executable"
! grep -q '\.comment' <<<"$sections" || fail "has a .comment section"

# A binary that reads well can still crash at its first instruction (RELR
# relocations under a musl that cannot apply them, say).
arch=${2:-$(dpkg --print-architecture)}
"$(dirname "$0")/run-binary.sh" "$bin" "$arch"
canary=$("$(dirname "$0")/targets.sh" -w "deb=$arch" canary)
canary=${canary#-}
if [ -n "$canary" ]; then
	code=$(objdump -d "$bin")
	grep -qE "$canary" <<<"$code" || fail "no stack protector"
fi
echo "$bin: runs, static PIE, RELRO and BIND_NOW, non-executable stack${canary:+, stack protector}"
