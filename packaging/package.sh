#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Builds the release artifacts of a configure preset (default: release) in
# its build folder: the binary, the .deb, the .rpm and, in a git checkout,
# kucalc-VERSION.tar.xz of the files git tracks. The same commit gives the
# same bytes, whatever the folder, the time or the builder's umask.
# Usage: packaging/package.sh [PRESET]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-release}
out=build/$preset

umask 022
export LC_ALL=C TZ=UTC
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
	SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) ||
		{ echo "package: set SOURCE_DATE_EPOCH outside a git checkout" >&2; exit 1; }
	export SOURCE_DATE_EPOCH
fi

cmake --workflow --preset "$preset" >/dev/null
(cd "$out" && cpack -G DEB && cpack -G RPM) >"$out/cpack.log" 2>&1 ||
	{ cat "$out/cpack.log" >&2; exit 1; }

if git rev-parse --git-dir >/dev/null 2>&1; then
	version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/CMakeCache.txt")
	git archive --format=tar --prefix="kucalc-$version/" HEAD |
		xz -9 -T1 >"$out/kucalc-$version.tar.xz"
fi
ls "$out"/kucalc*.deb "$out"/kucalc*.rpm "$out"/kucalc*.tar.xz 2>/dev/null
