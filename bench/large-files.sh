#!/usr/bin/env bash
# Large files in the editor, as a user sees them, beside featherpad and
# mousepad when they are installed. For each size, every editor is started in
# turn on the same file (A B C A B C ...), under a virtual X server, and each
# run gives:
#   shown_ms  from launch until the program's window is mapped and painted
#             (bench/wait-painted.py, started before the program: its middle
#             row mostly light, where an unpainted window shows the black root)
#   ready_ms  from launch until the last line of the file has been reached and
#             copied: the script presses Ctrl+End, Shift+Home and Ctrl+C in
#             the painted window (again every 3 s while nothing comes) and
#             reads the clipboard until it holds the file's last line (a line
#             found nowhere else)
#   peak_mb   the largest resident set of the process (/usr/bin/time -v)
#   cpu_s     the processor time (user and system) the process took until it
#             was closed, once ready: the work of opening, which the load of a
#             shared machine changes far less than the times above
# The medians follow each size, and the ratios of the medians to the first
# program's; then, from each run's own ratio, the editor beside the peers its
# aims name: shown no later than featherpad, peak memory at most mousepad's
# (the aims are for the 50 MB file), and beside the build LARGE_FILES_ALSO
# names on every figure.
# Usage: bench/large-files.sh [path/to/quillmark2] [runs] [sizes...]
#        sizes are line counts; "50MB" is a file of 50 MB (the sample
#        repeated, which Cucumber gives up on at its eleventh error), and
#        "50MBvalid" one that it reads to its end (bench/valid-feature.sh), whose
#        every scenario the editor's check goes through.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${LARGE_FILES_UNDER_X:-}" ]; then
    for tool in xvfb-run xdotool xclip; do
        command -v "$tool" > /dev/null || {
            echo "large-files.sh: $tool is missing (scripts/install-deps)" >&2
            exit 1
        }
    done
    LARGE_FILES_UNDER_X=1 exec xvfb-run -a -s "-screen 0 1280x900x24 -br" "$0" "$@"
fi

program="$(realpath "${1:-build/bin/quillmark2}")"
runs="${2:-5}"
shift 2 || shift $#
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1998 20000 200000)
sample="bench/data/realistic-1998.feature"

if [ ! -x "$program" ]; then
    echo "large-files.sh: $program not built" >&2
    exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Profiles of their own, so that stored settings and sessions change nothing.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
    GSETTINGS_BACKEND=memory
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"

editors=("quillmark2=$program")
# Another build beside it, to compare before and after in one run:
# LARGE_FILES_ALSO="before=/path/to/quillmark2".
[ -n "${LARGE_FILES_ALSO:-}" ] && editors+=("$LARGE_FILES_ALSO")
for other in featherpad mousepad; do
    if command -v "$other" > /dev/null; then
        editors+=("$other=$(command -v "$other")")
    else
        echo "large-files.sh: $other is missing and left out (apt-get install $other; scripts/bench installs it)" >&2
    fi
done

