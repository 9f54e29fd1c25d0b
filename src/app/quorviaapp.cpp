#include "app/quorviaapp.h"

#include "app/hauptmenue.h"
#include "data/datendatei.h"
#include "data/pfade.h"
#include "data/startsperre.h"
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
    // A second copy in the same folder would overwrite the first one's lists when its
    // windows close. Where no lock can be had (a read-only folder) the program still runs.
    const Startsperre sperre{std::filesystem::path(pfade::startsperre)};
    if (sperre.stand() == Startsperre::Stand::Besetzt) {
        meldungZeigen(nullptr, "Quorvia 2003 l\xE4uft bereits.", Meldungssymbol::Information);
        return 0;
    }
    // A record that cannot be used leaves every other function as it was.
    lernstand_.emplace(std::filesystem::path(lernstandDatei));
    if (lernstand_->oeffnung() == Lernstand::Oeffnung::Erneuert) {
        meldungZeigen(nullptr, lernstandErneuertMeldung, Meldungssymbol::Information);
    }
    // Qt's widgets need no separate initialisation of list views and spin controls.
    try {
        Hauptmenue menue(std::move(speicher), nullptr, Lernzugang{&*lernstand_, uhr_});
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
    lernstand_.reset();
    return 0;
}

} // namespace quorvia
