# SPDX-License-Identifier: ISC
# A flag that keeps the release binary from starting is refused, never
# shipped: RELR relocations (-z pack-relative-relocs, in Fedora's LDFLAGS),
# which musl before 1.2.4 cannot apply at start-up. Where musl can, the
# binary must run (builder-flags checks the rest of what it must be). Both
# for the release build and for the one beside.
. "$(dirname "$0")/lib.sh"
need_musl
export LDFLAGS=-Wl,-z,pack-relative-relocs
# refused LOG: whether the log tells of the refusal, and why.
refused() { says "$1" 'pack-relative-relocs asks for RELR'; }

if configure release "$musl_toolchain" -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release \
	>release.log 2>&1; then
	"$CMAKE" --build release >>release.log 2>&1 || { cat release.log; fail "release: build failed"; }
	"$src/packaging/run-binary.sh" release/kucalc >/dev/null
	echo "release: RELR taken, and the binary computes 7 + 5"
else
	refused release.log || { cat release.log; fail "release: configure failed for another reason"; }
	echo "release: RELR refused at configure time"
fi

configure beside -DKUCALC_RELEASE_BESIDE=ON -DBUILD_TESTING=OFF >beside.log 2>&1 ||
	{ cat beside.log; fail "beside: configure failed"; }
if "$CMAKE" --build beside >>beside.log 2>&1; then
	"$src/packaging/run-binary.sh" beside/release/kucalc >/dev/null
	echo "beside: RELR taken, and the binary computes 7 + 5"
else
	refused beside.log || { cat beside.log; fail "beside: build failed for another reason"; }
	echo "beside: RELR refused when the release binary is configured"
fi
