#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when a C++ file differs from the repository's .clang-format; with --fix, rewrites them.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -co --exclude-standard '*.cpp' '*.h' | grep -v '^build/')
else
  mapfile -t files < <(find . -path ./build -prune -o -path '*/node_modules' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
bad=()
for f in "${files[@]}"; do
  [ -f "$f" ] || continue
  clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
  echo "${#bad[@]} file(s) differ from .clang-format (run tools/check-format.sh --fix):"
  printf '  %s\n' "${bad[@]}"
  exit 1
fi
echo "${#files[@]} C++ files match .clang-format"
