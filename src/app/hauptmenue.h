#pragma once

// The main menu: the greeting, the large picture, the choice of option, lessons, the
// not-known list and the direction, and the option windows it opens from there.

#include "data/lektionstabelle.h"
#include "settings/einstellungsspeicher.h"
#include "ui/gemeinsam.h"

#include <string>
#include <string_view>

namespace quorvia {

namespace hauptmenueIds {
inline constexpr int ok = 1000;
inline constexpr int beenden = 1001;
inline constexpr int woerterAnsehen = 1007; // first of the option group
inline constexpr int woerterAbfragen = 1008;
inline constexpr int stammformenAnsehen = 1009;
inline constexpr int stammformenAbfragen = 1010;
inline constexpr int deutschLatein = 1011; // first of the direction group
inline constexpr int lateinDeutsch = 1012;
inline constexpr int von = 1013;
inline constexpr int bis = 1014;
inline constexpr int nichtGewusst = 1015;
inline constexpr int richtungsrahmen = 1021;
inline constexpr int laden = 1022;
inline constexpr int begruessung = 1023;
inline constexpr int befehlOk = 130;
inline constexpr int befehlEinstellungen = 131;
} // namespace hauptmenueIds

// The options in the order of their radio buttons.
namespace menueoption {
inline constexpr int woerterAnsehen = 0;
inline constexpr int woerterAbfragen = 1;
inline constexpr int stammformenAnsehen = 2;
inline constexpr int stammformenAbfragen = 3;
} // namespace menueoption

// The directions of a word query, in the order of their radio buttons.
namespace abfragerichtung {
inline constexpr int deutschLatein = 0;
inline constexpr int lateinDeutsch = 1;
inline constexpr int keine = -1; // in the dispatch table: the direction does not count
} // namespace abfragerichtung

// What the pupil has chosen, as the menu holds it.
struct Menuewahl {
    int option = menueoption::woerterAbfragen;
    int richtung = abfragerichtung::deutschLatein;
    int nichtGewusst = 0;
    std::string von = "01";
    std::string bis = "01";

    friend bool operator==(const Menuewahl&, const Menuewahl&) = default;
};

class Hauptmenue;

// How the run of an option window ended.
enum class Optionsausgang {
    Leer,    // a not-known list without records: the window never ran
    Zurueck, // "Hauptmenü" or the end of a query: the menu comes back
    Ende,    // any other close: the window has asked the menu to close
};

// One row of the dispatch table: which window serves a choice.
struct Optionsziel {
    int option;
    bool nichtGewusst;
    int richtung; // abfragerichtung::keine: the direction does not count
    std::string_view klasse;
    Kursart kurs;
    std::string_view leerMeldung; // not-known windows: the text for an empty list
    Optionsausgang (*laufen)(Hauptmenue& menue, const Optionsziel& ziel, const Menuewahl& wahl);
};

inline constexpr std::string_view keineWoerterMeldung =
    "Zur Zeit sind keine nicht gewussten W\xF6rter vorhanden!";
inline constexpr std::string_view keineStammformenMeldung =
    "Zur Zeit sind keine nicht gewussten Stammformen vorhanden!";

// The row of the dispatch table for a choice (the direction counts only for word queries).
const Optionsziel& optionszielFuer(const Menuewahl& wahl);

class Hauptmenue : public Bildfenster {
    Q_OBJECT
public:
    explicit Hauptmenue(EinstellungsSpeicher speicher = EinstellungsSpeicher(),
                        QWidget* eltern = nullptr);
    ~Hauptmenue() override;

    const Menuewahl& wahl() const { return wahl_; }
    const BegruessungsStil& begruessungsstil() const { return stil_; }

    // Runs one option window modally as the application's main window and says how it
    // ended. Used by the rows of the dispatch table.
    template <class Fenster> Optionsausgang optionLaufen(Fenster& fenster);

protected:
    void oeffnen() override;
    void befehl(int id) override;
    void auswahlGeaendert(int id) override;
    void datenAustauschen(Datenaustausch& austausch) override;
    Beschriftungsfarben beschriftungsfarben(int id) override;

private:
    void okBefehl();
    void einstellungenBefehl();
    void begruessungAnwenden(bool stilZuruecksetzen);
    void optionGeklickt(int id);
    void nichtGewusstGeklickt();
    void vonGeaendert();
    void optionLaufBeginnen(Dialog& fenster);
    void optionLaufEnde();

    EinstellungsSpeicher speicher_;
    Menuewahl wahl_;
    BegruessungsStil stil_;
    bool farbeGespeichert_ = false;
};

} // namespace quorvia

// The template body needs only the two members every option window has.
template <class Fenster>
quorvia::Optionsausgang quorvia::Hauptmenue::optionLaufen(Fenster& fenster) {
    fenster.menuefensterSetzen(this);
    optionLaufBeginnen(fenster);
    fenster.ausfuehren();
    optionLaufEnde();
    return fenster.zurueckZumMenue() ? Optionsausgang::Zurueck : Optionsausgang::Ende;
}
