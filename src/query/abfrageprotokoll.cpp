#include "query/abfrageprotokoll.h"

#include <utility>

namespace quorvia {

namespace {

Quelle quelleVon(Abfragequelle q) {
    switch (q) {
    case Abfragequelle::NichtGewusst:
        return Quelle::NichtGewusst;
    case Abfragequelle::Faellig:
        return Quelle::Faellig;
    case Abfragequelle::Testplan:
        return Quelle::Testplan;
    case Abfragequelle::Bereich:
        break;
    }
    return Quelle::Bereich;
}

} // namespace

Richtung richtungVon(const Abfrageart& art) {
    if (art.kurs == Kursart::Stammformen) {
        return Richtung::Stammformen;
    }
    return art.gefragt == Zeile::Deutsch ? Richtung::DeutschLatein : Richtung::LateinDeutsch;
}

Abfrageprotokoll::Abfrageprotokoll(Lernzugang zugang, const Abfrageart& art, std::string von,
                                   std::string bis)
    : zugang_(std::move(zugang)) {
    abfrage_.beginn = zugang_.zeit();
    abfrage_.richtung = richtungVon(art);
    abfrage_.quelle = quelleVon(art.quelle);
    abfrage_.von = std::move(von);
    abfrage_.bis = std::move(bis);
}

bool Abfrageprotokoll::antwort(const Eintrag& e, std::string_view eingabe, bool richtig) {
    ++abfrage_.gesamt;
    ++(richtig ? abfrage_.richtig : abfrage_.falsch);
    // An item number without its record has no content to be keyed by.
    if (zugang_.lernstand == nullptr || e.nummer == 0) {
        return true;
    }
    Antwort a;
    a.zeit = zugang_.zeit();
    a.tag = tagnummer(a.zeit);
    a.schluessel = {abfrage_.richtung, e.lateinisch, e.deutsch};
    a.richtig = richtig;
    a.eingabe = std::string(eingabe);
    a.quelle = abfrage_.quelle;
    return zugang_.lernstand->antwortEintragen(a);
}

bool Abfrageprotokoll::abschliessen() {
    if (abgeschlossen_ || zugang_.lernstand == nullptr) {
        return true;
    }
    abgeschlossen_ = true;
    abfrage_.ende = zugang_.zeit();
    return zugang_.lernstand->abfrageEintragen(abfrage_);
}

} // namespace quorvia
