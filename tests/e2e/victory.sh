#!/usr/bin/env bash
# A whole game between the two computer seats to 4 points. During the opening, holding the left
# button shows the fast pace ">>>" and letting go the normal ">" again; then the button stays
# held, so the game is won well within its time. After the victory the message stays, the
# buttons do nothing and Escape ends the game.
. "$(dirname "$0")/lib.sh"

limit=${QV_VICTORY_SECONDS:-240}
highlight="255 255 77"
pace() { count "$1" 185 40 240 66 $highlight 40; } # ">" or ">>>" after "Computer speed:"
# The victory message: the winner's name in its colour, the move number highlighted; prints
# the winning seat.
winner() { # winner SHOT
    # The end screen's panel first: its navy below the points rows; a gold ring round a paid
    # tile near the board's middle must not pass for the message's highlight.
    at_least "$(count "$1" 460 600 820 650 32 42 63 20)" 15000 || return 1
    at_least "$(count "$1" 580 476 612 506 $highlight 40)" 10 || return 1
    local p
    for p in 1 2; do
        if at_least "$(panel_text "$1" "$p" 425 476 515 506)" 25; then
            echo "$p"
            return 0
        fi
    done
    return 1
}

game_start 4 || finish
click_at panel 61 # seat 2: the computer, as seat 1 is from the start
click_at panel 51 # "Start": from here on the computers play alone
shot rest
rest=$(pace rest)
fast() { at_least "$(pace held)" $((2 * rest)); }
normal() { at_most "$(pace released)" $((rest + 10)); }
paced() { at_least "$rest" 10 && fast && normal; }
xdotool mousemove 60 500 mousedown 1
shot_until 10 held fast
xdotool mouseup 1
shot_until 10 released normal
log "pace marks: $rest pixels at rest, $(pace held) held, $(pace released) let go"
check "the opening's pace: > at rest, >>> while the button is held, > again when let go" paced

xdotool mousedown 1
start=$(date +%s)
peek end
until winner end >/dev/null; do
    if [ $(($(date +%s) - start)) -ge "$limit" ]; then break; fi
    sleep 2
    peek end
done
xdotool mouseup 1
log "the game took $(($(date +%s) - start)) s at the fast pace"
shot end
seat=$(winner end)
check "a computer wins within $limit s: Comp. $seat named in its colour with the move number" \
    [ -n "$seat" ]
[ -n "$seat" ] || finish
click_at panel 10 # the main button does nothing after the game
click_at panel 11
shot after
check "after the victory the message stays and no turn passes" [ "$(winner after)" = "$seat" ]
press_key Escape
game_wait 5
check "Escape ends the finished game with status 0 (got $status)" [ "$status" = 0 ]
finish
