# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by scripts/run and scripts/test: package installation and the build.
# Sourced, not run.

TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${TAPNEST_BUILD_DIR:-$TOP/build}
# The sanitized test trees, built by clang (see scripts/test).
ASAN_BUILD_DIR=${TAPNEST_ASAN_BUILD_DIR:-$TOP/build-asan}
TSAN_BUILD_DIR=${TAPNEST_TSAN_BUILD_DIR:-$TOP/build-tsan}

# Packages needed to build and run the program.
BUILD_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-private-dev qt6-image-formats-plugins libpng-dev libtiff-dev libwebp-dev
    qt6-wayland libwayland-dev libwayland-bin wayland-protocols libxcb1-dev
    libsndfile1-dev libpulse-dev espeak-ng libchm-dev fp-utils
    qt6-l10n-tools qt6-translations-l10n
)
# Packages needed only by the tests: those their builds need (compilers, test frameworks, the
# format checker), then the desktops, servers and tools the tests run the program on.
TEST_BUILD_PACKAGES=(googletest libgtest-dev libbenchmark-dev clang-format clang libclang-rt-dev)
TEST_RUN_PACKAGES=(
    xvfb openbox xfwm4 metacity dbus-daemon xdotool imagemagick x11-utils x11-xserver-utils xterm
    sway xwayland grim jq python3 cage iproute2
    kwin-wayland dbus-bin zenity
    gnome-shell gnome-settings-daemon gir1.2-mutter-11 gir1.2-gtk-4.0 gjs libglib2.0-bin
    xdg-desktop-portal libnotify-bin python3-dbus python3-gi
    pulseaudio pulseaudio-utils pipewire pipewire-pulse wireplumber python3-numpy python3-xlib
    desktop-file-utils appstream man-db lintian fonts-noto-cjk
)

# Prints those of the given Debian packages that are not installed, one a line.
missing_packages() {
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            echo "$pkg"
        fi
    done
}

# Installs whichever of the given Debian packages are missing.
ensure_packages() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds the tree in $BUILD_DIR; extra arguments go to cmake.
build_tree() {
    cmake -S "$TOP" -B "$BUILD_DIR" -G Ninja "$@"
    cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}

# sanitized_tree DIR address|thread [cmake --build arguments...]: configures and builds a test
# tree with clang and the given sanitizers.
sanitized_tree() {
    local dir=$1 sanitizer=$2
    shift 2
    CC=clang CXX=clang++ cmake -S "$TOP" -B "$dir" -G Ninja -DTAPNEST_SANITIZE="$sanitizer" \
        -DTAPNEST_BUILD_TESTS=ON -DTAPNEST_UNIT_TESTS=ON
    cmake --build "$dir" --parallel "$(nproc)" "$@"
}
