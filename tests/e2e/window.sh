#!/usr/bin/env bash
# The game in a window: where game mode is impossible (Xvfb has no video-mode extension, like
# VNC and most remote desktops) it covers the screen in a window, and with --window it opens
# a normal window even where game mode works. The picture keeps its shape between bars, and
# clicks land where the projected places are drawn.
. "$(dirname "$0")/lib.sh"

black_bars() { # black_bars SHOT X0 Y0 X1 Y1: the box is all black
    at_least "$(count "$1" "$2" "$3" "$4" "$5" 0 0 0 2)" $((($4 - $2 + 1) * ($5 - $3 + 1)))
}

# Xvfb on a 16:9 screen: a window covering it, the 5:4 picture in the middle. It takes a free
# display of its own choice and names it once it answers.
Xvfb -displayfd 3 -screen 0 1600x900x24 -nolisten tcp 3>"$out/xvfb.display" >"$out/xvfb.log" 2>&1 &
xvfb_pid=$!
trap 'game_stop; [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null' EXIT
for _ in $(seq 1 50); do [ -s "$out/xvfb.display" ] && break; sleep 0.1; done
xvfb_display=:$(cat "$out/xvfb.display")
test_display=$DISPLAY
export DISPLAY=$xvfb_display
set_view 237 0 1125 900
if game_launch 3 10 '1600x900+0+0'; then
    focus_game
    check "without game mode one line on standard error says a window is used" \
        grep -q "game mode is not available.*playing in a window" "$out/game.stderr"
    check "... and nothing else" [ "$(wc -l <"$out/game.stderr")" = 1 ]
    shot xvfb_box
    check "... and a message box says it on the screen" box_shown xvfb_box
    close_box
    shot xvfb_seats
    check "Xvfb: the seat screen in the middle of the window" seat_screen xvfb_seats
    check "Xvfb: black bars left and right" black_bars xvfb_seats 0 0 230 899
    check "... on both sides" black_bars xvfb_seats 1368 0 1599 899
    settle_by_click xvfb_settled
    check "Xvfb: Start deals, and a click on spot 20 places player 1's settlement there" \
        settled xvfb_settled
    check "Xvfb: the window's title, class, process and icon" window_named
    # Without game mode F11 makes the window a normal one and then covers the screen again.
    window_covers() { xwininfo -name Quelvane | grep -q 'geometry 1600x900+0+0'; }
    focus_game
    press_key F11
    check "Xvfb: F11 leaves the screen to the desktop" eval "! window_covers"
    focus_game
    press_key F11
    check "Xvfb: F11 again covers the screen" window_covers
    shot xvfb_back
    check "... with the settlement on spot 20" settled xvfb_back
    quit_with_escape "Xvfb"
fi
export DISPLAY=$test_display
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
xvfb_pid="" # its number may be another process's from now on

# Resolution 4 where the server offers no 1600x1200: the three modes it tried are named, and
# the window covers the 1280x1024 screen.
if game_launch 4 10 '1280x1024+0+0'; then
    focus_game
    tried_only_1600() {
        grep -q '1600x1200:32@100, 1600x1200:32@85, 1600x1200:32@60);' "$out/game.stderr"
    }
    check "resolution 4 without 1600x1200 names its three modes and plays in a window" \
        tried_only_1600
    shot only_1600_box
    check "... after a message box" box_shown only_1600_box
    close_box
    quit_with_escape "resolution 4"
fi

# --window where game mode works: a normal window, here made wider than 5:4 by the test.
set_view 0 0 1280 1024
if game_launch 3 10 'Quelvane' --window; then
    check "--window: no game mode, nothing on standard error" [ ! -s "$out/game.stderr" ]
    check "--window: the window's title, class, process and icon" window_named
    xdotool search --name '^Quelvane$' windowmove 40 30 windowsize 1100 600 windowfocus
    settle
    read -r wx wy < <(xwininfo -name Quelvane | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
    log "window at $wx,$wy, 1100x600: the picture is 750x600 between bars of 175"
    set_view $((wx + 175)) "$wy" 750 600
    shot window_seats
    check "--window: the seat screen shrunk into the middle" seat_screen window_seats
    check "--window: black bars beside it" black_bars window_seats "$wx" "$wy" $((wx + 170)) $((wy + 599))
    settle_by_click window_settled
    check "--window at 1100x600: a click on spot 20 places the settlement there" \
        settled window_settled
    quit_with_escape "--window"
fi

# The smallest window the game plays in is 640 x 512, however small it is made; there every
# label stands inside its button, in the overlay font or the smaller one.
window_size() { xwininfo -name Quelvane | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'; }
# White label pixels inside panel SLOT, and none in the bands just beside its ends; half its
# width and height in canvas units.
label_inside() { # label_inside SHOT SLOT HALF_WIDTH HALF_HEIGHT
    local x y
    read -r x y < <("$QV_PROBE" panel "$2")
    at_least "$(count "$1" $(view_box $((x - $3)) $((y - $4)) $((x + $3)) $((y + $4))) 255 255 255 30)" 10 &&
        at_most "$(count "$1" $(view_box $((x + $3 + 2)) $((y - $4)) $((x + $3 + 14)) $((y + $4))) 255 255 255 30)" 0 &&
        at_most "$(count "$1" $(view_box $((x - $3 - 14)) $((y - $4)) $((x - $3 - 2)) $((y + $4))) 255 255 255 30)" 0
}
if game_launch 3 10 'Quelvane' --window; then
    xdotool search --name '^Quelvane$' windowmove 0 0 windowsize 500 400 windowfocus
    settle
    read -r ww wh < <(window_size)
    check "a window made 500 x 400 is held to 640 x 512 (it is $ww x $wh)" \
        [ "$ww" -ge 640 -a "$wh" -ge 512 ]
    xdotool search --name '^Quelvane$' windowsize 640 512
    settle
    read -r wx wy < <(xwininfo -name Quelvane | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
    set_view "$wx" "$wy" 640 512
    shot small_seats
    check "640 x 512: the seat selection shows" seat_screen small_seats
    check "... Start inside its button" label_inside small_seats 51 56 25
    start_two_humans
    play_opening
    click_at panel 10 # "Wuerfeln"
    shot small_bar
    for slot in 10 11 12; do
        check "640 x 512: the label of button $slot inside it" label_inside small_bar "$slot" 56 25
    done
    for slot in 9 64; do
        check "640 x 512: the label of button $slot inside it" label_inside small_bar "$slot" 56 20
    done
    click_at panel 64 # "Optionen"
    shot small_options
    for slot in 65 66 67 68 69 70; do
        check "640 x 512: the option label $slot inside its button" \
            label_inside small_options "$slot" 56 25
    done
    quit_with_escape "640 x 512"
fi
finish
