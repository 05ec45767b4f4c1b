#!/usr/bin/env bash
# The game draws the same pictures as before: fixed positions (start view, a game in progress
# with pieces, markers, offers and the trade dialog, the view from above, the game in progress
# in wire frame) on a frozen clock, compared with the reference pictures kept beside this script.
# A deliberate change of the picture is recorded with QV_PICTURES_UPDATE=1, which writes new
# references instead.
. "$(dirname "$0")/lib.sh"

refs="$(cd "$(dirname "$0")" && pwd)/pictures"
# Only what a person cannot see may differ: per view, at most 0.5% of the pixels by more than
# 24 levels in any channel (a few pixels where two surfaces meet at equal depth, or a slightly
# different tessellation of a far surface), and the mean difference stays under one level.
tolerance=24
"$(dirname "$QV_PROBE")/e2e-pictures" "$QV_RUN" "$out" >"$out/pictures.stdout" ||
    { fail "the pictures could not be drawn"; finish; }
for view in start midgame top wire; do
    if [ "${QV_PICTURES_UPDATE:-0}" = 1 ]; then
        convert "$out/$view.ppm" -define png:compression-level=9 "$refs/$view.png"
        log "reference $view.png written"
        continue
    fi
    convert "$refs/$view.png" "$out/$view.ref.ppm"
    read -r over most mean < <("$QV_PROBE" compare "$out/$view.ref.ppm" "$out/$view.ppm" "$tolerance")
    pixels=$(head -c 32 "$out/$view.ppm" | sed -n 2p | awk '{print $1 * $2}')
    log "$view: $over of $pixels pixels differ by more than $tolerance, largest $most, mean $mean"
    check "the $view picture is the reference one" \
        awk -v o="$over" -v p="$pixels" -v m="$mean" 'BEGIN { exit !(o <= p * 0.005 && m < 1) }'
    [ "$over" = 0 ] || convert "$out/$view.ppm" "$out/$view.png"
done
# The sea's steps drawn over a kept frame show what a whole frame of the same sea shows.
read -r over most mean < <("$QV_PROBE" compare "$out/sea-whole.ppm" "$out/sea-steps.ppm" 2)
log "sea steps: $over pixels differ from the whole frame by more than 2, largest $most"
check "the sea's own frames draw the whole frame's picture" [ "$over" -le 16 ]
finish
