#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The one table of the option windows. A new option window is one row here plus its
// dialog template and menu (resources/vorlagen).

#include "ui/optionsfenster.h"

#include <array>
#include <memory>
#include <string_view>

namespace quorvia {

// What an empty not-known list shows instead of its window.
inline constexpr std::string_view keineWoerterMeldung =
    "Zur Zeit sind keine nicht gewussten W\xF6rter vorhanden!";
inline constexpr std::string_view keineStammformenMeldung =
    "Zur Zeit sind keine nicht gewussten Stammformen vorhanden!";

// What a due query with nothing due shows instead of its window.
inline constexpr std::string_view keineFaelligenWoerterMeldung =
    "Heute sind keine W\xF6rter f\xE4llig.";
inline constexpr std::string_view keineFaelligenStammformenMeldung =
    "Heute sind keine Stammformen f\xE4llig.";
// What the plan's practice shows when nothing is left for today.
inline constexpr std::string_view nichtsZuUebenMeldung =
    "F\xFCr den Vokabeltest ist heute nichts zu \xFC"
    "ben.";

// Every option window: first the ten the main menu's choices open (lesson range and
// not-known list), then the due queries and the test plan's practice, which the learning
// record's popup opens.
extern const std::array<Optionszeile, 16> optionsfensterTabelle;

// The row the main menu's choice opens (the direction counts only where the row names
// one). Falls back to the menu's start choice should no row match.
const Optionszeile& optionszeileFuer(int option, bool nichtGewusst, int richtung);

// The due query of a course; words in the direction of the menu's frame.
const Optionszeile& faelligeZeile(Kursart kurs, int richtung);

// The practice window of a plan asked in this direction.
const Optionszeile& testplanZeile(Richtung richtung);

// The window of a row: a query window when the row names a query kind, else a list view.
std::unique_ptr<Optionsfenster> optionsfensterBauen(const Optionszeile& zeile,
                                                    Lernzugang lernzugang = {});

} // namespace quorvia
