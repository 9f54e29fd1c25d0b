#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang (address and undefined-behaviour sanitizers) and runs
# each in turn for the given number of seconds, on the seeds in fuzz/korpus. Inputs found
# along the way go to the build folder, not the repository.
#
#   tools/fuzzen.sh [SEKUNDEN] [ZIEL...]     default 60 s each, every target
#   QUORVIA_FUZZ_BUILD=/pfad tools/fuzzen.sh  build folder (default build/fuzz)
#
# Exit status 1 as soon as a target finds a crash, a sanitizer report or a broken invariant;
# the input that did it is kept as BUILD/funde/<ziel>/crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."
wurzel=$PWD

sekunden=${1:-60}
shift || true
build=${QUORVIA_FUZZ_BUILD:-$wurzel/build/fuzz}
ziele=("$@")
if ((${#ziele[@]} == 0)); then
    ziele=(kodierung datendatei eintragsliste pruefung inidatei lernstand)
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S fuzz -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j2 >/dev/null

for ziel in "${ziele[@]}"; do
    arbeit="$build/korpus/$ziel"
    funde="$build/funde/$ziel"
    mkdir -p "$arbeit" "$funde"
    # A database file holds one page per table at least: its seeds are larger.
    laenge=4096
    [ "$ziel" = lernstand ] && laenge=16384
    echo "== fuzz_$ziel: ${sekunden}s"
    if ! "$build/fuzz_$ziel" -max_total_time="$sekunden" -max_len="$laenge" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$funde/" \
        "$arbeit" "fuzz/korpus/$ziel" 2>"$build/fuzz_$ziel.log"; then
        tail -n 40 "$build/fuzz_$ziel.log" >&2
        echo "fuzz_$ziel: FEHLER, Eingabe in $funde" >&2
        exit 1
    fi
    grep -E '^(stat::number_of_executed_units|stat::new_units_added)|cov: ' \
        "$build/fuzz_$ziel.log" | tail -n 3
done
echo "Alle Ziele ohne Befund."
