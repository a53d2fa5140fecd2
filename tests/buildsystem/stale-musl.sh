# SPDX-License-Identifier: ISC
# A folder configured for glibc, musl not found, stops once musl is there,
# rather than silently stay an ordinary binary.
. "$(dirname "$0")/lib.sh"
need_musl
configure stale "$musl_toolchain" -DBUILD_TESTING=OFF \
	-DKUCALC_MUSL_ROOT=/nonexistent >first.log 2>&1 || { cat first.log; fail "configure failed"; }
says first.log 'musl not found' || { cat first.log; fail "no word that musl was not found"; }
! "$CMAKE" -S "$src" -B stale -DKUCALC_MUSL_ROOT=/usr >second.log 2>&1 ||
	fail "a glibc build folder silently stayed glibc once musl was found"
says second.log 'configure again' || { cat second.log; fail "no word to configure again"; }
echo "a folder configured without musl stops once musl is there"
