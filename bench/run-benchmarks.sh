#!/usr/bin/env bash
# Builds the optimised benchmark and runs GENERATE + CREATE on the truss
# workload at 10^4, 10^5 and 10^6 modules, each size in its own process so
# that its peak memory is its own. Prints the time, the ratio to the I/O
# floor (writing the same bytes from memory) and peak memory against the
# generated structure's arrays. Not part of the test run.
#   bench/run-benchmarks.sh [output-folder]   (default: build/bench/out)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/bench/out}
mkdir -p "$out"
cmake --preset bench >/dev/null
cmake --build --preset bench --target zentrix_bench
printf '%-9s %10s %10s %10s %8s %10s %10s %7s\n' modules time_ms MB/s floor_MB/s ratio peak_MB arrays_MB mem_x
for modules in 10000 100000 1000000; do
  ZENTRIX_BENCH_DIR="$out" build/bench/bench/zentrix_bench \
    --benchmark_filter="generateAndCreate/${modules}/" --benchmark_repetitions=1 \
    --benchmark_format=json 2>/dev/null |
    python3 -c '
import json, sys
r = json.load(sys.stdin)["benchmarks"][0]
print("%-9s %10.0f %10.0f %10.0f %8.2f %10.0f %10.0f %7.2f" % (
    r["name"].split("/")[1], r["real_time"], r["MB/s"], r["floor_MB/s"],
    r["ratio_to_floor"], r["peak_rss_MB"], r["arrays_MB"], r["memory_ratio"]))'
done
