#!/usr/bin/env bash
# A person against the computer: the computer places its opening pieces, takes its turn
# (roll, trade or build, end of turn) and hands the turn back, all visibly. (Its fast pace while
# the left button is held is tested in victory.sh.)
. "$(dirname "$0")/lib.sh"

speed_label="5 40 180 66"  # "Computer speed:"
highlight="255 255 77"
computer_shown() { at_least "$(count "$1" $speed_label $highlight 40)" 60; }

game_start || finish
click_at panel 56 # seat 1: a person
click_at panel 61 # seat 2: the computer
shot seats
check "seat 2 played by the computer: Comp. 2 in blue" \
    at_least "$(button_text seats 2 670 420 760 447)" 25
click_at panel 51 # "Start"
press_key m
# shellcheck disable=SC2046
click $(spot_xy 20)
wait_for_road_offer 30
# shellcheck disable=SC2046
click $(edge_xy 30)
shot computer_opens
check "after the person's first road the computer is on turn" on_turn computer_opens 2
check "Computer speed: is shown during its turn" computer_shown computer_opens
check "the person's Schliessen label is hidden during the computer's turn" \
    at_least "$(changed seats computer_opens 1080 950 1280 1020 40)" 200
wait_for_turn 1 opening_back 20 || fail "the computer did not hand back its first opening turn"
check "the computer placed a settlement and a road" at_least "$(blue_on_board opening_back)" 150
first_blue=$(blue_on_board opening_back)

# The person's second settlement: the first of a few inland spots still offered.
second_opening_against_computer opening_back
check "the computer placed its second settlement and road" \
    at_least "$(blue_on_board opened)" $((first_blue + 100))

# A regular round: the person rolls and passes; the computer plays its turn. Its roll shows
# as "+ ... = N" beside its dice while they show, below the message strip's box that holds
# the message meanwhile (the sum goes with the dice: the unit tests follow it further).
roll_text() { at_least "$(count "$1" 740 955 800 990 $highlight 40)" 15; }
dice_shown() { at_least "$(count "$1" 520 930 740 1012 240 238 228 12)" 500; }
sum_outside_strip() {
    at_least "$(count "$1" 604 962 650 990 $highlight 40)" 6 && roll_text "$1" &&
        at_least "$(count "$1" 452 869 882 916 $highlight 40)" 30
}
click_at panel 10 # "Wuerfeln"
click_at panel 11 # "Naechster"
QV_PNG=0 shot computer_turn
check "Naechster hands the turn to the computer" on_turn computer_turn 2
check "Computer speed: shown" computer_shown computer_turn
saw_roll=0 sum_astray=0
start=$(date +%s)
for i in $(seq 1 40); do
    QV_PNG=0 shot watch
    if on_turn watch 2 && dice_shown watch; then
        saw_roll=1
        sum_outside_strip watch || { sum_astray=1 && cp "$out/watch.ppm" "$out/sum_astray.ppm"; }
    fi
    on_turn watch 1 && break
    sleep 0.5
done
log "the computer's turn ended about $(($(date +%s) - start)) s after it began"
check "the computer's roll is shown with its dice (+ and = N beside them)" [ "$saw_roll" = 1 ]
check "... never inside the message strip's box" [ "$sum_astray" = 0 ]
check "the computer hands the turn back to the person" on_turn watch 1
check "the person's Wuerfeln label is back" \
    at_least "$(changed computer_turn watch 800 950 930 1010 40)" 100

finish
