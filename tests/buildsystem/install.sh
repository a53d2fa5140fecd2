# SPDX-License-Identifier: ISC
# An install of the release layer holds what a plain one holds (whose list
# packaging/kucalc.spec's %files gives, and rpmbuild checks), and nothing
# of the files that only the .deb carries.
. "$(dirname "$0")/lib.sh"
for build in plain release; do
	args=()
	[ "$build" = plain ] || args=("$musl_toolchain")
	configure "$build" -DBUILD_TESTING=OFF "${args[@]}" >"$build.log" 2>&1 ||
		{ cat "$build.log"; fail "$build: configure failed"; }
	"$CMAKE" --build "$build" >>"$build.log" 2>&1 || { cat "$build.log"; fail "$build: build failed"; }
	"$CMAKE" --install "$build" --prefix "$PWD/$build-stage/usr" --strip >/dev/null
done
diff <(cd plain-stage && find . | sort) <(cd release-stage && find . | sort) ||
	fail "the release layer's install holds other files than a plain one"
echo "the release layer's install holds the plain one's $(find plain-stage -type f | wc -l) files"
