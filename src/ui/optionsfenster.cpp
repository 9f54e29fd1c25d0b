#include "ui/optionsfenster.h"

#include "settings/schrift.h"
#include "ui/plattform/anwendung.h"
#include "ui/plattform/schriften.h"

#include <utility>

namespace quorvia {

namespace {

constexpr int ueberschriftId = 1017;

} // namespace

Optionsfenster::Optionsfenster(const Optionszeile& zeile, QWidget* eltern)
    : Bildfenster(
          QString::fromLatin1(zeile.vorlage.data(), static_cast<qsizetype>(zeile.vorlage.size())),
          kleinesBild, zeile.befehle(), eltern),
      zeile_(zeile), nichtGewusst_(zeile.kurs) {}

void Optionsfenster::bereichSetzen(int erste, int letzte, std::string von, std::string bis) {
    erste_ = erste;
    letzte_ = letzte;
    von_ = std::move(von);
    bis_ = std::move(bis);
}

bool Optionsfenster::ladenUndPruefen() {
    listeGeladen_ = nichtGewusst_.ladenUndPruefen();
    if (listeGeladen_) {
        erste_ = 1;
        letzte_ = nichtGewusst_.liste().anzahl();
    }
    return listeGeladen_;
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

void Optionsfenster::oeffnen() {
    std::string titel(zeile_.titel);
    if (zeile_.quelle == Abfragequelle::Bereich) {
        titel += " - Lektion " + von_ + " bis Lektion " + bis_;
    } else {
        titel += zeile_.titelNichtGewusst;
        if (!listeGeladen_) {
            ladenUndPruefen(); // the menu normally did this before; an empty list shows nothing
        }
    }
    setzeTitel(titel);
    zurueck_ = false;
    geschlossen_ = false;

    bildLaden();
    Schriftbeschreibung kopf = schrift(ueberschriftId);
    kopf.gewicht = fettGewicht;
    kopf.hoehe = punkteZuHoehe(13, pixelProZollY());
    setzeSchrift(ueberschriftId, kopf);

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
