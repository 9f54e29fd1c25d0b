#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: the greeting, the large picture, the choice of option, lessons, the
// not-known list and the direction. Which option window a choice opens is the table's
// business (ui/optionstabelle.h), how it runs the window's (ui/optionsfenster.h).

#include "data/lektionstabelle.h"
#include "query/abfrageprotokoll.h"
#include "settings/einstellungsspeicher.h"
#include "ui/gemeinsam.h"
#include "ui/optionsfenster.h"

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
inline constexpr int planzeile = 1024; // shown while a plan's test day lies ahead
inline constexpr int befehlOk = 130;
inline constexpr int befehlEinstellungen = 131;
// The popup "&Lernstand", numbered apart from every template's and menu's commands.
inline constexpr int befehlFaelligeWoerter = 300;
inline constexpr int befehlFaelligeStammformen = 301;
inline constexpr int befehlStatistik = 302;
inline constexpr int befehlTestplan = 303;
inline constexpr int befehlTestplanUeben = 304;
} // namespace hauptmenueIds

// What the pupil has chosen, as the menu holds it.
struct Menuewahl {
    int option = menueoption::woerterAbfragen;
    int richtung = abfragerichtung::deutschLatein;
    int nichtGewusst = 0;
    std::string von = "01";
    std::string bis = "01";

    friend bool operator==(const Menuewahl&, const Menuewahl&) = default;
};

class Hauptmenue : public Bildfenster {
    Q_OBJECT
public:
    // lernzugang: the record the query windows write to and the due queries read.
    explicit Hauptmenue(EinstellungsSpeicher speicher = EinstellungsSpeicher(),
                        QWidget* eltern = nullptr, Lernzugang lernzugang = {});
    ~Hauptmenue() override;

    const Menuewahl& wahl() const { return wahl_; }
    const BegruessungsStil& begruessungsstil() const { return stil_; }

protected:
    void oeffnen() override;
    void befehl(int id) override;
    void auswahlGeaendert(int id) override;
    void datenAustauschen(Datenaustausch& austausch) override;
    Beschriftungsfarben beschriftungsfarben(int id) override;

private:
    void okBefehl();
    void faelligBefehl(Kursart kurs);
    void statistikBefehl();
    // True when the record can be used; otherwise says so.
    bool lernstandBereit();
    void testplanBefehl();
    void testplanUebenBefehl();
    // The plan's line under the picture and the practice item, as the record stands now.
    void planzeileZeigen();
    // Builds the row's window, fills it, runs it and shows the menu again.
    void optionLaufen(const Optionszeile& zeile);
    void einstellungenBefehl();
    void begruessungAnwenden(bool stilZuruecksetzen);
    void optionGeklickt(int id);
    void nichtGewusstGeklickt();
    void vonGeaendert();

    EinstellungsSpeicher speicher_;
    Lernzugang lernzugang_;
    Menuewahl wahl_;
    BegruessungsStil stil_;
    bool farbeGespeichert_ = false;
};

} // namespace quorvia
