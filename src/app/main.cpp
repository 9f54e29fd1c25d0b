// SPDX-License-Identifier: GPL-3.0-or-later
// Quorvia 2003: started without arguments in the folder that holds Woerter/,
// Stammformen/, Bilder/ and Einstellungen.ini.

#include "app/quorviaapp.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

namespace fs = std::filesystem;

// The per-user working folder quorvia-starten prepares: an absolute XDG_DATA_HOME, else
// ~/.local/share.
fs::path benutzerordner() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && fs::path(xdg).is_absolute()) {
        return fs::path(xdg) / "quorvia2003";
    }
    const char* home = std::getenv("HOME");
    return fs::path(home != nullptr ? home : "~") / ".local/share/quorvia2003";
}

// Started outside a working folder (the obvious first try: the program straight from the
// build or the installed bin/), the program still shows its missing-picture message and
// ends; this line tells the one who started it where it should have run and how.
void arbeitsordnerPruefen() {
    std::string fehlend;
    std::error_code fehler;
    for (const char* ordner : {"Woerter", "Stammformen", "Bilder"}) {
        if (!fs::is_directory(ordner, fehler)) {
            fehlend += fehlend.empty() ? "" : ", ";
            fehlend += std::string(ordner) + "/";
        }
    }
    if (!fehlend.empty()) {
        std::cerr << "quorvia: " << fs::current_path(fehler) << " ist kein Arbeitsordner (ohne "
                  << fehlend << "); der eigene Arbeitsordner ist " << benutzerordner()
                  << ", dort startet das Programm mit quorvia-starten.\n";
    }
}

} // namespace

int main(int argc, char** argv) {
    arbeitsordnerPruefen();
    quorvia::QuorviaApp anwendung(argc, argv);
    return anwendung.starten();
}
