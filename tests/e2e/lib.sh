# Shared helpers of the end-to-end tests: a game in a scratch copy of the run folder on the
# test X server, screenshots, clicks and keys, and pixel checks. Sourced by every test.
# Environment (set by ctest): QV_RUN the built run folder, QV_BUILD the build folder, QV_PROBE
# the probe helper, QV_OUT the folder for screenshots, DISPLAY the test X server.
set -u

QV_OUT=${QV_OUT:-/tmp/quelvane-e2e}
test_name=$(basename "$0" .sh)
out="$QV_OUT/$test_name"
rm -rf "$out"
mkdir -p "$out"
failures=0
game_pid=""
game_dir=""

log() { echo "[$test_name] $*"; }
fail() {
    echo "[$test_name] FAIL: $*" >&2
    failures=$((failures + 1))
}
check() { # check DESCRIPTION COMMAND...: runs the command, counts a failure if it fails
    local what=$1
    shift
    if "$@"; then log "ok: $what"; else fail "$what"; fi
}

# A scratch copy of the run folder with its own ZAVK.cfg; the asset folders are shared.
make_run_dir() { # make_run_dir CONFIG_TEXT
    game_dir=$(mktemp -d /tmp/quelvane-e2e-run.XXXXXX)
    cp "$QV_RUN/quelvane" "$game_dir/"
    for d in models texturen locale; do [ -d "$QV_RUN/$d" ] && ln -s "$QV_RUN/$d" "$game_dir/$d"; done
    if [ -n "$1" ]; then printf '%s\n' "$1" >"$game_dir/ZAVK.cfg"; fi
    return 0
}

# Starts the game at 1280 x 1024 and waits until its full-screen window shows frames.
game_start() { # game_start [winPoints]
    game_launch 3 "${1:-10}" '1280x1024+0+0'
}

# Starts the game with a resolution setting and arguments, and waits for a window of the
# given geometry (an xwininfo pattern such as 1600x900+0+0).
game_launch() { # game_launch RESOLUTION WINPOINTS GEOMETRY [ARG...]
    local resolution=$1 points=$2 geometry=$3
    shift 3
    game_stop
    make_run_dir "$(printf 'resolution = %s\nwinPoints = %s' "$resolution" "$points")"
    (cd "$game_dir" && exec ./quelvane "$@" >"$out/game.stdout" 2>"$out/game.stderr") &
    game_pid=$!
    wait_for_window "$geometry"
}

# Starts an installed launcher, which runs the game from the player's folder, and waits for
# the game's window at the default settings' mode (the largest the test server offers).
launcher_start() { # launcher_start LAUNCHER NAME: standard streams in $out/NAME.stdout/.stderr
    game_stop
    "$1" >"$out/$2.stdout" 2>"$out/$2.stderr" &
    game_pid=$!
    wait_for_window
}

# The seats' colours as the game writes their names (1 red, 2 blue, 3 green, 4 purple): in
# bright shades on the dark panels (the name plate, the message line, the scoreboard, the end
# screen) and in lighter ones on the buttons (the seat selection, the trade partners).
panel_colour=("" "255 107 97" "128 166 255" "77 242 77" "255 102 255")
button_colour=("" "255 168 158" "179 194 255" "140 242 77" "242 163 255")
panel_text() { count "$1" "$3" "$4" "$5" "$6" ${panel_colour[$2]} 12; } # SHOT P X0 Y0 X1 Y1
button_text() { count "$1" "$3" "$4" "$5" "$6" ${button_colour[$2]} 12; }

# The seat selection as the game opens: seat 1 lists "Comp. 1" in red (fewer pixels in the
# smaller fonts of smaller pictures).
seat_screen() { at_least "$(button_text "$1" 1 $(view_box 670 369 760 396))" 12; }

quit_with_escape() { # quit_with_escape WHEN: Escape ends the game with status 0
    press_key Escape
    local status
    game_wait 5
    check "$1: Escape ends the game with status 0 (got $status)" [ "$status" = 0 ]
}

