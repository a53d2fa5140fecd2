# SPDX-License-Identifier: ISC
# An install holds the program, its page and the licence, and nothing of
# one distribution's: in the plain build and in the release layer's.
. "$(dirname "$0")/lib.sh"
for build in plain release; do
	args=()
	[ "$build" = plain ] || args=("$musl_toolchain")
	configure "$build" -DBUILD_TESTING=OFF "${args[@]}" >"$build.log" 2>&1 ||
		{ cat "$build.log"; fail "$build: configure failed"; }
	"$CMAKE" --build "$build" >>"$build.log" 2>&1 || { cat "$build.log"; fail "$build: build failed"; }
	"$CMAKE" --install "$build" --prefix "$PWD/$build-stage/usr" --strip >/dev/null
	page=./usr/share/man/man1/kucalc.1.gz
	command -v gzip >/dev/null || page=./usr/share/man/man1/kucalc.1
	diff <(cd "$build-stage" && find . -type f | sort) - <<-FILES || fail "$build: the install holds other files"
		./usr/bin/kucalc
		./usr/share/doc/kucalc/LICENSE
		$page
	FILES
	echo "$build: an install holds exactly the program, its page and the licence"
done
