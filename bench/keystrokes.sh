#!/usr/bin/env bash
# Typing as a user feels it, beside featherpad and a bare QPlainTextEdit (the
# floor: bare-editor, built with the benchmarks). Each editor in turn (A B C A
# B C ...) opens the 1998-line sample under a virtual X server, its window
# set to the same size, the caret at the end of the step on line 13; then two
# "x" that stay (the text is a changed one, as while a user types), and "x"
# and BackSpace in turn; each run gives:
#   latency_ms    the median over the keystrokes of the time from the X key
#                 event until the line on screen has changed
#                 (bench/keystroke-latency.py)
#   instructions  with KEYSTROKES_INSTRUCTIONS=1 instead: the instructions the
#                 process runs per keystroke, from the key event to the picture
#                 and the idle time after it (valgrind's callgrind, counted
#                 over the keystrokes alone)
# Then the medians, and the median of each run's ratio of the editor to each
# other program, beside the aim (at most featherpad's, at most 1.3 times the
# bare editor's).
# Usage: bench/keystrokes.sh [path/to/quillmark2] [runs] [keystrokes]
#        KEYSTROKES_ALSO="before=/path/to/quillmark2" adds another build.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${KEYSTROKES_UNDER_X:-}" ]; then
    for tool in xvfb-run xdotool python3; do
        command -v "$tool" > /dev/null || {
            echo "keystrokes.sh: $tool is missing (scripts/install-deps)" >&2
            exit 1
        }
    done
    KEYSTROKES_UNDER_X=1 exec xvfb-run -a -s "-screen 0 1280x900x24 -br" "$0" "$@"
fi

program="$(realpath "${1:-build/bin/quillmark2}")"
runs="${2:-5}"
keystrokes="${3:-40}"
bare="$(dirname "$program")/bare-editor"
sample="$(realpath bench/data/realistic-1998.feature)"
instructions="${KEYSTROKES_INSTRUCTIONS:-}"

for binary in "$program" "$bare"; do
    if [ ! -x "$binary" ]; then
        echo "keystrokes.sh: $binary not built" >&2
        exit 1
    fi
done
if [ -n "$instructions" ] && ! command -v valgrind > /dev/null; then
    echo "keystrokes.sh: valgrind is missing" >&2
    exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export GSETTINGS_BACKEND=memory

editors=("quillmark2=$program")
[ -n "${KEYSTROKES_ALSO:-}" ] && editors+=("$KEYSTROKES_ALSO")
if command -v featherpad > /dev/null; then
    editors+=("featherpad=$(command -v featherpad)")
else
    echo "keystrokes.sh: featherpad is missing and left out (apt-get install featherpad; scripts/bench installs it)" >&2
fi
editors+=("bare=$bare")

now_ms() { echo $(($(date +%s%N) / 1000000)); }
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# One run: prints the figure, or "-" when the program gave no window or a
# keystroke was not seen.
measure() {
    local binary="$1" limit_s=30 timeout_s=5 launcher=()
    if [ -n "$instructions" ]; then
        limit_s=300
        timeout_s=60
        launcher=(valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.%p")
    fi
    rm -f "$work"/callgrind.*
    # Settings and data of each run's own: the text is left changed, and the
    # recovery copy of one run would stop the next at its question.
    rm -rf "$work/home"
    mkdir -p "$work/home/.config" "$work/home/.local/share"
    HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
        "${launcher[@]}" "$binary" "$sample" > /dev/null 2>&1 &
    local pid=$! window=""
    window=$(bench/wait-painted.py "$pid" "$limit_s" || true)
    local figure="-"
    if [ -n "$window" ]; then
        xdotool windowsize --sync "$window" 1000 700 2> /dev/null || xdotool windowsize "$window" 1000 700
        xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+Home
        for _ in $(seq 1 12); do xdotool key Down; done
        xdotool key End
        # Whatever start-up left to do is done before the counting starts.
        sleep $([ -n "$instructions" ] && echo 10 || echo 1)
        if [ -n "$instructions" ]; then
            callgrind_control -z "$pid" > /dev/null 2>&1
            # Keystrokes in quick succession, as while a user types: the
            # work the editor does when typing pauses is not counted.
            if bench/keystroke-latency.py "$window" "$keystrokes" "$timeout_s" 30 > "$work/latencies"; then
                callgrind_control -d "$pid" > /dev/null 2>&1
                local total
                total=$(awk '/^summary:/ { print $2 }' "$work/callgrind.$pid.1" 2> /dev/null || true)
                # The two keystrokes that find the rows are counted too.
                [ -n "$total" ] && figure=$((total / (keystrokes + 2)))
            fi
        elif bench/keystroke-latency.py "$window" "$keystrokes" "$timeout_s" > "$work/latencies"; then
            figure=$(median < "$work/latencies")
        fi
    fi
    kill "$pid" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
    echo "$figure"
}

label=latency_ms
[ -n "$instructions" ] && label=instructions
echo "== typing on line 13 of the 1998-line sample, $keystrokes keystrokes, $runs runs each"
: > "$work/results"
for run in $(seq 1 "$runs"); do
    for entry in "${editors[@]}"; do
        name="${entry%%=*}"
        figure=$(measure "${entry#*=}")
        echo "$run $name $figure" >> "$work/results"
        printf 'run %d %-11s %s=%s\n' "$run" "$name" "$label" "$figure"
    done
done

line="median $label:"
for entry in "${editors[@]}"; do
    name="${entry%%=*}"
    line+=" $name=$(awk -v n="$name" '$2 == n && $3 != "-" { print $3 }' "$work/results" | median)"
done
echo "$line"
# The ratio within each run, then the median of the ratios.
for entry in "${editors[@]:1}"; do
    other="${entry%%=*}"
    ratio=$(awk -v o="$other" '$3 != "-" { v[$1 " " $2] = $3 }
        END { for (k in v) { split(k, p, " "); if (p[2] == "quillmark2" && (p[1] " " o) in v && v[p[1] " " o] > 0)
              printf "%.3f\n", v[k] / v[p[1] " " o] } }' "$work/results" | median)
    aim=""
    [ "$other" = "featherpad" ] && aim=" (aim: at most 1)"
    [ "$other" = "bare" ] && aim=" (aim: at most 1.3)"
    echo "ratio $label quillmark2/$other: $ratio$aim"
done
