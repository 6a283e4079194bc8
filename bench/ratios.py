"""Prints benchmark medians as ratios to the baselines of the same run."""
import json
import sys

# Each measured benchmark and the baseline it is compared with.
PAIRS = {
    "BM_ReadScenarioSource": "BM_GetlineBaseline",
    "BM_WriteScenarioSource": "BM_FwriteBaseline",
}

def medians(path):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    out = {}
    for run in runs:
        if run.get("aggregate_name") == "median":
            out[run["run_name"]] = run["real_time"], run["time_unit"]
    return out

def main():
    times = medians(sys.argv[1])
    print("| measured | baseline | measured time | baseline time | ratio |")
    print("|---|---|---|---|---|")
    for name, (time, unit) in sorted(times.items()):
        family, _, arg = name.partition("/")
        if family not in PAIRS:
            continue
        base_name = PAIRS[family] + ("/" + arg if arg else "")
        base, _ = times[base_name]
        print(f"| {name} | {base_name} | {time:.2f} {unit} | {base:.2f} {unit} | {time / base:.2f}x |")

main()
