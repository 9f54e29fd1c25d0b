#pragma once

// The one table of the ten option windows. A new option window is one row here plus its
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

extern const std::array<Optionszeile, 10> optionsfensterTabelle;

// The row the main menu's choice opens (the direction counts only where the row names
// one). Falls back to the menu's start choice should no row match.
const Optionszeile& optionszeileFuer(int option, bool nichtGewusst, int richtung);

// The window of a row: a query window when the row names a query kind, else a list view.
std::unique_ptr<Optionsfenster> optionsfensterBauen(const Optionszeile& zeile);

} // namespace quorvia
