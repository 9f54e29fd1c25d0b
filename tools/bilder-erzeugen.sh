#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders our pictures and the program icon from their SVG sources:
#   resources/bilder/bustixgr.svg  -> resources/bilder/Bustixgr.gif  (main menu, 100 x 160)
#   resources/bilder/bustixkl.svg  -> resources/bilder/Bustixkl.gif  (option windows, 24 x 30)
#   and each at twice the size beside it as Bustixgr@2x.gif, Bustixkl@2x.gif, drawn instead
#   on screens of scale 1.5 and more
#   resources/symbol/quorvia.svg   -> resources/symbol/quorvia-32.png
#   resources/symbol/quorvia-16.svg -> resources/symbol/quorvia-16.png
#   the icon theme's other sizes       -> resources/symbol/hicolor/quorvia-{22,...,256}.png
#     (22 and 24 pixels from the small drawing, which stays readable there)
# The outputs are committed, so a build needs neither tool; run this after changing a source.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick (imagemagick).
set -euo pipefail

wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bilder=$wurzel/resources/bilder
symbol=$wurzel/resources/symbol

command -v rsvg-convert >/dev/null || { echo "rsvg-convert fehlt (librsvg2-bin)" >&2; exit 1; }
# Prefer ImageMagick's own binaries over any wrapper earlier on the PATH.
if command -v magick >/dev/null; then
    im=(magick)
elif [[ -x /usr/bin/convert ]]; then
    im=(/usr/bin/convert)
elif command -v convert >/dev/null; then
    im=(convert)
else
    echo "ImageMagick fehlt (imagemagick)" >&2
    exit 1
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# svg width height output.gif
gif() {
    rsvg-convert -w "$2" -h "$3" "$1" -o "$tmp/bild.png"
    # GIF knows only on/off transparency: the soft corners become either panel or background.
    # -strip keeps the file free of dates so that a rerun gives the same bytes.
    "${im[@]}" "$tmp/bild.png" -channel A -threshold 50% +channel -strip "$4"
}

# svg size output.png
png() {
    rsvg-convert -w "$2" -h "$2" "$1" -o "$tmp/symbol.png"
    "${im[@]}" "$tmp/symbol.png" -strip -define png:exclude-chunks=date,time "$3"
}

gif "$bilder/bustixgr.svg" 100 160 "$bilder/Bustixgr.gif"
gif "$bilder/bustixkl.svg" 24 30 "$bilder/Bustixkl.gif"
gif "$bilder/bustixgr.svg" 200 320 "$bilder/Bustixgr@2x.gif"
gif "$bilder/bustixkl.svg" 48 60 "$bilder/Bustixkl@2x.gif"
png "$symbol/quorvia.svg" 32 "$symbol/quorvia-32.png"
png "$symbol/quorvia-16.svg" 16 "$symbol/quorvia-16.png"
mkdir -p "$symbol/hicolor"
for groesse in 22 24; do
    png "$symbol/quorvia-16.svg" "$groesse" "$symbol/hicolor/quorvia-$groesse.png"
done
for groesse in 48 64 128 256; do
    png "$symbol/quorvia.svg" "$groesse" "$symbol/hicolor/quorvia-$groesse.png"
done

echo "Bilder und Programmsymbol erzeugt."
