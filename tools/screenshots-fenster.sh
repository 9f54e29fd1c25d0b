#!/bin/sh
# Screenshots of a query window and a list view on a virtual X display, for looking at
# texts and layout the way a pupil sees them. Needs Xvfb and ImageMagick's import.
#
#   tools/screenshots-fenster.sh BUILD_DIR [OUT_DIR] [WORKING_DIR]
#
# BUILD_DIR must have the target fenster_schau built; WORKING_DIR defaults to the build's
# working directory with the compiled course. Writes abfrage.png (principal parts query
# after a wrong answer), pause.png (the same in automatic mode, during the pause) and
# ansicht.png (principal parts of lessons 01 to 50), each cut to the window.
set -eu

build=${1:?build directory}
out=${2:-.}
ordner=${3:-$build/arbeitsordner}
schau=$build/bin/fenster_schau
anzeige=:98

mkdir -p "$out"
Xvfb $anzeige -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$anzeige
unset QT_QPA_PLATFORM

aufnehmen() { # name seconds-before-shot class [auto]
    "$schau" "$3" 6 "$ordner" ${4:-} >/dev/null 2>&1 &
    pid=$!
    sleep "$2"
    # The window is centred on the 1280 x 1024 screen; cut a margin around it.
    import -window root -crop 800x400+240+312 +repage "$out/$1.png"
    wait $pid || true
}

aufnehmen abfrage 3 Option41
aufnehmen pause 3 Option41 auto
aufnehmen ansicht 3 Option31
echo "$out/abfrage.png $out/pause.png $out/ansicht.png"
