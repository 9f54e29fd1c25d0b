// SPDX-License-Identifier: GPL-3.0-or-later
// Start probe: the program's own start (application object, main menu from its
// template, picture, greeting) up to the main menu's first paint.

#include "app/hauptmenue.h"
#include "app/quorviaapp.h"
#include "startprobe.h"

int main(int argc, char** argv) {
    quorvia::QuorviaApp anwendung(argc, argv);
    quorvia::bench::ErsteZeichnung beobachter(
        [](const QWidget& w) { return qobject_cast<const quorvia::Hauptmenue*>(&w) != nullptr; });
    return anwendung.starten();
}
