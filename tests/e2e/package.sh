#!/usr/bin/env bash
# The Debian package: built with cpack, clean for lintian, installable here, and its launcher
# starts the game when the package is only unpacked into a scratch folder.
. "$(dirname "$0")/lib.sh"

src=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d /tmp/quelvane-e2e-package.XXXXXX)
trap 'game_stop; rm -rf "$scratch"' EXIT
export HOME=$scratch/home XDG_DATA_HOME=$scratch/data

cpack -G DEB -B "$scratch/pkg" --config "$QV_BUILD/CPackConfig.cmake" >"$out/cpack.log" 2>&1
debs=("$scratch"/pkg/quelvane_*.deb)
deb=${debs[0]}
check "cpack -G DEB builds quelvane_<version>_<arch>.deb" [ -f "$deb" ]
[ -f "$deb" ] || finish

lintian_clean() {
    lintian "$deb" >"$out/lintian.txt" 2>&1 && ! grep -q '^E:' "$out/lintian.txt"
}
check "lintian reports no errors" lintian_clean
grep '^[WE]:' "$out/lintian.txt" | while read -r line; do log "lintian: $line"; done

dpkg-deb -c "$deb" | awk '{print $NF}' >"$out/contents.txt"
holds_all() {
    local f
    for f in games/quelvane lib/quelvane/quelvane share/quelvane/ZAVK.cfg \
        share/quelvane/models/wald.3ds share/quelvane/texturen/wald.bmp \
        share/applications/quelvane.desktop share/icons/hicolor/256x256/apps/quelvane.png \
        share/icons/hicolor/64x64/apps/quelvane.png share/man/man6/quelvane.6.gz \
        share/doc/quelvane/copyright share/doc/quelvane/changelog.gz; do
        grep -qx "./usr/$f" "$out/contents.txt" || { log "missing: /usr/$f"; return 1; }
    done
}
check "the package holds launcher, game, data, desktop entry, icons, manual and documents" holds_all

field() { dpkg-deb -f "$deb" "$1"; }
fields_right() {
    [ "$(field Section)" = games ] && grep -q libglut <<<"$(field Depends)" &&
        [ "$(field Recommends)" = libgl1-mesa-dri ] &&
        [ "$(field Version)" = "$(dpkg-parsechangelog -l "$src/packaging/changelog" -S Version)" ]
}
log "Depends: $(field Depends)"
check "section games, library dependencies found, software renderer recommended, version of the changelog" \
    fields_right
installable() { apt-get install -s "$deb" >"$out/apt.txt" 2>&1 && grep -q '^Inst quelvane' "$out/apt.txt"; }
check "its dependencies can be met here (apt-get install -s)" installable

root=$scratch/root
dpkg-deb -x "$deb" "$root"
check "desktop-file-validate accepts the desktop entry" \
    desktop-file-validate "$root/usr/share/applications/quelvane.desktop"

launcher_start "$root/usr/games/quelvane" unpacked || finish
shot unpacked
check "unpacked: the seat selection shows" seat_screen unpacked
quit_with_escape unpacked
check "unpacked: the log is in the player's folder" [ -s "$XDG_DATA_HOME/quelvane/quelvane.log" ]

finish
