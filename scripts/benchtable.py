#!/usr/bin/env python3
"""Runs each benchmark of vetra_bench beside its baseline, in a process of its own so that its peak memory
can be told, and writes the table of operation, input, time, baseline, ratio and peak memory as Markdown."""
import json
import os
import subprocess
import sys

# Operation, input, benchmark, baseline (measured in the same run).
ROWS = [
    ("Convert", "map bitmap, 300,000 tiles", "BM_Convert_Dense300k", "BM_Convert_Dense300k_Baseline"),
    ("Convert", "map bitmap, every cell a tile", "BM_Convert_FullMap", "BM_Convert_FullMap_Baseline"),
    ("Convert with WallTiles", "map bitmap, 200,000 wall cells", "BM_Convert_WallTiles200k",
     "BM_Convert_WallTiles200k_Baseline"),
    ("Deconvert", "level of 300,000 records", "BM_Deconvert", "BM_DeconvertBaseline"),
    ("Apply Tiles", "level of 300,000 records", "BM_ApplyTileset", "BM_ApplyTilesetBaseline"),
    ("Overlay", "10,000 records over 1,000,000", "BM_Overlay", "BM_OverlayBaseline"),
    ("Make Diff", "two levels of 1,000,000 records", "BM_Diff", "BM_DiffBaseline"),
    ("Render (PNG)", "level of 1,000,000 records, 1 pixel per cell", "BM_Render_MillionRecordsCellSize1",
     "BM_RenderBaseline_LibpngEncode1024"),
]


def run(program, names, repetitions):
    """Median real times (ms) of the benchmarks named, and the run's peak resident memory (MB)."""
    pattern = "^(" + "|".join(names) + ")$"
    process = subprocess.Popen(
        [program, "--benchmark_filter=" + pattern, "--benchmark_format=json",
         "--benchmark_repetitions=%d" % repetitions, "--benchmark_report_aggregates_only=true"],
        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    output = process.stdout.read()
    _, status, usage = os.wait4(process.pid, 0)
    if status != 0:
        sys.exit("vetra_bench failed on " + pattern)
    medians = {}
    for entry in json.loads(output)["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[entry["time_unit"]]
            medians[entry["run_name"]] = entry["real_time"] * scale
    return medians, usage.ru_maxrss / 1024.0


def main():
    program, out = sys.argv[1], sys.argv[2]
    repetitions = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    lines = ["| operation | input | time (ms) | baseline (ms) | ratio | peak memory (MB) |",
             "|---|---|---:|---:|---:|---:|"]
    for operation, given, benchmark, baseline in ROWS:
        medians, _ = run(program, [benchmark, baseline], repetitions)
        _, peak = run(program, [benchmark], 1)
        time, base = medians[benchmark], medians[baseline]
        lines.append("| %s | %s | %.1f | %.1f | %.1fx | %.0f |" % (operation, given, time, base, time / base, peak))
        print(lines[-1], flush=True)
    with open(out, "w") as file:
        file.write("# Where the time goes\n\n")
        file.write("Made by `bash scripts/bench --table` (medians of %d runs, each operation beside its baseline in "
                   "the same run: reading the inputs and writing files as long as the outputs). Peak memory is that "
                   "of a process running the operation's benchmark alone.\n\n" % repetitions)
        file.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
