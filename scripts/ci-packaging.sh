#!/usr/bin/env bash
# CI: the desktop entry and the AppStream metainfo pass their validators, the program
# builds in Release without a compiler warning, `cpack -G DEB` makes a package that holds
# the program, its desktop files and its documentation, and lintian finds neither an
# error nor a warning in it.
# Environment: BUILD_DIR (default build-pkg, built as Release), CMAKE_ARGS (more
# options for the configure step), JOBS (default 2).
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${BUILD_DIR:-build-pkg}
APP_ID=io.github.orsaline.Orsaline

fail() {
    echo "ci-packaging: $*" >&2
    exit 1
}

# The validators (and dpkg-shlibdeps, which works out the library dependencies).
. scripts/paquets.sh
installer_paquets desktop-file-utils appstream dpkg-dev lintian

desktop-file-validate "packaging/$APP_ID.desktop"

# Only the program, as the README's recipe builds it; a warning stops the build.
# shellcheck disable=SC2086 # CMAKE_ARGS is a list of options
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DORSALINE_BUILD_TESTS=OFF \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON ${CMAKE_ARGS:-} >/dev/null
# The metainfo is validated as installed, with the version and the site filled in.
appstreamcli validate --no-net "$BUILD_DIR/packaging/$APP_ID.metainfo.xml"
cmake --build "$BUILD_DIR" -j"${JOBS:-2}"

rm -f "$BUILD_DIR"/orsaline_*.deb
(cd "$BUILD_DIR" && cpack -G DEB)
debs=("$BUILD_DIR"/orsaline_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no orsaline_*.deb"
[ ${#debs[@]} -eq 1 ] || fail "more than one package: ${debs[*]}"
deb=${debs[0]}

info=$(dpkg-deb -I "$deb")
echo "$info"
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libqt6printsupport6 qt6-qpa-plugins \
         qt6-translations-l10n fonts-liberation fonts-comic-neue; do
    grep -Eq "(^|, )$d( |,|$)" <<<"$depends" || fail "Depends lacks $d: $depends"
done

contents=$(dpkg-deb -c "$deb")
echo "$contents"
for f in ./usr/bin/orsaline \
         ./usr/share/applications/$APP_ID.desktop \
         ./usr/share/icons/hicolor/scalable/apps/$APP_ID.svg \
         ./usr/share/metainfo/$APP_ID.metainfo.xml \
         ./usr/share/man/man1/orsaline.1.gz \
         ./usr/share/man/fr/man1/orsaline.1.gz \
         ./usr/share/man/es/man1/orsaline.1.gz \
         ./usr/share/doc/orsaline/README.md \
         ./usr/share/doc/orsaline/copyright \
         ./usr/share/doc/orsaline/changelog.gz; do
    grep -q " $f\$" <<<"$contents" || fail "$deb lacks $f"
done
echo "ci-packaging: $deb is complete"

# Lintian prints nothing when it has nothing to say.
lintian --fail-on error,warning "$deb" || fail "lintian: errors or warnings in $deb"
echo "ci-packaging: lintian is clean"
