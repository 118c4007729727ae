#!/usr/bin/env bash
# Writes every karo-cli output of the examples and of the largest model into a folder, and
# compares it with an earlier folder when one is given: the texts and --json byte for byte,
# pictures and sheets byte for byte, the printed PDF as its pages rendered by pdftoppm, the
# report as its unzipped parts byte for byte. What differs by nature is left out: the PDF's
# own bytes (creation date) and the zip's timestamps.
#   bench/compare_outputs.sh BUILD_DIR OUT_DIR [REFERENCE_DIR]
set -euo pipefail
build=$1
out=$2
ref=${3:-}
cli=$build/src/cli/karo-cli
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$out"
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
python3 "$here/make_largest_karo.py" "$out/largest.karo"
models=("$here"/../examples/*.karo "$out/largest.karo")
for model in "${models[@]}"; do
  name=$(basename "$model" .karo)
  d=$out/$name
  mkdir -p "$d"
  "$cli" solve "$model" >"$d/solve.txt"
  "$cli" solve "$model" --json >"$d/solve.json"
  "$cli" extents "$model" >"$d/extents.txt"
  "$cli" sheet "$model" -o "$d/sheet.bmp" >/dev/null
  "$cli" picture "$model" -o "$d/picture.png"
  "$cli" print "$model" -o "$d/print.pdf" --copies 2
  pdftoppm -r 60 -png "$d/print.pdf" "$d/print-page"
  rm "$d/print.pdf"
  "$cli" report "$model" -o "$d/report.docx" >/dev/null
  mkdir "$d/report"
  (cd "$d/report" && unzip -q ../report.docx)
  rm "$d/report.docx"
done
"$cli" catalogue >"$out/catalogue.txt"
if [[ -n $ref ]]; then
  if diff -r "$ref" "$out" >"$out.diff"; then
    echo "no difference"
  else
    echo "DIFFERENCES, see $out.diff"
    exit 1
  fi
fi
