#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format makes of it; run
# `clang-format -i` on the files it names to mend them.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')
if ! clang-format --dry-run --Werror "${files[@]}"; then
  echo "Formatting differs: run clang-format -i on the files named above." >&2
  exit 1
fi
echo "format check: ${#files[@]} files formatted"
