#include "ui/optionsfenster.h"

#include "settings/schrift.h"
#include "ui/plattform/anwendung.h"
#include "ui/plattform/schriften.h"
#include "ui/testplanfenster.h"

#include <utility>
#include <vector>

namespace quorvia {

namespace {

// Between a window's title and its range.
constexpr std::string_view trenner = " - ";

constexpr int ueberschriftId = 1017;

} // namespace

Optionsfenster::Optionsfenster(const Optionszeile& zeile, QWidget* eltern, Lernzugang lernzugang)
    : Bildfenster(
          QString::fromLatin1(zeile.vorlage.data(), static_cast<qsizetype>(zeile.vorlage.size())),
          kleinesBild, zeile.befehle(), eltern),
      zeile_(zeile), lernzugang_(std::move(lernzugang)), nichtGewusst_(zeile.kurs) {}

void Optionsfenster::bereichSetzen(int erste, int letzte, std::string von, std::string bis) {
    erste_ = erste;
    letzte_ = letzte;
    von_ = std::move(von);
    bis_ = std::move(bis);
}

bool Optionsfenster::ladenUndPruefen() {
    if (zeile_.quelle == Abfragequelle::Faellig) {
        return faelligeLaden();
    }
    if (zeile_.quelle == Abfragequelle::Testplan) {
        return planLaden();
    }
    listeGeladen_ = nichtGewusst_.ladenUndPruefen();
    if (listeGeladen_) {
        erste_ = 1;
        letzte_ = nichtGewusst_.liste().anzahl();
    }
    return listeGeladen_;
}

bool Optionsfenster::faelligeLaden() {
    listeFuerBereichLaden();
    faellige_ = Eintragsliste(std::string(NichtGewusstListe::leererText));
    if (lernzugang_.lernstand == nullptr || zeile_.abfrage == nullptr) {
        return false;
    }
    const Richtung richtung = richtungVon(*zeile_.abfrage);
    const Eintragsliste& liste = nichtGewusst_.liste();
    std::vector<Schluessel> nichtGewusst;
    for (Eintrag& e : liste.eintraege(1, liste.anzahl())) {
        nichtGewusst.push_back({richtung, std::move(e.lateinisch), std::move(e.deutsch)});
    }
    const auto auswahl =
        lernzugang_.lernstand->faellige(richtung, lernzugang_.heute(), nichtGewusst);
    return auswahl && auswahlUebernehmen(*auswahl);
}

bool Optionsfenster::planLaden() {
    listeFuerBereichLaden();
    faellige_ = Eintragsliste(std::string(NichtGewusstListe::leererText));
    const std::optional<Testplan> plan = lernzugang_.plan();
    if (!plan) {
        return false;
    }
    const auto bereich = planbereichLesen(*lernzugang_.lernstand, *plan);
    if (!bereich) {
        return false;
    }
    std::vector<Schluessel> auswahl;
    for (const std::size_t i : planAuswahl(bereich->posten, lernzugang_.heute(), *plan)) {
        const Eintrag& e = bereich->eintraege[i];
        auswahl.push_back({plan->richtung, e.lateinisch, e.deutsch});
    }
    titelzusatz_ = plandatum(*plan);
    return auswahlUebernehmen(auswahl);
}

bool Optionsfenster::auswahlUebernehmen(const std::vector<Schluessel>& auswahl) {
    for (const Schluessel& s : auswahl) {
        faellige_.anhaengen(s.lateinisch, s.deutsch); // a pair the course repeats goes in once
    }
    erste_ = 1;
    letzte_ = faellige_.anzahl();
    return letzte_ > 0;
}

void Optionsfenster::listeFuerBereichLaden() {
    nichtGewusst_.fuerBereichLaden();
    listeGeladen_ = true;
}

bool Optionsfenster::laufenUeber(Dialog& menue) {
    menuefensterSetzen(&menue);
    if (Anwendung* anwendung = Anwendung::instanz()) {
        anwendung->setzeHauptfenster(this);
    }
    ausfuehren();
    return zurueck_;
}

void Optionsfenster::zurueckSetzen() {
    if (!geschlossen_) {
        zurueck_ = true;
    }
}

std::string Optionsfenster::bereichstext() const {
    if (zeile_.quelle == Abfragequelle::Bereich) {
        return "Lektion " + von_ + " bis Lektion " + bis_;
    }
    std::string_view rest = zeile_.titelNichtGewusst;
    if (rest.starts_with(trenner)) {
        rest.remove_prefix(trenner.size());
    }
    return std::string(rest);
}

void Optionsfenster::oeffnen() {
    std::string titel = std::string(zeile_.titel) + std::string(trenner) + bereichstext();
    if (zeile_.quelle != Abfragequelle::Bereich) {
        if (!listeGeladen_) {
            ladenUndPruefen(); // the menu normally did this before; an empty list shows nothing
        }
        titel += titelzusatz_;
    }
    setzeTitel(titel);
    zurueck_ = false;
    geschlossen_ = false;

    bildLaden();
    Schriftbeschreibung kopf = schrift(ueberschriftId);
    kopf.gewicht = fettGewicht;
    kopf.hoehe = punkteZuHoehe(13, pixelProZollY());
    setzeSchrift(ueberschriftId, kopf);
    nebenDemBild(ueberschriftId);

    inhaltOeffnen();
    if (menue_ != nullptr) {
        menue_->hide();
    }
}

void Optionsfenster::befehl(int id) {
    // Nothing reaches the window while it waits or once it is closing; Escape is no
    // command of the option windows, so a stray key cannot end the program.
    if (geschlossen_ || befehleGesperrt() || id == abbrechenId) {
        return;
    }
    if (id == zeile_.knopfHauptmenue() || id == zeile_.befehlHauptmenue()) {
        zurueck_ = true;
        schliessenAnfordern();
        return;
    }
    if (!eigenerBefehl(id)) {
        Bildfenster::befehl(id);
    }
}

bool Optionsfenster::schliessenAngefragt() {
    if (geschlossen_) {
        return true; // the steps below run once, however many requests were posted
    }
    geschlossen_ = true;
    beimSchliessen();
    if (menue_ == nullptr) {
        return true;
    }
    if (Anwendung* anwendung = Anwendung::instanz()) {
        anwendung->setzeHauptfenster(menue_);
    }
    if (!zurueck_) {
        menue_->schliessenAnfordern();
    }
    return true;
}

} // namespace quorvia
