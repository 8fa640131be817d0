#!/usr/bin/env bash
# Runs the benchmarks against an existing build folder (default: build).
set -euo pipefail
build=${1:-build}
"$build/bench/scan_bench" "${SCAN_BENCH_ENTRIES:-200000}"
"$build/bench/window_scan_bench" "${SCAN_BENCH_ENTRIES:-200000}"
"$build/bench/itemlist_bench" 1000000
"$build/bench/output_bench" "${SCAN_BENCH_ENTRIES:-200000}"
"$build/bench/startup_bench" 30000 300000
"$build/bench/preview_bench" 100
"$build/bench/copy_bench" 10000 512
"$build/bench/split_join_bench" 512 64
"$build/bench/md5_bench" 10000 512
