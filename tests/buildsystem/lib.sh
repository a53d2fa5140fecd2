# SPDX-License-Identifier: ISC
# Sourced by each check of the build system, which works in scratch/ of
# the folder it is started in (.ci/steps/buildsystem gives each its own),
# with CMake's default generator or GENERATOR.
set -euo pipefail
src=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
CMAKE=${CMAKE:-cmake}
# The builder's flags are each check's own to give.
unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS
rm -rf scratch
mkdir scratch
cd scratch

# The release toolchain, as CMake 3.18 takes it (it has no --toolchain).
musl_toolchain=-DCMAKE_TOOLCHAIN_FILE=$src/toolchains/release.cmake

fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "skipped: $*"; exit 77; }

# configure DIR ARG...: a scratch build of the source tree in DIR.
configure() {
	local dir=$1
	shift
	"$CMAKE" -S "$src" -B "$dir" ${GENERATOR:+-G "$GENERATOR"} "$@"
}

# says LOG TEXT: whether CMake's LOG has TEXT, however it wrapped the lines.
says() { grep -qF "$2" <<<"$(tr -s ' \n' '  ' <"$1")"; }

# Skips unless the release toolchain finds musl for this machine.
need_musl() {
	configure probe "$musl_toolchain" -DBUILD_TESTING=OFF >probe.log 2>&1 ||
		{ cat probe.log; fail "the release toolchain does not configure"; }
	. probe/release-facts.sh
	[ "$KUCALC_LIBC" = musl ] ||
		skip "the release toolchain has no musl here (apt-get install musl-dev, and gcc)"
	rm -rf probe
}
