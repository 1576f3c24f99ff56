#!/usr/bin/env bash
# Builds the benchmarks in a Release tree (build-bench) and runs them: the
# start-up benchmark (bench/startup.sh) and the window benchmark
# (tst_windowbench, medians of 21 runs), with the machine they ran on.
#
#   bench/run.sh [RUNS]     (start-up runs per program, default 20)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-20}
build=build-bench

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DELEKTRONIK_BENCH=ON -DELEKTRONIK_TESTS=OFF \
    -DELEKTRONIK_SANITIZE=OFF -DELEKTRONIK_FUZZ=OFF > /dev/null
cmake --build "$build" --target elektronik einheiten bench_minimal tst_windowbench -j"$(nproc)" > /dev/null

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | xargs)," \
     "load $(cut -d' ' -f1-3 /proc/loadavg)"
echo
bench/startup.sh "$build/bin" "$runs"
echo

# Opening: build, show and first paint. Computing: one press of the button
# with valid entries typed in. Each figure is the median of 21 runs.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
QT_QPA_PLATFORM=offscreen "$build/bench/tst_windowbench" -median 21 -maxwarnings 0 -o "$log",txt -o -,csv \
    2>/dev/null |
    python3 -c '
import csv, sys
for kind, case, _, ms, *_ in csv.reader(sys.stdin):
    verdict = ("  (target 15 ms " + ("met)" if float(ms) < 15 else "MISSED)")) if kind == "open" else ""
    print(f"{kind:<8} {case:<36} {float(ms):8.3f} ms{verdict}")'
if grep -q '^FAIL' "$log"; then
    grep -A3 '^FAIL' "$log" >&2
    exit 1
fi
