#!/usr/bin/env bash
# Camera keys and drags within their limits, the display switches of the keyboard, and the
# "Center" marker of the options panel. Views are compared by screenshots of the land: a
# move at its limit leaves the picture as it was, a move within the limits changes it.
. "$(dirname "$0")/lib.sh"

# Land in the centred view; the waves change the water between any two screenshots, so a
# view that shows water there is compared on the part of the land it shows.
land="400 260 880 780"
low_land="450 490 830 535"         # rX 10: the board is a flat band across the middle
left_land="221 300 521 720"        # shifted by -100: the land lies 269 pixels to the left
right_land="759 300 1059 720"
far_land="480 350 800 670"         # zoom -500: the board is smaller
tilt_land="420 430 860 600"        # rX 30
same() { at_most "$(changed "$1" "$2" ${3:-$land} 40)" 2500; } # same A B [BOX]
moved() { at_least "$(changed "$1" "$2" $land 40)" 25000; }
repeat() { # repeat N KEY
    local i
    for i in $(seq 1 "$1"); do xdotool key "$2"; done
    settle
}
drag() { # drag BUTTON X0 Y0 X1 Y1 SHOT_AT_END [SHOT_BACK]: holds, moves, optionally comes back
    xdotool mousemove "$2" "$3"
    sleep 0.2
    xdotool mousedown "$1"
    sleep 0.3
    xdotool mousemove "$4" "$5"
    settle
    shot "$6"
    if [ -n "${7:-}" ]; then
        xdotool mousemove "$2" "$3"
        settle
        shot "$7"
    fi
    xdotool mouseup "$1"
    settle
}

game_start || finish
start_two_humans
press_key n # numbers off: the stroke numbers change with the line width of the wire frame
shot top

repeat 3 c
shot top_c
check "c at the top view (rX 90) changes nothing" same top top_c
repeat 15 d
shot tilt30
check "d tilts the view" moved top tilt30
repeat 7 d
shot tilt10
repeat 3 d
shot tilt10b
check "d stops at rX 10" same tilt10 tilt10b "$low_land"
check "rX 10 differs from rX 30" moved tilt30 tilt10

press_key m
shot centred
check "m restores the top view" same top centred
repeat 33 a
shot far
repeat 3 a
shot far_b
check "a moves away" moved top far
check "a stops at zoom -500" same far far_b "$far_land"
press_key m
repeat 85 y
shot near
repeat 3 y
shot near_b
check "y moves closer and stops" same near near_b
check "y changes the view" moved top near

press_key m
repeat 55 Right
shot right
repeat 3 Right
shot right_b
check "Right shifts the view" moved top right
check "Right stops at 100" same right right_b "$right_land"
repeat 50 Left
shot middle
check "50 steps of Left from 100 return to the centre" same top middle
repeat 50 Left
shot left
repeat 3 Left
shot left_b
check "Left stops at -100" same left left_b "$left_land"
repeat 3 Up
repeat 3 Down
shot updown
check "Up and Down do nothing" same left updown "$left_land"

press_key m
repeat 45 x
shot turned
check "x turns the view" moved top turned
repeat 45 x
shot full_turn
check "90 presses of x make a full turn" same top full_turn
repeat 90 s
shot turned_back
check "s turns back" same top turned_back
repeat 3 M C D
shot upper
check "upper-case letters do nothing" same top upper

# Drags are absolute: measured from the press, clamped, and restored by coming back.
press_key m
repeat 15 d
shot drag_from
drag 3 640 150 640 950 drag_down drag_back
check "a right drag down by 800 pixels tilts to the top view and keeps the distance" \
    same top drag_down
check "a right drag back to the press point restores the view" \
    same drag_from drag_back "$tilt_land"
press_key m
drag 2 640 60 640 1000 drag_far drag_near
check "a middle drag down by 940 pixels stops at the farthest distance, keeping the tilt" \
    same far drag_far "$far_land"
check "a middle drag back restores the distance" same top drag_near

# Display switches.
press_key m F3
shot wire
check "F3 draws a wire frame" moved top wire
press_key F3
shot filled
check "F3 again fills the polygons" same top filled
press_key F4
shot unlit
check "F4 switches the lighting off" at_least "$(changed top unlit $land 30)" 10000
press_key F4
shot lit
check "F4 again switches it on" same top lit
press_key F2
fps_shown() { at_least "$(count fps 5 8 120 36 0 0 0 60)" 30; }
shot_until 5 fps fps_shown # the rate shows once its first second has been counted
check "F2 shows the frame rate in black" fps_shown
press_key F2
shot no_fps
check "F2 again hides it" at_most "$(count no_fps 5 8 120 36 0 0 0 60)" 3

press_key n
shot numbers
check "n shows the numbers again" at_least "$(changed top numbers $land 40)" 300
read -r x0 y0 x1 y1 < <(box_around 14 sign 1 0 $cam_top)
press_key b
shot no_signs
check "b hides the harbour signs" at_least "$(changed numbers no_signs "$x0" "$y0" "$x1" "$y1" 40)" 150
press_key b
shot signs
check "b shows them again" at_most "$(changed numbers signs "$x0" "$y0" "$x1" "$y1" 40)" 60

# The options panel marks "Center" while the view is exactly the centred one.
click_at panel 64 # "Optionen"
shot options
press_key d
shot options_moved
check "Optionen opens the options panel" at_least "$(changed signs options 10 290 180 600 40)" 5000
check "the Center marker goes when the view moves" \
    at_least "$(changed options options_moved 45 450 68 475 40)" 15

finish