# Whether the game still runs: a child of this shell. Once it has ended its number may be
# handed to any other process, which must never be taken for it.
game_runs() {
    [ -n "$game_pid" ] && [ "$(ps -o ppid= -p "$game_pid" 2>/dev/null | tr -d ' ')" = "$$" ]
}

wait_for_window() { # wait_for_window [GEOMETRY]
    local i
    for i in $(seq 1 300); do
        if ! game_runs; then
            fail "the game ended during start-up"
            return 1
        fi
        if xwininfo -root -children 2>/dev/null | grep -qF "${1:-1280x1024+0+0}"; then
            settle # the loaders' work, then the first frames
            return
        fi
        sleep 0.1
    done
    fail "no full-screen window after 30 s"
    return 1
}

# Waits for the game to end; sets status to its exit status, or "running". It waits in this
# shell, not in a $(...): only the shell that started the game learns its status for sure.
game_wait() { # game_wait SECONDS
    local i
    status=running
    for i in $(seq 1 $(($1 * 10))); do
        if ! game_runs; then
            wait "$game_pid"
            status=$?
            game_pid=""
            return 0
        fi
        sleep 0.1
    done
}

game_stop() {
    if game_runs; then
        kill "$game_pid"
        wait "$game_pid" 2>/dev/null
    fi
    game_pid=""
    [ -n "$game_dir" ] && rm -rf "$game_dir"
    game_dir=""
}

finish() {
    game_stop
    xdotool mouseup 1 mouseup 2 mouseup 3 2>/dev/null
    if [ "$failures" -gt 0 ]; then
        echo "[$test_name] $failures check(s) failed; screenshots in $out" >&2
        exit 1
    fi
    log "all checks passed"
    exit 0
}
trap 'game_stop' EXIT

# The whole screen as NAME.ppm at once: for loops that watch for a change to come.
peek() { import -window root -depth 8 "$out/$1.ppm"; }

# Waits until the picture has settled, so that the game has taken in the input that came
# before: screen after screen until the game has drawn three new frames (the waves move in
# each; an input shows in the second or third frame after it arrives) and the last two screens
# agree, the water aside, and show more than the one colour of a window before its first frame.
# Where no water shows, four calm screens in a row do. The last screen is kept for the shot
# that follows. A picture still moving after QV_SETTLE_SECONDS is a failure of the test;
# without a running game there is nothing to wait for.
settled_shot=""
settle() { # settle [NAME]
    local name=${1:-.settled} limit=${QV_SETTLE_SECONDS:-20} start=$SECONDS
    local changed=0 waves flat frames=0 calm=0
    settled_shot=""
    peek .settling
    while :; do
        peek "$name"
        # a game that has ended changes nothing any more
        game_runs || return 0
        read -r changed waves flat < <("$QV_PROBE" still "$out/.settling.ppm" "$out/$name.ppm")
        [ "$waves" -gt 0 ] && frames=$((frames + 1))
        if [ "$changed" = 0 ] && [ "$flat" = 0 ]; then calm=$((calm + 1)); else calm=0; fi
        if [ "$calm" -ge 1 ] && { [ "$frames" -ge 3 ] || [ "$calm" -ge 4 ]; }; then
            [ "$name" = .settled ] && settled_shot=$out/$name.ppm
            return 0
        fi
        if [ $((SECONDS - start)) -ge "$limit" ]; then
            fail "the picture did not settle within $limit s ($changed pixels still changing)"
            return 1
        fi
        mv "$out/$name.ppm" "$out/.settling.ppm"
    done
}

# A settled screenshot as NAME.ppm (to measure) and NAME.png (to look at); QV_PNG=0 keeps only
# the PPM, for the many shots of a long run. Straight after a settle nothing new can show, so
# that screen is taken.
shot() { # shot NAME
    if [ -n "$settled_shot" ]; then
        mv "$settled_shot" "$out/$1.ppm"
        settled_shot=""
    else
        settle "$1" || return 1
    fi
    if [ "${QV_PNG:-1}" = 1 ]; then convert "$out/$1.ppm" "$out/$1.png"; fi
}

# Settled screenshots as NAME until COMMAND succeeds, for at most SECONDS: for what the game
# shows only some frames after the input that asked for it.
shot_until() { # shot_until SECONDS NAME COMMAND...
    local end=$((SECONDS + $1)) name=$2
    shift 2
    until shot "$name" && "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
    done
}

