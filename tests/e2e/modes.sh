#!/usr/bin/env bash
# The display modes the settings ask for, on a server that offers 1280x1024, 1024x768 and
# 800x600: resolution 1 and 2 enter their size, the default (0) walks the ladder down to the
# largest offered. Each time the overlay font is the mode's, the texts stay in their panels,
# and a click on a projected spot builds.
. "$(dirname "$0")/lib.sh"

# The test server keeps its 1280x1024 screen when a mode is entered, so the game's window
# and the pictures are that size whatever the mode.
for setting in "1 800x600" "2 1024x768" "0 1280x1024"; do
    read -r resolution size <<<"$setting"
    game_launch "$resolution" 10 '1280x1024+0+0' || continue
    check "resolution $resolution enters $size" \
        grep -q "display mode ${size}:32@" "$out/game.stdout"
    shot "mode_$size"
    check "resolution $resolution: the seat screen" seat_screen "mode_$size"
    settle_by_click "built_$size"
    check "resolution $resolution: a click on spot 20 places the settlement" settled "built_$size"
    quit_with_escape "resolution $resolution"
done
finish
