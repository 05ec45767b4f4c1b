#!/usr/bin/env bash
# The two ways out: Escape and the "Schliessen" button, both with status 0, in any phase.
. "$(dirname "$0")/lib.sh"

game_start || finish
press_key Escape
game_wait 5
check "Escape on the seat screen ends the game with status 0 (got $status)" [ "$status" = 0 ]

game_start || finish
click_at panel 56 # seat 1: a person
click_at panel 51 # "Start"
click_at panel 12 # "Schliessen"
game_wait 5
check "Schliessen during the opening ends the game with status 0 (got $status)" [ "$status" = 0 ]

finish