# Press and release back to back, as a touchpad tap or a quick click arrives.
click() { # click X Y [BUTTON]
    xdotool mousemove "$1" "$2"
    sleep 0.1
    xdotool click "${3:-1}"
    settle
}

press_key() { # press_key KEYSYM...
    local k
    for k in "$@"; do
        xdotool key "$k"
        sleep 0.05
    done
    settle
}

# Where the game's 1280 x 1024 picture lies on the screen: its left, top, width and height.
view_x=0 view_y=0 view_w=1280 view_h=1024
set_view() { view_x=$1 view_y=$2 view_w=$3 view_h=$4; }
view_box() { # view_box X0 Y0 X1 Y1: a box of the 1280 x 1024 picture on the screen
    echo $((view_x + $1 * view_w / 1280)) $((view_y + $2 * view_h / 1024)) \
        $((view_x + $3 * view_w / 1280)) $((view_y + $4 * view_h / 1024))
}

# Screen position of a board place or panel: "X Y".
where() {
    local xy
    xy=$("$QV_PROBE" "$@") || return 1
    set -- $xy
    echo $((view_x + $1 * view_w / 1280)) $((view_y + $2 * view_h / 1024))
}
click_at() { # click_at spot|edge|panel|tile|sign N [lift rX rY zoom trans1 trans2]
    local xy
    xy=$(where "$@") || return 1
    # shellcheck disable=SC2086
    click $xy
}

# Pixels of colour (R G B) within TOL in a box of a screenshot.
count() { # count NAME X0 Y0 X1 Y1 R G B [TOL]
    local name=$1
    shift
    "$QV_PROBE" count "$out/$name.ppm" "$@"
}
# Pixels that differ between two screenshots in a box.
changed() { # changed A B X0 Y0 X1 Y1 [TOL]
    "$QV_PROBE" diff "$out/$1.ppm" "$out/$2.ppm" "${@:3}"
}
colour() { "$QV_PROBE" colour "$out/$1.ppm" "$2" "$3"; }

at_least() { [ "$1" -ge "$2" ]; }
at_most() { [ "$1" -le "$2" ]; }

# A box of half-size R around the screen position of a place or panel: "X0 Y0 X1 Y1".
box_around() { # box_around R what N [lift ...]
    local r=$1 x y
    shift
    read -r x y < <(where "$@")
    echo $((x - r)) $((y - r)) $((x + r)) $((y + r))
}

# The centred view ("m"): straight down on the board from 380 units.
cam_top="90 0 -380 0 0"
spot_xy() { where spot "$1" 3 $cam_top; } # a little above the spot, on the piece
edge_xy() { where edge "$1" 1 $cam_top; }
box_at() { # box_at R X Y: "X0 Y0 X1 Y1"
    echo $(($2 - $1)) $(($3 - $1)) $(($2 + $1)) $(($3 + $1))
}
# Pixels in a player's colour (1 red, 2 blue) in a box of a screenshot.
player_pixels() { # player_pixels SHOT PLAYER X0 Y0 X1 Y1
    local channel=0
    [ "$2" = 2 ] && channel=2
    "$QV_PROBE" dominant "$out/$1.ppm" "$3" "$4" "$5" "$6" "$channel"
}
spot_pixels() { player_pixels "$1" "$2" $(box_at 10 $(spot_xy "$3")); }
edge_pixels() { player_pixels "$1" "$2" $(box_at 6 $(edge_xy "$3")); }
# Which player the status line names: its label is drawn in the player's colour.
on_turn() { # on_turn SHOT PLAYER
    at_least "$(panel_text "$1" "$2" 130 930 240 962)" 25
}

# Pixels of player 2's blue on the board.
blue_on_board() { player_pixels "$1" 2 150 50 1130 900; }

# Waits until the status line names player P again; the screenshot is NAME.
wait_for_turn() { # wait_for_turn P NAME SECONDS
    local i
    for i in $(seq 1 "$3"); do
        QV_PNG=0 shot "$2"
        on_turn "$2" "$1" && return 0
        sleep 1
    done
    return 1
}

