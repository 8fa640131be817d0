#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the project's own sources (src/, tests/,
# bench/) using the build folder's compile_commands.json; fails when it finds anything.
# Usage: scripts/tidy.sh [build folder] [jobs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
jobs=${2:-$(nproc)}
if [ ! -f "$build/compile_commands.json" ]; then
  echo "No $build/compile_commands.json: run make build first." >&2
  exit 1
fi
command -v run-clang-tidy >/dev/null || { echo "run-clang-tidy is missing: run scripts/install-deps.sh" >&2; exit 1; }
log=$(mktemp)
trap 'rm -f "$log"' EXIT
run-clang-tidy -p "$build" -j "$jobs" -quiet "^$PWD/(src|tests|bench)/" >"$log" 2>&1 || true
# Each finding once, though a header's findings come back with every file that includes it.
findings=$(sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E '^[^ ]+:[0-9]+:[0-9]+: (warning|error):' |
  sort -u || true)
if [ -n "$findings" ]; then
  echo "$findings"
  echo "tidy: $(echo "$findings" | wc -l) findings" >&2
  exit 1
fi
echo "tidy: no findings"
