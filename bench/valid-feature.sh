#!/usr/bin/env bash
# Writes to stdout a feature file of at least BYTES bytes that Cucumber reads
# to its end without an error: the header of bench/data/realistic-1998.feature
# once, then its scenarios, rules and outlines over and over, each copy's
# scenario names told apart by the copy's number, CR LF as in the sample.
# Usage: bench/valid-feature.sh BYTES
set -euo pipefail
cd "$(dirname "$0")/.."
bytes="$1"
sample="bench/data/realistic-1998.feature"
header=10 # the lines up to the first scenario: the feature and its background
awk -v header="$header" -v bytes="$bytes" '
    NR <= header { head[NR] = $0; next }
    { body[++n] = $0 }
    END {
        written = 0
        for (i = 1; i <= header; ++i) { print head[i]; written += length(head[i]) + 1 }
        for (copy = 1; written < bytes; ++copy)
            for (i = 1; i <= n; ++i) {
                line = body[i]
                if (line ~ /^ *Scenario( Outline)?: /)
                    sub(/: /, ": " copy "/", line)
                print line
                written += length(line) + 1
            }
    }' "$sample"
