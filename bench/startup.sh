#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark: the time from starting a program until its main window
# is painted for the first time, and the program's peak memory, for
# `elektronik` and `einheiten` against the minimal Qt program `bench_minimal`,
# alternating between the three, over RUNS runs each (after one warm-up run).
#
#   bench/startup.sh [BIN_DIR] [RUNS]      (defaults: build-bench/bin, 20)
#
# No code in the programs is needed: Qt's own painting log
# (qt.widgets.painting) stamps each line with the monotonic clock, and the
# first "Flushing top level" line marks the window's first paint reaching the
# screen; the time is taken from just before the start of the process. The
# CPU time the program has spent by then (all threads, from schedstat) is
# shown too: on a busy machine it is the steadier figure. The program is
# then left alone for a moment, its peak resident memory read
# (VmHWM, the figure /usr/bin/time -v reports as maximum resident set size)
# and the program ended.
#
# Platform: offscreen by default; BENCH_PLATFORM=xcb measures on an X server,
# the one in DISPLAY or else a private Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

bin_dir=${1:-build-bench/bin}
runs=${2:-20}
for program in bench_minimal elektronik einheiten; do
    if [ ! -x "$bin_dir/$program" ]; then
        echo "missing $bin_dir/$program: build it first (bench/run.sh does)" >&2
        exit 1
    fi
done

exec python3 - "$bin_dir" "$runs" <<'PY'
import os, select, signal, statistics, subprocess, sys, tempfile, time

bin_dir, runs = sys.argv[1], int(sys.argv[2])
programs = ["bench_minimal", "elektronik", "einheiten"]
settle_s = 0.3      # idle time after the first paint before memory is read
give_up_s = 20.0    # a program that shows nothing in this time is a failure

env = dict(os.environ)
env.update({
    "QT_LOGGING_RULES": "qt.widgets.painting=true",
    "QT_MESSAGE_PATTERN": "%{time boot} %{message}",
    "LC_ALL": "C.UTF-8",
    "XDG_RUNTIME_DIR": tempfile.mkdtemp(prefix="bench-runtime-"),
})
os.chmod(env["XDG_RUNTIME_DIR"], 0o700)
platform = os.environ.get("BENCH_PLATFORM", "offscreen")
env["QT_QPA_PLATFORM"] = platform

xvfb = None
if platform == "xcb" and not os.environ.get("DISPLAY"):
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"], pass_fds=[write_end],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as displayfd:
        env["DISPLAY"] = ":" + displayfd.readline().strip()


def peak_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def cpu_seconds(pid):
    """CPU time of all the process's threads so far, in nanosecond detail."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        with open(f"/proc/{pid}/task/{task}/schedstat") as schedstat:
            total += int(schedstat.read().split()[0])
    return total / 1e9


def measure(program):
    """Seconds until the first paint of the main window, CPU seconds spent
    by then, peak memory in KiB."""
    started = time.monotonic()
    process = subprocess.Popen([os.path.join(bin_dir, program)], env=env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    shown = None
    pending = b""
    try:
        deadline = started + give_up_s
        while shown is None and time.monotonic() < deadline:
            ready, _, _ = select.select([process.stderr], [], [], 0.1)
            if not ready:
                if process.poll() is not None:
                    break
                continue
            chunk = os.read(process.stderr.fileno(), 65536)
            if not chunk:
                break
            pending += chunk
            *lines, pending = pending.split(b"\n")
            for line in lines:
                if b"Flushing top level" in line:
                    shown = float(line.split()[0]) - started
                    cpu = cpu_seconds(process.pid)
                    break
        if shown is None:
            raise RuntimeError(f"{program} showed no window")
        quiet_until = time.monotonic() + settle_s
        while time.monotonic() < quiet_until:  # keep the pipe drained meanwhile
            if select.select([process.stderr], [], [], 0.05)[0]:
                os.read(process.stderr.fileno(), 65536)
        return shown, cpu, peak_kib(process.pid)
    finally:
        process.send_signal(signal.SIGTERM)
        process.communicate(timeout=10)


try:
    for program in programs:  # warm-up: page cache, font cache
        measure(program)
    times = {p: [] for p in programs}
    cpu = {p: [] for p in programs}
    memory = {p: [] for p in programs}
    for _ in range(runs):
        for program in programs:
            shown, spent, peak = measure(program)
            times[program].append(shown * 1000.0)
            cpu[program].append(spent * 1000.0)
            memory[program].append(peak / 1024.0)
finally:
    if xvfb:
        xvfb.terminate()
        xvfb.wait()

base_time = statistics.median(times["bench_minimal"])
base_cpu = statistics.median(cpu["bench_minimal"])
base_memory = statistics.median(memory["bench_minimal"])
print(f"platform {platform}, {runs} runs each, alternating; medians until the first paint")
print(f"{'program':<14}{'wall ms':>8}{'min':>7}{'max':>7}{'ratio':>7}{'cpu ms':>8}{'ratio':>7}"
      f"{'peak MiB':>10}{'+MiB':>6}  targets: 1.05x wall time, + 2 MiB memory")
for program in programs:
    t = statistics.median(times[program])
    c = statistics.median(cpu[program])
    m = statistics.median(memory[program])
    verdict = ""
    if program != "bench_minimal":
        time_ok = t <= 1.05 * base_time
        memory_ok = m <= base_memory + 2.0
        verdict = ("time met" if time_ok else "time MISSED") + ", " + \
                  ("memory met" if memory_ok else "memory MISSED")
    print(f"{program:<14}{t:>8.1f}{min(times[program]):>7.1f}{max(times[program]):>7.1f}"
          f"{t / base_time:>7.2f}{c:>8.1f}{c / base_cpu:>7.2f}{m:>10.1f}{m - base_memory:>6.1f}  {verdict}")
PY
