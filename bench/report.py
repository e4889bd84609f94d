#!/usr/bin/env python3
"""Turns Google Benchmark JSON into bench/RESULTS.md.

usage: report.py RESULTS_JSON SOURCE_NAME [--gui-memory TEXT] [--cli-time TEXT] [--map TEXT] [--gtfs-memory TEXT]

Cases named BM_X... and BM_X_Literal... (the statement-per-row reference, with
the same arguments) are set side by side with the speed-up of the first over
the second, measured in the same run; so are BM_X_Reference... (the
brute-force reference of the journey search). A case that failed (a reference that
disagrees with the search, a station missing from the timetable) is listed
with its error instead of a time.
"""
import json
import platform
import re
import sys
from collections import OrderedDict

# Target per case family, in milliseconds (the benchmark reports, it does not assert).
TARGETS_MS = OrderedDict([
    ("BM_StationLookup", 1),
    ("BM_StationSearch", 5),
    ("BM_StationBoard", 5),
    ("BM_TransferStations", 20),
    ("BM_TwoLegSearch", 10),
    ("BM_TrainNumberSearch", 5),
    ("BM_TrainDetail", 5),
    ("BM_OpenDatabase", 200),
    ("BM_ApplyUpdate", 2000),
    ("BM_GtfsImport", 3000),
    ("BM_GtfsExport", 2000),
    ("BM_JourneyTimetable", 100),
    ("BM_JourneySearch/kashi_fuzhou", 30),
    ("BM_JourneySearch/lasa_haerbin", 30),
    ("BM_JourneySearch/beijing_shanghai", 20),
    ("BM_JourneySearch/guangzhou_beijing", 20),
])

# The slowest of the random pairs' journey searches at 1x, in ms (counters
# p50Ms, p99Ms and maxMs of BM_JourneySearch_RandomPairs).
RANDOM_PAIRS = "BM_JourneySearch_RandomPairs"
RANDOM_PAIRS_TARGET_MS = 10

# The searches between families whose growth from 1x to 4x is held to the
# timetable's own (its stops, the counter stops of BM_JourneyTimetable).
GROWTH = "BM_JourneySearch/"

# The steps of `kestrelway-cli journeys` (counters of BM_CliJourneys).
CLI_JOURNEYS = "BM_CliJourneys"
CLI_STEPS = ["openMs", "endsMs", "readMs", "searchMs", "textsMs"]
CLI_STEP_NAMES = ["open the database (with the key kept in the cache folder)", "look up 北京 and 上海",
                  "load the timetable (from its snapshot in the cache folder)", "search",
                  "texts, km and fares of the journeys"]

CLI_NOTE = (
    "Before, almost all of the call was the encrypted file: deriving its key from the password on every "
    "open (about 30 ms, BM_OpenDatabase/key_derived) and reading every stop row into the in-memory "
    "timetable (BM_JourneyTimetable). Neither has to be paid twice: the password is the program's own, so "
    "the key of a file's salt is derived once and kept in the user's cache folder, and the timetable's "
    "arrays are kept there as a snapshot, checked (size, CRC-32, format, the timetable's identity) and "
    "read in one go. A call with warm caches is now the start of the process, a few statements and the "
    "search; a first call pays what every call paid before, and writes the caches besides.")

# Memory of the journey timetable at 1x, in MB (the counter memoryMB).
JOURNEY_MEMORY_TARGET_MB = 20

UNIT_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1000.0}

# Marks the statement-per-row reference of a case, and the brute-force one.
LITERAL = "_Literal"
REFERENCE = "_Reference"


def target_for(name):
    if LITERAL in name or REFERENCE in name:
        return None
    for prefix, ms in TARGETS_MS.items():
        if name.startswith(prefix):
            return ms
    return None


