#!/bin/sh
# SPDX-License-Identifier: ISC
# The one reader of cmake/targets.txt, for the shell and for CMake: prints
# the named columns of each row, in the order named, separated by a space.
# A # starts a comment, blank lines are skipped, the first row left names
# the columns, and a row with another number of fields fails, naming its
# line. -w COLUMN=VALUE keeps only the rows where COLUMN is VALUE, and may
# be given more than once.
# Usage: cmake/targets.sh [-w COLUMN=VALUE]... COLUMN...
set -eu
where=''
while [ $# -gt 0 ] && [ "$1" = -w ]; do
	where="$where $2"
	shift 2
done
[ $# -gt 0 ] || { echo "usage: cmake/targets.sh [-w COLUMN=VALUE]... COLUMN..." >&2; exit 2; }
exec awk -v want="$*" -v where="$where" '
function column(name) {
	if (!(name in index_of)) {
		print "cmake/targets.sh: cmake/targets.txt has no column " name > "/dev/stderr"
		failed = 1
		exit 2
	}
	return index_of[name]
}
{ sub(/#.*/, "") }
NF == 0 { next }
!named {
	for (i = 1; i <= NF; i++) index_of[$i] = i
	wanted = split(want, names, " ")
	for (i = 1; i <= wanted; i++) fields[i] = column(names[i])
	conditions = split(where, pairs, " ")
	for (i = 1; i <= conditions; i++) {
		split(pairs[i], pair, "=")
		on[i] = column(pair[1])
		value[i] = substr(pairs[i], length(pair[1]) + 2)
	}
	named = 1
	columns = NF
	next
}
NF != columns {
	print "cmake/targets.txt:" NR ": " NF " fields, where the first row names " columns > "/dev/stderr"
	failed = 1
	exit 2
}
{
	for (i = 1; i <= conditions; i++)
		if ($on[i] != value[i]) next
	line = $fields[1]
	for (i = 2; i <= wanted; i++) line = line " " $fields[i]
	print line
}
END { if (failed) exit 2 }
' "$(dirname "$0")/targets.txt"
