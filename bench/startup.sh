#!/usr/bin/env bash
# Start-up time of the editor: from launch to a shown, painted and coloured
# window holding the 1998-line sample file. Each run prints these figures:
#   startup_ms      measured inside the program, from main() to the first paint
#   since_exec_ms   the same end point, from the start of the process (to ~10 ms)
#   cpu_ms          processor time the process used up to that point
#   wall_ms         measured here, from launch until the process has ended again
#                   (includes loading the libraries and shutting down)
# Usage: bench/startup.sh [path/to/quillmark2] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
program="${1:-build/bin/quillmark2}"
runs="${2:-5}"
sample="bench/data/realistic-1998.feature"

if [ ! -x "$program" ]; then
    echo "startup.sh: $program not built" >&2
    exit 1
fi

# Settings and application data of its own: stored settings would change the
# figure, and a recovery copy left by another run would stop the start-up at
# its question, which nobody answers here.
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT

for run in $(seq 1 "$runs"); do
    start=$(date +%s%N)
    figure=$(XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" QT_QPA_PLATFORM=offscreen QUILLMARK_STARTUP_PROBE=1 \
        "$program" "$sample" 2>/dev/null | grep '^startup_ms=')
    end=$(date +%s%N)
    printf 'run %d: %s wall_ms=%d\n' "$run" "$figure" $(( (end - start) / 1000000 ))
done
