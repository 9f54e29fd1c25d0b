#include "settings/einstellungsspeicher.h"

#include <string_view>
#include <utility>

namespace quorvia {

namespace {

constexpr std::string_view abschnittBegruessung = "Begr\xFCssungstext";
constexpr std::string_view abschnittAbfrage = "W\xF6rter-/Stammformenabfrage";

constexpr std::string_view keySchriftart = "Schriftart";
constexpr std::string_view keySchriftgroesse = "Schriftgr\xF6sse";
constexpr std::string_view keySchriftstil = "Schriftstil";
constexpr std::string_view keyAutoAbfrage = "AutoAbfrage";
constexpr std::string_view keyAbfragePause = "AbfragePause";
constexpr std::string_view keyStrengeKorrektur = "StrengeKorrektur";

// The three keys of a colour share a stem: stem + "RGB1" (red), "RGB2", "RGB3".
constexpr std::string_view stammSchrift = "Schriftfarbe";
constexpr std::string_view stammAusdruck = "AusdruckFarbe";
constexpr std::string_view stammMeldung = "MeldungFarbe";
constexpr std::string_view stammLoesung = "L\xF6sungFarbe";

std::string farbSchluessel(std::string_view stamm, int nummer) {
    std::string s(stamm);
    s += "RGB";
    s += static_cast<char>('0' + nummer);
    return s;
}

bool farbanteilGueltig(int anteil) {
    return anteil >= 0 && anteil <= 255;
}

// All three components are checked together: one out of range discards the colour.
Farbe farbeLesen(const IniDokument& dok, std::string_view abschnitt, std::string_view stamm,
                 Farbe vorgabe) {
    const int r = dok.zahl(abschnitt, farbSchluessel(stamm, 1), rotVon(vorgabe));
    const int g = dok.zahl(abschnitt, farbSchluessel(stamm, 2), gruenVon(vorgabe));
    const int b = dok.zahl(abschnitt, farbSchluessel(stamm, 3), blauVon(vorgabe));
    if (!farbanteilGueltig(r) || !farbanteilGueltig(g) || !farbanteilGueltig(b)) {
        return vorgabe;
    }
    return rgb(r, g, b);
}

// Stored: at least one of the three keys is there and the colour read from them is
// valid, so the default did not stand in for it.
bool farbeGespeichert(const IniDokument& dok, std::string_view abschnitt, std::string_view stamm) {
    bool vorhanden = false;
    bool gueltig = true;
    for (int nummer = 1; nummer <= 3; ++nummer) {
        const std::string schluessel = farbSchluessel(stamm, nummer);
        if (dok.wert(abschnitt, schluessel)) {
            vorhanden = true;
            gueltig = gueltig && farbanteilGueltig(dok.zahl(abschnitt, schluessel, 0));
        }
    }
    return vorhanden && gueltig;
}

void farbeSetzen(IniDokument& dok, std::string_view abschnitt, std::string_view stamm,
                 Farbe farbe) {
    dok.setzen(abschnitt, farbSchluessel(stamm, 1), std::to_string(rotVon(farbe)));
    dok.setzen(abschnitt, farbSchluessel(stamm, 2), std::to_string(gruenVon(farbe)));
    dok.setzen(abschnitt, farbSchluessel(stamm, 3), std::to_string(blauVon(farbe)));
}

// A font description holds at most 31 characters of face name (one byte each here).
std::string schriftnameBegrenzt(std::string_view name) {
    return std::string(name.substr(0, maxSchriftnamenLaenge));
}

} // namespace

EinstellungsSpeicher::EinstellungsSpeicher(std::filesystem::path datei)
    : EinstellungsSpeicher(std::move(datei), std::make_shared<const Dateizugriff>()) {}

EinstellungsSpeicher::EinstellungsSpeicher(std::filesystem::path datei,
                                           std::shared_ptr<const Dateizugriff> zugriff)
    : datei_(std::move(datei)),
      zugriff_(zugriff ? std::move(zugriff) : std::make_shared<const Dateizugriff>()) {}

IniDokument EinstellungsSpeicher::dokumentLesen() const {
    // A missing or unreadable file reads as empty, so every key takes its default.
    auto gelesen = zugriff_->lesen(datei_);
    if (gelesen.stand != Dateizugriff::Lesestand::Gelesen) {
        return IniDokument::zerlegen({});
    }
    return IniDokument::zerlegen(gelesen.inhalt);
}

BegruessungsStil EinstellungsSpeicher::begruessungLaden() const {
    const IniDokument dok = dokumentLesen();
    const BegruessungsStil vorgabe;
    BegruessungsStil stil;
    stil.schriftart =
        schriftnameBegrenzt(dok.text(abschnittBegruessung, keySchriftart, vorgabe.schriftart));
    stil.groesse = dok.zahl(abschnittBegruessung, keySchriftgroesse, vorgabe.groesse);
    stil.stil = dok.text(abschnittBegruessung, keySchriftstil, vorgabe.stil);
    stil.farbe = farbeLesen(dok, abschnittBegruessung, stammSchrift, vorgabe.farbe);
    return stil;
}

AbfrageEinstellungen EinstellungsSpeicher::abfrageLaden() const {
    const IniDokument dok = dokumentLesen();
    const AbfrageEinstellungen vorgabe;
    AbfrageEinstellungen e;
    e.ausdruckFarbe = farbeLesen(dok, abschnittAbfrage, stammAusdruck, vorgabe.ausdruckFarbe);
    e.meldungFarbe = farbeLesen(dok, abschnittAbfrage, stammMeldung, vorgabe.meldungFarbe);
    e.loesungFarbe = farbeLesen(dok, abschnittAbfrage, stammLoesung, vorgabe.loesungFarbe);
    e.automatisch = dok.zahl(abschnittAbfrage, keyAutoAbfrage, vorgabe.automatisch ? 1 : 0) == 1;
    const int pause = dok.zahl(abschnittAbfrage, keyAbfragePause, vorgabe.pause);
    e.pause = (pause >= 1 && pause <= 10) ? pause : vorgabe.pause;
    e.streng = dok.zahl(abschnittAbfrage, keyStrengeKorrektur, vorgabe.streng ? 1 : 0) != 0;
    return e;
}

GespeicherteFarben EinstellungsSpeicher::gespeicherteFarben() const {
    const IniDokument dok = dokumentLesen();
    return {farbeGespeichert(dok, abschnittBegruessung, stammSchrift),
            farbeGespeichert(dok, abschnittAbfrage, stammAusdruck),
            farbeGespeichert(dok, abschnittAbfrage, stammMeldung),
            farbeGespeichert(dok, abschnittAbfrage, stammLoesung)};
}

bool EinstellungsSpeicher::speichern(const BegruessungsStil& begruessung,
                                     const AbfrageEinstellungen& abfrage) const {
    auto gelesen = zugriff_->lesen(datei_);
    if (gelesen.stand == Dateizugriff::Lesestand::Fehler) {
        // Writing now would throw away whatever the file holds besides our keys.
        return false;
    }
    IniDokument dok = IniDokument::zerlegen(gelesen.inhalt);

    dok.setzen(abschnittBegruessung, keySchriftart, begruessung.schriftart);
    dok.setzen(abschnittBegruessung, keySchriftgroesse, std::to_string(begruessung.groesse));
    dok.setzen(abschnittBegruessung, keySchriftstil, begruessung.stil);
    farbeSetzen(dok, abschnittBegruessung, stammSchrift, begruessung.farbe);

    farbeSetzen(dok, abschnittAbfrage, stammAusdruck, abfrage.ausdruckFarbe);
    farbeSetzen(dok, abschnittAbfrage, stammMeldung, abfrage.meldungFarbe);
    farbeSetzen(dok, abschnittAbfrage, stammLoesung, abfrage.loesungFarbe);
    dok.setzen(abschnittAbfrage, keyAutoAbfrage, abfrage.automatisch ? "1" : "0");
    dok.setzen(abschnittAbfrage, keyAbfragePause, std::to_string(abfrage.pause));
    dok.setzen(abschnittAbfrage, keyStrengeKorrektur, abfrage.streng ? "1" : "0");

    return datei::ersetzen(datei_, dok.alsText(), *zugriff_);
}

Einstellungswerte EinstellungsSpeicher::standardwerte() {
    return Einstellungswerte{};
}

Schriftbeschreibung EinstellungsSpeicher::begruessungsSchrift(const BegruessungsStil& stil,
                                                              Schriftbeschreibung basis,
                                                              int pixelProZollY,
                                                              bool stilZuruecksetzen) {
    basis.name = schriftnameBegrenzt(stil.schriftart);
    if (stilZuruecksetzen) {
        basis.gewicht = 400;
        basis.kursiv = false;
    }
    if (stil.groesse >= 8 && stil.groesse <= 12) {
        basis.hoehe = punkteZuHoehe(stil.groesse, pixelProZollY);
    }
    if (stil.stil == "Kursiv") {
        basis.kursiv = true;
    } else if (stil.stil == "Fett") {
        basis.gewicht = 700;
    } else if (stil.stil == "Fett Kursiv") {
        basis.gewicht = 700;
        basis.kursiv = true;
    }
    return basis;
}

BegruessungsStil EinstellungsSpeicher::begruessungAusSchrift(const Schriftbeschreibung& schrift,
                                                             Farbe farbe, int pixelProZollY) {
    BegruessungsStil stil;
    stil.schriftart = schriftnameBegrenzt(schrift.name);
    stil.groesse = hoeheZuPunkte(schrift.hoehe, pixelProZollY);
    const bool fett = schrift.gewicht == 700;
    if (schrift.kursiv) {
        stil.stil = fett ? "Fett Kursiv" : "Kursiv";
    } else {
        stil.stil = fett ? "Fett" : "Standard";
    }
    stil.farbe = farbe;
    return stil;
}

} // namespace quorvia
