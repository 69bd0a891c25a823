#!/usr/bin/env bash
# Runs the layout fuzz target of a fuzz build folder for a number of seconds:
#   bash scripts/run-fuzz.sh BUILD_DIR SECONDS
# The corpus grows in BUILD_DIR/corpus, seeded from tests/data; a crash leaves its input in
# BUILD_DIR/crashes/ and makes this script fail. Turn every such input into a regression test.
set -euo pipefail
build=${1:?usage: run-fuzz.sh BUILD_DIR SECONDS}
seconds=${2:?usage: run-fuzz.sh BUILD_DIR SECONDS}
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$build/corpus" "$build/seeds" "$build/crashes"
cp "$root"/tests/data/* "$build/seeds/"
symbolizer=$(command -v llvm-symbolizer-14 || command -v llvm-symbolizer || true)
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1${symbolizer:+:external_symbolizer_path=$symbolizer}
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
echo "fuzzing the layout and block readers for ${seconds} s (corpus: $build/corpus)" >&2
exec "$build/fuzz/layout_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=65536 -print_final_stats=1 -dict="$root/fuzz/layout.dict" \
  -artifact_prefix="$build/crashes/" "$build/corpus" "$build/seeds"
