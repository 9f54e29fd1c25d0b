#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up on a fresh Debian 12 machine: installs the Debian packages that are missing
# (with sudo when not root), builds, then starts the program or runs every test.
#
#   tools/einrichten.sh starten          build the program and start it in the pupil's folder
#   tools/einrichten.sh testen [PRESET]  build and run all tests (PRESET: default or asan)
set -euo pipefail
cd "$(dirname "$0")/.."

# What the program, the course tool and the course need to build and to open a window.
programm_pakete=(build-essential cmake qt6-base-dev qt6-qpa-plugins qt6-translations-l10n
                 libsqlite3-dev qt6-charts-dev libqt6opengl6-dev)
# What the tests, benchmarks, screenshots, picture rendering, fuzzing and the Debian
# package need besides.
test_pakete=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth imagemagick librsvg2-bin
             libssl-dev clang libclang-rt-14-dev dpkg-dev lintian appstream poppler-utils
             fonts-liberation fonts-urw-base35 at-spi2-core dbus-daemon python3-pyatspi)

installieren() {
    local fehlend=() p sudo=""
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
    done
    ((${#fehlend[@]})) || return 0
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${fehlend[@]}"
}

auftrag=${1:-}
case "$auftrag" in
starten)
    installieren "${programm_pakete[@]}"
    cmake --preset programm
    cmake --build --preset programm
    # The build's working folder is only the source the launcher copies the course and the
    # pictures from: the pupil's lists and settings live in the per-user folder, outside
    # build/.
    exec build/default/bin/quorvia-starten
    ;;
testen)
    installieren "${programm_pakete[@]}" "${test_pakete[@]}"
    preset=${2:-default}
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
    ;;
*)
    echo "Aufruf: tools/einrichten.sh starten | testen [default|asan]" >&2
    exit 1
    ;;
esac
