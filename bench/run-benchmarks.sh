#!/usr/bin/env bash
# Builds the optimised benchmark and runs GENERATE + CREATE (the Geometry
# File) and GENERATE + Save Data (the Zentrix Input File) on the truss
# workload at 10^4, 10^5 and 10^6 modules, each size in its own process so
# that its peak memory is its own. Prints the median time of a run, the I/O
# floor (the median time to write the same bytes from memory, measured in
# the same run), the speeds, the ratio of the two, and the peak memory
# against the generated structure's arrays. Then the writers alone on the
# structure generated once at 10^5 and 10^6 modules: the Geometry File and
# the exports (VTU, MSH, DXF), each beside the I/O floor of its own size,
# with the processor time of all their threads. Not part of the test run.
#   bench/run-benchmarks.sh [output-folder]   (default: build/bench/out)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/bench/out}
mkdir -p "$out"
cmake --preset bench >/dev/null
cmake --build --preset bench --target zentrix_bench zentrix_export_bench
printf '%-8s %9s %8s %8s %8s %8s %11s %9s %6s %8s %8s %6s\n' writer modules file_MB time_ms \
  floor_ms MB/s nodes/s floor_MB/s ratio peak_MB arrays_MB mem_x
for writer in generateAndCreate generateAndSave; do
  for modules in 10000 100000 1000000; do
    ZENTRIX_BENCH_DIR="$out" build/bench/bench/zentrix_bench \
      --benchmark_filter="^${writer}/${modules}/" --benchmark_format=json 2>/dev/null |
      /usr/bin/python3 -c '
import json, sys
r = json.load(sys.stdin)["benchmarks"][0]
writer = "CREATE" if r["name"].startswith("generateAndCreate") else "Save"
t = r["work_median_ms"]
print("%-8s %9s %8.0f %8.0f %8.0f %8.0f %11.3g %9.0f %6.2f %8.0f %8.0f %6.2f" % (
    writer, r["name"].split("/")[1], r["file_MB"], t, r["floor_median_ms"], r["file_MB"] / t * 1e3,
    r["nodes/s"], r["floor_MB/s"], r["ratio_to_floor"], r["peak_rss_MB"], r["arrays_MB"],
    r["memory_ratio"]))'
  done
done

printf '\n%-9s %8s %8s %8s %8s %8s %6s %8s\n' writer modules file_MB time_ms floor_ms MB/s ratio cpu_ms
ZENTRIX_BENCH_DIR="$out" build/bench/bench/zentrix_export_bench --benchmark_format=json 2>/dev/null |
  /usr/bin/python3 -c '
import json, sys
for r in json.load(sys.stdin)["benchmarks"]:
    writer, modules = r["name"].split("/")[:2]
    print("%-9s %8s %8.0f %8.0f %8.0f %8.0f %6.2f %8.0f" % (
        writer.replace("File", ""), modules, r["file_MB"], r["work_median_ms"],
        r["floor_median_ms"], r["MB/s"], r["ratio_to_floor"], r["cpu_median_ms"]))'
