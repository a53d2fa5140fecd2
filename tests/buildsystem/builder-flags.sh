# SPDX-License-Identifier: ISC
# The builder's flags add to the release toolchain's but drop none of them:
# the binary stays a hardened static PIE.
. "$(dirname "$0")/lib.sh"
need_musl
configure cache "$musl_toolchain" -DBUILD_TESTING=OFF \
	-DCMAKE_BUILD_TYPE=Release \
	-DCMAKE_CXX_FLAGS=-O2 -DCMAKE_EXE_LINKER_FLAGS=-Wl,-O1 >cache.log 2>&1 ||
	{ cat cache.log; fail "configure failed"; }
"$CMAKE" --build cache >>cache.log 2>&1 || { cat cache.log; fail "build failed"; }
"$src/packaging/check-binary.sh" cache/kucalc
