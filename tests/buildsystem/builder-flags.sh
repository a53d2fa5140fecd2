# SPDX-License-Identifier: ISC
# The builder's flags add to the release toolchain's but drop none of them:
# the binary stays a hardened static PIE. Given in the cache to the release
# build, or in the environment to a build that makes the release binary
# beside itself, which must pass them on.
. "$(dirname "$0")/lib.sh"
need_musl
configure cache "$musl_toolchain" -DBUILD_TESTING=OFF \
	-DCMAKE_BUILD_TYPE=Release \
	-DCMAKE_CXX_FLAGS=-O2 -DCMAKE_EXE_LINKER_FLAGS=-Wl,-O1 >cache.log 2>&1 ||
	{ cat cache.log; fail "configure failed"; }
"$CMAKE" --build cache >>cache.log 2>&1 || { cat cache.log; fail "build failed"; }
"$src/packaging/check-binary.sh" cache/kucalc

CXXFLAGS=-O2 LDFLAGS=-Wl,-O1 configure beside -DKUCALC_RELEASE_BESIDE=ON -DBUILD_TESTING=OFF >beside.log 2>&1 ||
	{ cat beside.log; fail "beside: configure failed"; }
"$CMAKE" --build beside >>beside.log 2>&1 || { cat beside.log; fail "beside: build failed"; }
grep -qx 'CMAKE_CXX_FLAGS:STRING=-O2' beside/release/CMakeCache.txt &&
	grep -qx 'CMAKE_EXE_LINKER_FLAGS:STRING=-Wl,-O1' beside/release/CMakeCache.txt ||
	fail "CXXFLAGS and LDFLAGS do not reach the release binary built beside"
"$src/packaging/check-binary.sh" beside/release/kucalc
