#pragma once

#include "data/lektionstabelle.h"

#include <string>
#include <string_view>

namespace quorvia::kurs {

// Compiles a course written as UTF-8 TSV (header "Lektion\tLatein\tDeutsch", then one
// item a line in item order) into the plain data text (Windows-1252, CR LF records).
// Throws Abbruch naming the line for anything the data files cannot hold.
std::string kursUebersetzen(std::string_view tsv, Kursart art);

// A data text as that TSV (UTF-8); with a kind the lesson column comes from its table,
// without one (a not-known list) it stays empty.
std::string alsTsv(std::string_view text, const Kursart* art);

inline constexpr std::string_view kopfzeile = "Lektion\tLatein\tDeutsch";

// The first piece "#<digits>#" in a field, or an empty view.
std::string_view nummernStueck(std::string_view feld);

// A field of digits only: stored between its '#' it would read as a marker line.
bool nurZiffern(std::string_view feld);

} // namespace quorvia::kurs
