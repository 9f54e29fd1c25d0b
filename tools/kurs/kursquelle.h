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

// Why a field would read as an item's number line once stored between its '#' (a piece
// "#<digits>#", or digits only), as the tail of a message after the field's name; empty
// when it would not.
std::string wieNummernzeile(std::string_view feld);

} // namespace quorvia::kurs
