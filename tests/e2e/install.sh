#!/usr/bin/env bash
# The installed game: cmake --install into a scratch prefix, then the launcher runs the game from
# the player's folder, which it prepares on the first start and leaves the settings of after.
. "$(dirname "$0")/lib.sh"

scratch=$(mktemp -d /tmp/quelvane-e2e-install.XXXXXX)
trap 'game_stop; rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
export HOME=$scratch/home XDG_DATA_HOME=$scratch/data
player=$XDG_DATA_HOME/quelvane

installed() {
    [ -x "$prefix/bin/quelvane" ] && [ -x "$prefix/libexec/quelvane/quelvane" ] &&
        [ -f "$prefix/share/quelvane/ZAVK.cfg" ] && [ -f "$prefix/share/quelvane/models/wald.3ds" ] &&
        [ -f "$prefix/share/quelvane/texturen/wald.bmp" ] &&
        [ -f "$prefix/share/applications/org.quelvane.quelvane.desktop" ] &&
        [ -f "$prefix/share/metainfo/org.quelvane.quelvane.metainfo.xml" ] &&
        [ -f "$prefix/share/icons/hicolor/256x256/apps/quelvane.png" ] &&
        [ -f "$prefix/share/icons/hicolor/scalable/apps/quelvane.svg" ] &&
        [ -f "$prefix/share/man/man6/quelvane.6.gz" ] &&
        [ -z "$(find "$prefix/share" -type f -perm -u+x)" ]
}
# The loaders' trace went to the log, and none of it to the terminal.
trace_in_log() {
    at_least "$(wc -l <"$player/quelvane.log")" 1000 && [ ! -s "$out/$1.stdout" ] &&
        at_most "$(wc -l <"$out/$1.stderr")" 5
}
linked_to_prefix() {
    [ "$(readlink "$player/models")" = "$prefix/share/quelvane/models" ] &&
        [ "$(readlink "$player/texturen")" = "$prefix/share/quelvane/texturen" ]
}

cmake --install "$QV_BUILD" --prefix "$prefix" >"$out/install.log"
check "cmake --install: launcher, game, data, desktop entry, metadata, icons, manual; nothing runnable in share" \
    installed

launcher_start "$prefix/bin/quelvane" first || finish
shot first
check "first start: the seat selection shows" seat_screen first
quit_with_escape "first start"
check "first start: ZAVK.cfg is a copy of the default" cmp -s "$player/ZAVK.cfg" "$prefix/share/quelvane/ZAVK.cfg"
check "first start: models and textures linked from the prefix" linked_to_prefix
check "first start: the trace is in quelvane.log, the terminal shows none of it" trace_in_log first

printf '# the player'"'"'s own\nresolution = 3\nwinPoints = 7\n' >"$player/ZAVK.cfg"
cp "$player/ZAVK.cfg" "$scratch/edited.cfg"
launcher_start "$prefix/bin/quelvane" second || finish
shot second
check "second start: the seat selection shows" seat_screen second
quit_with_escape "second start"
check "second start: the changed ZAVK.cfg is kept" cmp -s "$player/ZAVK.cfg" "$scratch/edited.cfg"

# A player's folder that can no longer be written (a read-only bind mount: root may write
# anywhere else): the game starts from it all the same, and its message line says the game is
# not kept.
if [ "$(id -u)" = 0 ]; then
    trap 'game_stop; umount "$player" 2>/dev/null; rm -rf "$scratch"' EXIT
    mount --bind "$player" "$player" && mount -o remount,ro,bind "$player"
    check "the player's folder is mounted read-only" grep -q " $player [^ ]* ro," /proc/mounts
    launcher_start "$prefix/bin/quelvane" read_only || finish
    shot read_only
    check "read-only folder: the seat selection shows" seat_screen read_only
    check "... its message line says the game is not kept" not_kept_notice read_only
    check "... and standard error says why" \
        grep -q "Read-only file system; the game is not kept until that is mended" "$out/read_only.stderr"
    quit_with_escape "read-only folder"
    umount "$player"
else
    log "not root: the read-only folder is left out"
fi

# A launcher that cannot start the game shows why in the game's message box.
mv "$prefix/share/quelvane/ZAVK.cfg" "$scratch/default.cfg"
"$prefix/bin/quelvane" >"$out/broken.stdout" 2>"$out/broken.stderr" &
launcher=$!
for _ in $(seq 1 50); do xdotool search --name '^Quelvane$' >/dev/null 2>&1 && break; sleep 0.1; done
sleep 0.5
peek broken
close_box
wait "$launcher"
status=$?
mv "$scratch/default.cfg" "$prefix/share/quelvane/ZAVK.cfg"
check "a launcher without the game's data says so in the game's message box" box_shown broken
check "... and on standard error" \
    grep -q "quelvane: the game's data is missing under" "$out/broken.stderr"
check "... with status 1" [ "$status" = 1 ]

# Without XDG_DATA_HOME, and with a relative one, the folder is ~/.local/share/quelvane; the
# game's own message about the missing display reaches the terminal.
in_home() { [ -f "$HOME/.local/share/quelvane/ZAVK.cfg" ] && [ ! -e "$scratch/relative" ]; }
no_display() { [ "$status" = 1 ] && grep -q DISPLAY "$out/nodisplay.stderr"; }
for xdg in "" relative/data; do
    (cd "$scratch" && XDG_DATA_HOME=$xdg env -u DISPLAY "$prefix/bin/quelvane" \
        >"$out/nodisplay.stdout" 2>"$out/nodisplay.stderr")
    status=$?
    check "XDG_DATA_HOME '$xdg': the folder is ~/.local/share/quelvane" in_home
    check "XDG_DATA_HOME '$xdg': no display gives status 1 and the game's message" no_display
    rm -rf "$HOME/.local"
done

finish
