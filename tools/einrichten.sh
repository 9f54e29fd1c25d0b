#!/usr/bin/env bash
# Set-up on a fresh Debian 12 machine: installs the Debian packages that are missing
# (with sudo when not root), builds, then starts the program or runs every test.
#
#   tools/einrichten.sh starten          build and start the program on the shipped course
#   tools/einrichten.sh testen [PRESET]  build and run all tests (PRESET: default or asan)
set -euo pipefail
cd "$(dirname "$0")/.."

pakete=(build-essential cmake qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
        xvfb xauth imagemagick librsvg2-bin libssl-dev clang libclang-rt-14-dev
        qt6-translations-l10n fonts-liberation fonts-urw-base35 at-spi2-core python3-pyatspi)

fehlend=()
for p in "${pakete[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
done
if ((${#fehlend[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${fehlend[@]}"
fi

auftrag=${1:-}
case "$auftrag" in
starten)
    cmake --preset default
    cmake --build --preset default
    # The program addresses its files relative to the folder it starts in.
    cd build/default/arbeitsordner
    exec ../bin/quorvia
    ;;
testen)
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
