#!/usr/bin/env bash
# The opening of two people in the centred view: clicks on the screen positions of spots and
# edges place the settlements and roads; clicks on a tile, the water or a sign do nothing.
. "$(dirname "$0")/lib.sh"

game_start || finish
start_two_humans
shot offers
check "player 1 opens" on_turn offers 1
check "settlement offers of player 1 at the chosen spots" \
    at_least "$(spot_pixels offers 1 20)" 40
check "no pieces of player 2 yet" at_most "$(player_pixels offers 2 150 50 1130 900)" 0

# A tile centre, the open water and a harbour sign: nothing under them can be built.
read -r tx ty < <(where tile 0 0 $cam_top)
click "$tx" "$ty"
click 60 500
read -r sx sy < <(where sign 1 0 $cam_top)
click "$sx" "$sy"
shot nothing
check "clicks on a tile, the water and a sign: still player 1's opening" on_turn nothing 1
check "... and the offers are unchanged" \
    at_most "$(changed offers nothing 400 260 880 780 40)" 50
check "... and no road offers" at_most "$(edge_pixels nothing 1 30)" 5

# In wire frame (F3) a click hits what lies under the cursor, not only the outlines.
press_key F3
shot wire
click_at panel 64 # "Optionen"
shot wire_options
check "in wire frame Optionen opens the option buttons and labels" \
    at_least "$(changed wire wire_options 40 300 130 590 40)" 300
# shellcheck disable=SC2046
click $(spot_xy 20)
press_key F3
shot settled
check "a click on spot 20 in wire frame places player 1's settlement" at_least "$(spot_pixels settled 1 20)" 40
check "the other settlement offers are gone" at_most "$(spot_pixels settled 1 48)" 3
check "road offers at the new settlement" at_least "$(edge_pixels settled 1 30)" 20
# shellcheck disable=SC2046
click $(edge_xy 30)
shot road
check "a click on edge 30 places the road and passes to player 2" on_turn road 2

for i in 1 2 3; do
    # shellcheck disable=SC2046
    click $(spot_xy "${opening_spots[$i]}")
    # shellcheck disable=SC2046
    click $(edge_xy "${opening_edges[$i]}")
done
press_key n b # numbers and signs hidden for a clear view of the pieces
shot opened
for i in 0 1 2 3; do
    p=$((i % 2 + 1)) other=$(((i + 1) % 2 + 1))
    s=${opening_spots[$i]} e=${opening_edges[$i]}
    check "spot $s holds a settlement of player $p" at_least "$(spot_pixels opened $p "$s")" 40
    check "spot $s holds nothing of player $other" at_most "$(spot_pixels opened $other "$s")" 3
    check "edge $e holds a road of player $p" at_least "$(edge_pixels opened $p "$e")" 15
done
check "the offers are gone after the opening" \
    at_most "$(spot_pixels opened 1 48)$(spot_pixels opened 2 48)" 0
check "after the opening player 1 is on turn" on_turn opened 1

finish