def main():
    args = sys.argv[1:]
    gui_memory = None
    if "--gui-memory" in args:
        i = args.index("--gui-memory")
        gui_memory = args[i + 1]
        del args[i:i + 2]
    gtfs_memory = None
    if "--gtfs-memory" in args:
        i = args.index("--gtfs-memory")
        gtfs_memory = args[i + 1]
        del args[i:i + 2]
    cli_process = None
    if "--cli-time" in args:
        i = args.index("--cli-time")
        cli_process = args[i + 1]
        del args[i:i + 2]
    map_lines = None
    if "--map" in args:
        i = args.index("--map")
        map_lines = args[i + 1]
        del args[i:i + 2]
    path, source = args
    with open(path, encoding="utf-8") as f:
        data = json.load(f)

    # name/scale -> mean ms; name -> error
    rows = OrderedDict()
    errors = OrderedDict()
    memory = {}  # scale -> MB of the journey timetable
    stops = {}  # scale -> stops of the journey timetable
    pairs = {}  # scale -> (p50, p99, max) ms of the random pairs
    cli = {}  # scale -> ms of each step of BM_CliJourneys
    for b in data["benchmarks"]:
        name = b.get("run_name", b["name"])
        # Settings such as /iterations:5 are no part of the case's name.
        name = re.sub(r"/[a-z_]+:[^/]*", "", name)
        m = re.match(r"(.*)/(\d+)$", name)
        case, scale = (m.group(1), int(m.group(2))) if m else (name, 1)
        if b.get("error_occurred"):
            errors.setdefault(case, b.get("error_message", "failed"))
            continue
        if b.get("aggregate_name", "mean") != "mean":
            continue
        ms = b["real_time"] * UNIT_MS[b.get("time_unit", "ns")]
        rows.setdefault(case, {})[scale] = ms
        if "memoryMB" in b:
            memory[scale] = b["memoryMB"]
        if case == "BM_JourneyTimetable":
            stops[scale] = b["stops"]
        if case == CLI_JOURNEYS:
            cli[scale] = [b[c] for c in CLI_STEPS]
        if case == RANDOM_PAIRS:
            pairs[scale] = (b["p50Ms"], b["p99Ms"], b["maxMs"])

    ctx = data.get("context", {})
    out = []
    out.append("# Benchmark results\n")
    out.append("Written by `make bench` (scripts/run-bench); do not edit by hand.\n")
    out.append(f"- date: {ctx.get('date', '?')}")
    out.append(f"- machine: {platform.machine()}, {ctx.get('num_cpus', '?')} CPUs at "
               f"{ctx.get('mhz_per_cpu', '?')} MHz, {platform.system()} {platform.release()}")
    out.append(f"- build: {ctx.get('library_build_type', '?')} Google Benchmark library; program built RelWithDebInfo")
    out.append(f"- timetable: {source}; scales 1x, 2x, 4x (copies of the network)")
    out.append("- wall-clock time per operation, mean of the repetitions (the machine is shared with other work)\n")
    out.append("| case | 1x | 2x | 4x | target | within at 1x |")
    out.append("|---|---:|---:|---:|---:|---|")
    for case, by_scale in rows.items():
        target = target_for(case)
        cells = [fmt(by_scale.get(s)) for s in (1, 2, 4)]
        ok = ""
        if target is not None and 1 in by_scale:
            ok = "yes" if by_scale[1] < target else "**no**"
        out.append(f"| {case} | {' | '.join(cells)} | {fmt(target) if target else ''} | {ok} |")

    if errors:
        out.append("\nCases that failed:\n")
        for case, message in errors.items():
            out.append(f"- {case}: {message}")

    for marker, heading, text in (
            (LITERAL, "Set-based queries against one statement per row",
             "Speed-up of each search over a reference that issues the old program's statements one row at "
             "a time on the same database, in the same run."),
            (REFERENCE, "Journey search against the brute-force reference",
             "Speed-up of the journey search over the brute-force reference of the tests (every train and "
             "every change station tried), timed once on the same query after it found the same journeys.")):
        ratios = [(c.replace(marker, "", 1), c) for c in rows if marker in c]
        if not ratios:
            continue
        out.append(f"\n## {heading}\n")
        out.append(text + "\n")
        out.append("| case | 1x | 2x | 4x |")
        out.append("|---|---:|---:|---:|")
        for fast, slow in ratios:
            if fast not in rows:
                continue
            cells = []
            for s in (1, 2, 4):
                a, b = rows[fast].get(s), rows[slow].get(s)
                cells.append(f"{b / a:.1f}x" if a and b else "")
            out.append(f"| {fast} | {' | '.join(cells)} |")

    if pairs:
        out.append("\n## Journey search between 300 random pairs of stations\n")
        out.append("Each pair searched once, the whole day, up to two changes, with the default slack; "
                   "processor time of each search (the machine is shared, so wall-clock times wait on other work).\n")
        out.append("| scale | p50 | p99 | max |")
        out.append("|---|---:|---:|---:|")
        for s in sorted(pairs):
            out.append(f"| {s}x | {' | '.join(fmt(v) for v in pairs[s])} |")
        if 1 in pairs:
            within = "yes" if pairs[1][2] < RANDOM_PAIRS_TARGET_MS else "**no**"
            out.append(f"\nTarget: every pair under {RANDOM_PAIRS_TARGET_MS} ms at 1x: {within}")

    grown = [c for c in rows if c.startswith(GROWTH) and 1 in rows[c] and 4 in rows[c]]
    if grown and 1 in stops and 4 in stops:
        timetable = stops[4] / stops[1]
        out.append("\n## Journey search from 1x to 4x\n")
        out.append(f"How much longer each search takes on the 4x timetable than on the 1x one, against how much "
                   f"the timetable grows (its stops: {timetable:.2f}x). Target: no more than the timetable.\n")
        out.append("| case | 2x / 1x | 4x / 1x | within |")
        out.append("|---|---:|---:|---|")
        for c in grown:
            half = f"{rows[c][2] / rows[c][1]:.2f}x" if 2 in rows[c] else ""
            ratio = rows[c][4] / rows[c][1]
            out.append(f"| {c} | {half} | {ratio:.2f}x | {'yes' if ratio <= timetable else '**no**'} |")

    if cli:
        out.append("\n## `kestrelway-cli` calls, and where `journeys 北京 上海` spends its time\n")
        if cli_process:
            out.append(cli_process + "\n")
        out.append("The steps of `journeys 北京 上海` with warm caches in one process (BM_CliJourneys), mean "
                   "processor time:\n")
        out.append("| step | 1x | 2x | 4x |")
        out.append("|---|---:|---:|---:|")
        for i, name in enumerate(CLI_STEP_NAMES):
            out.append(f"| {name} | {' | '.join(fmt(cli[s][i]) if s in cli else '' for s in (1, 2, 4))} |")
        out.append("\n" + CLI_NOTE)

    if memory or gui_memory or gtfs_memory:
        out.append("\n## Memory\n")
    if memory:
        sizes = ", ".join(f"{s}x {memory[s]:.1f} MB" for s in sorted(memory))
        within = "yes" if memory.get(1, float("inf")) < JOURNEY_MEMORY_TARGET_MB else "**no**"
        out.append(f"- the journey search's in-memory timetable: {sizes}; target {JOURNEY_MEMORY_TARGET_MB} MB "
                   f"at 1x: {within}")
    if gui_memory:
        out.append(gui_memory)
    if gtfs_memory:
        out.append(gtfs_memory)
    if map_lines:
        out.append("\n## Map window\n")
        out.append(map_lines)
    print("\n".join(out))


def fmt(ms):
    if ms is None:
        return ""
    if ms >= 100:
        return f"{ms:.0f} ms"
    if ms >= 1:
        return f"{ms:.2f} ms"
    return f"{ms * 1000:.1f} µs"


if __name__ == "__main__":
    main()
