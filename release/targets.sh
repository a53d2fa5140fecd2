#!/bin/sh
# SPDX-License-Identifier: ISC
# The one reader of release/targets.txt, for the shell and for CMake: prints
# the named columns of each row, in the order named, separated by a space;
# with -w COLUMN=VALUE, of the rows where COLUMN is VALUE. A # starts a
# comment, blank lines are skipped, the first row left names the columns,
# and a row with another number of fields fails, naming its line.
# Usage: release/targets.sh [-w COLUMN=VALUE] COLUMN...
set -eu
where=
if [ "${1:-}" = -w ]; then
	where=$2
	shift 2
fi
[ $# -gt 0 ] || { echo "usage: release/targets.sh [-w COLUMN=VALUE] COLUMN..." >&2; exit 2; }
exec awk -v want="$*" -v where="$where" '
function fail(message) { print message > "/dev/stderr"; failed = 1; exit 2 }
function column(name) {
	if (!(name in index_of)) fail("release/targets.sh: release/targets.txt has no column " name)
	return index_of[name]
}
{ sub(/#.*/, "") }
NF == 0 { next }
!columns {
	for (i = 1; i <= NF; i++) index_of[$i] = i
	wanted = split(want, names, " ")
	for (i = 1; i <= wanted; i++) fields[i] = column(names[i])
	if (where != "") {
		on = column(substr(where, 1, index(where, "=") - 1))
		value = substr(where, index(where, "=") + 1)
	}
	columns = NF
	next
}
NF != columns { fail("release/targets.txt:" NR ": " NF " fields, where the first row names " columns) }
where != "" && $on != value { next }
{
	line = $fields[1]
	for (i = 2; i <= wanted; i++) line = line " " $fields[i]
	print line
}
END { if (failed) exit 2 }
' "$(dirname "$0")/targets.txt"
