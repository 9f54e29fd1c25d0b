#include "ui/listenansicht.h"

#include "data/kursdatei.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quorvia {

Listenansicht::Listenansicht(const Optionszeile& zeile, QWidget* eltern)
    : Optionsfenster(zeile, eltern) {}

void Listenansicht::inhaltOeffnen() {
    using namespace ansichtIds;
    vollzeileSetzen(liste, true);
    spalteEinfuegen(liste, 0, spalteLektion, spaltenbreiten[0]);
    spalteEinfuegen(liste, 1, zeile().spalten.spalte1, spaltenbreiten[1]);
    spalteEinfuegen(liste, 2, zeile().spalten.spalte2, spaltenbreiten[2]);

    if (zeile().quelle == Abfragequelle::Bereich) {
        bereichFuellen(Eintragsliste(kursLesen(zeile().kurs)));
    } else if (listeGeladen()) {
        nichtGewusstFuellen(Eintragsliste(kursLesen(zeile().kurs)));
    }
}

void Listenansicht::bereichFuellen(const Eintragsliste& kurs) {
    const std::vector<Eintrag> eintraege = kurs.eintraege(erste(), letzte());
    int reihe = 0;
    for (int n = erste(); n <= letzte(); ++n) {
        const Eintrag& e = eintraege[static_cast<std::size_t>(n - erste())];
        // Column 0 names the lesson; an item beyond the lesson table keeps the placeholder.
        const std::optional<std::string> lektion = Lektionstabelle::lektionVon(zeile().kurs, n);
        zeileEinfuegen(ansichtIds::liste, reihe,
                       {lektion ? std::string_view(*lektion) : zeile().spalten.platzhalter,
                        e.lateinisch, e.deutsch});
        ++reihe;
    }
}

void Listenansicht::nichtGewusstFuellen(const Eintragsliste& kurs) {
    // Every record's lesson from one reading of the course instead of a search per record.
    // A line holds no line break, so one joins the two lines into a key.
    const auto schluessel = [](const Eintrag& e) {
        return e.lateinisch + '\n' + e.deutsch;
    };
    std::unordered_map<std::string, int> nummern;
    const std::vector<Eintrag> kurseintraege =
        kurs.eintraege(1, Lektionstabelle::anzahlGesamt(zeile().kurs));
    nummern.reserve(kurseintraege.size());
    for (const Eintrag& e : kurseintraege) {
        if (e.nummer != 0) {
            nummern.try_emplace(schluessel(e), e.nummer);
        }
    }
    int reihe = 0;
    for (const Eintrag& e : nichtGewusst().liste().eintraege(erste(), letzte())) {
        // A record the course no longer holds (a changed course file) keeps an empty lesson.
        std::string lektion;
        if (const auto n = nummern.find(schluessel(e)); n != nummern.end()) {
            lektion = Lektionstabelle::lektionVon(zeile().kurs, n->second).value_or("");
        }
        reihe = zeileEinfuegen(ansichtIds::liste, reihe, {lektion, e.lateinisch, e.deutsch});
    }
}

} // namespace quorvia
