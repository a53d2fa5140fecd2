#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Checks the release artifacts as a distribution would: lintian and rpmlint
# on the packages, the source tarball against git ls-files and built from
# where it is unpacked, and every artifact byte-identical from two clones
# at different paths, times and umasks. Fails on any finding.
# Needs lintian, rpm, rpmlint, xz and diffoscope. Usage: packaging/check.sh
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check: $*" >&2; exit 1; }

echo "== two builds from two clones, umask 022 and 002"
git clone -q . "$work/a"
(umask 002 && git clone -q . "$work/second/clone/b")
(cd "$work/a" && umask 022 && packaging/package.sh >/dev/null)
sleep 2
(cd "$work/second/clone/b" && umask 002 && packaging/package.sh >/dev/null)
differ=0
for f in $(cd "$work/a/build/release" && ls kucalc kucalc*.deb kucalc*.rpm kucalc*.tar.xz); do
	a=$work/a/build/release/$f b=$work/second/clone/b/build/release/$f
	sha256sum "$a" "$b" | sed "s|$work/||"
	cmp -s "$a" "$b" || { differ=1; diffoscope "$a" "$b" || true; }
done
[ "$differ" = 0 ] || fail "the two builds differ"
out=$work/a/build/release

echo "== lintian"
hints=$(lintian -EvIL +pedantic "$out"/kucalc_*.deb 2>&1 |
	grep -v '^running with root privileges' || true)
[ -z "$hints" ] || { echo "$hints"; fail "lintian has findings"; }

echo "== rpmlint (signature, Packager and URL are the publisher's)"
rpmlint -c packaging/rpmlint.toml "$out"/kucalc-*.rpm >"$work/rpmlint.log" 2>&1 || true
findings=$(grep -E '^kucalc[^ ]*: [EW]: ' "$work/rpmlint.log" |
	grep -vE ': (E: no-signature|E: no-packager-tag|W: no-url-tag)$' || true)
cat "$work/rpmlint.log"
[ -z "$findings" ] || fail "rpmlint has findings"

echo "== the source tarball"
tarball=$(ls "$out"/kucalc-*.tar.xz)
name=$(basename "$tarball" .tar.xz)
diff <(git -C "$work/a" ls-files | sort) \
	<(tar -tJf "$tarball" | sed -n "s|^$name/||p" | grep -v -e '/$' -e '^$' | sort) ||
	fail "the tarball's files are not git ls-files"
tar -xJf "$tarball" -C "$work"
(cd "$work/$name" && cmake --workflow --preset debug >"$work/unpacked.log" 2>&1) ||
	{ tail -n 30 "$work/unpacked.log"; fail "the unpacked tarball does not pass its tests"; }
grep -E 'tests passed' "$work/unpacked.log"
echo "packaging: clean and reproducible"
