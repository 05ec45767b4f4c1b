#!/usr/bin/env bash
# Start-up failures: each ends the program with one line on standard error and a non-zero
# status, before any window is opened.
. "$(dirname "$0")/lib.sh"

run_game() { # run_game CONFIG_TEXT [env args...]: runs to its end; sets status and lines
    make_run_dir "$1"
    shift
    (cd "$game_dir" && timeout 20 env "$@" ./quelvane >"$out/stdout" 2>"$out/stderr")
    status=$?
    lines=$(wc -l <"$out/stderr")
    message=$(head -c 300 "$out/stderr")
    rm -rf "$game_dir"
    game_dir=""
}

# The failure is one line on standard error, nothing on standard output, the status
# expected (a number, or "nonzero") and the line names WORD.
failed_with() { # failed_with STATUS WORD
    [ "$lines" -eq 1 ] && [ ! -s "$out/stdout" ] || return 1
    if [ "$1" = nonzero ]; then [ "$status" -ne 0 ]; else [ "$status" -eq "$1" ]; fi || return 1
    grep -q -- "$2" <<<"$message"
}

run_game $'resolution = 3\nwinPoints = 10' -u DISPLAY
log "no display: status $status: $message"
check "no display: one line, non-zero status" failed_with nonzero DISPLAY

run_game "" DISPLAY="$DISPLAY"
log "no configuration file: status $status: $message"
check "no ZAVK.cfg: one line, status 1, names the file" failed_with 1 ZAVK.cfg

run_game "resolution = 3" DISPLAY="$DISPLAY"
log "no winPoints: status $status: $message"
check "key winPoints missing: one line, status 1, names the key" failed_with 1 winPoints

run_game $'winPoints = 6\n# resolution = 3' DISPLAY="$DISPLAY"
log "no resolution: status $status: $message"
check "key resolution missing: one line, status 1, names the key" failed_with 1 resolution

# The test server offers 1280 x 1024 and smaller, never 1600 x 1200.
run_game $'resolution = 4\nwinPoints = 10' DISPLAY="$DISPLAY"
log "resolution 4: status $status: $message"
tried_only_1600() {
    grep -q '1600x1200:32@100' <<<"$message" && grep -q '1600x1200:32@85' <<<"$message" &&
        grep -q '1600x1200:32@60' <<<"$message" && ! grep -q '1280x1024' <<<"$message"
}
check "resolution 4 without 1600x1200: one line, non-zero status" failed_with nonzero 1600x1200
check "resolution 4 names 1600x1200 at 100, 85 and 60 Hz and no other size" tried_only_1600

finish
