#include "app/quorviaapp.h"

#include "app/hauptmenue.h"
#include "data/datendatei.h"
#include "ui/gemeinsam.h"
#include "ui/plattform/dienste.h"

#include <exception>
#include <utility>

namespace quorvia {

QuorviaApp::QuorviaApp(int& argc, char** argv) : Anwendung(argc, argv) {
    setzeHilfe(&hilfeBefehl);
}

QuorviaApp* QuorviaApp::instanz() {
    return qobject_cast<QuorviaApp*>(QCoreApplication::instance());
}

int QuorviaApp::starten(EinstellungsSpeicher speicher) {
    // Qt's widgets need no separate initialisation of list views and spin controls.
    try {
        Hauptmenue menue(std::move(speicher));
        hauptmenue_ = &menue;
        setzeHauptfenster(&menue);
        menue.ausfuehren();
        hauptmenue_ = nullptr;
    } catch (const DatenFehler& f) {
        datenfehlerBeenden(f.art());
    } catch (const std::exception&) {
        datenfehlerBeenden(Fehlerart::Unerwartet);
    }
    // The menu has closed the help viewer on its way out; no other window outlives it.
    setzeHauptfenster(nullptr);
    return 0;
}

} // namespace quorvia
