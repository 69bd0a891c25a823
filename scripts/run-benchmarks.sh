#!/usr/bin/env bash
# Runs every benchmark program of a build folder, three repetitions each, reporting the median:
#   bash scripts/run-benchmarks.sh BUILD_DIR [FILTER]
# FILTER (a regular expression over benchmark names) picks some. The drawing benchmarks need a
# display; without one they all run inside a private Xvfb server.
set -euo pipefail
build=${1:-build}
filter=${2:-.}
if [[ -z "${DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp" bash "$0" "$build" "$filter"
fi
export NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory
for program in "$build"/bench/*_bench; do
  [[ -x "$program" ]] || continue
  echo "== $(basename "$program")"
  "$program" --benchmark_filter="$filter" --benchmark_repetitions=3 \
    --benchmark_report_aggregates_only=true --benchmark_display_aggregates_only=true 2>&1 |
    grep -E '^(BM_|Benchmark|-{5})' | grep -vE '_(mean|stddev|cv) ' || true
done
