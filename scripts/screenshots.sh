#!/usr/bin/env bash
# Redraws the pictures of docs/ from the real windows, without a display:
# main-fr.png, main-es.png, aide.png, overlay.png, a reading's tooltip (lecture-fr.png,
# lecture-aberrante-fr.png), and the report's context menu and
# printed page in both languages (rapport-menu-fr.png, rapport-page-fr.png, ...-es.png),
# and with pdftoppm the PDF report's first page (rapport-fr.png).
#   scripts/screenshots.sh            build in $BUILD_DIR (default build) and draw
# The pictures use a fixed clock and settings held in memory: the user's own settings
# are neither read nor written.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${BUILD_DIR:-build}
OUT=docs

if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$BUILD_DIR" --target capture -j"${JOBS:-2}"

# A configuration folder of its own, in case anything still looks for one.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$OUT"
XDG_CONFIG_HOME="$scratch" XDG_RUNTIME_DIR="$scratch" QT_QPA_PLATFORM=offscreen \
    ORSALINE_CAPTURE_PDF="$scratch/rapport.pdf" "$BUILD_DIR/tools/capture" "$OUT"
# The report as the printer writes it (PDF), its page at 100 dpi: rapport-fr.png.
if command -v pdftoppm >/dev/null; then
    pdftoppm -r 100 -png -f 1 -l 1 -singlefile "$scratch/rapport.pdf" "$OUT/rapport-fr"
fi

if command -v optipng >/dev/null; then
    optipng -quiet -o2 "$OUT"/*.png
fi
