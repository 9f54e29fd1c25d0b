#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as under a screen reader: a private X server (Xvfb), a D-Bus session with
# the accessibility bus, Qt on X11 with its AT-SPI bridge switched on. Qt tells assistive
# technology about changes only then; the window tests on the offscreen platform cannot
# hear them.
#
#   tools/atspi-lauf.sh COMMAND [ARGUMENT...]
#
# Needs xvfb-run (xvfb, xauth), dbus-run-session and at-spi-bus-launcher (at-spi2-core).
set -euo pipefail

starter=/usr/libexec/at-spi-bus-launcher
for werkzeug in xvfb-run dbus-run-session "$starter"; do
    command -v "$werkzeug" >/dev/null || { echo "$werkzeug fehlt (Debian: xvfb, dbus, at-spi2-core)" >&2; exit 1; }
done

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The launcher stays in the session's background and ends with it.
exec xvfb-run -a dbus-run-session -- bash -c '"$0" --launch-immediately & sleep 1; "$@"' \
    "$starter" "$@"
