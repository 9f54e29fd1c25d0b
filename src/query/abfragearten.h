#pragma once

#include "data/lektionstabelle.h"
#include "query/pruefung.h"

#include <array>
#include <string_view>

namespace quorvia {

enum class Abfragequelle { Bereich, NichtGewusst };
enum class Zeile { Lateinisch, Deutsch };

// "\xF6" is o-umlaut in Windows-1252.
inline constexpr std::string_view textWoerter = "W\xF6rter";
inline constexpr std::string_view textStammformen = "Stammformen";

// What the query loop needs to know of a query: where its items come from, which line it
// shows and how the other one is judged.
struct Abfrageart {
    Kursart kurs;         // which course file and which not-known list
    Abfragequelle quelle; // lesson range of the course, or the not-known list
    Zeile gefragt;        // the line shown as the expression
    Pruefung pruefung;    // judges the other line

    // For the summary: "Wörter" / "Stammformen".
    constexpr std::string_view artText() const {
        return kurs == Kursart::Woerter ? textWoerter : textStammformen;
    }
    // A wrong answer adds the pair to the not-known list only in a lesson-range query.
    constexpr bool falschHinzufuegen() const { return quelle == Abfragequelle::Bereich; }
    constexpr Zeile loesung() const {
        return gefragt == Zeile::Deutsch ? Zeile::Lateinisch : Zeile::Deutsch;
    }
};

// The six queries: German to Latin, Latin to German and principal parts, each over a lesson
// range and over the not-known list.
inline constexpr std::array<Abfrageart, 6> abfragearten{{
    {Kursart::Woerter, Abfragequelle::Bereich, Zeile::Deutsch, DeutschLateinPruefung::pruefen},
    {Kursart::Woerter, Abfragequelle::NichtGewusst, Zeile::Deutsch, DeutschLateinPruefung::pruefen},
    {Kursart::Woerter, Abfragequelle::Bereich, Zeile::Lateinisch, LateinDeutschPruefung::pruefen},
    {Kursart::Woerter, Abfragequelle::NichtGewusst, Zeile::Lateinisch,
     LateinDeutschPruefung::pruefen},
    {Kursart::Stammformen, Abfragequelle::Bereich, Zeile::Deutsch, StammformenPruefung::pruefen},
    {Kursart::Stammformen, Abfragequelle::NichtGewusst, Zeile::Deutsch,
     StammformenPruefung::pruefen},
}};

} // namespace quorvia
