#!/usr/bin/env bash
# Plays the games a recording names and compares every game line with it, so that the table
# computer keeps playing the same seeds to the same ends. A recording is a list of sections,
# each a line "== ARGS" followed by the game lines quelvane-sim ARGS printed.
# usage: check_recorded.sh SIMULATOR RECORDING
set -u
sim=$1 recording=$2
status=0
while IFS= read -r header; do
    args=${header#== }
    expected=$(awk -v h="$header" '$0 == h { on = 1; next } /^== / { on = 0 } on' "$recording")
    # shellcheck disable=SC2086
    actual=$("$sim" $args --jobs 2 | grep '^game ')
    if [ "$actual" = "$expected" ]; then
        echo "same games: $args"
    else
        echo "DIFFERENT games: $args"
        diff <(echo "$expected") <(echo "$actual") | head -20
        status=1
    fi
done < <(grep '^== ' "$recording")
exit $status
