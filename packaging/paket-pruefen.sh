#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CI check of the Debian package: builds it, runs lintian, checks the dependencies, unpacks
# it into a temporary root (never installing it into this system) and starts the unpacked
# launcher headless with a home of its own: the per-user folder must be prepared and the
# main menu must come up.
set -euo pipefail
cd "$(dirname "$0")/.."

fehler() { echo "paket-pruefen: $*" >&2; exit 1; }

cmake --preset paket
cmake --build --preset paket
rm -f build/paket/quorvia_*.deb
(cd build/paket && cpack -G DEB)
debs=(build/paket/quorvia_*.deb)
((${#debs[@]} == 1)) || fehler "kein oder mehr als ein Paket: ${debs[*]}"
deb=${debs[0]}

lintian --fail-on error,warning --display-info "$deb"

abhaengig=$(dpkg --info "$deb" | sed -n 's/^ Depends: //p')
# What dpkg-shlibdeps finds for the programs, and what no library names.
for paket in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins \
             qt6-translations-l10n; do
    tr ',' '\n' <<<"$abhaengig" | sed 's/^ *//; s/ .*//' | grep -Fxq "$paket" ||
        fehler "Depends nennt $paket nicht: $abhaengig"
done

tmp=$(mktemp -d)
programm=""
aufraeumen() {
    [ -z "$programm" ] || kill "$programm" 2>/dev/null || true
    rm -rf "$tmp"
}
trap aufraeumen EXIT
dpkg-deb -x "$deb" "$tmp/wurzel"
appstreamcli validate --no-net "$tmp"/wurzel/usr/share/metainfo/*.metainfo.xml
# A new version needs its entry in the changelog and a release in the metadata.
version=$(dpkg --info "$deb" | sed -n 's/^ Version: //p')
zcat "$tmp/wurzel/usr/share/doc/quorvia/changelog.gz" | head -n 1 | grep -Fq "quorvia ($version)" ||
    fehler "changelog beginnt nicht mit Version $version"
grep -Fq "<release version=\"$version\"" "$tmp"/wurzel/usr/share/metainfo/*.metainfo.xml ||
    fehler "metainfo nennt Version $version nicht"
mkdir "$tmp/home"
ordner=$tmp/home/.local/share/quorvia2003

# The launcher execs the program, so the process id stays the program's. Qt's shortcut log
# shows the main menu's menu bar taking its keys once the window is built; any other output
# means trouble (a message box over the menu makes the offscreen platform complain, too).
mkdir -m 700 "$tmp/laufzeit"
env -u XDG_DATA_HOME HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/laufzeit" QT_QPA_PLATFORM=offscreen \
    QT_LOGGING_RULES="qt.gui.shortcutmap.debug=true" \
    "$tmp/wurzel/usr/bin/quorvia-starten" 2>"$tmp/ausgabe" &
programm=$!
for _ in $(seq 300); do
    grep -q 'QMenuBar.*"Alt+Q"' "$tmp/ausgabe" && break
    kill -0 "$programm" 2>/dev/null || break
    sleep 0.1
done
sleep 1 # and still running a moment later: no message ended it
kill -0 "$programm" 2>/dev/null || { cat "$tmp/ausgabe" >&2; fehler "das Programm lief nicht weiter"; }
[ "$(readlink "/proc/$programm/exe")" = "$tmp/wurzel/usr/bin/quorvia" ] ||
    fehler "nicht das entpackte Programm: $(readlink "/proc/$programm/exe")"
[ "$(readlink "/proc/$programm/cwd")" = "$ordner" ] ||
    fehler "Arbeitsordner $(readlink "/proc/$programm/cwd") statt $ordner"
grep -q 'QMenuBar.*"Alt+Q"' "$tmp/ausgabe" || { cat "$tmp/ausgabe" >&2; fehler "kein Hauptmenü"; }
if grep -v '^qt\.gui\.shortcutmap: ' "$tmp/ausgabe" >&2; then
    fehler "unerwartete Ausgabe des Programms (oben)"
fi
for datei in Woerter/Woerter.dat Stammformen/Stammformen.dat Bilder/Bustixgr.gif Bilder/Bustixkl.gif \
             Bilder/Bustixgr@2x.gif Bilder/Bustixkl@2x.gif; do
    cmp "$tmp/wurzel/usr/share/quorvia/$datei" "$ordner/$datei" || fehler "$datei nicht vorbereitet"
done
echo "Paket $deb in Ordnung."
