#!/usr/bin/env bash
# How much typing a kill -9 costs, as the user counts it: the editor is
# started on a large file under a virtual X server, words are typed into it
# with xdotool (each word's start time noted), and after a time picked at
# random the editor is killed with kill -9. The recovery copy it leaves is
# read, and the typing lost is the time from the start of the first word the
# copy lacks to the kill (0 when it has them all).
# Usage: bench/recovery-loss.sh [path/to/quillmark2] [trials] [megabytes]
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${RECOVERY_LOSS_UNDER_X:-}" ]; then
    for tool in xvfb-run xdotool; do
        command -v "$tool" > /dev/null || {
            echo "recovery-loss.sh: $tool is missing (scripts/install-deps)" >&2
            exit 1
        }
    done
    RECOVERY_LOSS_UNDER_X=1 exec xvfb-run -a -s "-screen 0 1280x900x24 -br" "$0" "$@"
fi

program="$(realpath "${1:-build/bin/quillmark2}")"
trials="${2:-5}"
megabytes="${3:-50}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

python3 - "$work/large.feature" "$megabytes" <<'PY'
import sys
sample = open('bench/data/realistic-1998.feature', 'rb').read().replace(b'\r\n', b'\n')
bytes_ = bytearray()
while len(bytes_) < int(sys.argv[2]) << 20:
    bytes_ += sample
open(sys.argv[1], 'wb').write(bytes_)
PY

for trial in $(seq "$trials"); do
    export HOME="$work/home$trial" XDG_CONFIG_HOME="$work/home$trial/config" XDG_DATA_HOME="$work/home$trial/data"
    mkdir -p "$XDG_CONFIG_HOME"
    "$program" "$work/large.feature" 2> /dev/null &
    pid=$!
    window=$(python3 bench/wait-painted.py "$pid" 120)
    # The window shows before all of a large text is in.
    sleep 25
    xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+End
    typing_s=$((8 + RANDOM % 8))
    : > "$work/words"
    end=$(($(date +%s) + typing_s))
    word=0
    while [ "$(date +%s)" -lt "$end" ]; do
        word=$((word + 1))
        echo "$word $(date +%s.%N)" >> "$work/words"
        xdotool type --delay 10 "w$(printf %05d $word) "
    done
    killed=$(date +%s.%N)
    kill -9 "$pid"
    wait "$pid" 2> /dev/null || true
    python3 - "$work/words" "$killed" "$XDG_DATA_HOME" "$trial" <<'PY'
import glob, re, sys
starts = dict(line.split() for line in open(sys.argv[1]))
killed = float(sys.argv[2])
copies = glob.glob(sys.argv[3] + '/**/*.recovery', recursive=True)
kept = 0
if copies:
    data = open(copies[0], 'rb').read()
    text = data[data.index(b'\n') + 1:].decode('utf-16-le', 'replace')
    found = [int(w) for w in re.findall(r'w(\d{5}) ', text)]
    kept = max(found) if found else 0
typed = len(starts)
lost = 0.0 if kept >= typed else killed - float(starts[str(kept + 1)])
print(f"trial {sys.argv[4]}: {typed} words typed, {kept} in the copy{'' if copies else ' (no copy at all)'}, "
      f"typing lost {lost:.1f} s")
PY
done
