#!/bin/bash
# The English translation knows every text marked in src/, and gives each
# one in English: lupdate finds nothing new or gone, no entry is unfinished,
# and no translation has Han characters in it.
set -euo pipefail
root=$1
lupdate=${2:-lupdate}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/translations/kestrelway_en.ts" "$work/now.ts"
(cd "$root" && "$lupdate" -silent -locations none -no-obsolete -source-language zh_CN -target-language en \
  src -ts "$work/now.ts")
if ! diff -u "$root/translations/kestrelway_en.ts" "$work/now.ts"; then
  echo "translations/kestrelway_en.ts is out of date: run scripts/update-translations" >&2
  exit 1
fi
if grep -n 'type="unfinished"' "$work/now.ts" | head -20 | grep . >&2; then
  echo "texts without English (above): write their translation" >&2
  exit 1
fi
if grep -nP '<translation>.*[\x{3400}-\x{9fff}\x{3000}-\x{303f}\x{ff00}-\x{ffef}]' "$work/now.ts" | head -20 | grep . >&2; then
  echo "translations with Chinese characters or punctuation (above)" >&2
  exit 1
fi
