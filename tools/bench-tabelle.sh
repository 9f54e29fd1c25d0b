#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds every benchmark of the project (RelWithDebInfo) and runs them one after another,
# then prints one table: each figure with its baseline from the same run beside it
# (bench/robust/grundlinien.txt names the pairs).
#
#   tools/bench-tabelle.sh [BENCHMARK-OPTIONEN...]      e.g. --benchmark_min_time=1
#   QUORVIA_BENCH_BUILD=/pfad tools/bench-tabelle.sh     build folder (default build/bench)
#
# Times are CPU times per iteration (wall-clock for benchmarks that time themselves).
# Exit status 1 when a benchmark reports an error, for instance differing ciphertexts.
set -euo pipefail
cd "$(dirname "$0")/.."
wurzel=$PWD
build=${QUORVIA_BENCH_BUILD:-$wurzel/build/bench}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVIA_BENCH=ON \
        -DBUILD_TESTING=OFF >/dev/null
fi
mapfile -t ziele < <(cmake --build "$build" --target help |
    sed -n 's/^\.\.\. \([A-Za-z0-9_]*\).*/\1/p' | grep -E '^(bench_.*|.*_bench)$' | grep -v '_autogen' | sort)
if ((${#ziele[@]} == 0)); then
    echo "keine Benchmarks gefunden" >&2
    exit 1
fi
cmake --build "$build" -j"${QUORVIA_JOBS:-2}" --target "${ziele[@]}" >/dev/null

dateien=()
abgebrochen=0
for ziel in "${ziele[@]}"; do
    echo "== $ziel" >&2
    rm -f "$build/$ziel.json"
    if ! "$build/bin/$ziel" --benchmark_out="$build/$ziel.json" --benchmark_out_format=json \
        "$@" >"$build/$ziel.log" 2>&1; then
        echo "$ziel ist abgebrochen, siehe $build/$ziel.log" >&2
        abgebrochen=1
    fi
    [ -s "$build/$ziel.json" ] && dateien+=("$build/$ziel.json")
done

awk -v paare="$wurzel/bench/robust/grundlinien.txt" '
function ns(wert, einheit) {
    return wert * (einheit == "s" ? 1e9 : einheit == "ms" ? 1e6 : einheit == "us" ? 1e3 : 1)
}
function zeit(n) {
    if (n == "") return ""
    if (n >= 1e9) return sprintf("%.2f s", n / 1e9)
    if (n >= 1e6) return sprintf("%.2f ms", n / 1e6)
    if (n >= 1e3) return sprintf("%.1f µs", n / 1e3)
    return sprintf("%.0f ns", n)
}
# The name with "_Basis" before its arguments: BM_X/0 -> BM_X_Basis/0.
function basisname(name,    i) {
    i = index(name, "/")
    return i ? substr(name, 1, i - 1) "_Basis" substr(name, i) : name "_Basis"
}
# Below 0.1 a ratio reads better as a fraction: 1/570 rather than 0.00.
function verh(a, b,    r) {
    r = a / b
    return r < 0.1 ? sprintf("1/%.0f", 1 / r) : sprintf("%.2f", r)
}
function stamm(name,    i) {
    i = index(name, "/")
    return i ? substr(name, 1, i - 1) : name
}
BEGIN {
    while ((getline zeile < paare) > 0) {
        if (zeile ~ /^#/ || zeile ~ /^[ \t]*$/) continue
        n = split(zeile, f, /[ \t]+/)
        schluessel = f[1] SUBSEP f[2]
        quelle[schluessel] = f[3]
        text = f[4]
        for (i = 5; i <= n; i++) text = text " " f[i]
        beschreibung[schluessel] = text
    }
}
# Google Benchmark writes one key per line; a run is the lines between "{" and "}" inside
# the "benchmarks" list.
FNR == 1 {
    programm = FILENAME
    sub(/.*\//, "", programm)
    sub(/\.json$/, "", programm)
    imListe = 0
}
/"benchmarks": \[/ { imListe = 1; next }
imListe && /^ *\{ *$/ { delete lauf; next }
imListe && /^ *\}/ {
    if (lauf["run_type"] != "aggregate") {
        id = programm SUBSEP lauf["name"]
        if (!(id in cpu)) reihe[++zeilen] = id
        prog[id] = programm
        nam[id] = lauf["name"]
        cpu[id] = ns(lauf["cpu_time"], lauf["time_unit"])
        if (lauf["error_occurred"] == "true") {
            fehler[id] = lauf["error_message"]
            fehlerGesamt++
        }
        for (k in lauf) zaehler[id, k] = lauf[k]
    }
    next
}
imListe && /^ *"[^"]*": / {
    zeile = $0
    sub(/^ *"/, "", zeile)
    k = substr(zeile, 1, index(zeile, "\"") - 1)
    v = substr(zeile, index(zeile, "\": ") + 3)
    sub(/,$/, "", v)
    gsub(/^"|"$/, "", v)
    lauf[k] = v
}
END {
    print "| program | benchmark | time | baseline | baseline time | ratio |"
    print "|---|---|---:|---|---:|---:|"
    for (z = 1; z <= zeilen; z++) {
        id = reihe[z]
        name = nam[id]
        if (name ~ /_Basis(\/|$)/) continue
        schluessel = prog[id] SUBSEP stamm(name)
        figur = zeit(cpu[id]); basis = ""; basiszeit = ""; verhaeltnis = ""
        if (schluessel in quelle) {
            basis = beschreibung[schluessel]
            if (quelle[schluessel] == "_Basis") {
                bid = prog[id] SUBSEP basisname(name)
                if (bid in cpu) {
                    basiszeit = zeit(cpu[bid])
                    if (cpu[bid] > 0) verhaeltnis = verh(cpu[id], cpu[bid])
                    if (bid in fehler) fehler[id] = fehler[bid]
                }
            } else if (split(quelle[schluessel], q, ":") == 3) {
                fz = zaehler[id, q[2]]; bz = zaehler[id, q[3]]
                if (fz != "") figur = zeit(fz * 1e6)
                if (bz != "") basiszeit = zeit(bz * 1e6)
                if (fz != "" && bz > 0) verhaeltnis = verh(fz, bz)
            }
        }
        if (id in fehler) figur = "ERROR: " fehler[id]
        printf "| %s | %s | %s | %s | %s | %s |\n", prog[id], name, figur, basis, basiszeit, verhaeltnis
    }
    exit fehlerGesamt > 0
}' "${dateien[@]}" || abgebrochen=1
exit "$abgebrochen"
