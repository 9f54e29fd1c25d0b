#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The application object of the program: it runs the main menu as the main window, and
// when that modal run returns the program is over.

#include "lernstand/lernstand.h"
#include "query/abfrageprotokoll.h"
#include "settings/einstellungsspeicher.h"
#include "ui/plattform/anwendung.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace quorvia {

class Hauptmenue;

class QuorviaApp : public Anwendung {
    Q_OBJECT
public:
    QuorviaApp(int& argc, char** argv);

    // nullptr when the application object is not a QuorviaApp.
    static QuorviaApp* instanz();

    // Runs the main menu modally as the application's main window. Returns the exit
    // status once the menu has ended and every window of the program is gone; at once
    // with 0, after saying so, when the program already runs in this folder. A window
    // that cannot be built, like every fatal data failure, shows the stop message and ends
    // the process with status 1.
    int starten(EinstellungsSpeicher speicher = EinstellungsSpeicher());

    // The main menu while starten() runs.
    Hauptmenue* hauptmenue() const { return hauptmenue_; }

    // The clock the record's answers and due days follow (empty: the system clock).
    void uhrSetzen(std::function<std::int64_t()> uhr) { uhr_ = std::move(uhr); }

private:
    Hauptmenue* hauptmenue_ = nullptr;
    std::optional<Lernstand> lernstand_;
    std::function<std::int64_t()> uhr_;
};

} // namespace quorvia
