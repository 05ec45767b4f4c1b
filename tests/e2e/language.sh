#!/usr/bin/env bash
# The game's language follows the player's locale: with LANG=en_US.UTF-8 the seat selection,
# its settings and the opening's message line read English, whether or not that locale is
# installed; with LANG=de_DE.UTF-8 they read as they always did. Each is compared with its
# reference picture kept in pictures/ (QV_PICTURES_UPDATE=1 writes new ones).
. "$(dirname "$0")/lib.sh"

refs="$(cd "$(dirname "$0")" && pwd)/pictures"
unset LC_ALL LC_MESSAGES LANGUAGE

# The panels are drawn over the moving sea only at their edges: the seat panel, the settings
# under it and the message panel of the bar, each inset from its frame.
declare -A part=(
    [seats]="300x375+490+298"
    [settings]="300x120+490+695"
    [message]="284x77+522+935"
)

# The part of a shot is the reference's: at most 0.5% of its pixels differ by more than 24
# levels, the mean difference under one.
same_as_reference() { # same_as_reference SHOT PART REFERENCE
    convert "$out/$1.ppm" -crop "${part[$2]}" +repage "$out/$3.part.ppm"
    if [ "${QV_PICTURES_UPDATE:-0}" = 1 ]; then
        convert "$out/$3.part.ppm" -define png:compression-level=9 "$refs/$3.png"
        log "reference $3.png written"
        return 0
    fi
    convert "$refs/$3.png" "$out/$3.ref.ppm"
    read -r over most mean < <("$QV_PROBE" compare "$out/$3.ref.ppm" "$out/$3.part.ppm" 24)
    local pixels
    pixels=$(head -c 32 "$out/$3.part.ppm" | sed -n 2p | awk '{print $1 * $2}')
    log "$3: $over of $pixels pixels differ, largest $most, mean $mean"
    awk -v o="$over" -v p="$pixels" -v m="$mean" 'BEGIN { exit !(o <= p * 0.005 && m < 1) }'
}

for lang in de en; do
    case $lang in
    de) export LANG=de_DE.UTF-8 ;;
    en) export LANG=en_US.UTF-8 ;;
    esac
    game_start || continue
    shot "$lang-seats"
    check "LANG=$LANG: the seat selection as in $lang-seats.png" \
        same_as_reference "$lang-seats" seats "$lang-seats"
    check "LANG=$LANG: the target and the pace as in $lang-settings.png" \
        same_as_reference "$lang-seats" settings "$lang-settings"
    start_two_humans
    shot "$lang-opening"
    check "LANG=$LANG: the opening's message line as in $lang-message.png" \
        same_as_reference "$lang-opening" message "$lang-message"
    check "LANG=$LANG: nothing on standard error" [ ! -s "$out/game.stderr" ]
    quit_with_escape "LANG=$LANG"
done
finish