# The sample repeated up to `lines` lines (or `bytes` bytes), CR LF as in the
# sample, closed by a marker line that occurs nowhere else.
generate() {
    local name="$1" lines="$2" bytes="$3" marker="$4"
    local file="$work/$name.feature"
    local sampleLines sampleBytes copies
    sampleLines=$(wc -l < "$sample")
    sampleBytes=$(stat -c %s "$sample")
    if [ "$lines" -gt 0 ]; then
        copies=$(((lines + sampleLines - 1) / sampleLines))
    else
        copies=$(((bytes + sampleBytes - 1) / sampleBytes))
        lines=$((copies * sampleLines + 1))
    fi
    for _ in $(seq 1 "$copies"); do cat "$sample"; done | head -n $((lines - 1)) > "$file"
    printf '%s' "$marker" >> "$file"
    echo "$file"
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# One run: prints "shown_ms ready_ms peak_mb cpu_s", the first two "-" when
# the program gave no window or never got ready within the time allowed.
measure() {
    local binary="$1" file="$2" marker="$3" limit_ms="$4"
    xclip -selection clipboard -i /dev/null
    # The watcher is up before the program starts, so that neither its own
    # start nor a search for the program's process takes time from the
    # program or counts in its figure.
    local watch_out watch_in watcher
    coproc WATCH { bench/wait-painted.py - $((limit_ms / 1000)); }
    watch_out=${WATCH[0]} watch_in=${WATCH[1]} watcher=$WATCH_PID
    # Its first line says it is ready.
    read -r -t 30 _ <&"$watch_out" || true
    local start
    start=$(now_ms)
    /usr/bin/time -v -o "$work/time.txt" "$binary" "$file" > /dev/null 2>&1 &
    local timer=$!
    local pid="" window="" shown="-" ready="-"
    { echo "$timer" >&"$watch_in"; } 2> /dev/null || true
    if read -r window <&"$watch_out"; then
        shown=$(($(now_ms) - start))
    fi
    wait "$watcher" 2> /dev/null || true
    pid=$(pgrep -P "$timer" | head -n 1 || true)
    # The keys go again only after three seconds without the line: a program
    # busy loading takes them when it is done, and a heap of copies queued
    # behind the first would count against it.
    local sent=-1000000
    while [ -n "$window" ] && [ $(($(now_ms) - start)) -lt "$limit_ms" ]; do
        if [ $(($(now_ms) - sent)) -ge 3000 ]; then
            xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+End shift+Home ctrl+c 2> /dev/null || true
            sent=$(now_ms)
        fi
        if [ "$(timeout 5 xclip -selection clipboard -o 2> /dev/null | tr -d '\r\n')" = "$marker" ]; then
            ready=$(($(now_ms) - start))
            break
        fi
        # Not faster: the polling would take processor time from the program.
        sleep 0.05
    done
    [ -n "$pid" ] && kill "$pid" 2> /dev/null || true
    wait "$timer" 2> /dev/null || true
    local peak_kb cpu
    peak_kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
    cpu=$(awk -F': ' '/(User|System) time \(seconds\)/ { s += $2 } END { printf "%.2f", s }' "$work/time.txt")
    echo "$shown $ready $((peak_kb / 1024)) $cpu"
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

for size in "${sizes[@]}"; do
    marker="# the last line of the generated file, $size"
    if [ "$size" = "50MB" ]; then
        file=$(generate "$size" 0 $((50 * 1000 * 1000)) "$marker")
        limit_ms=60000
    elif [ "$size" = "50MBvalid" ]; then
        file="$work/$size.feature"
        bench/valid-feature.sh $((50 * 1000 * 1000)) > "$file"
        printf '%s' "$marker" >> "$file"
        limit_ms=60000
    else
        file=$(generate "$size" "$size" 0 "$marker")
        limit_ms=20000
    fi
    echo "== $size: $(wc -l < "$file") lines (plus the marker), $(stat -c %s "$file") bytes, $runs runs each"
    : > "$work/results"
    for run in $(seq 1 "$runs"); do
        for entry in "${editors[@]}"; do
            name="${entry%%=*}"
            figures=$(measure "${entry#*=}" "$file" "$marker" "$limit_ms")
            echo "$name $figures" >> "$work/results"
            printf 'run %d %-11s shown_ms=%s ready_ms=%s peak_mb=%s cpu_s=%s\n' "$run" "$name" $figures
        done
    done
    first="${editors[0]%%=*}"
    for column in 2 3 4 5; do
        label=$(echo "- shown_ms ready_ms peak_mb cpu_s" | cut -d' ' -f"$column")
        base=$(awk -v n="$first" -v c="$column" '$1 == n && $c != "-" { print $c }' "$work/results" | median)
        line="median $label:"
        for entry in "${editors[@]}"; do
            name="${entry%%=*}"
            value=$(awk -v n="$name" -v c="$column" '$1 == n && $c != "-" { print $c }' "$work/results" | median)
            ratio="-"
            if [ "$value" != "-" ] && [ "$base" != "-" ] && [ "$base" != "0" ]; then
                ratio=$(awk -v a="$value" -v b="$base" 'BEGIN { printf "%.2f", a / b }')
            fi
            line+=" $name=$value (x$ratio)"
        done
        echo "$line"
    done
    # Paired: the ratio within each run, then the median of the ratios.
    pairs=("shown_ms featherpad 2 1" "peak_mb mousepad 4 1")
    # The build beside it, on every figure.
    if [ -n "${LARGE_FILES_ALSO:-}" ]; then
        also="${LARGE_FILES_ALSO%%=*}"
        pairs+=("shown_ms $also 2 -" "ready_ms $also 3 -" "peak_mb $also 4 -" "cpu_s $also 5 -")
    fi
    for pair in "${pairs[@]}"; do
        read -r label peer column aim <<< "$pair"
        ratio=$(awk -v p="$peer" -v c="$column" -v n="$first" '
            $1 == n { mine[++m] = $c }
            $1 == p { theirs[++t] = $c }
            END { for (i = 1; i <= m && i <= t; ++i)
                      if (mine[i] != "-" && theirs[i] != "-" && theirs[i] > 0) printf "%.3f\n", mine[i] / theirs[i] }' \
            "$work/results" | median)
        if [ "$aim" = - ]; then
            echo "ratio $label $first/$peer: $ratio"
        else
            echo "ratio $label $first/$peer: $ratio (aim: at most $aim)"
        fi
    done
done
