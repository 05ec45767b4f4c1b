#!/usr/bin/env bash
# Start-up failures: each ends the program with one line on standard error and a non-zero
# status, shown in the game's message box before that where there is a display (a display
# without a usable mode is no failure: the game plays in a window then, see window.sh); damaged
# files of the game are named with their reason in one box and the game plays on; --version
# and --help need nothing.
. "$(dirname "$0")/lib.sh"

# Runs the game to its end, closing the message box it shows first; sets status, lines,
# message and boxed (yes when a box showed).
run_game() { # run_game CONFIG_TEXT [env args...]
    make_run_dir "$1"
    shift
    # shellcheck disable=SC2086
    (cd "$game_dir" && exec timeout 20 env "$@" ./quelvane ${game_args:-} >"$out/stdout" 2>"$out/stderr") &
    local pid=$! i
    boxed=no
    for i in $(seq 1 100); do
        if xdotool search --name '^Quelvane$' >/dev/null 2>&1; then
            sleep 0.5
            peek box
            box_shown box && boxed=yes
            close_box
            break
        fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    wait "$pid"
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
check "... after a message box" [ "$boxed" = yes ]

run_game "resolution = 3" DISPLAY="$DISPLAY"
log "no winPoints: status $status: $message"
check "key winPoints missing: one line, status 1, names the key" failed_with 1 winPoints
check "... after a message box" [ "$boxed" = yes ]

run_game $'winPoints = 6\n# resolution = 3' DISPLAY="$DISPLAY"
log "no resolution: status $status: $message"
check "key resolution missing: one line, status 1, names the key" failed_with 1 resolution

run_game $'\x01\x02 this is not a configuration' DISPLAY="$DISPLAY"
log "a broken ZAVK.cfg: status $status: $message"
check "a broken ZAVK.cfg: one line, status 1, names a key it lacks" failed_with 1 resolution
check "... after a message box" [ "$boxed" = yes ]

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
help_ok=$(answered "Usage: quelvane \[--window\] \[--message TEXT\] \[--version\] \[--help\]" && echo yes)
check "--version prints Quelvane $QV_VERSION and --help the usage, without a display or ZAVK.cfg" \
    [ "$version_ok$help_ok" = yesyes ]

# A cut-short model and a garbled texture: each named with its reason on standard error and
# together in one message box; closed, the game plays on.
make_run_dir $'resolution = 3\nwinPoints = 10'
rm "$game_dir/models" "$game_dir/texturen"
cp -r "$QV_RUN/models" "$QV_RUN/texturen" "$game_dir/"
head -c 9000 "$QV_RUN/models/berg.3ds" >"$game_dir/models/berg.3ds"
printf 'garbled, not a picture' >"$game_dir/texturen/wald.bmp"
(cd "$game_dir" && exec ./quelvane >"$out/damaged.stdout" 2>"$out/damaged.stderr") &
game_pid=$!
if wait_for_window; then
    shot damaged_box
    check "a cut-short model is named with its reason" \
        grep -qx "Quelvane: 3DS file damaged (cut short): models/berg.3ds" "$out/damaged.stderr"
    check "a garbled texture is named with its reason" \
        grep -qx "Quelvane: Texture damaged (not a bitmap): texturen/wald.bmp" "$out/damaged.stderr"
    check "... and a message box shows" box_shown damaged_box
    close_box
    shot damaged_seats
    check "closed, the seat selection follows" seat_screen damaged_seats
    click_at panel 51
    shot damaged_game
    check "... and Start deals a game" at_least "$(changed damaged_seats damaged_game 200 100 1100 800 40)" 100000
    quit_with_escape "damaged files"
fi

finish
