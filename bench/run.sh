#!/usr/bin/env bash
# SPDX-License-Identifier: ISC
# Start-up benchmark: median times of whole runs of kucalc, expr, awk and
# the floor (a static x86-64 program that only exits), their ratio to the
# floor, then system calls and instructions per run. Asserts no speed.
# --also NAME=BINARY times another kucalc in the same rounds.
# Usage: bench/run.sh [--quick] [--also NAME=BINARY]...
set -euo pipefail
cd "$(dirname "$0")/.."

runs=3000 warmup=100
also=()
while [ $# -gt 0 ]; do
	case $1 in
	--quick) runs=50 warmup=5 ;;
	--also) also+=("$2") && shift ;;
	*) echo "usage: bench/run.sh [--quick] [--also NAME=BINARY]..." >&2 && exit 2 ;;
	esac
	shift
done
out=build/bench
mkdir -p "$out"

for tool in hyperfine strace valgrind python3; do
	command -v "$tool" >/dev/null || { echo "bench: needs $tool" >&2; exit 1; }
done

echo "== building"
cmake --workflow --preset release >/dev/null
cmake -S . -B "$out/glibc" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$out/glibc" >/dev/null
cc -O2 -static -nostdlib -o "$out/floor" bench/floor.c

musl=build/release/kucalc
# The table must not call a fallback binary (no musl here) static.
release/check-binary.sh "$musl" >/dev/null
glibc=$out/glibc/kucalc
floor=$out/floor

# Each case: a name, then the command line; hyperfine runs it without a shell.
cases=("floor|$floor" "awk, short|awk BEGIN{print(7+5)}" "awk, long|awk BEGIN{print(-2147483648+0)}")
for c in "kucalc static musl=$musl" "kucalc dynamic glibc=$glibc" "expr=expr" "${also[@]}"; do
	cases+=("${c%%=*}, short|${c#*=} 7 + 5" "${c%%=*}, long|${c#*=} -2147483648 + 0")
done

# On a shared machine the first and the last of hyperfine's commands fare
# differently: rounds, each in a fresh random order, medians over all.
rounds=10
echo "== timing ($runs runs each in $rounds rounds, after warm-up runs; $(nproc) cores, $(uname -r))"
for round in $(seq $rounds); do
	args=()
	while IFS= read -r c; do
		args+=(-n "${c%%|*}" "${c#*|}")
	done < <(printf '%s\n' "${cases[@]}" | shuf)
	hyperfine -N --style basic --warmup "$warmup" --runs $((runs / rounds)) --output null \
		--export-json "$out/times-$round.json" "${args[@]}" >"$out/hyperfine.log" 2>&1 ||
		{ cat "$out/hyperfine.log" >&2; exit 1; }
done

python3 - "$out"/times-*.json <<'PY'
import collections, json, statistics, sys
times = collections.defaultdict(list)
for path in sys.argv[1:]:
    for r in json.load(open(path))["results"]:
        times[r["command"]] += r["times"]
median = dict(sorted(((n, statistics.median(t)) for n, t in times.items()), key=lambda nm: nm[1]))
floor = median["floor"]
print("| run | median | ratio to floor |")
print("|---|---:|---:|")
for name, m in median.items():
    print(f"| {name} | {m * 1e6:.0f} µs | {m / floor:.2f} |")
for length in ("short", "long"):
    k = median[f"kucalc static musl, {length}"]
    print(f"expr / kucalc, {length}: {median[f'expr, {length}'] / k:.1f}x")
PY

echo
echo "== per run: system calls (strace) and user-space instructions (callgrind)"
echo "| run | system calls | instructions |"
echo "|---|---:|---:|"
for c in "kucalc static musl|$musl -2147483648 + 0" \
	"kucalc dynamic glibc|$glibc -2147483648 + 0" \
	"expr|expr -2147483648 + 0"; do
	read -ra cmd <<<"${c#*|}"
	calls=$(strace -f -qq -o "$out/strace.log" "${cmd[@]}" >/dev/null && wc -l <"$out/strace.log")
	instr=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null "${cmd[@]}" 2>&1 >/dev/null |
		sed -n 's/.*Collected : //p')
	echo "| ${c%%|*} | $calls | $instr |"
done
echo "binary size: $(stat -c %s "$musl") bytes ($musl)"
