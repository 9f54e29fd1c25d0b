#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: the greeting's font and colour, the three colours of the query
// windows, the automatic query with its pause, and strict correction. It reads the store
// when it opens and writes it only on "&OK".

#include "settings/einstellungsspeicher.h"
#include "ui/plattform/dialog.h"

#include <string_view>

namespace quorvia {

namespace einstellungsIds {
inline constexpr int ok = 1006;
inline constexpr int standard = 1005;
inline constexpr int schriftKnopf = 1000;
inline constexpr int begruessungFarbeKnopf = 1001;
inline constexpr int ausdruckKnopf = 1002;
inline constexpr int meldungKnopf = 1003;
inline constexpr int loesungKnopf = 1004;
inline constexpr int automatisch = 1015;
inline constexpr int streng = 1016;
inline constexpr int schriftProbe = 1017;
inline constexpr int farbProbe = 1018;
inline constexpr int ausdruckProbe = 1019;
inline constexpr int meldungProbe = 1020;
inline constexpr int loesungProbe = 1021;
inline constexpr int pauseText = 1022;
inline constexpr int pauseFeld = 1024;
inline constexpr int pauseDreh = 1025;
} // namespace einstellungsIds

inline constexpr std::string_view gespeichertMeldung =
    "Die Einstellungen wurden erfolgreich gespeichert!";
inline constexpr std::string_view nichtGespeichertMeldung =
    "Die Einstellungen konnten nicht gespeichert werden!";
inline constexpr std::string_view standardGeladenMeldung =
    "Die Standardeinstellungen wurden erfolgreich geladen!";

// The smallest and largest pause of the automatic query, in seconds.
inline constexpr int kuerzestePause = 1;
inline constexpr int laengstePause = 10;

class Einstellungen : public Dialog {
    Q_OBJECT
public:
    explicit Einstellungen(QWidget* eltern = nullptr,
                           EinstellungsSpeicher speicher = EinstellungsSpeicher());

    // The greeting font as the dialog holds it (after opening: as read or chosen).
    const Schriftbeschreibung& begruessungSchrift() const { return schrift_; }

protected:
    void oeffnen() override;
    void befehl(int id) override;
    void datenAustauschen(Datenaustausch& austausch) override;
    Beschriftungsfarben beschriftungsfarben(int id) override;

private:
    void schriftZeigen();
    void pauseFreigeben();
    void farbeWaehlenFuer(Farbe& farbe, int probe);
    void standardLaden();
    void speichern();

    EinstellungsSpeicher speicher_;
    Schriftbeschreibung schrift_;
    Farbe begruessungFarbe_ = 0;
    Farbe ausdruckFarbe_ = 0;
    Farbe meldungFarbe_ = 0;
    Farbe loesungFarbe_ = 0;
    int automatisch_ = 0;
    int pause_ = kuerzestePause;
    int streng_ = 0;
};

} // namespace quorvia
