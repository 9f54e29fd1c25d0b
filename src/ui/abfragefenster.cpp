#include "ui/abfragefenster.h"

#include "data/datendatei.h"
#include "data/kursdatei.h"
#include "query/fenster/endeabfrage.h"
#include "ui/plattform/dienste.h"

#include <QEventLoop>
#include <QPalette>
#include <QTimer>

#include <utility>

namespace quorvia {

Abfragefenster::Abfragefenster(const Optionszeile& zeile, QWidget* eltern,
                               EinstellungsSpeicher speicher, Zufallsquelle zufall,
                               Lernzugang lernzugang)
    : Optionsfenster(zeile, eltern, std::move(lernzugang)), speicher_(std::move(speicher)),
      zufall_(std::move(zufall)) {}

Abfragefenster::~Abfragefenster() {
    if (!listeGeladen()) {
        return; // a not-known window that was never filled has nothing to write back
    }
    try {
        nichtGewusst().speichern();
    } catch (const DatenFehler& f) {
        datenfehlerBeenden(f.art(), nullptr);
    } catch (...) {
        datenfehlerBeenden(Fehlerart::Unerwartet, nullptr);
    }
}

void Abfragefenster::inhaltOeffnen() {
    using namespace abfrageIds;
    anzeigen(Abfrageanzeige{});

    std::string quelle;
    switch (art().quelle) {
    case Abfragequelle::Bereich:
        quelle = kursLesen(art().kurs);
        listeFuerBereichLaden();
        break;
    case Abfragequelle::NichtGewusst:
        // The questions come from the list as loaded; the verdicts edit the other copy.
        quelle = nichtGewusst().liste().text();
        break;
    case Abfragequelle::Faellig:
        quelle = faellige().text();
        break;
    }

    einstellungen_ = speicher_.abfrageLaden();
    gespeichert_ = speicher_.gespeicherteFarben();
    for (const int id : {ausdruck, meldungsfeld, loesung}) {
        neuZeichnen(id);
    }
    fettSetzen(*this, {anzahl, richtig, falsch, ausdruck, meldungsfeld, loesung});

    protokoll_.emplace(lernzugang(), art(), art().quelle == Abfragequelle::Bereich ? von() : "",
                       art().quelle == Abfragequelle::Bereich ? bis() : "");
    ablauf_.emplace(art(), Eintragsliste(std::move(quelle)), nichtGewusst().liste(), erste(),
                    letzte(), einstellungen_, *this, zufall_ ? zufall_ : zufallAusUhr());
    ablauf_->beginnen();
    eingabeFokussieren();
}

bool Abfragefenster::eigenerBefehl(int id) {
    if (id != abfrageIds::ok && id != zeile().befehlOk()) {
        return false;
    }
    if (ablauf_) {
        ablauf_->bestaetigen(text(abfrageIds::eingabe));
    }
    return true;
}

void Abfragefenster::beimSchliessen() {
    if (pauseSchleife_ != nullptr) {
        pauseSchleife_->quit();
    }
    if (protokoll_) {
        gespeichertOderMelden(protokoll_->abschliessen());
    }
}

void Abfragefenster::urteilGefallen(const Eintrag& e, std::string_view eingabe, bool richtig) {
    if (protokoll_) {
        gespeichertOderMelden(protokoll_->antwort(e, eingabe, richtig));
    }
}

void Abfragefenster::gespeichertOderMelden(bool gespeichert) {
    if (gespeichert || speicherfehlerGemeldet_) {
        return;
    }
    speicherfehlerGemeldet_ = true;
    meldungZeigen(this, lernstandNichtGespeichertMeldung, Meldungssymbol::Stop);
}

Beschriftungsfarben Abfragefenster::beschriftungsfarben(int id) {
    Farbe farbe = 0;
    bool vorgabe = true;
    switch (id) {
    case abfrageIds::richtig:
        farbe = farbeRichtig;
        break;
    case abfrageIds::falsch:
        farbe = farbeFalsch;
        break;
    case abfrageIds::ausdruck:
        farbe = einstellungen_.ausdruckFarbe;
        vorgabe = !gespeichert_.ausdruck;
        break;
    case abfrageIds::meldungsfeld:
        farbe = einstellungen_.meldungFarbe;
        vorgabe = !gespeichert_.meldung;
        break;
    case abfrageIds::loesung:
        farbe = einstellungen_.loesungFarbe;
        vorgabe = !gespeichert_.loesung;
        break;
    default:
        return {};
    }
    return {alsQColor(farbe), true, palette().color(QPalette::Button), vorgabe};
}

void Abfragefenster::anzeigen(const Abfrageanzeige& werte) {
    if (geschlossen()) {
        return;
    }
    using namespace abfrageIds;
    setzeText(anzahl, std::to_string(werte.anzahlGesamt));
    setzeText(richtig, std::to_string(werte.anzahlRichtig));
    setzeText(falsch, std::to_string(werte.anzahlFalsch));
    setzeText(ausdruck, werte.ausdruck);
    setzeText(eingabe, werte.eingabe);
    setzeText(meldungsfeld, werte.meldung);
    setzeText(loesung, werte.loesung);
}

void Abfragefenster::warteAufWeiterAnzeigen(bool an) {
    if (geschlossen()) {
        return;
    }
    setzeText(abfrageIds::ok, an ? weiterKnopfText : okText);
    setzeMenuetext(zeile().befehlOk(), an ? weiterMenueText : okText);
}

void Abfragefenster::eingabeFokussieren() {
    if (!geschlossen()) {
        fokusSetzen(abfrageIds::eingabe);
    }
}

void Abfragefenster::pause(std::chrono::milliseconds dauer) {
    warten(dauer);
}

void Abfragefenster::warten(std::chrono::milliseconds dauer) {
    if (geschlossen() || pauseSchleife_ != nullptr) {
        return;
    }
    QEventLoop schleife;
    QTimer uhr;
    uhr.setSingleShot(true);
    connect(&uhr, &QTimer::timeout, &schleife, &QEventLoop::quit);
    pauseSchleife_ = &schleife;
    uhr.start(dauer);
    // Painting and posted requests go on; keys and clicks stay queued until the wait is
    // over and then reach the window as usual.
    schleife.exec(QEventLoop::ExcludeUserInputEvents);
    pauseSchleife_ = nullptr;
}

void Abfragefenster::zusammenfassungZeigen(std::string_view art, int gesamt, int richtig,
                                           int falsch) {
    if (geschlossen()) {
        return;
    }
    EndeAbfrage ende(std::string(art), gesamt, richtig, falsch, this, speicher_);
    ende.ausfuehren();
}

void Abfragefenster::zurueckZumHauptmenue() {
    zurueckSetzen();
}

void Abfragefenster::fensterSchliessen() {
    if (!geschlossen()) {
        schliessenAnfordern();
    }
}

} // namespace quorvia
