#!/usr/bin/env bash
# The seat-selection screen at start, seat changes by clicking, the settings under the seats,
# and the deal on "Start".
. "$(dirname "$0")/lib.sh"

red=${button_colour[1]} blue=${button_colour[2]} green=${button_colour[3]}
rows=(0 391 442 493 544) # baselines of the seat rows 1-4
person_label() { echo 515 $((rows[$1] - 22)) 605 $((rows[$1] + 5)); }
computer_label() { echo 670 $((rows[$1] - 22)) 760 $((rows[$1] + 5)); }
status_label() { echo 130 930 240 962; } # the current player's name in the status line
coloured() { # coloured SHOT BOX... COLOUR: the label is drawn in that colour
    at_least "$(count "$@" 12)" 25
}
uncoloured() { at_most "$(count "$@" 12)" 2; }

game_start || finish
shot start

# Defaults: two seats, seat 1 the computer, seat 2 a person.
check "start: seat 1 lists Comp. 1 in red" coloured start $(computer_label 1) $red
check "start: Spieler 1 is not coloured" uncoloured start $(person_label 1) $red
check "start: seat 2 lists Spieler 2 in blue" coloured start $(person_label 2) $blue
check "start: Comp. 2 is not coloured" uncoloured start $(computer_label 2) $blue
check "start: seats 3 and 4 are not listed" \
    uncoloured start 515 470 760 560 $green
# The seat panel and its buttons stand out from the sky behind them.
for slot in 50 51 52 53 56 57 60 61; do
    read -r x y < <(where panel "$slot")
    log "panel $slot at $x $y: $(colour start "$x" "$y")"
done

click_at panel 56 # seat 1: a person
shot seat1
check "seat 1 human: Spieler 1 in red" coloured seat1 $(person_label 1) $red
check "seat 1 human: Comp. 1 no longer coloured" uncoloured seat1 $(computer_label 1) $red

click_at panel 54 # three players: seat 3 appears, a computer by default
shot three
check "three players: Comp. 3 listed in green" coloured three $(computer_label 3) $green
click_at panel 58 # seat 3: a person
shot seat3
check "seat 3 human: Spieler 3 in green" coloured seat3 $(person_label 3) $green
check "seat 3 human: Comp. 3 no longer coloured" uncoloured seat3 $(computer_label 3) $green
click_at panel 53 # back to two players
shot two
check "two players again: seat 3 not listed" uncoloured two 515 470 760 560 $green
check "two players again: both seats still human" \
    coloured two $(person_label 1) $red
check "two players again: Spieler 2 in blue" coloured two $(person_label 2) $blue

# The target chosen is written to ZAVK.cfg at once, and the pace beside it.
click_at panel 81 # "+"
click_at panel 81
click_at panel 82 # "Computer: normal" becomes "Computer: schnell"
check "two clicks on + write the target 12 to ZAVK.cfg" grep -qx 'winPoints = 12' "$game_dir/ZAVK.cfg"
check "... and the fast pace beside it" grep -qx 'fastComputers = 1' "$game_dir/ZAVK.cfg"

click_at panel 51 # "Start"
shot dealt
check "after Start: the seat list is gone" uncoloured dealt 515 360 760 560 $red
check "after Start: Spieler 1 is on turn (red name in the status line)" \
    coloured dealt $(status_label) ${panel_colour[1]}
kept_target() { # the kept game, written soon after the deal, holds the game's target
    for _ in $(seq 1 50); do
        grep -qx 'winPoints = 12' "$game_dir/quelvane.sav" 2>/dev/null && return 0
        sleep 0.2
    done
    return 1
}
check "the game plays to the target chosen" kept_target

# The next start offers the same target: one click on "-" from there writes 11.
quit_with_escape "the dealt game"
game_relaunch again
shot again
click_at panel 80 # "-"
check "started again, the target is the one chosen: - makes it 11" \
    grep -qx 'winPoints = 11' "$game_dir/ZAVK.cfg"

finish
