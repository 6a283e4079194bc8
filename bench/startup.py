"""Starts the editor and the bare window alternately, each timed from its launch to its first
paint, and prints the medians of time and memory as JSON.

Usage: startup.py [--wine] <forgeline_startup> [runs of each]

With --wine the program is a Windows build started through wine. A Windows process cannot read
the clock this script reads, so the time runs until its report arrives on the pipe instead, and
its memory is not known (-1).
"""
import json
import os
import statistics
import subprocess
import sys
import time

KINDS = ("editor", "bare")
FIELDS = ("startup_ms", "vmrss_kb", "vmhwm_kb")


def run_once(program, kind, env):
    launched = time.monotonic_ns()
    shown = subprocess.run([program, kind, str(launched)], env=env, capture_output=True,
                           text=True, check=True, timeout=60).stdout
    values = dict(part.split("=") for part in shown.split())
    return {field: float(values[field]) for field in FIELDS}


def run_once_under_wine(program, kind, env):
    launched = time.monotonic_ns()
    with subprocess.Popen(["wine", program, kind, "0"], env=env, stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL, text=True) as process:
        shown = process.stdout.readline()
        arrived = time.monotonic_ns()
        process.wait(timeout=60)
    if process.returncode != 0 or "startup_ms=" not in shown:
        raise RuntimeError(f"{program} {kind} failed under wine")
    # What the program reads as its memory under Wine is not its own.
    values = {"startup_ms": (arrived - launched) / 1e6, "vmrss_kb": -1, "vmhwm_kb": -1}
    return {field: float(values[field]) for field in FIELDS}


def main():
    arguments = sys.argv[1:]
    start = run_once
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    if arguments[0] == "--wine":
        arguments = arguments[1:]
        start = run_once_under_wine
        # Painted by Qt's Windows platform, as a Windows user sees it, on the display given.
        del env["QT_QPA_PLATFORM"]
    program = arguments[0]
    runs = int(arguments[1]) if len(arguments) > 1 else 20
    for kind in KINDS:
        # Not counted: the first start reads the libraries from disk.
        start(program, kind, env)
    samples = {kind: [] for kind in KINDS}
    for run in range(runs):
        # Alternating which goes first keeps a drift in the machine's load out of the ratio.
        for kind in KINDS if run % 2 == 0 else reversed(KINDS):
            samples[kind].append(start(program, kind, env))
    result = {"runs": runs}
    for kind in KINDS:
        result[kind] = {}
        for field in FIELDS:
            values = [sample[field] for sample in samples[kind]]
            mean = statistics.fmean(values)
            spread = statistics.stdev(values) / mean if len(values) > 1 and mean else 0.0
            result[kind][field] = {"median": statistics.median(values), "cv": spread}
    json.dump(result, sys.stdout, indent=1)


main()
