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

# The tags of every level are kept in the log; errors, warnings and pedantic tags fail.
lintian_clean() {
    lintian --pedantic --fail-on error,warning,pedantic "$deb" >"$out/lintian.txt" 2>&1
}
check "lintian --pedantic reports no errors, warnings or pedantic tags" lintian_clean
grep '^[A-Z]:' "$out/lintian.txt" | while read -r line; do log "lintian: $line"; done

id=org.quelvane.quelvane
dpkg-deb -c "$deb" | awk '{print $NF}' >"$out/contents.txt"
holds_all() {
    local f
    for f in games/quelvane libexec/quelvane/quelvane share/quelvane/ZAVK.cfg \
        share/quelvane/models/wald.3ds share/quelvane/texturen/wald.bmp \
        share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
        share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/quelvane.png \
        share/icons/hicolor/scalable/apps/quelvane.svg share/man/man6/quelvane.6.gz \
        share/locale/en/LC_MESSAGES/quelvane.mo share/quelvane/texturen/en/bauen.bmp \
        share/doc/quelvane/copyright share/doc/quelvane/changelog.gz; do
        grep -qx "./usr/$f" "$out/contents.txt" || { log "missing: /usr/$f"; return 1; }
    done
}
check "the package holds launcher, game, data, translations, desktop entry, metadata, icons, manual and documents" \
    holds_all

field() { dpkg-deb -f "$deb" "$1"; }
fields_right() {
    [ "$(field Section)" = games ] && grep -q libglut <<<"$(field Depends)" &&
        [ "$(field Recommends)" = libgl1-mesa-dri ]
}
log "Depends: $(field Depends)"
check "section games, library dependencies found, software renderer recommended" fields_right
installable() { apt-get install -s "$deb" >"$out/apt.txt" 2>&1 && grep -q '^Inst quelvane' "$out/apt.txt"; }
check "its dependencies can be met here (apt-get install -s)" installable

root=$scratch/root
dpkg-deb -x "$deb" "$root"
check "desktop-file-validate accepts the desktop entry" \
    desktop-file-validate "$root/usr/share/applications/$id.desktop"
# validate-tree also finds the desktop entry the metadata launches; --strict fails on any
# issue but the pedantic ones.
metadata_valid() {
    appstreamcli validate --no-net --strict "$root/usr/share/metainfo/$id.metainfo.xml" &&
        appstreamcli validate-tree --no-net --strict "$root"
} >"$out/appstream.txt" 2>&1
check "appstreamcli validates the metadata with the desktop entry" metadata_valid
# Debian 12's C start files carry no control-flow marks, so no program linked here can show
# them; every other protection is required.
hardened() { hardening-check --nocfprotection "$root/usr/libexec/quelvane/quelvane" >"$out/hardening.txt"; }
check "hardening-check: PIE, stack protector, fortified functions, RELRO, immediate binding" hardened
cat "$out/hardening.txt"

# The one version of the build, everywhere it is shown. The launcher answers --version without
# a display, a home or a player's folder.
one_version() {
    local v=$QV_VERSION
    [ "$(field Version)" = "$v" ] &&
        [ "$(dpkg-parsechangelog -l "$src/packaging/changelog" -S Version)" = "$v" ] &&
        [ "$(env -u DISPLAY -u HOME XDG_DATA_HOME="$scratch/none" "$root/usr/games/quelvane" --version)" = "Quelvane $v" ] &&
        [ ! -e "$scratch/none" ] &&
        zcat "$root/usr/share/man/man6/quelvane.6.gz" | grep -q "\"Quelvane $v\"" &&
        grep -q "<release version=\"$v\" date=\"[0-9-]*\"" "$root/usr/share/metainfo/$id.metainfo.xml" &&
        grep -q "^## $v " "$src/CHANGELOG.md"
}
check "version $QV_VERSION in the package, its changelog, the launcher, manual, metadata and CHANGELOG.md" \
    one_version

# In English, with the catalogue found beside the installed data.
LANG=en_US.UTF-8 LC_ALL='' LC_MESSAGES='' launcher_start "$root/usr/games/quelvane" unpacked ||
    finish
shot unpacked
check "unpacked: the seat selection shows" seat_screen unpacked
check "unpacked, LANG=en_US.UTF-8: the seat selection in English" \
    same_as_reference unpacked seats en-seats
quit_with_escape unpacked
check "unpacked: the log is in the player's folder" [ -s "$XDG_DATA_HOME/quelvane/quelvane.log" ]

finish
