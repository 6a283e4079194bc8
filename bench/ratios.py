"""Prints one table of the benchmark figures, each as a ratio to a baseline of the same run.
Times are medians of wall-clock time, with their coefficient of variation; the ratio and the
target compare those. The CPU ratio compares medians of CPU time, which a busy machine
disturbs less.

Usage: ratios.py <benchmark json>... [--startup <startup.py json>]
"""
import json
import re
import sys

# What is measured, its benchmark, its baseline and the baseline's benchmark, and the most
# the ratio of the two times may be (None: no target).
TIMED = [
    ("Read .sce, 32 767 force lines", "BM_ReadScenarioSource/32767",
     "std::getline loop", "BM_GetlineBaseline/32767", 2),
    ("Read .sce, 200 000 force lines", "BM_ReadScenarioSource/200000",
     "std::getline loop", "BM_GetlineBaseline/200000", 2),
    ("Write .sce, 32 767 force lines", "BM_WriteScenarioSource/32767",
     "fwrite loop", "BM_FwriteBaseline/32767", 2),
    ("Write .sce, 200 000 force lines", "BM_WriteScenarioSource/200000",
     "fwrite loop", "BM_FwriteBaseline/200000", 2),
    ("Editor: Open 32 767 lines until the list shows them", "BM_EditorOpen/32767",
     "core read alone", "BM_EditorReadBaseline/32767", 5),
    ("Editor: select the last of 32 767 lines", "BM_EditorSelectLast/32767",
     "core read alone", "BM_EditorReadBaseline/32767", 5),
    ("Editor: Open, 32 767 lines until shown", "BM_History/open/32767",
     "Open until shown", "BM_EditorOpen/32767", 2),
    ("Editor: Undo of Open, 32 767 lines until shown", "BM_History/undo_open/32767",
     "Open until shown", "BM_EditorOpen/32767", 2),
    ("Editor: New, 32 767 lines until shown", "BM_History/new/32767",
     "Open until shown", "BM_EditorOpen/32767", 2),
    ("Editor: Undo of New, 32 767 lines until shown", "BM_History/undo_new/32767",
     "Open until shown", "BM_EditorOpen/32767", 2),
    ("Editor: Reset Forces, 32 767 lines until shown", "BM_History/reset/32767",
     "Open until shown", "BM_EditorOpen/32767", 2),
    ("Editor: Undo of Reset Forces, 32 767 lines until shown", "BM_History/undo_reset/32767",
     "Open until shown", "BM_EditorOpen/32767", 2),
    ("Editor: select all 30 000 ships on the map and move them one step",
     "BM_History/move_all/30000", "Open of those lines", "BM_History/open/30000", 2),
    ("Editor: Undo of that move", "BM_History/undo_move_all/30000",
     "Open of those lines", "BM_History/open/30000", 1),
    ("Editor: paste 10 000 force lines", "BM_History/paste/10000",
     "Open of those lines", "BM_History/open/10000", 2),
    ("Editor: Undo of that paste", "BM_History/undo_paste/10000",
     "Open of those lines", "BM_History/open/10000", 1),
    ("Browser: list 10 000 .sco files", "BM_BrowserListing/10000",
     "directory_iterator read", "BM_DirectoryReadBaseline/10000", None),
    ("Map: show and draw 30 000 ships", "BM_TacticalMapDraw/30000",
     "ShipsForMap alone", "BM_MapParseBaseline/30000", 5),
    ("Map: one frame of dragging one of 30 000 ships", "BM_MapDragFrame/30000",
     "bare QPainter pass, 30 000 markers", "BM_MarkerPassBaseline/30000", 3),
]

# What is measured, its benchmark, the counter measured and the counter it is held against,
# and the most their ratio may be (None: no target).
HELD = [
    ("Editor: memory the history holds after 1 000 typing steps, 32 767 lines",
     "BM_TypingHistory/32767", "held_bytes", "text_bytes", 2),
    ("Editor: memory the whole editor gains over those steps", "BM_TypingHistory/32767",
     "grown_bytes", "text_bytes", None),
]

FLEET = "BM_GenerateForces"
FLEETS_PER_SECOND_TARGET = 10000

TO_NS = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}


def plain_name(run_name):
    """The benchmark's name and arguments, without the settings of its runs."""
    return re.sub(r"/(iterations:\d+|repeats:\d+|real_time)", "", run_name)


