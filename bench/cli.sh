#!/usr/bin/env bash
# quillmark-cli as a whole process beside cat(1) of the same file, on files of
# 2,000, 20,000 and 200,000 lines made of the 1998-line sample over and over.
# The tool and cat run in turn, so that a drift of the machine's speed touches
# both; each line gives the medians of both and the median of the pairs'
# ratios. Peak memory is the tool's maximum resident set beyond what it holds
# for an empty file, per byte of input. Start-up is `help` beside /bin/true.
# The aims are printed beside their figures: each command at 200,000 lines
# within 3 times cat, format of a folder of 100,000 small files within 1.2
# times cat of them, and format of 2,000 lines at most 30 instructions per input byte
# beyond what it runs for an empty file (start-up and the keyword
# dictionary), counted by callgrind when valgrind is installed.
# Usage: bench/cli.sh [path/to/quillmark-cli] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
program="${1:-build/bin/quillmark-cli}"
runs="${2:-11}"
sample="bench/data/realistic-1998.feature"

if [ ! -x "$program" ]; then
    echo "cli.sh: $program not built" >&2
    exit 1
fi
if [ ! -x /usr/bin/time ]; then
    echo "cli.sh: /usr/bin/time is missing (apt-get install time)" >&2
    exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
: >"$work/empty.feature"
for lines in 2000 20000 200000; do
    : >"$work/$lines.part"
    while [ "$(wc -l <"$work/$lines.part")" -lt "$lines" ]; do
        cat "$sample" >>"$work/$lines.part"
    done
    head -n "$lines" "$work/$lines.part" >"$work/$lines.feature"
    rm "$work/$lines.part"
done

# Microseconds that one run of the command takes, its output thrown away.
elapsed() {
    local start=$EPOCHREALTIME
    "$@" >/dev/null 2>&1
    local end=$EPOCHREALTIME
    echo $((10#${end/[.,]/} - 10#${start/[.,]/}))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

peak_kb() {
    /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n 1
}

# paired LABEL BASELINE... -- COMMAND...
paired() {
    local label="$1"
    shift
    local baseline=()
    while [ "$1" != "--" ]; do
        baseline+=("$1")
        shift
    done
    shift
    "$@" >/dev/null 2>&1 || true # warm the page cache
    local ours=() theirs=() ratios=()
    for _ in $(seq 1 "$runs"); do
        local b a
        b=$(elapsed "${baseline[@]}")
        a=$(elapsed "$@")
        theirs+=("$b")
        ours+=("$a")
        ratios+=("$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.2f", a / b }')")
    done
    last_ratio=$(printf '%s\n' "${ratios[@]}" | median)
    printf '%-24s %9d us  %-10s %7d us  ratio %6s' "$label" \
        "$(printf '%s\n' "${ours[@]}" | median)" "${baseline[0]##*/}" \
        "$(printf '%s\n' "${theirs[@]}" | median)" "$last_ratio"
}

# aim LIMIT: says whether the last ratio is within LIMIT.
aim() {
    awk -v r="$last_ratio" -v l="$1" 'BEGIN { printf "  (aim at most %s: %s)", l, r <= l ? "met" : "not met" }'
}

echo "quillmark-cli beside cat, $runs pairs each (medians)"
paired "help" /bin/true -- "$program" help
echo
for command in format align analyse classify; do
    empty=$(peak_kb "$program" "$command" "$work/empty.feature")
    for lines in 2000 20000 200000; do
        file="$work/$lines.feature"
        bytes=$(wc -c <"$file")
        paired "$command $lines lines" cat "$file" -- "$program" "$command" "$file"
        [ "$lines" = 200000 ] && aim 3
        peak=$(peak_kb "$program" "$command" "$file")
        awk -v p="$peak" -v e="$empty" -v b="$bytes" \
            'BEGIN { printf "  peak %6d KB, %.2f bytes per input byte\n", p, (p - e) * 1024 / b }'
    done
done

# Many small files, as a project's features folder holds them: as many as
# the aim names, each the sample's first 10 to 49 lines, written by one
# process. Their names are more than one command line holds, so find gives
# them to cat, in as few runs of it as the system's limit allows; it reads the
# folder as quillmark-cli does.
files=100000
mkdir "$work/folder"
awk -v files="$files" -v folder="$work/folder" '
    { line[NR] = $0 }
    END {
        for (i = 1; i <= files; ++i) {
            name = folder "/" i ".feature"
            for (k = 1; k <= i % 40 + 10; ++k)
                print line[k] > name
            close(name)
        }
    }' "$sample"
paired "format $files small files" find "$work/folder" -name '*.feature' -exec cat {} + -- \
    "$program" format "$work/folder"
aim 1.2
echo

if command -v valgrind >/dev/null; then
    instructions() {
        valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
            sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
    }
    base=$(instructions "$program" format "$work/empty.feature")
    total=$(instructions "$program" format "$work/2000.feature")
    bytes=$(wc -c <"$work/2000.feature")
    awk -v t="$total" -v e="$base" -v b="$bytes" 'BEGIN {
        r = (t - e) / b
        printf "format 2000 lines: %d instructions, %d for an empty file, %.1f per input byte (aim at most 30: %s)\n",
            t, e, r, r <= 30 ? "met" : "not met" }'
fi
