#include "ui/optionen.h"

#include "ui/plattform/anwendung.h"
#include "ui/plattform/dialog.h"

namespace quorvia {

void Menueverbindung::verbergen() const {
    if (Dialog* menue = fenster()) {
        menue->hide();
    }
}

void Menueverbindung::schliessen(bool zurueckZumMenue) const {
    Dialog* menue = fenster();
    if (menue == nullptr) {
        return;
    }
    if (Anwendung* anwendung = Anwendung::instanz()) {
        anwendung->setzeHauptfenster(menue);
    }
    if (!zurueckZumMenue) {
        menue->schliessenAnfordern();
    }
}

} // namespace quorvia
