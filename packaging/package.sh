#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Builds the release binary, the .deb, the .rpm and kucalc-VERSION.tar.xz
# (git archive) of the commit checked out, in build/release. A tree whose
# tracked files differ from the commit is refused: the tarball would not
# hold the sources of the binary.
# Usage: packaging/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/release

changed=$(git status --porcelain --untracked-files=no) ||
	{ echo "package: not a git checkout: a release is made from a commit" >&2; exit 1; }
[ -z "$changed" ] ||
	{ printf 'package: the tree differs from the commit; commit or stash first:\n%s\n' "$changed" >&2; exit 1; }
# cpack's ar gives the .deb's members the modes of the umask.
umask 022
cmake --workflow --preset release >/dev/null
# rpmbuild cannot work under a path with a space, as a clone's may have.
rpm=$(mktemp -d) && trap 'rm -rf "$rpm"' EXIT
(cd "$out" && cpack -G DEB && cpack -G RPM -B "$rpm" && mv "$rpm"/*.rpm .) >"$out/cpack.log" 2>&1 ||
	{ cat "$out/cpack.log" >&2; exit 1; }
. "$out/kucalc-build.sh"
git archive --format=tar --prefix="kucalc-$KUCALC_VERSION/" HEAD |
	xz -9 -T1 >"$out/kucalc-$KUCALC_VERSION.tar.xz"
ls "$out"/kucalc*.deb "$out"/kucalc*.rpm "$out"/kucalc*.tar.xz
