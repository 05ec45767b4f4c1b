#!/usr/bin/env bash
# The kept game: a game killed outright comes back with "Fortsetzen" as it stood, "Zurueck"
# takes back a settlement, a won game offers "Neues Spiel", and a damaged file is moved aside.
. "$(dirname "$0")/lib.sh"

# White label pixels on an interface button.
label_on() { at_least "$(count "$1" $(box_around 40 panel "$2") 255 255 255 60)" "${3:-30}"; }

game_start || finish
start_two_humans
# shellcheck disable=SC2046
click $(spot_xy 20)
# shellcheck disable=SC2046
click $(edge_xy 30)
read -r cx cy < <(where tile 0 0 $cam_top)
land="$((cx - 160)) $((cy - 160)) $((cx + 160)) $((cy + 160))"
shot offers
# shellcheck disable=SC2046
click $(spot_xy 35)
shot placed
check "player 2's settlement stands" at_least "$(changed offers placed $land 40)" 300
check "Zurueck is offered on the main button" label_on placed 74
click_at panel 74
shot taken_back
# shellcheck disable=SC2086
check "Zurueck takes the settlement back and offers the spots again" \
    at_most "$(changed offers taken_back $land 40)" 50
check "... and is gone with nothing left to take back" \
    at_most "$(count taken_back $(box_around 40 panel 74) 255 255 255 60)" 5
# shellcheck disable=SC2046
click $(spot_xy 35)
settle
shot before
game_kill
check "the game is kept in quelvane.sav, a few KB" \
    at_most "$(stat -c %s "$game_dir/quelvane.sav" 2>/dev/null || echo 99999)" 8192

game_relaunch again
shot offered
check "the seat selection offers Fortsetzen" label_on offered 73
check "... with the kept game's seats: seat 1 a person (Spieler 1 coloured)" \
    at_least "$(button_text offered 1 515 369 605 396)" 25
check "... not the computer of the default seats" at_most "$(button_text offered 1 670 369 760 396)" 2
click_at panel 73
press_key m
shot after
check "the same pieces after Fortsetzen" \
    at_least "$(spot_pixels after 1 20)$(edge_pixels after 1 30)" 1
check "... player 1's settlement" at_least "$(spot_pixels after 1 20)" 40
check "... player 2's settlement" at_least "$(spot_pixels after 2 35)" 40
# shellcheck disable=SC2086
check "... and the same board (the land around the centre as before)" \
    at_most "$(changed before after $land 40)" 200
check "... with player 2 on turn" on_turn after 2
# shellcheck disable=SC2046
click $(edge_xy 35)
shot goes_on
check "play goes on: player 2's road passes the turn" on_turn goes_on 1

# A damaged file is moved aside, reported, and the seat selection comes up as usual.
game_kill
printf 'not a game' >"$game_dir/quelvane.sav"
game_relaunch damaged
shot damaged
check "the damaged file is reported on standard error" \
    grep -q "quelvane.sav: not a kept game of Quelvane; moved aside to quelvane.sav.bad" \
    "$out/damaged.stderr"
check "... kept as quelvane.sav.bad" [ "$(cat "$game_dir/quelvane.sav.bad")" = "not a game" ]
check "... and the seat selection shows Start alone" label_on damaged 51
check "... without Fortsetzen" at_most "$(count damaged $(box_around 40 panel 73) 255 255 255 60)" 5

# A game kept just before its winner ends the turn: resumed, it is won, and "Neues Spiel"
# leads to the seat selection and a new deal.
game_kill
winner=$("$QV_BUILD/quelvane-sim" --seed 10007 --players 2 --win-points 4 \
    --keep-before-win "$game_dir/quelvane.sav" | sed -n 's/.*won by Comp\. \([0-9]\).*/\1/p')
game_relaunch won
shot won_offered
check "the won game's seats on the resume screen: seat 2 the computer too (Comp. 2 coloured)" \
    at_least "$(button_text won_offered 2 670 420 760 447)" 25
click_at panel 73
shot resumed
won() { # the end screen's navy panel, and the winner's name on it
    at_least "$(count "$1" 460 600 820 650 32 42 63 20)" 15000 &&
        at_least "$(panel_text "$1" "$winner" 425 476 515 506)" 25
}
for _ in $(seq 1 30); do
    QV_PNG=0 shot won
    won won && break
    sleep 1
done
shot won
check "the computer ends its turn and the win message names Comp. $winner" won won
check "... and Neues Spiel is offered" \
    at_least "$(changed resumed won $(box_around 50 panel 75) 40)" 2000
click_at panel 75
shot new_game
check "Neues Spiel leads to the seat selection with the seats as they were" seat_screen new_game
message_box="528 936 802 1016" # the bar's middle panel, where the message line stands
# shellcheck disable=SC2086
check "... and no message of the old game" at_most "$(count new_game $message_box 255 255 77 40)" 0
click_at panel 56 # seat 1: a person
click_at panel 51
press_key m
shot new_deal
# shellcheck disable=SC2086
check "Start deals a new board" at_least "$(changed new_game new_deal $land 40)" 20000
check "... and Spieler 1 opens it" on_turn new_deal 1
# shellcheck disable=SC2086
check "... with the step alone, no news of the old game" \
    at_most "$(count new_deal $message_box 255 255 77 40)" 0
finish
