# SPDX-License-Identifier: ISC
# The release toolchain with what builders give it: flags add to its own
# but drop none (the binary stays a hardened static PIE); RELR relocations
# (Fedora's LDFLAGS), which musl before 1.2.4 cannot apply at start-up, are
# refused, or else run; a folder configured without musl stops once musl is
# there rather than silently stay an ordinary binary.
. "$(dirname "$0")/lib.sh"
need_musl
configure flags "$musl_toolchain" -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release \
	-DCMAKE_CXX_FLAGS=-O2 -DCMAKE_EXE_LINKER_FLAGS=-Wl,-O1 >flags.log 2>&1 ||
	{ cat flags.log; fail "flags: configure failed"; }
"$CMAKE" --build flags >>flags.log 2>&1 || { cat flags.log; fail "flags: build failed"; }
"$src/release/check-binary.sh" flags/kucalc

if LDFLAGS=-Wl,-z,pack-relative-relocs configure relr "$musl_toolchain" -DBUILD_TESTING=OFF \
	-DCMAKE_BUILD_TYPE=Release >relr.log 2>&1; then
	"$CMAKE" --build relr >>relr.log 2>&1 || { cat relr.log; fail "relr: build failed"; }
	"$src/release/run-binary.sh" relr/kucalc
	echo "RELR taken, and the binary computes 7 + 5"
else
	says relr.log 'pack-relative-relocs asks for RELR' || { cat relr.log; fail "relr: configure failed for another reason"; }
	echo "RELR refused at configure time"
fi

configure stale "$musl_toolchain" -DBUILD_TESTING=OFF \
	-DKUCALC_MUSL_ROOT=/nonexistent >first.log 2>&1 || { cat first.log; fail "configure failed"; }
says first.log 'musl not found' || { cat first.log; fail "no word that musl was not found"; }
! "$CMAKE" -S "$src" -B stale -DKUCALC_MUSL_ROOT=/usr >second.log 2>&1 ||
	fail "a glibc build folder silently stayed glibc once musl was found"
says second.log 'configure again' || { cat second.log; fail "no word to configure again"; }
echo "a folder configured without musl stops once musl is there"
