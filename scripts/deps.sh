# Package helpers for play.sh and test.sh: installs only what is missing (Debian packages).

# Packages the game needs to build and run.
GAME_PACKAGES="g++ make cmake gettext freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libx11-dev
  libgl1-mesa-dri"
# Further packages for the tests: unit tests, benchmarks, fuzzers, the headless X server, and
# building and checking the Debian package.
TEST_PACKAGES="googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  xserver-xorg-core xserver-xorg-video-dummy xvfb x11-utils xdotool imagemagick
  dpkg-dev file lintian desktop-file-utils appstream devscripts"

ensure_packages() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "need root or sudo to install: ${missing[*]}" >&2; return 1; }
        sudo=sudo
    fi
    echo "installing: ${missing[*]}"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}
