#!/usr/bin/env bash
# A picture of every window of the program, taken on a real X server (Xvfb): the main
# menu, the settings, the list views, each kind of query window after a verdict, the
# summary, the about box and the help viewer.
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
rm -f "$arbeit/Woerter/ngwoerter.dat" "$arbeit/Stammformen/ngstammformen.dat" "$arbeit/Einstellungen.ini"

mkdir -p "$ziel"
ziel=$(cd "$ziel" && pwd)
programm=$(cd "$bau/bin" && pwd)/quorvia_fensterfotos

cd "$arbeit"
# -a picks a free display; the screen is large enough for a query with the help beside it.
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1600x1024x24 -dpi 96" "$programm" "$ziel"
echo "Bilder in $ziel"
