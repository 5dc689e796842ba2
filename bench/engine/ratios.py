#!/usr/bin/env python3
"""Prints the engine's per-call medians against the native baseline and the
plain transcription, from one run of bench_engine's JSON output:

    bench_engine --benchmark_filter=^word/ --benchmark_repetitions=5 \\
        --benchmark_report_aggregates_only=true --benchmark_format=json > run.json
    python3 ratios.py run.json
"""
import json
import sys


def main(path):
    with open(path) as f:
        data = json.load(f)
    medians = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        name = b["run_name"]
        parts = name.split("/")
        if parts[0] != "word":
            continue
        medians[tuple(parts[1:4]), parts[4]] = b["cpu_time"]  # nanoseconds
    keys = sorted({k for k, _ in medians}, key=lambda k: (int(k[2]), k[1], k[0]))
    print(f"{'operation':<18}{'base':<6}{'ws':>4}{'native ns':>11}{'engine ns':>11}"
          f"{'ref ns':>12}{'eng/native':>11}{'ref/eng':>10}")
    worst = 0.0
    for k in keys:
        native = medians.get((k, "native"))
        engine = medians.get((k, "engine"))
        ref = medians.get((k, "reference"))
        if native is None or engine is None:
            continue
        ratio = engine / native
        worst = max(worst, ratio)
        refText = f"{ref:12.0f}" if ref else f"{'-':>12}"
        speedup = f"{ref / engine:10.0f}" if ref else f"{'-':>10}"
        print(f"{k[0]:<18}{k[1]:<6}{k[2]:>4}{native:11.1f}{engine:11.1f}{refText}"
              f"{ratio:11.2f}{speedup}")
    print(f"largest engine/native ratio: {worst:.2f}")


if __name__ == "__main__":
    main(sys.argv[1])
