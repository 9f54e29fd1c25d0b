#include "app/hauptmenue.h"

#include "settings/fenster/einstellungen.h"
#include "ui/optionstabelle.h"
#include "ui/plattform/dienste.h"
#include "ui/plattform/schriften.h"
#include "ui/statistikfenster.h"
#include "ui/testplanfenster.h"

#include <QAction>
#include <QPalette>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace quorvia {

using namespace hauptmenueIds;

Hauptmenue::Hauptmenue(EinstellungsSpeicher speicher, QWidget* eltern, Lernzugang lernzugang)
    : Bildfenster(QStringLiteral("Hauptmenue"), grossesBild, hauptmenueBefehle, eltern),
      speicher_(std::move(speicher)), lernzugang_(std::move(lernzugang)) {}

Hauptmenue::~Hauptmenue() {
    hilfeSchliessen();
}

void Hauptmenue::oeffnen() {
    datenSchreiben();
    bildLaden();
    setzeText(begruessung, "Ave!");
    begruessungAnwenden(false);
    planzeileZeigen();
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
    case befehlFaelligeWoerter:
        faelligBefehl(Kursart::Woerter);
        return;
    case befehlFaelligeStammformen:
        faelligBefehl(Kursart::Stammformen);
        return;
    case befehlStatistik:
        statistikBefehl();
        return;
    case befehlTestplan:
        testplanBefehl();
        return;
    case befehlTestplanUeben:
        testplanUebenBefehl();
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
    bisAbVonFuellen(*this, von, bis);
    datenLesen();
}

void Hauptmenue::okBefehl() {
    datenLesen();
    optionLaufen(optionszeileFuer(wahl_.option, wahl_.nichtGewusst != 0, wahl_.richtung));
}

void Hauptmenue::faelligBefehl(Kursart kurs) {
    datenLesen(); // the words are asked in the direction the frame shows
    if (!lernstandBereit()) {
        return;
    }
    optionLaufen(faelligeZeile(kurs, wahl_.richtung));
}

void Hauptmenue::statistikBefehl() {
    if (!lernstandBereit()) {
        return;
    }
    Statistikfenster statistik(lernzugang_, this);
    statistik.ausfuehren();
}

bool Hauptmenue::lernstandBereit() {
    if (!lernzugang_.verfuegbar()) {
        meldungZeigen(this, lernstandNichtLesbarMeldung, Meldungssymbol::Information);
        return false;
    }
    return true;
}

void Hauptmenue::testplanBefehl() {
    if (!lernstandBereit()) {
        return;
    }
    {
        Testplanfenster planer(lernzugang_, this);
        planer.ausfuehren();
    }
    planzeileZeigen();
}

void Hauptmenue::testplanUebenBefehl() {
    if (!lernstandBereit()) {
        return;
    }
    if (const auto plan = lernzugang_.plan()) {
        optionLaufen(testplanZeile(plan->richtung));
    }
}

void Hauptmenue::planzeileZeigen() {
    const std::optional<Testplan> plan = lernzugang_.plan();
    if (QAction* ueben = menuepunkt(befehlTestplanUeben)) {
        ueben->setEnabled(plan.has_value());
    }
    std::optional<std::string> zeile;
    const int heute = lernzugang_.heute();
    if (plan && plan->tag >= heute) { // past its day the course need not be read at all
        if (const auto bereich = planbereichLesen(*lernzugang_.lernstand, *plan)) {
            zeile = quorvia::planzeile(
                *plan, heute, static_cast<int>(planAuswahl(bereich->posten, heute, *plan).size()));
        }
    }
    setzeText(hauptmenueIds::planzeile, zeile.value_or(""));
    setzeSichtbar(hauptmenueIds::planzeile, zeile.has_value());
}

void Hauptmenue::optionLaufen(const Optionszeile& zeile) {
    setzeSichtbar(laden, true);
    flaeche()->repaint();

    std::unique_ptr<Optionsfenster> fenster = optionsfensterBauen(zeile, lernzugang_);
    if (zeile.quelle == Abfragequelle::Bereich) {
        fenster->bereichSetzen(Lektionstabelle::ersterEintrag(zeile.kurs, wahl_.von),
                               Lektionstabelle::letzterEintrag(zeile.kurs, wahl_.bis), wahl_.von,
                               wahl_.bis);
    } else if (!fenster->ladenUndPruefen()) {
        setzeSichtbar(laden, false);
        meldungZeigen(this, zeile.leerMeldung, Meldungssymbol::Information);
        return;
    }
    const bool zurueck = fenster->laufenUeber(*this);
    fenster.reset(); // a query window writes its list now, before the menu shows
    if (zurueck) {
        setzeSichtbar(laden, false);
        planzeileZeigen();
        showNormal();
        activateWindow();
    }
    // Otherwise the window has asked the menu to close: the program ends.
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
