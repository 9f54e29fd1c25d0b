#include "ui/abfragefenster.h"

#include "data/datendatei.h"
#include "data/kursdatei.h"
#include "query/endeabfrage.h"
#include "settings/schrift.h"
#include "ui/plattform/dienste.h"
#include "ui/plattform/schriften.h"

#include <QEventLoop>
#include <QPalette>
#include <QTimer>

#include <stdexcept>
#include <utility>

namespace quorvia {

namespace {

GemeinsameBefehle befehleVon(const Abfrageart& art) {
    return {art.befehlBeenden(), abfrageIds::beenden, art.befehlHilfe(), art.befehlWebsite(),
            art.befehlInfo()};
}

} // namespace

const Abfrageart& abfrageartVon(std::string_view klasse) {
    for (const Abfrageart& art : abfragearten) {
        if (art.klasse == klasse) {
            return art;
        }
    }
    throw std::invalid_argument("no query window of that name");
}

Abfragefenster::Abfragefenster(const Abfrageart& art, QWidget* eltern,
                               EinstellungsSpeicher speicher, Zufallsquelle zufall)
    : Bildfenster(QString::number(art.vorlage), kleinesBild, befehleVon(art), eltern), art_(art),
      speicher_(std::move(speicher)), zufall_(std::move(zufall)), nichtGewusst_(art.kurs) {}

Abfragefenster::~Abfragefenster() {
    if (!listeGeladen_) {
        return; // a not-known window that was never filled has nothing to write back
    }
    try {
        nichtGewusst_.speichern();
    } catch (const DatenFehler& f) {
        datenfehlerBeenden(f.art(), nullptr);
    } catch (...) {
        datenfehlerBeenden(Fehlerart::Unerwartet, nullptr);
    }
}

void Abfragefenster::bereichSetzen(int erste, int letzte, std::string von, std::string bis) {
    erste_ = erste;
    letzte_ = letzte;
    von_ = std::move(von);
    bis_ = std::move(bis);
}

bool Abfragefenster::ladenUndPruefen() {
    listeGeladen_ = nichtGewusst_.ladenUndPruefen();
    return listeGeladen_;
}

void Abfragefenster::oeffnen() {
    using namespace abfrageIds;
    datenSchreiben();

    setzeTitel(optionstitel(art_.titel, art_.quelle, art_.titelNichtGewusst, von_, bis_));
    zurueck_ = false;
    geschlossen_ = false;

    std::string quelle;
    if (art_.quelle == Abfragequelle::Bereich) {
        quelle = kursLesen(art_.kurs);
        nichtGewusst_.fuerBereichLaden();
        listeGeladen_ = true;
    } else {
        if (!listeGeladen_) {
            ladenUndPruefen(); // the menu normally did this before; an empty list asks nothing
        }
        // The questions come from the list as loaded; the verdicts edit the other copy.
        quelle = nichtGewusst_.liste().text();
        erste_ = 1;
        letzte_ = nichtGewusst_.liste().anzahl();
    }

    einstellungen_ = speicher_.abfrageLaden();
    gespeichert_ = speicher_.gespeicherteFarben();
    for (const int id : {ausdruck, meldungsfeld, loesung}) {
        neuZeichnen(id);
    }
    bildLaden();

    Schriftbeschreibung kopf = schrift(ueberschrift);
    kopf.gewicht = 700;
    kopf.hoehe = punkteZuHoehe(13, pixelProZollY());
    setzeSchrift(ueberschrift, kopf);
    for (const int id : {anzahl, richtig, falsch, ausdruck, meldungsfeld, loesung}) {
        Schriftbeschreibung fett = schrift(id);
        fett.gewicht = 700;
        setzeSchrift(id, fett);
    }

    ablauf_.emplace(art_, Eintragsliste(std::move(quelle)), nichtGewusst_.liste(), erste_, letzte_,
                    einstellungen_, *this, zufall_ ? zufall_ : zufallAusUhr());
    ablauf_->beginnen();
    eingabeFokussieren();
    menue_.verbergen();
}

void Abfragefenster::befehl(int id) {
    // Nothing reaches the window while it waits or once it is closing; Escape is no
    // command of the query windows, so a stray key cannot end the program.
    if (pausiert() || geschlossen_ || id == abbrechenId) {
        return;
    }
    if (id == abfrageIds::ok || id == art_.befehlOk()) {
        if (ablauf_) {
            ablauf_->bestaetigen();
        }
        return;
    }
    if (id == abfrageIds::hauptmenue || id == art_.befehlHauptmenue()) {
        zurueck_ = true;
        schliessenAnfordern();
        return;
    }
    Bildfenster::befehl(id);
}

bool Abfragefenster::schliessenAngefragt() {
    if (geschlossen_) {
        return true; // the steps below run once, however many requests were posted
    }
    geschlossen_ = true;
    if (pauseSchleife_ != nullptr) {
        pauseSchleife_->quit();
    }
    menue_.schliessen(zurueck_);
    return true;
}

void Abfragefenster::datenAustauschen(Datenaustausch& austausch) {
    using namespace abfrageIds;
    austausch.zahl(anzahl, anzeige_.anzahlGesamt);
    austausch.zahl(richtig, anzeige_.anzahlRichtig);
    austausch.zahl(falsch, anzeige_.anzahlFalsch);
    austausch.text(ausdruck, anzeige_.ausdruck);
    austausch.text(eingabe, anzeige_.eingabe);
    austausch.text(meldungsfeld, anzeige_.meldung);
    austausch.text(loesung, anzeige_.loesung);
}

Beschriftungsfarben Abfragefenster::beschriftungsfarben(int id) {
    std::optional<QColor> farbe;
    bool vorgabe = true;
    switch (id) {
    case abfrageIds::richtig:
        farbe = QColor(0, 128, 0);
        break;
    case abfrageIds::falsch:
        farbe = QColor(255, 0, 0);
        break;
    case abfrageIds::ausdruck:
        farbe = alsQColor(einstellungen_.ausdruckFarbe);
        vorgabe = !gespeichert_.ausdruck;
        break;
    case abfrageIds::meldungsfeld:
        farbe = alsQColor(einstellungen_.meldungFarbe);
        vorgabe = !gespeichert_.meldung;
        break;
    case abfrageIds::loesung:
        farbe = alsQColor(einstellungen_.loesungFarbe);
        vorgabe = !gespeichert_.loesung;
        break;
    default:
        return {};
    }
    return {farbe, true, palette().color(QPalette::Button), vorgabe};
}

void Abfragefenster::anzeigen(const Abfrageanzeige& werte) {
    if (geschlossen_) {
        return;
    }
    anzeige_ = werte;
    datenSchreiben();
}

std::string Abfragefenster::eingabeHolen() {
    if (!geschlossen_) {
        datenLesen();
    }
    return anzeige_.eingabe;
}

void Abfragefenster::warteAufWeiterAnzeigen(bool an) {
    if (geschlossen_) {
        return;
    }
    setzeText(abfrageIds::ok, an ? weiterKnopfText : okText);
    setzeMenuetext(art_.befehlOk(), an ? weiterMenueText : okText);
}

void Abfragefenster::eingabeFokussieren() {
    if (!geschlossen_) {
        fokusSetzen(abfrageIds::eingabe);
    }
}

void Abfragefenster::pause(std::chrono::milliseconds dauer) {
    warten(dauer);
}

void Abfragefenster::warten(std::chrono::milliseconds dauer) {
    if (geschlossen_ || pauseSchleife_ != nullptr) {
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
    if (geschlossen_) {
        return;
    }
    EndeAbfrage ende(std::string(art), gesamt, richtig, falsch, this, speicher_);
    ende.ausfuehren();
}

void Abfragefenster::zurueckZumHauptmenue() {
    if (!geschlossen_) {
        zurueck_ = true;
    }
}

void Abfragefenster::schliessenAnfordern() {
    if (!geschlossen_) {
        Dialog::schliessenAnfordern();
    }
}

// ---------------------------------------------------------------------------------------

Option211::Option211(QWidget* eltern, EinstellungsSpeicher speicher, Zufallsquelle zufall)
    : Abfragefenster(abfrageartVon("Option211"), eltern, std::move(speicher), std::move(zufall)) {}

Option212::Option212(QWidget* eltern, EinstellungsSpeicher speicher, Zufallsquelle zufall)
    : Abfragefenster(abfrageartVon("Option212"), eltern, std::move(speicher), std::move(zufall)) {}

Option221::Option221(QWidget* eltern, EinstellungsSpeicher speicher, Zufallsquelle zufall)
    : Abfragefenster(abfrageartVon("Option221"), eltern, std::move(speicher), std::move(zufall)) {}

Option222::Option222(QWidget* eltern, EinstellungsSpeicher speicher, Zufallsquelle zufall)
    : Abfragefenster(abfrageartVon("Option222"), eltern, std::move(speicher), std::move(zufall)) {}

Option41::Option41(QWidget* eltern, EinstellungsSpeicher speicher, Zufallsquelle zufall)
    : Abfragefenster(abfrageartVon("Option41"), eltern, std::move(speicher), std::move(zufall)) {}

Option42::Option42(QWidget* eltern, EinstellungsSpeicher speicher, Zufallsquelle zufall)
    : Abfragefenster(abfrageartVon("Option42"), eltern, std::move(speicher), std::move(zufall)) {}

} // namespace quorvia
