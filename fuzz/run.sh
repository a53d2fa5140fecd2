#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Builds the fuzz targets and runs them for the given seconds (default 30),
# starting from the committed seeds; new inputs go to build/fuzz/corpus.
# A finding stops the run, leaves a crash-* file in build/fuzz and fails
# the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

cmake --workflow --preset fuzz >/dev/null
run() {
	mkdir -p "build/fuzz/corpus/$1"
	"build/fuzz/fuzz/kucalc_$1_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
		-artifact_prefix=build/fuzz/ "build/fuzz/corpus/$1" "fuzz/corpus/$1" >"build/fuzz/$1.log" 2>&1
}
# Both at once, a core each where there are two.
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
run calc & calc=$!
run parse & parse=$!
for name in calc parse; do
	echo "== $name, $seconds s"
	wait "${!name}" || { tail -n 40 "build/fuzz/$name.log" >&2; exit 1; }
	grep -E '^(Done|stat::number_of_executed_units)' "build/fuzz/$name.log"
done
