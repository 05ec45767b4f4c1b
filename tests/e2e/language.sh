#!/usr/bin/env bash
# The game's language follows the player's locale: with LANG=en_US.UTF-8 the seat selection,
# its settings and the opening's message line read English, whether or not that locale is
# installed; with LANG=de_DE.UTF-8 they read as they always did. Each is compared with its
# reference picture kept in pictures/ (QV_PICTURES_UPDATE=1 writes new ones).
. "$(dirname "$0")/lib.sh"

unset LC_ALL LC_MESSAGES LANGUAGE

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
