#!/usr/bin/env bash
# quillmark-cli align on the 1998-line sample as a whole process: start,
# read, analyse, align every table, print, exit. Prints each run's wall time
# and the median.
# Usage: bench/align.sh [path/to/quillmark-cli] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
program="${1:-build/bin/quillmark-cli}"
runs="${2:-21}"
sample="bench/data/realistic-1998.feature"

if [ ! -x "$program" ]; then
    echo "align.sh: $program not built" >&2
    exit 1
fi

"$program" align "$sample" >/dev/null # warm the page cache
times=()
# Bash's own clock: timing with date(1) would count starting date as well.
for run in $(seq 1 "$runs"); do
    start=$EPOCHREALTIME
    "$program" align "$sample" >/dev/null
    end=$EPOCHREALTIME
    times+=($(( 10#${end/[.,]/} - 10#${start/[.,]/} )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
printf 'align of %s lines, %d runs: median %d us, min %d us, max %d us\n' \
    "$(wc -l < "$sample")" "$runs" "${sorted[$((runs / 2))]}" "${sorted[0]}" "${sorted[$((runs - 1))]}"
