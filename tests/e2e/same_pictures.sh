#!/usr/bin/env bash
# The game draws the same pictures as before: fixed positions (start view, a game in progress
# with pieces, markers, offers and the trade dialog, the view from above) on a frozen clock,
# compared with the reference pictures kept beside this script. A deliberate change of the
# picture is recorded with QV_PICTURES_UPDATE=1, which writes new references instead.
. "$(dirname "$0")/lib.sh"

refs="$(cd "$(dirname "$0")" && pwd)/pictures"
# Rounding of a changed but equivalent drawing path: channels may differ by this much, and a
# few pixels where two surfaces meet at equal depth may show the other surface, as the last
# bit of a matrix or a depth decides them (16 pixels are 0.005% of the picture).
tolerance=2
stray=16
"$(dirname "$QV_PROBE")/e2e-pictures" "$QV_RUN" "$out" >"$out/pictures.stdout" ||
    { fail "the pictures could not be drawn"; finish; }
for view in start midgame top; do
    if [ "${QV_PICTURES_UPDATE:-0}" = 1 ]; then
        convert "$out/$view.ppm" -define png:compression-level=9 "$refs/$view.png"
        log "reference $view.png written"
        continue
    fi
    convert "$refs/$view.png" "$out/$view.ref.ppm"
    read -r over most < <("$QV_PROBE" compare "$out/$view.ref.ppm" "$out/$view.ppm" "$tolerance")
    log "$view: $over pixels differ by more than $tolerance, largest difference $most"
    check "the $view picture is the reference one" [ "$over" -le "$stray" ]
    [ "$over" = 0 ] || convert "$out/$view.ppm" "$out/$view.png"
done
finish