# The first spot from a list that shows player 1's settlement offer.
offered_spot() { # offered_spot SHOT SPOT...
    local shot=$1 s
    shift
    for s in "$@"; do
        if at_least "$(spot_pixels "$shot" 1 "$s")" 40; then
            echo "$s"
            return 0
        fi
    done
    return 1
}

# A road can only be clicked once its offer is drawn: waits up to 10 s until edge E shows
# player 1's road offer, as a slow frame may come long after the settlement's click.
wait_for_road_offer() { # wait_for_road_offer E
    local i
    for i in $(seq 1 20); do
        QV_PNG=0 shot road_offer
        at_least "$(edge_pixels road_offer 1 "$1")" 15 && return 0
        sleep 0.5
    done
    return 1
}

# Player 1's second opening settlement and road, on the first of a few inland spots still
# offered in the shot SHOT, against the computer in seat 2; waits until the computer has placed
# its own and handed the turn back, and takes the shot "opened".
second_opening_against_computer() { # second_opening_against_computer SHOT
    local s2 e2
    s2=$(offered_spot "$1" 29 41 24 12 35 48 44 9) || fail "no settlement offer for player 1"
    e2=$("$QV_PROBE" spot-edges "$s2" | awk '{print $1}')
    log "player 1 opens on spot $s2 with edge $e2"
    # shellcheck disable=SC2046
    click $(spot_xy "$s2")
    wait_for_road_offer "$e2"
    # shellcheck disable=SC2046
    click $(edge_xy "$e2")
    wait_for_turn 1 opened 20 || fail "the computer did not hand back its second opening turn"
    sleep 1
    shot opened
}

# Seats 1 and 2 to people, "Start", the view from above, and player 1's settlement on spot
# 20 by a click at its projected place; the shot is NAME.
settle_by_click() { # settle_by_click NAME
    click_at panel 56
    click_at panel 51
    press_key m
    # shellcheck disable=SC2046
    click $(spot_xy 20)
    shot "$1"
}
# Player 1's red on spot 20, in a box as large as the scaled settlement, and none left on
# spot 48, whose settlement offer the placement took away.
settled() { # settled SHOT: player 1's settlement stands on spot 20
    local r=$((10 * view_h / 1024))
    at_least "$(player_pixels "$1" 1 $(box_at "$r" $(spot_xy 20)))" $((40 * view_h * view_h / 1024 / 1024)) &&
        at_most "$(player_pixels "$1" 1 $(box_at "$r" $(spot_xy 48)))" 3
}

# A window manager gives a new window the keyboard; the test servers have none, and a game
# that ended in game mode leaves the focus nowhere.
# The game's window is named as desktops know it: its title, its class (the desktop entry's
# StartupWMClass), the game's process and its icon.
window_named() {
    local w props
    w=$(xdotool search --onlyvisible --classname '^quelvane$' | tail -1)
    [ -n "$w" ] || return 1
    props=$(xprop -id "$w" WM_NAME WM_CLASS _NET_WM_PID _NET_WM_ICON)
    grep -qF 'WM_NAME(STRING) = "Quelvane"' <<<"$props" &&
        grep -qF 'WM_CLASS(STRING) = "quelvane", "Quelvane"' <<<"$props" &&
        grep -qF "_NET_WM_PID(CARDINAL) = $game_pid" <<<"$props" &&
        grep -qF 'Icon (48 x 48)' <<<"$props"
}
focus_game() { xdotool search --name '^Quelvane$' windowfocus 2>/dev/null; }

# Seats 1 and 2 played by people, the game started and the view centred.
start_two_humans() {
    click_at panel 56
    click_at panel 51
    press_key m
}

# The opening of two people: settlements on inland spots far apart, each with a road.
opening_spots=(20 35 29 12) # player 1, 2, 1, 2
opening_edges=(30 35 26 6)
play_opening() {
    local i
    for i in 0 1 2 3; do
        # shellcheck disable=SC2046
        click $(spot_xy "${opening_spots[$i]}")
        # shellcheck disable=SC2046
        click $(edge_xy "${opening_edges[$i]}")
    done
}

