#!/usr/bin/env bash
# Start-up failures: each ends the program with one line on standard error and a non-zero
# status, before any window is opened (a display without a usable mode is no failure: the game
# plays in a window then, see window.sh); --version and --help need nothing.
. "$(dirname "$0")/lib.sh"

run_game() { # run_game CONFIG_TEXT [env args...]: runs to its end; sets status and lines
    make_run_dir "$1"
    shift
    # shellcheck disable=SC2086
    (cd "$game_dir" && timeout 20 env "$@" ./quelvane ${game_args:-} >"$out/stdout" 2>"$out/stderr")
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

game_args=--fenster run_game $'resolution = 3\nwinPoints = 10' DISPLAY="$DISPLAY"
log "unknown option: status $status: $message"
check "an unknown option: one line, status 2, names it" failed_with 2 -- --fenster

# The two questions need neither a display nor settings, and answer on standard output.
answered() { # answered PATTERN: status 0, nothing on standard error, the answer matches
    [ "$status" -eq 0 ] && [ ! -s "$out/stderr" ] && grep -qx -- "$1" "$out/stdout"
}
game_args=--version run_game "" -u DISPLAY
version_ok=$(answered "Quelvane $QV_VERSION" && echo yes)
game_args="--window --help" run_game "" -u DISPLAY
help_ok=$(answered "Usage: quelvane \[--window\] \[--version\] \[--help\]" && echo yes)
check "--version prints Quelvane $QV_VERSION and --help the usage, without a display or ZAVK.cfg" \
    [ "$version_ok$help_ok" = yesyes ]

finish
