#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A picture of every window of the program, taken on a real X server (Xvfb): the main
# menu, the settings, the list views, each kind of query window after a verdict, the
# summary, the about box and the help viewer. Each window is taken at scale 1 and 2, on a
# light and a dark desktop, and in three sans faces standing in for the dialog font
# (DejaVu Sans, Liberation Sans, Nimbus Sans), one folder per combination; texts that do
# not fit their control or stand too near the picture are reported on the way.
#
#   tools/screenshots.sh [BUILD_DIR] [TARGET_DIR]
#
# BUILD_DIR defaults to build/default (configured first if needed), TARGET_DIR to
# BUILD_DIR/bildschirmfotos. The windows run in a copy of the build's working folder, so
# the queries answered on the way change no not-known list of yours.
set -euo pipefail
cd "$(dirname "$0")/.."

bau=${1:-build/default}
ziel=${2:-$bau/bildschirmfotos}

if [ ! -f "$bau/CMakeCache.txt" ]; then
    cmake --preset default
fi
cmake --build "$bau" --target quorvia_fensterfotos quorvia quorvia_kurs_daten

for werkzeug in Xvfb xvfb-run xauth; do
    command -v "$werkzeug" >/dev/null || { echo "$werkzeug fehlt (Debian: xvfb, xauth)" >&2; exit 1; }
done

arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
cp -r "$bau/arbeitsordner/." "$arbeit/"
rm -f "$arbeit/Woerter/ngwoerter.dat" "$arbeit/Stammformen/ngstammformen.dat" "$arbeit/Einstellungen.ini" \
      "$arbeit"/Lernstand.sqlite*

mkdir -p "$ziel"
ziel=$(cd "$ziel" && pwd)
programm=$(cd "$bau/bin" && pwd)/quorvia_fensterfotos

# A face is tried by hiding from fontconfig the faces the program prefers before it.
schriftkonfig() { # file, families to hide...
    local datei=$1
    shift
    {
        echo '<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "fonts.dtd"><fontconfig>'
        echo '<include ignore_missing="yes">/etc/fonts/fonts.conf</include>'
        echo '<selectfont><rejectfont>'
        for familie in "$@"; do
            echo "<pattern><patelt name=\"family\"><string>$familie</string></patelt></pattern>"
        done
        echo '</rejectfont></selectfont></fontconfig>'
    } >"$datei"
}
schriftkonfig "$arbeit/dejavu.conf"
schriftkonfig "$arbeit/liberation.conf" "DejaVu Sans"
schriftkonfig "$arbeit/nimbus.conf" "DejaVu Sans" "Liberation Sans" "Arimo"

fehler=0
for skala in 1 2; do
    # The screen grows with the scale, so that every window shows whole (a query with the
    # help viewer beside it needs 1600 pixels).
    schirm="$((1600 * skala))x$((1024 * skala))x24"
    for farbe in hell dunkel; do
        for schrift in dejavu liberation nimbus; do
            fall="skala$skala-$farbe-$schrift"
            echo "== $fall"
            mkdir -p "$ziel/$fall"
            rm -rf "$arbeit/lauf" && mkdir "$arbeit/lauf"
            (cd "$arbeit" && cp -r Woerter Stammformen Bilder lauf/ 2>/dev/null || true)
            # -a picks a free display.
            (cd "$arbeit/lauf" &&
                FONTCONFIG_FILE="$arbeit/$schrift.conf" QT_SCALE_FACTOR=$skala \
                    QUORVIA_FOTO_FARBEN=$farbe QT_QPA_PLATFORM=xcb \
                    xvfb-run -a -s "-screen 0 $schirm -dpi 96" "$programm" "$ziel/$fall") ||
                fehler=1
        done
    done
done
echo "Bilder in $ziel"
exit $fehler