# Terrain of each land tile, told by the mean colour at its centre in the centred view with
# the numbers hidden and the lighting off (so that every tile shows its texture as it is):
# 1 forest, 2 pasture, 3 field, 4 mountain, 5 clay pit, 6 desert; 0 when no colour is near.
terrain_refs=("64 85 39" "115 170 63" "190 152 63" "118 124 100" "157 94 52" "216 153 81")
tile_kind() { # tile_kind SHOT TILE
    local r g b
    read -r r g b < <("$QV_PROBE" mean "$out/$1.ppm" $(box_at 20 $(where tile "$2" 0 $cam_top)))
    local best=0 bestd=2000 i rr gg bb d
    for i in 0 1 2 3 4 5; do
        read -r rr gg bb <<<"${terrain_refs[$i]}"
        d=$(((r - rr) * (r - rr) + (g - gg) * (g - gg) + (b - bb) * (b - bb)))
        if [ "$d" -lt "$bestd" ]; then bestd=$d best=$((i + 1)); fi
    done
    [ "$bestd" -le 150 ] || best=0
    echo "$best"
}

# Starts the game once more in the same scratch folder, as a player starts it again after it
# ended; its standard streams go to $out/NAME.stdout and .stderr.
game_relaunch() { # game_relaunch NAME [ARG...]
    local name=$1
    shift
    (cd "$game_dir" && exec ./quelvane "$@" >"$out/$name.stdout" 2>"$out/$name.stderr") &
    game_pid=$!
    wait_for_window
}

# Ends the game the hard way, as a crash or a power cut would.
game_kill() {
    kill -9 "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
    game_pid=""
}

# The game's message box: its navy panel, at least a strip of it, in a box of the screen
# (the whole screen unless given).
box_shown() { # box_shown SHOT [X0 Y0 X1 Y1]
    local area=${2:+"$2 $3 $4 $5"}
    # shellcheck disable=SC2086
    at_least "$(count "$1" ${area:-0 0 1279 1023} 41 48 69 4)" 20000
}
# "OK" closes the box: Return in whichever window shows it.
close_box() {
    xdotool search --name '^Quelvane$' windowfocus 2>/dev/null
    sleep 0.2
    xdotool key Return
    sleep 0.5
}
# The message line's notice that the game is not kept: orange words in the bar's middle panel.
not_kept_notice() { # not_kept_notice SHOT
    at_least "$(count "$1" $(view_box 528 930 802 1022) 255 153 51 40)" 40
}


# Parts of the screen compared with reference pictures kept in tests/e2e/pictures
# (QV_PICTURES_UPDATE=1 writes new ones).
refs="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/pictures"
# The panels are drawn over the moving sea only at their edges: the seat panel, the settings
# under it and the message panel of the bar, each inset from its frame.
declare -A part=(
    [seats]="300x375+490+298"
    [settings]="300x120+490+695"
    [message]="284x77+522+935"
)

# The part of a shot is the reference's: at most 0.1% of its pixels differ by more than 24
# levels, the mean difference under half a level: the panels stand still, and a word in
# another language changes far more.
same_as_reference() { # same_as_reference SHOT PART REFERENCE
    convert "$out/$1.ppm" -crop "${part[$2]}" +repage "$out/$3.part.ppm"
    if [ "${QV_PICTURES_UPDATE:-0}" = 1 ]; then
        convert "$out/$3.part.ppm" -define png:compression-level=9 "$refs/$3.png"
        log "reference $3.png written"
        return 0
    fi
    convert "$refs/$3.png" "$out/$3.ref.ppm"
    read -r over most mean < <("$QV_PROBE" compare "$out/$3.ref.ppm" "$out/$3.part.ppm" 24)
    local pixels
    pixels=$(head -c 32 "$out/$3.part.ppm" | sed -n 2p | awk '{print $1 * $2}')
    log "$3: $over of $pixels pixels differ, largest $most, mean $mean"
    awk -v o="$over" -v p="$pixels" -v m="$mean" 'BEGIN { exit !(o <= p * 0.001 && m < 0.5) }'
}
