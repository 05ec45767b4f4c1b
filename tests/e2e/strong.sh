#!/usr/bin/env bash
# The strong computer on the seat panel: the computer button of a computer seat switches it to
# "Profi", in the seat's colour, and the strong seat plays its opening as the table's does,
# its name in the status line while it is on turn.
. "$(dirname "$0")/lib.sh"

computer_label_2="670 420 760 447" # the computer label of seat 2
blue_label() { at_least "$(button_text "$1" 2 $computer_label_2)" 25; }

game_start || finish
click_at panel 56 # seat 1: a person
click_at panel 61 # seat 2: the computer, the table's at first
shot table
check "seat 2 played by the computer: Comp. 2 in blue" blue_label table
click_at panel 61 # once more: the strong computer
shot strong
check "the same button again: the label stays blue" blue_label strong
check "... and reads otherwise (Profi 2)" \
    at_least "$(changed table strong $computer_label_2 40)" 40
click_at panel 61
shot table_again
check "a third click brings Comp. 2 back" \
    at_most "$(changed table table_again $computer_label_2 40)" 5
click_at panel 61
shot strong_again
check "and a fourth the strong computer again" \
    at_most "$(changed strong strong_again $computer_label_2 40)" 5

click_at panel 51 # "Start"
press_key m
# shellcheck disable=SC2046
click $(spot_xy 20)
wait_for_road_offer 30
# shellcheck disable=SC2046
click $(edge_xy 30)
shot strong_opens
check "after the person's first road the strong computer is on turn" on_turn strong_opens 2
wait_for_turn 1 opening_back 20 || fail "the strong computer did not hand back its first opening turn"
check "it placed a settlement and a road" at_least "$(blue_on_board opening_back)" 150
first_blue=$(blue_on_board opening_back)

second_opening_against_computer opening_back
check "it placed its second settlement and road" \
    at_least "$(blue_on_board opened)" $((first_blue + 100))

finish
