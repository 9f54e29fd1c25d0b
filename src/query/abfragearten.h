#pragma once

#include "data/lektionstabelle.h"
#include "query/pruefung.h"

#include <array>
#include <string_view>

namespace quorvia {

enum class Abfragequelle { Bereich, NichtGewusst };
enum class Zeile { Lateinisch, Deutsch };

// What differs between the six query windows. Texts are Windows-1252.
struct Abfrageart {
    std::string_view klasse;            // "Option211"
    int vorlage;                        // dialog template number
    int menue;                          // menu number M: commands M+1 (OK) to M+6 (about)
    Kursart kurs;                       // which course file and which not-known list
    Abfragequelle quelle;               // lesson range of the course, or the not-known list
    Zeile gefragt;                      // the line shown as the expression
    Pruefung pruefung;                  // judges the other line
    std::string_view artText;           // for the summary: "Wörter" / "Stammformen"
    std::string_view titel;             // "Quorvia 2003 - Wörter abfragen"
    std::string_view titelNichtGewusst; // suffix for the not-known windows

    // A wrong answer adds the pair to the not-known list only in a lesson-range query.
    bool falschHinzufuegen() const { return quelle == Abfragequelle::Bereich; }
    int befehlOk() const { return menue + 1; }
    int befehlHauptmenue() const { return menue + 2; }
    int befehlBeenden() const { return menue + 3; }
    int befehlHilfe() const { return menue + 4; }
    int befehlWebsite() const { return menue + 5; }
    int befehlInfo() const { return menue + 6; }
    Zeile loesung() const { return gefragt == Zeile::Deutsch ? Zeile::Lateinisch : Zeile::Deutsch; }
};

// "\xF6" is o-umlaut in Windows-1252.
inline constexpr std::string_view textWoerter = "W\xF6rter";
inline constexpr std::string_view textStammformen = "Stammformen";

inline const std::array<Abfrageart, 6> abfragearten{{
    {"Option211", 105, 136, Kursart::Woerter, Abfragequelle::Bereich, Zeile::Deutsch,
     DeutschLateinPruefung::pruefen, textWoerter, "Quorvia 2003 - W\xF6rter abfragen",
     " - nicht gewusste W\xF6rter"},
    {"Option212", 106, 143, Kursart::Woerter, Abfragequelle::NichtGewusst, Zeile::Deutsch,
     DeutschLateinPruefung::pruefen, textWoerter, "Quorvia 2003 - W\xF6rter abfragen",
     " - nicht gewusste W\xF6rter"},
    {"Option221", 107, 150, Kursart::Woerter, Abfragequelle::Bereich, Zeile::Lateinisch,
     LateinDeutschPruefung::pruefen, textWoerter, "Quorvia 2003 - W\xF6rter abfragen",
     " - nicht gewusste W\xF6rter"},
    {"Option222", 108, 157, Kursart::Woerter, Abfragequelle::NichtGewusst, Zeile::Lateinisch,
     LateinDeutschPruefung::pruefen, textWoerter, "Quorvia 2003 - W\xF6rter abfragen",
     " - nicht gewusste W\xF6rter"},
    {"Option41", 111, 188, Kursart::Stammformen, Abfragequelle::Bereich, Zeile::Deutsch,
     StammformenPruefung::pruefen, textStammformen, "Quorvia 2003 - Stammformen abfragen",
     " - nicht gewusste Stammformen"},
    {"Option42", 112, 195, Kursart::Stammformen, Abfragequelle::NichtGewusst, Zeile::Deutsch,
     StammformenPruefung::pruefen, textStammformen, "Quorvia 2003 - Stammformen abfragen",
     " - nicht gewusste Stammformen"},
}};

} // namespace quorvia
