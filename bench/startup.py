"""Starts the editor and the bare window alternately, each timed from its launch to its first
paint, and prints the medians of time and memory as JSON.

Usage: startup.py <forgeline_startup> [runs of each]
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


def main():
    program = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for kind in KINDS:
        # Not counted: the first start reads the libraries from disk.
        run_once(program, kind, env)
    samples = {kind: [] for kind in KINDS}
    for run in range(runs):
        # Alternating which goes first keeps a drift in the machine's load out of the ratio.
        for kind in KINDS if run % 2 == 0 else reversed(KINDS):
            samples[kind].append(run_once(program, kind, env))
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
