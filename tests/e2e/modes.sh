#!/usr/bin/env bash
# The display modes the settings ask for, on a server that offers 1280x1024, 1024x768 and
# 800x600: resolution 1 and 2 enter their size, the default (0) walks the ladder down to the
# largest offered. Each time the overlay font is the mode's, the texts stay in their panels,
# a click on a projected spot builds, and the window is named as desktops know the game. F11
# leaves game mode for a window and comes back, and the game goes on as it was.
. "$(dirname "$0")/lib.sh"

# The test server keeps its 1280x1024 screen when a mode is entered, so the game's window
# and the pictures are that size whatever the mode.
# Whether the game plays in a window of its own, not in game mode over the whole screen.
in_a_window() { xwininfo -root -children | grep '"Quelvane"' | grep -qv '1280x1024+0+0'; }
switch_and_back() {
    focus_game
    press_key F11
    check "F11: a window in place of game mode" in_a_window
    check "F11: the window's title, class, process and icon" window_named
    shot windowed
    check "... showing the game" at_least "$(player_pixels windowed 1 0 0 1279 1023)" 40
    focus_game
    press_key F11
    check "F11 again: game mode once more" wait_for_window '1280x1024+0+0'
    check "... named as before" window_named
    shot "back_$size"
    check "... with the settlement on spot 20 and the view as it was" settled "back_$size"
}

for setting in "1 800x600" "2 1024x768" "0 1280x1024"; do
    read -r resolution size <<<"$setting"
    game_launch "$resolution" 10 '1280x1024+0+0' || continue
    check "resolution $resolution enters $size" \
        grep -q "display mode ${size}:32@" "$out/game.stdout"
    shot "mode_$size"
    check "resolution $resolution: the seat screen" seat_screen "mode_$size"
    settle_by_click "built_$size"
    check "resolution $resolution: a click on spot 20 places the settlement" settled "built_$size"
    check "resolution $resolution: the window's title, class, process and icon" window_named
    [ "$resolution" = 0 ] && switch_and_back
    quit_with_escape "resolution $resolution"
done
finish
