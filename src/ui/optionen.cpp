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

std::string optionstitel(std::string_view titel, Abfragequelle quelle,
                         std::string_view titelNichtGewusst, std::string_view von,
                         std::string_view bis) {
    std::string text(titel);
    if (quelle == Abfragequelle::Bereich) {
        text += " - Lektion ";
        text += von;
        text += " bis Lektion ";
        text += bis;
    } else {
        text += titelNichtGewusst;
    }
    return text;
}

} // namespace quorvia
