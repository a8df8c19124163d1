#!/usr/bin/env bash
# Orsaline's developer commands.
#   ./dev.sh run    install what is missing, build, start the program
#   ./dev.sh test   install what is missing, build, run the whole test suite headless
# Environment: BUILD_DIR (default build), WERROR=1 (warnings as errors), SANITIZE=1.
set -euo pipefail
cd "$(dirname "$0")"

BUILD_DIR=${BUILD_DIR:-build}
PACKAGES=(g++ make cmake pkg-config qt6-base-dev qt6-svg-dev libqt6printsupport6 libgl-dev
          fonts-liberation fonts-comic-neue qt6-translations-l10n weston qt6-wayland)

. scripts/paquets.sh
setup() { installer_paquets "${PACKAGES[@]}"; }

build() {
    local opts=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
    [ "${WERROR:-0}" = 1 ] && opts+=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
    [ "${SANITIZE:-0}" = 1 ] && opts+=(-DORSALINE_SANITIZE=ON)
    cmake -S . -B "$BUILD_DIR" "${opts[@]}" >/dev/null
    cmake --build "$BUILD_DIR" -j"$(nproc)" "$@"
}

case "${1:-}" in
run)
    setup
    build --target orsaline
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "There is no display here. To see the program, run it under a virtual one:"
        echo "    sudo apt-get install xvfb && xvfb-run -a $BUILD_DIR/src/app/orsaline"
        echo "or from a desktop session: $BUILD_DIR/src/app/orsaline"
        exit 1
    fi
    exec "$BUILD_DIR/src/app/orsaline"
    ;;
test)
    setup
    build
    cd "$BUILD_DIR"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
