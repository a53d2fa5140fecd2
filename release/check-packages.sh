#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Checks the artifacts that release/package.sh made in build/release, and
# fails on any finding: reprotest builds them twice more from a clone; the
# .deb's kucalc computes and its man page renders; lintian and rpmlint;
# the tarball holds exactly the files git tracks. (The distributions step
# builds and tests the tarball.)
# Usage: release/check-packages.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. release/check-tools.sh
out=build/release
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-packages: $*" >&2; exit 1; }

echo "== reprotest"
git clone -q . "$work/src"
reproduce "$work/src" release/package.sh "$out/kucalc $out/*.deb $out/*.rpm $out/*.tar.xz"

echo "== the .deb's kucalc and man page; lintian and rpmlint"
dpkg-deb -x "$out"/kucalc_*.deb "$work/deb"
release/run-binary.sh "$work/deb/usr/bin/kucalc"
zcat "$work/deb/usr/share/man/man1/kucalc.1.gz" >"$work/kucalc.1"
tests/doc_test.py --render "$work/kucalc.1" | grep -q '^EXIT STATUS' || fail "the packaged man page does not render"
lint_deb "$out"/kucalc_*.deb
lint_rpm "$out"/kucalc-*.rpm

echo "== the source tarball"
tarball=$(ls "$out"/kucalc-*.tar.xz)
name=$(basename "$tarball" .tar.xz)
diff <(git ls-files | sort) <(tar -tJf "$tarball" | sed -n "s|^$name/||p" | grep -v -e '/$' -e '^$' | sort) ||
	fail "the tarball's files are not git ls-files"
echo "packages: reproducible and clean"
