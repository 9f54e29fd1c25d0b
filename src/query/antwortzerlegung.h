#pragma once

#include "query/pruefung.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The machinery the three checkers share: cutting a line into parts, normalising each part,
// and the two verdicts. The checkers differ only in the step that strips a note or prefix.
namespace quorvia::antwortzerlegung {

// Strips what the checker recognises from the normalised text. Records the last value
// removed in zusatz and returns how many were removed (0 when none).
using Zusatzschritt = int (*)(std::string& text, std::string& zusatz);

// The raw parts between commas; empty runs between commas give no part, so ",a,,b," has two.
std::vector<std::string_view> zerlegen(std::string_view text);

// Trims the white-space set at both ends and folds runs of blanks inside to one blank.
std::string leerraumBereinigen(std::string_view teil);

struct NormalisierterTeil {
    Antwortteil teil;
    int zusaetze = 0; // how many notes or prefixes were stripped from this part
};

// Full normalising of one part: clean, strip (if a step is given), trim again.
NormalisierterTeil normalisieren(std::string_view roh, Zusatzschritt schritt);

// Number of slots compared in strict mode.
inline constexpr std::size_t slotAnzahl = 15;

// Right when any solution part equals any answer part; notes and prefixes are ignored.
bool mildPruefen(std::string_view loesung, std::string_view antwort, Zusatzschritt schritt);

// The slot count over 15 slots per side, with the note or prefix conditions.
bool strengPruefen(std::string_view loesung, std::string_view antwort, Zusatzschritt schritt);

inline bool pruefen(std::string_view loesung, std::string_view antwort, bool streng,
                    Zusatzschritt schritt) {
    return streng ? strengPruefen(loesung, antwort, schritt)
                  : mildPruefen(loesung, antwort, schritt);
}

// The note step of the German-to-Latin checker and the prefix step of the Latin-to-German one.
int notizEntfernen(std::string& text, std::string& zusatz);
int praefixEntfernen(std::string& text, std::string& zusatz);

} // namespace quorvia::antwortzerlegung
