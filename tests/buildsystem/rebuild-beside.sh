# SPDX-License-Identifier: ISC
# The release binary built beside another build is built again when what
# goes into it changes: a header, or the project's compile options.
. "$(dirname "$0")/lib.sh"
need_musl
# A copy of the sources, to change: the files git tracks, as they are in
# the work tree, and none of the build folders in it, whatever their names.
git -C "$src" rev-parse --git-dir >/dev/null 2>&1 || skip "not a git checkout: no list of the sources to copy"
mkdir copy
git -C "$src" ls-files -z | (cd "$src" && tar --null -T - -cf -) | tar -xf - -C copy
src=$PWD/copy
configure build -DKUCALC_RELEASE_BESIDE=ON -DBUILD_TESTING=OFF >build.log 2>&1 ||
	{ cat build.log; fail "configure failed"; }
"$CMAKE" --build build >>build.log 2>&1 || { cat build.log; fail "build failed"; }
bin=build/release/kucalc
[ -x "$bin" ] || fail "no release binary built beside"

# rebuilt WHAT: builds again and fails unless the release binary was
# linked again.
rebuilt() {
	"$CMAKE" --build build >>build.log 2>&1 || { cat build.log; fail "build after $1 failed"; }
	[ "$bin" -nt stamp ] || fail "the release binary was not built again after $1"
	echo "built again after $1"
}
touch -r "$bin" stamp
sleep 1
echo 'int ku_changed_declaration();' >>copy/calc/calc.hpp
rebuilt "a change of calc/calc.hpp"
touch -r "$bin" stamp
sleep 1
echo 'target_compile_definitions(kucalc_core PRIVATE KUCALC_CHANGED_OPTION=1)' >>copy/CMakeLists.txt
rebuilt "a change of the compile options in CMakeLists.txt"