def read_benchmarks(paths):
    """Medians of real time in ns, of CPU time in ns, coefficients of variation of real time,
    medians of the counters, and errors, by name."""
    medians, cpu, spreads, counters, errors = {}, {}, {}, {}, {}
    for path in paths:
        with open(path) as f:
            runs = json.load(f)["benchmarks"]
        for run in runs:
            name = plain_name(run["run_name"])
            if run.get("error_occurred"):
                errors[name] = run.get("error_message", "failed")
            elif run.get("aggregate_name") == "median":
                medians[name] = run["real_time"] * TO_NS[run["time_unit"]]
                cpu[name] = run["cpu_time"] * TO_NS[run["time_unit"]]
                counters[name] = run
            elif run.get("aggregate_name") == "cv":
                spreads[name] = run["real_time"]
    return medians, cpu, spreads, counters, errors


def duration(ns, spread=None):
    for unit, size in (("s", 1e9), ("ms", 1e6), ("µs", 1e3)):
        if ns >= size:
            text = f"{ns / size:.3g} {unit}"
            break
    else:
        text = f"{ns:.3g} ns"
    return text if spread is None else f"{text} ±{spread * 100:.0f}%"


def verdict(ratio, limit, at_most=True):
    if limit is None:
        return "-"
    met = ratio <= limit if at_most else ratio >= limit
    sign = "<=" if at_most else ">="
    return f"{sign} {limit}x: {'met' if met else 'MISSED'}"


def row(*cells):
    print("| " + " | ".join(cells) + " |")


def timed_rows(medians, cpu, spreads, errors):
    for what, name, base_what, base, limit in TIMED:
        failed = errors.get(name) or errors.get(base)
        if failed:
            row(what, base_what, "error: " + failed, "", "", "", "")
        elif name in medians and base in medians:
            ratio = medians[name] / medians[base]
            row(what, base_what, duration(medians[name], spreads.get(name)),
                duration(medians[base], spreads.get(base)), f"{ratio:.2f}x",
                f"{cpu[name] / cpu[base]:.2f}x", verdict(ratio, limit))


def size(count):
    for unit, scale in (("MiB", 2**20), ("KiB", 2**10)):
        if count >= scale:
            return f"{count / scale:.3g} {unit}"
    return f"{count:.0f} B"


def held_rows(counters, errors):
    for what, name, measured, base, limit in HELD:
        if name in errors:
            row(what, base, "error: " + errors[name], "", "", "", "")
        elif name in counters:
            ratio = counters[name][measured] / counters[name][base]
            row(what, "the scenario's file", size(counters[name][measured]),
                size(counters[name][base]), f"{ratio:.2f}x", "-", verdict(ratio, limit))


def fleet_row(medians, cpu, spreads):
    if FLEET not in medians:
        return
    rate = 1e9 / medians[FLEET]
    ratio = rate / FLEETS_PER_SECOND_TARGET
    row("Random fleets (default settings)", f"{FLEETS_PER_SECOND_TARGET} fleets/s target",
        f"{rate:,.0f} fleets/s ({duration(medians[FLEET], spreads.get(FLEET))} each)",
        duration(1e9 / FLEETS_PER_SECOND_TARGET), f"{ratio:.2f}x",
        f"{1e9 / cpu[FLEET] / FLEETS_PER_SECOND_TARGET:.2f}x", verdict(ratio, 1, False))


def startup_rows(path):
    with open(path) as f:
        startup = json.load(f)
    editor, bare = startup["editor"], startup["bare"]
    runs = startup["runs"]

    def measured(kind, field, scale, unit):
        value = kind[field]
        return f"{value['median'] * scale:.3g} {unit} ±{value['cv'] * 100:.0f}%"

    ratio = editor["startup_ms"]["median"] / bare["startup_ms"]["median"]
    row(f"Start-up to the editor shown ({runs} runs)", "bare QWidget",
        measured(editor, "startup_ms", 1, "ms"), measured(bare, "startup_ms", 1, "ms"),
        f"{ratio:.2f}x", "-", verdict(ratio, 1.5))
    for field, what in (("vmrss_kb", "Resident memory, idle editor (VmRSS)"),
                        ("vmhwm_kb", "Peak resident memory, editor (VmHWM)")):
        ratio = editor[field]["median"] / bare[field]["median"]
        row(what, "bare QWidget", measured(editor, field, 1 / 1024, "MiB"),
            measured(bare, field, 1 / 1024, "MiB"), f"{ratio:.2f}x", "-", "-")


def main():
    args = sys.argv[1:]
    startup = None
    if "--startup" in args:
        at = args.index("--startup")
        startup = args[at + 1]
        del args[at:at + 2]
    medians, cpu, spreads, counters, errors = read_benchmarks(args)
    row("measured", "baseline", "measured time", "baseline time", "ratio", "CPU ratio", "target")
    row(*["---"] * 7)
    timed_rows(medians, cpu, spreads, errors)
    held_rows(counters, errors)
    fleet_row(medians, cpu, spreads)
    if startup:
        startup_rows(startup)


main()
