#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Runs the tests of the whole binary, built in TEST_BUILD, and the
# documentation's examples against the release binary of RELEASE_BUILD,
# through its emulator if it has one; static_syscalls holds it to its
# start-up calls.
# Usage: release/test-binary.sh TEST_BUILD RELEASE_BUILD
set -euo pipefail
cd "$(dirname "$0")/.."
. "$2/release-facts.sh"
emulator=(${KUCALC_EMULATOR:+"$KUCALC_EMULATOR"})
KUCALC_BIN=$2/kucalc KUCALC_START_CALLS=$KUCALC_START_CALLS \
	"${emulator[@]}" "$1/tests/kucalc_tests" --gtest_brief=1
tests/doc_test.py "$2/kucalc" . "${emulator[@]}"
