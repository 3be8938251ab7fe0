#!/usr/bin/env bash
# Instructions a cell of pasting a spreadsheet of 10,000 x 20 cells over a
# table of that size in the table dialog, counted by callgrind (counts repeat
# from run to run where times do not): Ctrl+V into the grid, and Paste Table
# from the corner's menu, opening the menu included. Each paste is one
# benchmark iteration of bench_table_dialog.
# Usage: bench/paste.sh [path/to/bench_table_dialog] [folder to keep the
# callgrind files in, for callgrind_annotate]
set -euo pipefail
cd "$(dirname "$0")/.."
program="${1:-build/bin/bench_table_dialog}"
keep="${2:-}"
aim=400

if [ ! -x "$program" ]; then
    echo "paste.sh: $program not built" >&2
    exit 1
fi
if ! command -v valgrind > /dev/null; then
    echo "paste.sh: valgrind is not installed" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
out="${keep:-$work}"
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"

# The benchmark, and the functions whose instructions count.
cases=(
    "PasteIntoGrid|CGridCtrl::PasteClipboard()"
    "PasteTable|CGridDialog::OnGridRightClick(int, int)|CGridDialog::OnCommand(int)"
)
for entry in "${cases[@]}"; do
    IFS='|' read -r name functions <<< "$entry"
    toggles=()
    IFS='|' read -ra counted <<< "$functions"
    for function in "${counted[@]}"; do
        toggles+=("--toggle-collect=$function")
    done
    valgrind --tool=callgrind --callgrind-out-file="$out/$name.callgrind" "${toggles[@]}" \
        "$program" --benchmark_filter="^BM_$name\$" --benchmark_min_time=0 \
        --benchmark_format=json > "$work/$name.json" 2> "$work/$name.log"
    read -r iterations cells < <(python3 -c '
import json, sys
run = json.load(open(sys.argv[1]))["benchmarks"][0]
if "error_message" in run:
    sys.exit("paste.sh: " + run["error_message"])
print(run["iterations"], int(run["cells"]))' "$work/$name.json")
    total=$(callgrind_annotate "$out/$name.callgrind" | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }')
    per_cell=$(( total / (iterations * cells) ))
    verdict="met"
    [ "$per_cell" -gt "$aim" ] && verdict="not met"
    printf '%s: %d instructions a cell over %d pastes of %d cells (aim at most %d: %s)\n' \
        "$name" "$per_cell" "$iterations" "$cells" "$aim" "$verdict"
done
