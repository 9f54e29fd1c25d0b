#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The query windows: the query loop over one row of the option-window table. The main
// menu opens them as every option window (see ui/optionsfenster.h); the not-known list is
// written back when the window is destroyed, however it closed. Each verdict and the
// query itself go to the learning record; a record that cannot be written is reported
// once per window and the query goes on.

#include "query/abfrageablauf.h"
#include "query/abfragearten.h"
#include "settings/einstellungsspeicher.h"
#include "ui/optionsfenster.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

class QEventLoop;

namespace quorvia {

// Control ids of the query windows.
namespace abfrageIds {
inline constexpr int ueberschrift = 1017;
inline constexpr int anzahl = 1018;
inline constexpr int richtig = 1019;
inline constexpr int falsch = 1020;
inline constexpr int ausdruck = 1021;
inline constexpr int meldungsfeld = 1022;
inline constexpr int loesung = 1023;
inline constexpr int eingabe = 1024;
inline constexpr int ok = 1000;
inline constexpr int hauptmenue = 1001;
inline constexpr int beenden = 1002;
} // namespace abfrageIds

// The caption of button 1000 and the text of the first menu item, asking and waiting.
inline constexpr std::string_view okText = "&OK";
inline constexpr std::string_view weiterKnopfText = ">";
inline constexpr std::string_view weiterMenueText = "&Weiter >";

class Abfragefenster : public Optionsfenster, public Abfrageablauf::Fenster {
    Q_OBJECT
public:
    // zeile: a row with a query kind. zufall: the generator the query draws with; empty
    // takes one seeded from the clock.
    explicit Abfragefenster(const Optionszeile& zeile, QWidget* eltern = nullptr,
                            EinstellungsSpeicher speicher = EinstellungsSpeicher(),
                            Zufallsquelle zufall = {}, Lernzugang lernzugang = {});
    ~Abfragefenster() override;

    const Abfrageart& art() const { return *zeile().abfrage; }

    // The running query once the window has opened (nullptr before).
    const Abfrageablauf* ablauf() const { return ablauf_ ? &*ablauf_ : nullptr; }
    // True while the automatic mode waits after a verdict.
    bool pausiert() const { return pauseSchleife_ != nullptr; }

protected:
    void inhaltOeffnen() override;
    bool eigenerBefehl(int id) override;
    void beimSchliessen() override;
    bool befehleGesperrt() const override { return pausiert(); }
    Beschriftungsfarben beschriftungsfarben(int id) override;

    // What the query loop asks of its window.
    void anzeigen(const Abfrageanzeige& werte) override;
    void warteAufWeiterAnzeigen(bool an) override;
    void eingabeFokussieren() override;
    void pause(std::chrono::milliseconds dauer) override;
    void zusammenfassungZeigen(std::string_view art, int gesamt, int richtig, int falsch) override;
    void zurueckZumHauptmenue() override;
    void fensterSchliessen() override;
    void urteilGefallen(const Eintrag& e, std::string_view eingabe, bool richtig) override;

    // The wait of the automatic mode: the window keeps painting, user input waits in the
    // queue until the end, and a close request ends the wait early.
    void warten(std::chrono::milliseconds dauer);

private:
    void gespeichertOderMelden(bool gespeichert);

    EinstellungsSpeicher speicher_;
    Zufallsquelle zufall_;
    AbfrageEinstellungen einstellungen_;
    GespeicherteFarben gespeichert_;
    std::optional<Abfrageablauf> ablauf_;
    std::optional<Abfrageprotokoll> protokoll_;
    bool speicherfehlerGemeldet_ = false;
    QEventLoop* pauseSchleife_ = nullptr;
};

} // namespace quorvia
