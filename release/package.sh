#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Builds the release binary for TRIPLE (a GNU triple of release/targets.txt;
# this machine's where none is given) with its .deb and .rpm, and for this
# machine kucalc-VERSION.tar.xz (git archive), in its build folder, which
# it prints. A tree whose tracked files differ from the commit is refused:
# the tarball would not hold the sources of the binary.
# Usage: release/package.sh [TRIPLE]
set -euo pipefail
cd "$(dirname "$0")/.."

changed=$(git status --porcelain --untracked-files=no) ||
	{ echo "package: not a git checkout: a release is made from a commit" >&2; exit 1; }
[ -z "$changed" ] ||
	{ printf 'package: the tree differs from the commit; commit or stash first:\n%s\n' "$changed" >&2; exit 1; }
if [ $# -gt 0 ]; then
	export KUCALC_TARGET=$1
	preset=cross-release out=build/cross-$1/release
else
	preset=release out=build/release
fi
# cpack's ar gives the .deb's members the modes of the umask.
umask 022
cmake --workflow --preset "$preset" >/dev/null
# rpmbuild cannot work under a path with a space, as a clone's may have.
rpm=$(mktemp -d) && trap 'rm -rf "$rpm"' EXIT
(cd "$out" && cpack -G DEB && cpack -G RPM -B "$rpm" && mv "$rpm"/*.rpm .) >"$out/cpack.log" 2>&1 ||
	{ cat "$out/cpack.log" >&2; exit 1; }
if [ $# -eq 0 ]; then
	. "$out/release-facts.sh"
	git archive --format=tar --prefix="kucalc-$KUCALC_VERSION/" HEAD |
		xz -9 -T1 >"$out/kucalc-$KUCALC_VERSION.tar.xz"
fi
echo "$out"
