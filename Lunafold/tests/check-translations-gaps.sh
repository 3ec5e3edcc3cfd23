#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The translation check must fail, naming the entry, on an emptied text and on a lost placeholder.
# Usage: check-translations-gaps.sh PYTHON3 SOURCE_DIR
set -uo pipefail
python=$1 src=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$src"/Lunafold/resources/translations/lunafold_*.ts "$dir"/
sed -i 's|<translation>Signe lunaire</translation>|<translation type="unfinished"></translation>|' "$dir/lunafold_fr.ts"
sed -i 's|<numerusform>%d minutos</numerusform>|<numerusform>minutos</numerusform>|' "$dir/lunafold_es.ts"
out=$("$python" "$src/tools/check-translations.py" --ts-dir "$dir")
status=$?
echo "$out"
fail=0
[ "$status" -eq 1 ] || { echo "expected exit status 1, got $status"; fail=1; }
for line in "lunafold_fr.ts: missing: 'Moon Sign'" "lunafold_es.ts: placeholders differ: '%d minutes'"; do
  grep -qF "$line" <<<"$out" || { echo "not reported: $line"; fail=1; }
done
[ "$(wc -l <<<"$out")" -eq 2 ] || { echo "expected exactly the two gaps"; fail=1; }
exit $fail
