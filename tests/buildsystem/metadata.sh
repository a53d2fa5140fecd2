# SPDX-License-Identifier: ISC
# The changelogs and packaging/kucalc.spec, which cannot read them, give
# the project() VERSION and packaging/debian/control's summary and
# description, each read by its own format's tool; a mismatch names the file.
. "$(dirname "$0")/lib.sh"
for tool in dpkg-parsechangelog rpmspec; do
	command -v "$tool" >/dev/null || skip "no $tool to read the packaging files with"
done
failed=0
differs() { echo "FAIL: $1 says '$2', not '$3'" >&2; failed=1; }
check() { [ "$2" = "$3" ] || differs "$@"; }

debian=$(dpkg-parsechangelog -l "$src/packaging/debian/changelog" -S Version)
debian=${debian#*:}
check packaging/debian/changelog "${debian%-*}" "$KUCALC_VERSION"
check packaging/changelog "$(dpkg-parsechangelog -l "$src/packaging/changelog" -S Version)" "$KUCALC_VERSION"
spec() { rpmspec -q --srpm --qf "%{$1}" "$src/packaging/kucalc.spec" 2>/dev/null; }
check packaging/kucalc.spec "$(spec VERSION)" "$KUCALC_VERSION"

# The binary package's Description, by the rules of the format: a field
# runs on over the lines that start with a blank; " ." is an empty line.
description=$(awk '
	/^$/ { in_field = 0; next }
	/^[^ \t]/ { in_field = ($0 ~ /^Description:/) }
	in_field' "$src/packaging/debian/control" | sed -e '1s/^Description: *//' -e '2,$s/^ //' -e 's/^\.$//')
summary=$(head -n 1 <<<"$description")
long=$(tail -n +2 <<<"$description")
# RPM's summary starts with a capital letter.
check "packaging/kucalc.spec Summary" "$(spec SUMMARY)" "${summary^}"
check "packaging/kucalc.spec %description" "$(spec DESCRIPTION)" "$long"
[ "$failed" = 0 ] || exit 1
echo "version $KUCALC_VERSION, summary and description agree in every packaging file"
