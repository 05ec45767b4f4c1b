#!/usr/bin/env bash
# The kept game: a game killed outright comes back with "Fortsetzen" as it stood, "Zurueck"
# takes back a settlement, a won game offers "Neues Spiel", a damaged file is moved aside, a
# game of release 1.0.0 goes on, a full disk is said on the message line while the older file
# stays whole, and a second copy in the same folder says so and leaves the first one's file.
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

# Two copies in one folder: the second says so, on its message line and in one line naming
# the kept file, and never writes the first one's game, a game of release 1.0.0 where a
# person is on turn. Both play in windows, which leave the pointer to the one under it.
fixtures=$(cd "$(dirname "$0")/../kept/1.0.0" && pwd)
game_kill
cp "$fixtures/person-opening.sav" "$game_dir/quelvane.sav"
copy() { # copy NAME: another copy of the game in a window, in the same folder
    (cd "$game_dir" && exec ./quelvane --window >"$out/$1.stdout" 2>"$out/$1.stderr") &
    game_pid=$!
    wait_for_window Quelvane
}
set_view 0 0 1152 921 # a window as large as the desktop leaves room for
copy first
click_at panel 73
sleep 1
cp "$game_dir/quelvane.sav" "$out/first.sav"
check "the first copy takes up the game of 1.0.0 and keeps it" grep -q '^Quelvane kept game' "$out/first.sav"
first_pid=$game_pid
copy second
shot second
check "the second copy names the kept file on standard error" grep -q \
    "another copy of the game is playing in this folder and keeps quelvane.sav; this copy plays without keeping" \
    "$out/second.stderr"
check "... its message line says the game is not kept" not_kept_notice second
click_at panel 51
sleep 2
shot second_plays
check "... it plays: Start deals its own game" at_least "$(changed second second_plays 200 100 900 700 40)" 20000
game_stop_here() { kill "$game_pid" && wait "$game_pid" 2>/dev/null; }
game_stop_here
game_pid=$first_pid
check "... and the first copy's game stays as it was" cmp -s "$game_dir/quelvane.sav" "$out/first.sav"
game_kill
set_view 0 0 1280 1024

# A full disk: a tmpfs holding the game's folder, a game of release 1.0.0 in it and no room
# left. Resumed and played on, the game says it is not kept, and the older file stays whole;
# with room again the next move is kept.
if [ "$(id -u)" != 0 ]; then
    log "not root: the full-disk part needs a file system of its own and is left out"
    finish
fi
fixture=$fixtures/person-opening.sav
disk=$(mktemp -d /tmp/quelvane-e2e-disk.XXXXXX)
trap 'game_stop; umount "$disk" 2>/dev/null; rm -rf "$disk"' EXIT
check "a small tmpfs is mounted for the game's folder" mount -t tmpfs -o size=128k tmpfs "$disk"
for f in quelvane models texturen; do ln -s "$game_dir/$f" "$disk/$f"; done
cp "$game_dir/ZAVK.cfg" "$fixture" "$disk/"
mv "$disk/person-opening.sav" "$disk/quelvane.sav"
dd if=/dev/zero of="$disk/filler" bs=4k 2>/dev/null || :
(cd "$disk" && exec ./quelvane >"$out/full.stdout" 2>"$out/full.stderr") &
game_pid=$!
wait_for_window
click_at panel 73
press_key m
shot full
check "on a full disk the message line says the game is not kept" not_kept_notice full
check "... standard error says so once" [ "$(grep -c 'No space left on device; the game is not kept' "$out/full.stderr")" = 1 ]
check "... the older file, the game of 1.0.0, is whole" cmp -s "$disk/quelvane.sav" "$fixture"
check "... and no temporary file is left" [ -z "$(find "$disk" -name '*.tmp')" ]
rm "$disk/filler"
# shellcheck disable=SC2046
click $(edge_xy 35)
shot room_again
check "with room again the next move is kept" grep -q '^Quelvane kept game' "$disk/quelvane.sav"
check "... standard error says so" grep -q 'quelvane.sav: the game is kept again' "$out/full.stderr"
check "... and the notice is gone" at_most "$(count room_again $(view_box 528 930 802 1022) 255 153 51 40)" 5
check "... player 2's road passed the turn of the 1.0.0 game" on_turn room_again 1
game_stop
umount "$disk"
finish
