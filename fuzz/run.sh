#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Builds the fuzz targets and runs each for the given seconds (default 30),
# starting from the committed seeds; new inputs go to build/fuzz/corpus.
# A finding stops the run, leaves a crash-* file in build/fuzz and fails
# the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

cmake --workflow --preset fuzz >/dev/null
for name in calc parse; do
	work=build/fuzz/corpus/$name
	log=build/fuzz/$name.log
	mkdir -p "$work"
	echo "== $name, $seconds s"
	build/fuzz/fuzz/kucalc_${name}_fuzz -max_total_time="$seconds" -print_final_stats=1 \
		-artifact_prefix=build/fuzz/ "$work" "fuzz/corpus/$name" >"$log" 2>&1 ||
		{ tail -n 40 "$log" >&2; exit 1; }
	grep -E '^(Done|stat::number_of_executed_units)' "$log"
done
