#include "query/abfrageablauf.h"

#include "query/lobtabelle.h"

#include <algorithm>
#include <random>
#include <utility>

namespace quorvia {

Zufallsquelle zufallAusUhr() {
    const auto sekunden = std::chrono::duration_cast<std::chrono::seconds>(
                              std::chrono::system_clock::now().time_since_epoch())
                              .count();
    return [engine = std::mt19937(static_cast<std::mt19937::result_type>(sekunden))]() mutable {
        return static_cast<std::uint32_t>(engine());
    };
}

Abfrageablauf::Abfrageablauf(const Abfrageart& art, Eintragsliste quelle,
                             Eintragsliste& nichtGewusst, int erste, int letzte,
                             const AbfrageEinstellungen& einstellungen, Fenster& fenster,
                             Zufallsquelle zufall)
    : art_(art), quelle_(std::move(quelle)), nichtGewusst_(nichtGewusst), erste_(erste),
      letzte_(letzte), einstellungen_(einstellungen), fenster_(fenster),
      zufall_(std::move(zufall)) {
    anzeige_.anzahlGesamt = letzte_ >= erste_ ? letzte_ - erste_ + 1 : 0;
}

std::string_view Abfrageablauf::zeileVon(const Eintrag& e, Zeile z) const {
    return z == Zeile::Lateinisch ? std::string_view(e.lateinisch) : std::string_view(e.deutsch);
}

int Abfrageablauf::ziehen() {
    const auto n = static_cast<std::uint32_t>(anzeige_.anzahlGesamt);
    return erste_ + static_cast<int>(zufall_() % n);
}

void Abfrageablauf::beginnen() {
    anzahlGefragt_ = 0;
    // Item numbers start at 1, so an unfilled slot (0) can never match a drawn number;
    // with a first number below 1, or nothing selected, the draw could never finish.
    if (anzeige_.anzahlGesamt <= 0 || erste_ < 1 || !zufall_) {
        anzeige_.anzahlGesamt = std::max(anzeige_.anzahlGesamt, 0);
        beendet_ = true;
        fenster_.anzeigen(anzeige_);
        fenster_.zurueckZumHauptmenue();
        fenster_.fensterSchliessen();
        return;
    }
    const int r = ziehen();
    gefragt_.assign(static_cast<std::size_t>(anzeige_.anzahlGesamt), 0);
    schonGefragt_.assign(static_cast<std::size_t>(anzeige_.anzahlGesamt), false);
    gefragt_[0] = r;
    schonGefragt_[static_cast<std::size_t>(r - erste_)] = true;
    aktuelleNummer_ = r;
    anzeige_.ausdruck = std::string(zeileVon(quelle_.eintrag(r), art_.gefragt));
    anzahlGefragt_ = 1;
    anzeige_.anzahlRichtig = 0;
    anzeige_.anzahlFalsch = 0;
    anzeige_.eingabe.clear();
    anzeige_.meldung.clear();
    anzeige_.loesung.clear();
    fenster_.anzeigen(anzeige_);
}

void Abfrageablauf::bestaetigen(std::string eingabe) {
    if (beendet_) {
        return;
    }
    if (!einstellungen_.automatisch && wartetAufWeiter_) {
        weiter();
    } else {
        auswerten(std::move(eingabe));
    }
}

void Abfrageablauf::auswerten(std::string eingabe) {
    if (beendet_) {
        return;
    }
    anzeige_.eingabe = std::move(eingabe);
    const Eintrag e = quelle_.eintrag(aktuelleNummer_);
    // A number without its record (nummer 0) has nothing to judge against and must not
    // put an empty pair on the not-known list: it counts as wrong and leaves the list alone.
    const bool vorhanden = e.nummer != 0;
    const std::string_view loesung = zeileVon(e, art_.loesung());
    const bool richtig =
        vorhanden && art_.pruefung(loesung, anzeige_.eingabe, einstellungen_.streng);

    anzeige_.loesung = std::string(loesung);
    if (richtig) {
        ++anzeige_.anzahlRichtig;
        ++serie_;
        anzeige_.meldung = Lobtabelle::lob(serie_);
        fenster_.anzeigen(anzeige_);
        nichtGewusst_.entfernen(e.lateinisch, e.deutsch);
    } else {
        ++anzeige_.anzahlFalsch;
        serie_ = 0;
        anzeige_.meldung = Lobtabelle::falsch;
        fenster_.anzeigen(anzeige_);
        if (art_.falschHinzufuegen() && vorhanden) {
            nichtGewusst_.anhaengen(e.lateinisch, e.deutsch);
        }
    }

    if (einstellungen_.automatisch) {
        fenster_.pause(std::chrono::milliseconds(einstellungen_.pause * 1000));
        weiter();
    } else {
        fenster_.warteAufWeiterAnzeigen(true);
        wartetAufWeiter_ = true;
        fenster_.eingabeFokussieren();
    }
}

void Abfrageablauf::weiter() {
    if (beendet_) {
        return;
    }
    anzeige_.eingabe.clear();
    anzeige_.meldung.clear();
    anzeige_.loesung.clear();
    fenster_.anzeigen(anzeige_);

    if (anzahlGefragt_ >= anzeige_.anzahlGesamt) {
        anzeige_.ausdruck.clear();
        fenster_.anzeigen(anzeige_);
        // Set before the modal summary so that nothing reaching the window from now on
        // runs on the finished loop.
        beendet_ = true;
        fenster_.zusammenfassungZeigen(art_.artText(), anzeige_.anzahlGesamt,
                                       anzeige_.anzahlRichtig, anzeige_.anzahlFalsch);
        fenster_.zurueckZumHauptmenue();
        fenster_.fensterSchliessen();
        return;
    }

    // Draw again while the number is among the asked ones. Unfilled slots hold 0, which no
    // drawn number (at least erste_ >= 1) equals, so the mirror gives the same answer as
    // comparing every slot. While fewer than anzahlGesamt are asked a free number exists,
    // so a generator covering all residues finishes.
    int r = ziehen();
    while (schonGefragt_[static_cast<std::size_t>(r - erste_)]) {
        r = ziehen();
    }
    gefragt_[static_cast<std::size_t>(anzahlGefragt_)] = r;
    schonGefragt_[static_cast<std::size_t>(r - erste_)] = true;
    aktuelleNummer_ = r;
    anzeige_.ausdruck = std::string(zeileVon(quelle_.eintrag(r), art_.gefragt));
    ++anzahlGefragt_;
    fenster_.anzeigen(anzeige_);

    if (!einstellungen_.automatisch) {
        fenster_.warteAufWeiterAnzeigen(false);
        wartetAufWeiter_ = false;
    }
    fenster_.eingabeFokussieren();
}

} // namespace quorvia
