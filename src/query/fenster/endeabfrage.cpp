#include "query/fenster/endeabfrage.h"

#include "query/bewertung.h"
#include "ui/gemeinsam.h"

namespace quorvia {

EndeAbfrage::EndeAbfrage(std::string art, int gesamt, int richtig, int falsch, QWidget* eltern,
                         EinstellungsSpeicher speicher)
    : Dialog(QStringLiteral("EndeAbfrage"), eltern), art_(std::move(art)), gesamt_(gesamt),
      richtig_(richtig), falsch_(falsch), speicher_(std::move(speicher)) {}

void EndeAbfrage::oeffnen() {
    setzeTitel("Ende der " + art_ + "abfrage");

    // The settings store falls back to (0, 0, 139) for a missing or invalid colour.
    meldungFarbe_ = speicher_.abfrageLaden().meldungFarbe;
    meldungGespeichert_ = speicher_.gespeicherteFarben().meldung;
    neuZeichnen(beurteilungId);

    setzeText(anzahlTextId, "Anzahl " + art_ + ":");

    fettSetzen(*this, {gesamtId, richtigId, falschId, quoteId, beurteilungId});

    // The wrong count does not enter the rate.
    const Bewertung bewertung = bewerten(gesamt_, richtig_);
    quote_ = std::to_string(bewertung.prozent) + "%";
    beurteilung_ = std::string(bewertung.beurteilung);

    datenSchreiben();
}

void EndeAbfrage::datenAustauschen(Datenaustausch& austausch) {
    Dialog::datenAustauschen(austausch);
    austausch.zahl(gesamtId, gesamt_);
    austausch.zahl(richtigId, richtig_);
    austausch.zahl(falschId, falsch_);
    austausch.text(quoteId, quote_);
    austausch.text(beurteilungId, beurteilung_);
}

Beschriftungsfarben EndeAbfrage::beschriftungsfarben(int id) {
    std::optional<QColor> text;
    bool vorgabe = true;
    switch (id) {
    case richtigId:
        text = alsQColor(farbeRichtig);
        break;
    case falschId:
        text = alsQColor(farbeFalsch);
        break;
    case beurteilungId:
        text = alsQColor(meldungFarbe_);
        vorgabe = !meldungGespeichert_;
        break;
    default:
        return Dialog::beschriftungsfarben(id);
    }
    // Transparent text and no fill of its own: the value stands on what the frame paints
    // behind it, like the labels beside it. A face-colour fill would show as a lighter box
    // inside the frame, whose style shades its inside.
    return Beschriftungsfarben{text, true, std::nullopt, vorgabe};
}

} // namespace quorvia
