#pragma once

#include "data/eintragsliste.h"
#include "query/abfragearten.h"
#include "settings/einstellungsspeicher.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quorvia {

// The seven values a query window shows; pushed to the controls all at once.
struct Abfrageanzeige {
    int anzahlGesamt = 0;
    int anzahlRichtig = 0;
    int anzahlFalsch = 0;
    std::string ausdruck;
    std::string eingabe;
    std::string meldung;
    std::string loesung;
};

// Next raw random value; the loop maps it to an item number.
using Zufallsquelle = std::function<std::uint32_t()>;
// A generator seeded from the clock in seconds, as a query window opens.
Zufallsquelle zufallAusUhr();

// The question-and-answer loop of one query window.
class Abfrageablauf {
public:
    // What the loop needs of its window. The query windows implement it; tests fake it.
    class Fenster {
    public:
        virtual ~Fenster() = default;
        virtual void anzeigen(const Abfrageanzeige& werte) = 0; // all fields to the controls
        virtual void warteAufWeiterAnzeigen(bool an) = 0;       // ">" and "&Weiter >", or back
        virtual void eingabeFokussieren() = 0;
        virtual void pause(std::chrono::milliseconds dauer) = 0; // automatic mode
        virtual void zusammenfassungZeigen(std::string_view art, int gesamt, int richtig,
                                           int falsch) = 0; // runs EndeAbfrage modally
        virtual void zurueckZumHauptmenue() = 0;            // sets the back-to-menu flag
        virtual void fensterSchliessen() = 0; // posts a close request unless one is on its way
    };

    // quelle: where the items are read from; nichtGewusst: the list the verdicts edit
    // (owned by the window, saved when it is destroyed).
    Abfrageablauf(const Abfrageart& art, Eintragsliste quelle, Eintragsliste& nichtGewusst,
                  int erste, int letzte, const AbfrageEinstellungen& einstellungen,
                  Fenster& fenster, Zufallsquelle zufall);

    void beginnen();
    // The pupil confirmed with this answer typed: judged, or on to the next item while the
    // verdict is shown.
    void bestaetigen(std::string eingabe);
    void auswerten(std::string eingabe);
    void weiter();

    const Abfrageanzeige& anzeige() const noexcept { return anzeige_; }
    int serie() const noexcept { return serie_; }
    bool wartetAufWeiter() const noexcept { return wartetAufWeiter_; }
    int aktuelleNummer() const noexcept { return aktuelleNummer_; }
    int anzahlGefragt() const noexcept { return anzahlGefragt_; }
    const std::vector<int>& gefragt() const noexcept { return gefragt_; }
    bool beendet() const noexcept { return beendet_; }

private:
    int ziehen();
    std::string_view zeileVon(const Eintrag& e, Zeile z) const;

    const Abfrageart& art_;
    Eintragsliste quelle_;
    Eintragsliste& nichtGewusst_;
    int erste_;
    int letzte_;
    AbfrageEinstellungen einstellungen_;
    Fenster& fenster_;
    Zufallsquelle zufall_;

    Abfrageanzeige anzeige_;
    int serie_ = 0;
    std::vector<int> gefragt_;
    // Mirrors gefragt_ by number - erste_, so a draw is checked without scanning every slot.
    std::vector<bool> schonGefragt_;
    int anzahlGefragt_ = 0;
    int aktuelleNummer_ = 0;
    bool wartetAufWeiter_ = false;
    bool beendet_ = false;
};

} // namespace quorvia
