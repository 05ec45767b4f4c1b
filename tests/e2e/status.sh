#!/usr/bin/env bash
# What a newcomer reads: the message line in the bar's middle panel through the opening, the
# roll's payout above the dice, the scoreboard of all four seats, and tile numbers as thick
# after wire frame has been on and off as before.
. "$(dirname "$0")/lib.sh"

highlight="255 255 77"
panel_box="528 936 802 1016" # the bar's middle panel, where the message line stands
strip_box="452 869 882 916"  # the strip above it, while the dice fill the panel
# Text pixels of a player's colour (red, blue, green, purple) on the dark panels in a box.
bright() { panel_text "$@"; } # bright SHOT PLAYER X0 Y0 X1 Y1
# Holds the button for the computers' fast pace until their turns are over and player 1 is
# on turn again.
computers_play() {
    xdotool mousemove 60 500 mousedown 1
    local i
    for i in $(seq 1 60); do
        sleep 1
        peek back
        on_turn back 1 || break
    done
    for i in $(seq 1 90); do
        sleep 1
        peek back
        on_turn back 1 && break
    done
    xdotool mouseup 1
    settle
}

game_start || finish
click_at panel 55 # four seats
click_at panel 56 # seat 1: a person
click_at panel 61 # seat 2: the computer, as 3 and 4 are from the start
click_at panel 51
press_key m
shot opening
# shellcheck disable=SC2086
check "the opening shows the message line with player 1's name" \
    at_least "$(bright opening 1 $panel_box)" 40
# shellcheck disable=SC2086
check "... and the step in white" at_least "$(count opening $panel_box 255 255 255 60)" 100
for p in 1 2 3 4; do
    y0=$((40 + (p - 1) * 26)) y1=$((68 + (p - 1) * 26))
    check "the scoreboard lists seat $p in its colour" at_least "$(bright opening $p 1025 $y0 1120 $y1)" 20
done

# The numbers keep their width whatever wire frame did before.
read -r cx cy < <(where tile 0 0 $cam_top)
numbers="$((cx - 200)) $((cy - 200)) $((cx + 200)) $((cy + 200))"
press_key F3 F3
shot numbers_again
# shellcheck disable=SC2086
check "tile numbers as thick after wire frame on and off as before" \
    at_most "$(changed opening numbers_again $numbers 40)" 30

# The person's opening, then the computers' at their fast pace, then the roll.
placed=0
for s in 20 29 41 24 12 35 48 44 9 3 16 50; do
    QV_PNG=0 shot free
    at_least "$(spot_pixels free 1 "$s")" 40 || continue
    # shellcheck disable=SC2046
    click $(spot_xy "$s")
    # shellcheck disable=SC2046
    click $(edge_xy "$("$QV_PROBE" spot-edges "$s" | awk '{print $1}')")
    placed=$((placed + 1))
    computers_play
    [ "$placed" = 2 ] && break
done
check "both opening settlements of the person placed" [ "$placed" = 2 ]
shot rolling
# shellcheck disable=SC2086
check "after the opening the message line asks player 1 to roll" \
    at_least "$(bright rolling 1 $panel_box)" 40
click_at panel 10
shot rolled
# shellcheck disable=SC2086
check "after the roll the strip above the dice names what it paid" \
    at_least "$(count rolled $strip_box $highlight 40)" 60
# shellcheck disable=SC2086
check "... under player 1's name and next step" at_least "$(bright rolled 1 $strip_box)" 40
finish
