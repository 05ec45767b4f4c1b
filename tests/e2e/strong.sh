#!/usr/bin/env bash
# The strong computer on the seat panel: the computer button of a computer seat switches it to
# "Profi", in the seat's colour, and the strong seat plays its opening as the table's does,
# its name in the status line while it is on turn. Then the person offers the strong computer
# a trade, which it answers on the message line.
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
# The click settles only once the picture is calm, which may be after the computer's whole turn.
computer_opened() { on_turn strong_opens 2 || at_least "$(blue_on_board strong_opens)" 150; }
check "after the person's first road the strong computer is on turn" computer_opened
wait_for_turn 1 opening_back 20 || fail "the strong computer did not hand back its first opening turn"
check "it placed a settlement and a road" at_least "$(blue_on_board opening_back)" 150
first_blue=$(blue_on_board opening_back)

second_opening_against_computer opening_back
check "it placed its second settlement and road" \
    at_least "$(blue_on_board opened)" $((first_blue + 100))

# Player 1's turns until a roll pays it a card, which it offers Profi 2 for one of each kind
# Profi 2 holds (asking for a kind it lacks is refused at the click). "tauschen" brings the
# answer to the message line in the news's yellow, "Profi 2 nimmt an: ..." or "Profi 2 lehnt
# ab", in place of what stood there.
news_pixels() { count "$1" $(view_box 528 936 802 1016) 255 255 77 40; }
# shellcheck disable=SC2046
card_held() { # card_held SHOT KIND: the status line's count differs from the opening's 0
    local x=$((200 + 50 * $2))
    at_least "$(changed opened "$1" $(view_box "$x" 988 $((x + 30)) 1016) 40)" 4
}
answered=0
for turn in 1 2 3 4 5 6 7 8; do
    click_at panel 10 # "Wuerfeln"
    shot rolled
    held=0
    for k in 1 2 3 4 5; do card_held rolled "$k" && held=$k && break; done
    if [ "$held" -gt 0 ]; then
        click_at panel 10 # "Handeln"
        click_at panel 47 # Profi 2 as partner
        shot partner
        check "Profi 2 is a partner, named on its button in blue" \
            at_least "$(button_text partner 2 $(box_around 45 panel 47))" 25
        for k in 1 2 3 4 5; do [ "$k" = "$held" ] || click_at panel $((24 + k)); done
        click_at panel $((34 + held)) # one card of the kind held, given
        shot offer
        click_at panel 14 # "tauschen"
        shot answer
        log "turn $turn: player 1 offers a card of kind $held"
        check "after tauschen Profi 2's answer stands on the message line" \
            at_least "$(news_pixels answer)" 60
        check "... in place of what stood there" \
            at_least "$(changed offer answer $(view_box 528 936 802 1016) 40)" 60
        answered=1
        click_at panel 10 # "Bauen"
    fi
    click_at panel 11 # "Naechster"
    [ "$answered" = 1 ] && break
    wait_for_turn 1 back 30 || fail "Profi 2 did not hand back its turn"
done
check "player 1 held a card within 8 turns and offered it" [ "$answered" = 1 ]

finish
