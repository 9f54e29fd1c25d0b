#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// What the program tests add to the shared test support: the working directory with our
// real pictures, and the count of windows left on screen.

#include "gemeinsam/fenster.h"
#include "gemeinsam/kurs.h"
#include "gemeinsam/ordner.h"
#include "gemeinsam/zusammenfassungen.h"

#include <QApplication>

#include <filesystem>

namespace quorvia::apptest {

using namespace quorvia::test;

// A working directory as the build prepares it: the encrypted test courses and our two
// pictures.
class Programmordner : public Arbeitsordner {
public:
    Programmordner() {
        kursSchreiben();
        std::filesystem::create_directories("Bilder");
        for (const char* name : {"Bustixgr.gif", "Bustixkl.gif"}) {
            std::filesystem::copy_file(std::filesystem::path(QUORVIA_BILDER) / name,
                                       std::filesystem::path("Bilder") / name);
        }
    }
};

// The top-level windows still shown.
inline int sichtbareFenster() {
    int n = 0;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        n += w->isVisible() ? 1 : 0;
    }
    return n;
}

} // namespace quorvia::apptest
