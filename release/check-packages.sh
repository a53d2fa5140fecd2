#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Checks the artifacts that release/package.sh made in BUILD, the folder
# it prints, and fails on any finding: the .deb is of
# its architecture, and its kucalc a hardened release binary that computes;
# lintian and rpmlint; for this machine, the packaged man page renders and
# the tarball holds the files git tracks. reprotest builds them twice more
# from a clone, for this machine and where the build fetched its musl, one
# more input that could vary.
# Usage: release/check-packages.sh BUILD
set -euo pipefail
cd "$(dirname "$0")/.."
. release/check-tools.sh
out=$1
. "$out/release-facts.sh"
arch=$(release/targets.sh -w "gnu=$KUCALC_TARGET" deb)
# The TRIPLE that release/package.sh took: none for this machine's build.
triple=$([ "$arch" = "$(dpkg --print-architecture)" ] || echo "$KUCALC_TARGET")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-packages: $*" >&2; exit 1; }

deb=$(ls "$out"/kucalc_*_"$arch".deb)
[ "$(dpkg-deb --field "$deb" Architecture)" = "$arch" ] || fail "$deb is not of $arch"
dpkg-deb -x "$deb" "$work/deb"
release/check-binary.sh "$work/deb/usr/bin/kucalc" "$arch"
lint_deb "$deb"
lint_rpm "$out"/kucalc-*.rpm
artifacts="$out/kucalc $out/*.deb $out/*.rpm"
if [ -z "$triple" ]; then
	zcat "$work/deb/usr/share/man/man1/kucalc.1.gz" >"$work/kucalc.1"
	tests/doc_test.py --render "$work/kucalc.1" | grep -q '^EXIT STATUS' || fail "the packaged man page does not render"
	tarball=$(ls "$out"/kucalc-*.tar.xz)
	name=$(basename "$tarball" .tar.xz)
	diff <(git ls-files | sort) <(tar -tJf "$tarball" | sed -n "s|^$name/||p" | grep -v -e '/$' -e '^$' | sort) ||
		fail "the tarball's files are not git ls-files"
	artifacts+=" $out/*.tar.xz"
fi
if [ -z "$triple" ] || [ -f "$out/musl/source" ]; then
	git clone -q . "$work/src"
	reproduce "$work/src" "release/package.sh $triple" "$artifacts"
fi
