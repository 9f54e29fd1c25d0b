#include "data/nichtgewusstliste.h"

#include "data/kursdatei.h"

namespace quorvia {

NichtGewusstListe::NichtGewusstListe(Kursart art)
    : NichtGewusstListe(nichtGewusstDatei(art).pfad, nichtGewusstDatei(art).wennNichtLadbar) {}

NichtGewusstListe::NichtGewusstListe(std::filesystem::path pfad, Fehlerart wennNichtLadbar)
    : pfad_(std::move(pfad)), wennNichtLadbar_(wennNichtLadbar), liste_(std::string(leererText)) {}

void NichtGewusstListe::fuerBereichLaden() {
    if (!DatenDatei::existiert(pfad_)) {
        liste_ = Eintragsliste(std::string(leererText));
        return;
    }
    liste_ = Eintragsliste(DatenDatei::lesen(pfad_, wennNichtLadbar_));
}

bool NichtGewusstListe::ladenUndPruefen() {
    if (!DatenDatei::existiert(pfad_)) {
        return false;
    }
    liste_ = Eintragsliste(DatenDatei::lesen(pfad_, wennNichtLadbar_));
    // A list without record 1 has nothing to show or ask, whatever its length.
    return liste_.text().size() >= 5 && liste_.anzahl() > 0;
}

void NichtGewusstListe::speichern() const {
    DatenDatei::schreiben(pfad_, liste_.text());
}

} // namespace quorvia
