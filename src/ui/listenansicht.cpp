#include "ui/listenansicht.h"

#include "data/datendatei.h"
#include "data/kursdatei.h"
#include "settings/schrift.h"
#include "ui/plattform/schriften.h"

#include <stdexcept>
#include <utility>
#include <vector>

namespace quorvia {

namespace {

// Items erste to letzte, each exactly as Eintragsliste::eintrag reads it (the first marker
// line of its number, then the next two lines), found in one pass over the text rather
// than one search from the start per row: a view of the whole course stays quick.
std::vector<Eintrag> eintraegeLesen(const Eintragsliste& liste, int erste, int letzte) {
    if (letzte < erste) {
        return {};
    }
    const std::string_view text = liste.text();
    const auto anzahl = static_cast<std::size_t>(letzte - erste + 1);
    std::vector<std::size_t> anfang(anzahl, std::string_view::npos);
    for (std::size_t pos = 0;;) {
        const std::string_view zeile = naechstesToken(text, pos);
        if (pos == std::string_view::npos) {
            break;
        }
        const int n = markierungsNummer(zeile).value_or(0);
        if (n >= 1 && n >= erste && n <= letzte) {
            std::size_t& a = anfang[static_cast<std::size_t>(n - erste)];
            if (a == std::string_view::npos) {
                a = static_cast<std::size_t>(zeile.data() - text.data());
            }
        }
    }
    std::vector<Eintrag> eintraege(anzahl);
    for (std::size_t i = 0; i < anzahl; ++i) {
        std::size_t pos = anfang[i];
        if (pos == std::string_view::npos) {
            continue; // no such item: an empty one, as eintrag gives
        }
        naechstesToken(text, pos);
        const std::string_view lateinisch = naechstesToken(text, pos);
        const std::string_view deutsch = naechstesToken(text, pos);
        eintraege[i] = {erste + static_cast<int>(i), std::string(rautenEntfernen(lateinisch)),
                        std::string(rautenEntfernen(deutsch))};
    }
    return eintraege;
}

} // namespace

const Ansichtsart& ansichtsartVon(std::string_view klasse) {
    for (const Ansichtsart& art : ansichtsarten) {
        if (art.klasse == klasse) {
            return art;
        }
    }
    throw std::invalid_argument("no list view of that name");
}

Listenansicht::Listenansicht(const Ansichtsart& art, QWidget* eltern)
    : Bildfenster(QString::fromLatin1(art.klasse.data(), static_cast<qsizetype>(art.klasse.size())),
                  kleinesBild, art.befehle, eltern),
      art_(art), nichtGewusst_(art.kurs) {}

void Listenansicht::bereichSetzen(int erste, int letzte, std::string von, std::string bis) {
    erste_ = erste;
    letzte_ = letzte;
    von_ = std::move(von);
    bis_ = std::move(bis);
}

bool Listenansicht::ladenUndPruefen() {
    geladen_ = false;
    if (!nichtGewusst_.ladenUndPruefen()) {
        return false;
    }
    kurs_ = Eintragsliste(kursLesen(art_.kurs));
    geladen_ = true;
    return true;
}

void Listenansicht::oeffnen() {
    using namespace ansichtIds;
    setzeTitel(optionstitel(art_.titel, art_.quelle, art_.titelNichtGewusst, von_, bis_));
    zurueck_ = false;
    geschlossen_ = false;

    if (art_.quelle == Abfragequelle::Bereich) {
        kurs_ = Eintragsliste(kursLesen(art_.kurs));
    } else if (!geladen_) {
        ladenUndPruefen(); // the menu normally did this before; an empty list shows nothing
    }
    bildLaden();

    Schriftbeschreibung kopf = schrift(ueberschrift);
    kopf.gewicht = 700;
    kopf.hoehe = punkteZuHoehe(13, pixelProZollY());
    setzeSchrift(ueberschrift, kopf);

    vollzeileSetzen(liste, true);
    spalteEinfuegen(liste, 0, spalteLektion, spaltenbreiten[0]);
    spalteEinfuegen(liste, 1, art_.spalte1, spaltenbreiten[1]);
    spalteEinfuegen(liste, 2, art_.spalte2, spaltenbreiten[2]);

    if (art_.quelle == Abfragequelle::Bereich) {
        bereichFuellen();
    } else if (geladen_) {
        nichtGewusstFuellen();
    }
    menue_.verbergen();
}

void Listenansicht::bereichFuellen() {
    const std::vector<Eintrag> eintraege = eintraegeLesen(kurs_, erste_, letzte_);
    int zeile = 0;
    for (int n = erste_; n <= letzte_; ++n) {
        const int index = zeileEinfuegen(ansichtIds::liste, zeile, art_.platzhalter);
        const Eintrag& e = eintraege[static_cast<std::size_t>(n - erste_)];
        if (const auto lektion = Lektionstabelle::lektionVon(art_.kurs, n)) {
            zelleSetzen(ansichtIds::liste, index, 0, *lektion);
        }
        zelleSetzen(ansichtIds::liste, index, 1, e.lateinisch);
        zelleSetzen(ansichtIds::liste, index, 2, e.deutsch);
        ++zeile;
    }
}

void Listenansicht::nichtGewusstFuellen() {
    const Eintragsliste& liste = nichtGewusst_.liste();
    const std::vector<Eintrag> eintraege = eintraegeLesen(liste, 1, liste.anzahl());
    int zeile = 0;
    for (const Eintrag& e : eintraege) {
        // A record the course no longer holds (a changed course file) keeps an empty lesson.
        std::string lektion;
        if (const auto n = kurs_.nummerVon(e.lateinisch, e.deutsch)) {
            lektion = Lektionstabelle::lektionVon(art_.kurs, *n).value_or(std::string());
        }
        zeile = zeileEinfuegen(ansichtIds::liste, zeile, lektion);
        zelleSetzen(ansichtIds::liste, zeile, 1, e.lateinisch);
        zelleSetzen(ansichtIds::liste, zeile, 2, e.deutsch);
    }
}

void Listenansicht::befehl(int id) {
    // Escape is no command of the views: it neither closes them nor ends the program.
    if (geschlossen_ || id == abbrechenId) {
        return;
    }
    if (id == ansichtIds::hauptmenue || id == art_.befehlHauptmenue) {
        zurueck_ = true;
        schliessenAnfordern();
        return;
    }
    Bildfenster::befehl(id);
}

bool Listenansicht::schliessenAngefragt() {
    if (!geschlossen_) {
        geschlossen_ = true;
        menue_.schliessen(zurueck_);
    }
    return true;
}

Option11::Option11(QWidget* eltern) : Listenansicht(ansichtsartVon("Option11"), eltern) {}
Option12::Option12(QWidget* eltern) : Listenansicht(ansichtsartVon("Option12"), eltern) {}
Option31::Option31(QWidget* eltern) : Listenansicht(ansichtsartVon("Option31"), eltern) {}
Option32::Option32(QWidget* eltern) : Listenansicht(ansichtsartVon("Option32"), eltern) {}

} // namespace quorvia
