# SPDX-License-Identifier: ISC
# The .deb that cpack makes of the release layer holds a kucalc that
# computes, and a man page that renders.
. "$(dirname "$0")/lib.sh"
for tool in dpkg-deb dpkg-shlibdeps file; do
	command -v "$tool" >/dev/null || skip "no $tool, which cpack needs to make a .deb"
done
render() { python3 "$src/tests/doc_test.py" --render "$1"; }
render "$src/doc/kucalc.1" >/dev/null || skip "no python3, or no renderer of the man page"
configure release "$musl_toolchain" -DBUILD_TESTING=OFF \
	>release.log 2>&1 ||
	{ cat release.log; fail "configure failed"; }
"$CMAKE" --build release >>release.log 2>&1 || { cat release.log; fail "build failed"; }
(cd release && "$CPACK" -G DEB) >>release.log 2>&1 || { cat release.log; fail "cpack failed"; }
dpkg-deb -x release/kucalc_*.deb stage
"$src/packaging/run-binary.sh" stage/usr/bin/kucalc >/dev/null
zcat stage/usr/share/man/man1/kucalc.1.gz >kucalc.1
render kucalc.1 >page.txt
grep -q '^EXIT STATUS' page.txt || { cat page.txt; fail "the packaged man page does not render"; }
echo "the .deb's kucalc computes 7 + 5, and its man page renders"
