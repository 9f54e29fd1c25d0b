#pragma once

// The application object of the program: it runs the main menu as the main window, and
// when that modal run returns the program is over.

#include "settings/einstellungsspeicher.h"
#include "ui/plattform/anwendung.h"

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

private:
    Hauptmenue* hauptmenue_ = nullptr;
};

} // namespace quorvia
