#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Builds the source tarball as distributions do, and fails on any finding:
# Debian's dpkg-buildpackage (its dh_auto_test runs the tests), lintian and
# blhc; for each ARCH, a cross build (nocheck) whose kucalc must be of ARCH
# and compute 7 + 5 under qemu-user; on x86-64, rpmbuild -ba with Fedora's
# flags and macros (packaging/fedora.macros) and rpmlint. Needs debhelper,
# lintian, blhc, rpm, rpmlint, elfutils, debugedit, cpio, file and xz; for
# ARCH its g++, libc6:ARCH and qemu-user-static.
# Usage: packaging/check-distributions.sh TARBALL [ARCH...]
set -euo pipefail
cd "$(dirname "$0")/.."
tarball=$(realpath "$1")
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-distributions: $*" >&2; exit 1; }
. release/check-tools.sh

# kucalc-VERSION.tar.xz: the version the changelogs and kucalc.spec give.
name=$(basename "$tarball" .tar.xz)
version=${name#kucalc-}

echo "== Debian: dpkg-buildpackage -us -uc -b"
cp "$tarball" "$work/kucalc_$version.orig.tar.xz"
tar -xJf "$tarball" -C "$work"
src=$work/$name
cp -r "$src/packaging/debian" "$src/debian"
(cd "$src" && dpkg-buildpackage -us -uc -b) >"$work/deb.log" 2>&1 ||
	{ tail -n 40 "$work/deb.log"; fail "dpkg-buildpackage failed"; }
grep -E 'tests passed|\(Skipped\)' "$work/deb.log"
host=$(dpkg --print-architecture)
lint_deb "$work"/kucalc_*_"$host".changes || fail "lintian has findings"
blhc --bindnow "$work/deb.log" || fail "blhc: the build dropped flags dpkg-buildflags gave"
echo "lintian and blhc: no finding"

for arch in "$@"; do
	echo "== Debian: DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -a $arch -b -d"
	(cd "$src" && DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -a "$arch" -b -d -us -uc) \
		>"$work/deb-$arch.log" 2>&1 ||
		{ tail -n 40 "$work/deb-$arch.log"; fail "the $arch build failed"; }
	stage=$work/stage-$arch
	dpkg-deb -x "$work"/kucalc_*_"$arch".deb "$stage"
	file "$stage/usr/bin/kucalc" | sed "s|$stage||"
	release/run-binary.sh "$stage/usr/bin/kucalc" "$arch"
	lint_deb "$work"/kucalc_*_"$arch".changes || fail "lintian has findings on the $arch build"
	echo "$arch: computes 7 + 5 under qemu-user; lintian: no finding"
done

if [ "$host" != amd64 ]; then
	echo "== RPM: skipped, packaging/fedora.macros holds Fedora's x86-64 flags"
	exit 0
fi
echo "== RPM: rpmbuild -ba with Fedora's flags"
top=$work/rpm
mkdir -p "$top/SOURCES" "$top/SPECS"
cp "$tarball" "$top/SOURCES/"
tar -xJOf "$tarball" "$name/packaging/kucalc.spec" >"$top/SPECS/kucalc.spec"
# Debian's dpkg, not rpm, knows what is installed: --nodeps.
rpmbuild -ba --nodeps --load packaging/fedora.macros --define "_topdir $top" \
	"$top/SPECS/kucalc.spec" >"$work/rpm.log" 2>&1 ||
	{ tail -n 40 "$work/rpm.log"; fail "rpmbuild failed"; }
grep -E 'tests passed|\(Skipped\)' "$work/rpm.log"
rpm=$(ls "$top"/RPMS/x86_64/"$name"-*.x86_64.rpm)
(mkdir "$work/rpmroot" && cd "$work/rpmroot" && rpm2cpio "$rpm" | cpio -id --quiet)
release/run-binary.sh "$work/rpmroot/usr/bin/kucalc"
# The -debuginfo package is rpm's own making, not kucalc.spec's.
lint_rpm "$rpm" "$top"/SRPMS/*.src.rpm "$top/SPECS/kucalc.spec" ||
	fail "rpmlint has findings"
echo "distributions: built, tested and clean"
