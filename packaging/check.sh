#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Checks the artifacts that packaging/package.sh made in build/release, and
# fails on any finding: reprotest builds them twice more from a clone,
# varying all it varies by default but the user (which needs a sudo that
# takes -h; Debian 12's does not); the .deb's kucalc computes and its man
# page renders; lintian and rpmlint; the tarball holds the files git tracks
# and passes its tests where it is unpacked.
# Usage: packaging/check.sh
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/release
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check: $*" >&2; exit 1; }

echo "== reprotest"
git clone -q . "$work/src"
reprotest --vary=-user_group -c packaging/package.sh "$work/src" \
	'build/release/kucalc build/release/*.deb build/release/*.rpm build/release/*.tar.xz'

echo "== the .deb's kucalc and man page; lintian and rpmlint"
dpkg-deb -x "$out"/kucalc_*.deb "$work/deb"
packaging/run-binary.sh "$work/deb/usr/bin/kucalc" >/dev/null
zcat "$work/deb/usr/share/man/man1/kucalc.1.gz" >"$work/kucalc.1"
tests/doc_test.py --render "$work/kucalc.1" | grep -q '^EXIT STATUS' || fail "the packaged man page does not render"
lintian -EvIL +pedantic --fail-on error,warning,info,pedantic "$out"/kucalc_*.deb
rpmlint --strict -c packaging/rpmlint.toml "$out"/kucalc-*.rpm

echo "== the source tarball"
tarball=$(ls "$out"/kucalc-*.tar.xz)
name=$(basename "$tarball" .tar.xz)
diff <(git ls-files | sort) <(tar -tJf "$tarball" | sed -n "s|^$name/||p" | grep -v -e '/$' -e '^$' | sort) ||
	fail "the tarball's files are not git ls-files"
tar -xJf "$tarball" -C "$work"
(cd "$work/$name" && cmake --workflow --preset debug >"$work/unpacked.log" 2>&1) ||
	{ tail -n 30 "$work/unpacked.log"; fail "the unpacked tarball does not pass its tests"; }
grep -E 'tests passed' "$work/unpacked.log"
echo "packaging: reproducible and clean"
