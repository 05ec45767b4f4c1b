#!/usr/bin/env bash
# A whole game of a person against the computer to 4 points: the person only rolls and passes,
# the computer builds until it wins. The left button is held through every computer turn to
# keep it at its fast pace; every release restores the normal pace, whoever is on turn.
. "$(dirname "$0")/lib.sh"

limit=${QV_VICTORY_SECONDS:-200}
highlight="255 255 77"
won() { # won SHOT: "Comp. 2" in blue and the move number in the highlight colour
    at_least "$(player_pixels "$1" 2 425 476 515 506)" 25 &&
        at_least "$(count "$1" 580 476 612 506 $highlight 40)" 10
}
wait_for_turn() { # wait_for_turn P NAME SECONDS
    local i
    for i in $(seq 1 "$3"); do
        QV_PNG=0 shot "$2"
        on_turn "$2" "$1" && return 0
        won "$2" && return 0
        sleep 1
    done
    return 1
}

game_start 4 || finish
click_at panel 56 # seat 1: a person
click_at panel 61 # seat 2: the computer
click_at panel 51 # "Start"
press_key m
for s in 20 29 41 24 12 35 48 44 9 3; do
    QV_PNG=0 shot free
    at_least "$(spot_pixels free 1 "$s")" 40 || continue
    # shellcheck disable=SC2046
    click $(spot_xy "$s")
    # shellcheck disable=SC2046
    click $(edge_xy "$("$QV_PROBE" spot-edges "$s" | awk '{print $1}')")
    wait_for_turn 1 back 20 || { fail "the computer did not hand back its opening turn"; finish; }
    placed=$((${placed:-0} + 1))
    [ "$placed" = 2 ] && break
done
check "both opening settlements of the person placed" [ "${placed:-0}" = 2 ]

start=$(date +%s) turns=0
while [ $(($(date +%s) - start)) -lt "$limit" ]; do
    click_at panel 10 # "Wuerfeln"
    click_at panel 11 # "Naechster"
    QV_PNG=0 shot passed
    won passed && break
    turns=$((turns + 1))
    xdotool mousemove 60 500 mousedown 1
    wait_for_turn 1 back 60 || { fail "the computer's turn did not end"; break; }
    xdotool mouseup 1
    won back && break
done
xdotool mouseup 1
settle 1
shot end
log "$turns turns of the person in $(($(date +%s) - start)) s"
if won end; then
    log "the computer won"
    check "the victory message names Comp. 2 in blue with the move number" won end
    click_at panel 10 # the main button does nothing after the game
    click_at panel 11
    shot after
    check "after the victory the message stays and no turn passes" won after
    press_key Escape
    check "Escape ends the finished game with status 0" [ "$(game_wait 5)" = 0 ]
else
    log "NOTE: no victory within $limit s"
fi
finish
