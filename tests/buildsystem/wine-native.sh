# SPDX-License-Identifier: ISC
# Wine as the emulator of a build for this machine would run the Linux test
# programs and exit 0 whatever they found: configure refuses it.
. "$(dirname "$0")/lib.sh"
! configure native -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/bin/wine >native.log 2>&1 ||
	fail "a native build took Wine as the emulator of its tests"
says native.log 'Wine would report every test as passed' || { cat native.log; fail "refused for another reason"; }
echo "a native build with Wine as its emulator is refused"
