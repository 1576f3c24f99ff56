#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in a Release tree (build-bench) and runs them: the
# start-up benchmark (bench/startup.sh) and the window benchmark
# (tst_windowbench, medians of 21 runs), the keystroke benchmark of
# "Bauteilwerte" (tst_partvaluesbench) and the change benchmark of
# "Spannungsteiler" (tst_dividerbench), with the machine they ran on.
#
#   bench/run.sh [RUNS]     (start-up runs per program, default 20)
#
# Qt's offscreen platform by default, which times the programs' own work;
# BENCH_PLATFORM=xcb measures on an X server instead (DISPLAY, or Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-20}
build=build-bench

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DELEKTRONIK_BENCH=ON -DELEKTRONIK_TESTS=OFF \
    -DELEKTRONIK_SANITIZE=OFF -DELEKTRONIK_FUZZ=OFF > /dev/null
cmake --build "$build" --target elektronik einheiten bench_minimal tst_windowbench tst_partvaluesbench tst_dividerbench -j"$(nproc)" > /dev/null

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | xargs)," \
     "load $(cut -d' ' -f1-3 /proc/loadavg)"
echo
bench/startup.sh "$build/bin" "$runs"
echo

# Opening: build, show and first paint. Computing: one press of the button
# with valid entries typed in. Each figure is the median of 21 runs in wall
# time, the target's measure; openings also in CPU time of the process
# (Linux perf task-clock), which stays steady while other work shares the
# machine.
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
platform=${BENCH_PLATFORM:-offscreen}
on_display=()
if [ "$platform" = xcb ] && [ -z "${DISPLAY:-}" ]; then
    on_display=(xvfb-run -a -s "-screen 0 1280x1024x24")
fi
windowbench() {
    QT_QPA_PLATFORM=$platform "${on_display[@]}" "$build/bench/tst_windowbench" -median 21 -maxwarnings 0 \
        -o "$out/$1.txt",txt -o "$out/$1.csv",csv "${@:2}" > /dev/null 2>&1
}
if ! windowbench wall; then
    grep -v '^QWARN' "$out/wall.txt" >&2
    exit 1
fi
# Without access to perf events (perf_event_paranoid) there is no CPU column.
windowbench cpu -perf -perfcounter task-clock open || rm -f "$out/cpu.csv"
python3 - "$out" <<'PY'
import csv, os, sys
out = sys.argv[1]
def read(name):
    path = os.path.join(out, name + ".csv")
    if not os.path.exists(path):
        return {}
    with open(path) as f:
        # task-clock counts nanoseconds; walltime is in milliseconds
        return {(row[0], row[1]): float(row[3]) / (1e6 if "Nanoseconds" in row[2] else 1.0)
                for row in csv.reader(f)}
wall, cpu = read("wall"), read("cpu")
print(f"{'':<8} {'window or computation':<36} {'wall ms':>8} {'cpu ms':>8}   (medians of 21 runs)")
for (kind, case), ms in wall.items():
    spent = f"{cpu[(kind, case)]:8.3f}" if (kind, case) in cpu else f"{'-':>8}"
    verdict = ""
    if kind == "open" and not case.startswith("empty"):
        verdict = "  target 15 ms " + ("met" if ms < 15 else "MISSED")
    print(f"{kind:<8} {case:<36} {ms:8.3f} {spent}{verdict}")
PY

# One keystroke in "Bauteilwerte": every result, with the E192 pair search.
echo
echo "Bauteilwerte, all results of one keystroke (medians of 21 runs):"
"$build/bench/tst_partvaluesbench" -median 21 -o "$out/keys.csv",csv > /dev/null
python3 - "$out/keys.csv" <<'PY'
import csv, sys
with open(sys.argv[1]) as f:
    for row in csv.reader(f):
        if row[0] == "keystroke":
            print(f"  {row[1]:<40} {float(row[3]):8.3f} ms")
PY

# One change in "Spannungsteiler": the search, the table's cells and the
# worst case; the three-resistor table build once, apart.
echo
echo "Spannungsteiler, all results of one change (medians of 21 runs):"
"$build/bench/tst_dividerbench" change -median 21 -o "$out/change.csv",csv > /dev/null
"$build/bench/tst_dividerbench" tableBuild > "$out/build.txt"
python3 - "$out/change.csv" "$out/build.txt" <<'PY'
import csv, re, sys
with open(sys.argv[1]) as f:
    for row in csv.reader(f):
        if row[0] == "change":
            print(f"  {row[1]:<24} {float(row[3]):8.3f} ms")
with open(sys.argv[2]) as f:
    for line in f:
        m = re.search(r'tableBuild\(([^)]*)\) first search: ([0-9.]+) ms', line)
        if m:
            print(f"  {m.group(1)}, first search with its one-time table build: {m.group(2)} ms")
PY
