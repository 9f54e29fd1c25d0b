#include "app/hauptmenue.h"

#include "settings/einstellungen.h"
#include "ui/abfragefenster.h"
#include "ui/listenansicht.h"
#include "ui/plattform/anwendung.h"
#include "ui/plattform/dienste.h"
#include "ui/plattform/schriften.h"

#include <QPalette>

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace quorvia {

using namespace hauptmenueIds;

namespace {

template <class Fenster>
Optionsausgang bereichLaufen(Hauptmenue& menue, const Optionsziel& ziel, const Menuewahl& wahl) {
    Fenster fenster;
    fenster.bereichSetzen(Lektionstabelle::ersterEintrag(ziel.kurs, wahl.von),
                          Lektionstabelle::letzterEintrag(ziel.kurs, wahl.bis), wahl.von, wahl.bis);
    return menue.optionLaufen(fenster);
}

template <class Fenster>
Optionsausgang nichtGewusstLaufen(Hauptmenue& menue, const Optionsziel&, const Menuewahl&) {
    Fenster fenster;
    if (!fenster.ladenUndPruefen()) {
        return Optionsausgang::Leer;
    }
    return menue.optionLaufen(fenster);
}

namespace o = menueoption;
namespace r = abfragerichtung;
constexpr auto W = Kursart::Woerter;
constexpr auto S = Kursart::Stammformen;

// Option, not-known, direction -> window. The direction counts for word queries only.
const std::array<Optionsziel, 10> optionsziele{{
    {o::woerterAnsehen, false, r::keine, "Option11", W, "", &bereichLaufen<Option11>},
    {o::woerterAnsehen, true, r::keine, "Option12", W, keineWoerterMeldung,
     &nichtGewusstLaufen<Option12>},
    {o::woerterAbfragen, false, r::deutschLatein, "Option211", W, "", &bereichLaufen<Option211>},
    {o::woerterAbfragen, true, r::deutschLatein, "Option212", W, keineWoerterMeldung,
     &nichtGewusstLaufen<Option212>},
    {o::woerterAbfragen, false, r::lateinDeutsch, "Option221", W, "", &bereichLaufen<Option221>},
    {o::woerterAbfragen, true, r::lateinDeutsch, "Option222", W, keineWoerterMeldung,
     &nichtGewusstLaufen<Option222>},
    {o::stammformenAnsehen, false, r::keine, "Option31", S, "", &bereichLaufen<Option31>},
    {o::stammformenAnsehen, true, r::keine, "Option32", S, keineStammformenMeldung,
     &nichtGewusstLaufen<Option32>},
    {o::stammformenAbfragen, false, r::keine, "Option41", S, "", &bereichLaufen<Option41>},
    {o::stammformenAbfragen, true, r::keine, "Option42", S, keineStammformenMeldung,
     &nichtGewusstLaufen<Option42>},
}};

} // namespace

const Optionsziel& optionszielFuer(const Menuewahl& wahl) {
    for (const Optionsziel& ziel : optionsziele) {
        if (ziel.option == wahl.option && ziel.nichtGewusst == (wahl.nichtGewusst != 0) &&
            (ziel.richtung == abfragerichtung::keine || ziel.richtung == wahl.richtung)) {
            return ziel;
        }
    }
    // The radio groups always hold a choice; should none be set, the start choice serves.
    return optionsziele[2];
}

Hauptmenue::Hauptmenue(EinstellungsSpeicher speicher, QWidget* eltern)
    : Bildfenster(QStringLiteral("Hauptmenue"), grossesBild, hauptmenueBefehle, eltern),
      speicher_(std::move(speicher)) {}

Hauptmenue::~Hauptmenue() {
    hilfeSchliessen();
}

void Hauptmenue::oeffnen() {
    datenSchreiben();
    bildLaden();
    setzeText(begruessung, "Ave!");
    begruessungAnwenden(false);
}

void Hauptmenue::begruessungAnwenden(bool stilZuruecksetzen) {
    stil_ = speicher_.begruessungLaden();
    farbeGespeichert_ = speicher_.gespeicherteFarben().begruessung;
    setzeSchrift(begruessung, EinstellungsSpeicher::begruessungsSchrift(
                                  stil_, schrift(begruessung), pixelProZollY(), stilZuruecksetzen));
    neuZeichnen(begruessung);
}

void Hauptmenue::befehl(int id) {
    switch (id) {
    case hauptmenueIds::ok:
    case befehlOk:
        okBefehl();
        return;
    case befehlEinstellungen:
        einstellungenBefehl();
        return;
    case woerterAnsehen:
    case woerterAbfragen:
    case stammformenAnsehen:
    case stammformenAbfragen:
        optionGeklickt(id);
        return;
    case hauptmenueIds::deutschLatein:
    case hauptmenueIds::lateinDeutsch:
        // Kept in step with every click, so nothing the pupil set is ever reverted.
        datenLesen();
        return;
    case nichtGewusst:
        nichtGewusstGeklickt();
        return;
    default:
        Bildfenster::befehl(id); // exit, help, web site, about; Escape closes
    }
}

void Hauptmenue::auswahlGeaendert(int id) {
    if (id == von) {
        vonGeaendert();
    } else if (id == bis) {
        datenLesen();
    }
}

void Hauptmenue::datenAustauschen(Datenaustausch& austausch) {
    austausch.radio(woerterAnsehen, wahl_.option);
    austausch.radio(hauptmenueIds::deutschLatein, wahl_.richtung);
    austausch.angekreuzt(nichtGewusst, wahl_.nichtGewusst);
    austausch.auswahl(von, wahl_.von);
    austausch.auswahl(bis, wahl_.bis);
}

Beschriftungsfarben Hauptmenue::beschriftungsfarben(int id) {
    if (id != begruessung) {
        return {};
    }
    return {alsQColor(stil_.farbe), true, palette().color(QPalette::Window), !farbeGespeichert_};
}

void Hauptmenue::optionGeklickt(int id) {
    // Only word queries have a direction; the choice itself stays as it was.
    const bool mitRichtung = id == woerterAbfragen;
    for (const int r :
         {richtungsrahmen, hauptmenueIds::deutschLatein, hauptmenueIds::lateinDeutsch}) {
        setzeAktiv(r, mitRichtung);
    }
    datenLesen();
}

void Hauptmenue::nichtGewusstGeklickt() {
    datenLesen();
    const bool listen = wahl_.nichtGewusst == 0;
    setzeAktiv(von, listen);
    setzeAktiv(bis, listen);
}

void Hauptmenue::vonGeaendert() {
    // "bis" offers only the lessons from "von" on, so it can never lie before it.
    auswahlLeeren(bis);
    datenLesen();
    const int ab = std::max(1, std::stoi("0" + wahl_.von));
    for (int lektion = ab; lektion <= Lektionstabelle::anzahlLektionen; ++lektion) {
        auswahlAnhaengen(bis, Lektionstabelle::lektionstext(lektion));
    }
    auswahlSetzen(bis, 0);
    datenLesen();
}

void Hauptmenue::okBefehl() {
    datenLesen();
    setzeSichtbar(laden, true);
    flaeche()->repaint();

    const Optionsziel& ziel = optionszielFuer(wahl_);
    const Optionsausgang ausgang = ziel.laufen(*this, ziel, wahl_);
    switch (ausgang) {
    case Optionsausgang::Leer:
        setzeSichtbar(laden, false);
        meldungZeigen(this, ziel.leerMeldung, Meldungssymbol::Information);
        break;
    case Optionsausgang::Zurueck:
        setzeSichtbar(laden, false);
        showNormal();
        activateWindow();
        break;
    case Optionsausgang::Ende:
        break; // the window has asked the menu to close: the program ends
    }
}

void Hauptmenue::optionLaufBeginnen(Dialog& fenster) {
    if (Anwendung* anwendung = Anwendung::instanz()) {
        anwendung->setzeHauptfenster(&fenster);
    }
}

void Hauptmenue::optionLaufEnde() {
    if (Anwendung* anwendung = Anwendung::instanz()) {
        anwendung->setzeHauptfenster(this);
    }
}

void Hauptmenue::einstellungenBefehl() {
    {
        Einstellungen einstellungen(this, speicher_);
        einstellungen.ausfuehren();
    }
    // However the dialog ended, the greeting follows the file; a style chosen before must
    // not linger, so the rebuild starts upright and of normal weight.
    begruessungAnwenden(true);
}

} // namespace quorvia
