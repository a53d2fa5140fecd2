# SPDX-License-Identifier: ISC
# A flag that keeps the release binary from starting is refused, never
# shipped: RELR relocations (-z pack-relative-relocs, in Fedora's LDFLAGS),
# which musl before 1.2.4 cannot apply at start-up. Where musl can, the
# binary must run (builder-flags checks the rest of what it must be).
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
