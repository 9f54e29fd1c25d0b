#include "settings/fenster/einstellungen.h"

#include "ui/gemeinsam.h"
#include "ui/plattform/dienste.h"
#include "ui/plattform/schriften.h"

#include <QPalette>

#include <utility>

namespace quorvia {

using namespace einstellungsIds;

Einstellungen::Einstellungen(QWidget* eltern, EinstellungsSpeicher speicher)
    : Dialog(QStringLiteral("Einstellungen"), eltern), speicher_(std::move(speicher)) {}

void Einstellungen::oeffnen() {
    datenSchreiben();
    setzeText(schriftProbe, "Ave!");
    setzeText(farbProbe, "Ave!");

    const BegruessungsStil stil = speicher_.begruessungLaden();
    schrift_ =
        EinstellungsSpeicher::begruessungsSchrift(stil, schrift(schriftProbe), pixelProZollY());
    schriftZeigen();

    // The store has validated every colour and switch already.
    const AbfrageEinstellungen abfrage = speicher_.abfrageLaden();
    begruessungFarbe_ = stil.farbe;
    ausdruckFarbe_ = abfrage.ausdruckFarbe;
    meldungFarbe_ = abfrage.meldungFarbe;
    loesungFarbe_ = abfrage.loesungFarbe;
    for (const int probe : {farbProbe, ausdruckProbe, meldungProbe, loesungProbe}) {
        neuZeichnen(probe);
    }
    automatisch_ = abfrage.automatisch ? 1 : 0;
    pause_ = abfrage.pause;
    streng_ = abfrage.streng ? 1 : 0;
    datenSchreiben();
    pauseFreigeben();

    fettSetzen(*this, {ausdruckProbe, meldungProbe, loesungProbe});
    drehbereichSetzen(pauseDreh, kuerzestePause, laengstePause);
}

void Einstellungen::befehl(int id) {
    switch (id) {
    case schriftKnopf:
        if (const auto gewaehlt = schriftWaehlen(this, schrift_)) {
            schrift_ = *gewaehlt;
            schriftZeigen();
        }
        return;
    case begruessungFarbeKnopf:
        farbeWaehlenFuer(begruessungFarbe_, farbProbe);
        return;
    case ausdruckKnopf:
        farbeWaehlenFuer(ausdruckFarbe_, ausdruckProbe);
        return;
    case meldungKnopf:
        farbeWaehlenFuer(meldungFarbe_, meldungProbe);
        return;
    case loesungKnopf:
        farbeWaehlenFuer(loesungFarbe_, loesungProbe);
        return;
    case automatisch:
        datenLesen();
        pauseFreigeben();
        return;
    case standard:
        standardLaden();
        return;
    case einstellungsIds::ok:
        speichern();
        return;
    default:
        // The cancel command (the button, Escape) closes without writing anything.
        Dialog::befehl(id);
    }
}

void Einstellungen::datenAustauschen(Datenaustausch& austausch) {
    austausch.angekreuzt(automatisch, automatisch_);
    austausch.zahl(pauseFeld, pause_);
    austausch.angekreuzt(streng, streng_);
}

Beschriftungsfarben Einstellungen::beschriftungsfarben(int id) {
    Farbe farbe = 0;
    switch (id) {
    case farbProbe:
        farbe = begruessungFarbe_;
        break;
    case ausdruckProbe:
        farbe = ausdruckFarbe_;
        break;
    case meldungProbe:
        farbe = meldungFarbe_;
        break;
    case loesungProbe:
        farbe = loesungFarbe_;
        break;
    default:
        return {}; // the font sample keeps the system text colour
    }
    return {alsQColor(farbe), true, palette().color(QPalette::Window)};
}

void Einstellungen::schriftZeigen() {
    setzeSchrift(schriftProbe, schrift_);
    setzeSchrift(farbProbe, schrift_);
}

void Einstellungen::pauseFreigeben() {
    const bool an = automatisch_ == 1;
    for (const int id : {pauseText, pauseFeld, pauseDreh}) {
        setzeAktiv(id, an);
    }
}

void Einstellungen::farbeWaehlenFuer(Farbe& farbe, int probe) {
    if (const auto gewaehlt = farbeWaehlen(this, farbe)) {
        farbe = *gewaehlt;
        neuZeichnen(probe);
    }
}

void Einstellungen::standardLaden() {
    const Einstellungswerte standard = EinstellungsSpeicher::standardwerte();
    schrift_.name = standard.begruessung.schriftart;
    schrift_.hoehe = punkteZuHoehe(standard.begruessung.groesse, pixelProZollY());
    schrift_.kursiv = false;
    schrift_.gewicht = 400;
    schriftZeigen();

    begruessungFarbe_ = standard.begruessung.farbe;
    neuZeichnen(farbProbe);
    ausdruckFarbe_ = standard.abfrage.ausdruckFarbe;
    neuZeichnen(ausdruckProbe);
    meldungFarbe_ = standard.abfrage.meldungFarbe;
    neuZeichnen(meldungProbe);
    loesungFarbe_ = standard.abfrage.loesungFarbe;
    neuZeichnen(loesungProbe);

    automatisch_ = standard.abfrage.automatisch ? 1 : 0;
    pauseFreigeben();
    pause_ = standard.abfrage.pause;
    streng_ = standard.abfrage.streng ? 1 : 0;
    datenSchreiben();
    meldungZeigen(this, standardGeladenMeldung, Meldungssymbol::Information);
}

void Einstellungen::speichern() {
    if (!datenLesen()) {
        return;
    }
    const BegruessungsStil stil =
        EinstellungsSpeicher::begruessungAusSchrift(schrift_, begruessungFarbe_, pixelProZollY());
    AbfrageEinstellungen abfrage;
    abfrage.ausdruckFarbe = ausdruckFarbe_;
    abfrage.meldungFarbe = meldungFarbe_;
    abfrage.loesungFarbe = loesungFarbe_;
    abfrage.automatisch = automatisch_ == 1;
    abfrage.pause = pause_;
    abfrage.streng = streng_ != 0;
    // A failed save must not be reported as success: the pupil would lose the changes
    // without knowing. The dialog stays open so that nothing chosen is lost.
    if (!speicher_.speichern(stil, abfrage)) {
        meldungZeigen(this, nichtGespeichertMeldung, Meldungssymbol::Stop);
        return;
    }
    meldungZeigen(this, gespeichertMeldung, Meldungssymbol::Information);
    schliessenAnfordern();
}

} // namespace quorvia
