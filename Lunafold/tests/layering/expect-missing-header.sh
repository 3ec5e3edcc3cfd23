#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Usage: expect-missing-header.sh BUILD_DIR TARGET HEADER
# Passes only when building TARGET fails because HEADER is not on its include path.
set -uo pipefail
out=$(cmake --build "$1" --target "$2" 2>&1)
if [ $? -eq 0 ]; then
  echo "$2 built, but it includes $3, which its module must not see"; exit 1
fi
grep -q "$3: No such file or directory" <<<"$out" && exit 0
echo "$2 failed for another reason:"; echo "$out" | tail -20; exit 1
