#include "query/pruefung.h"

#include <gtest/gtest.h>

#include <span>
#include <string>

namespace quorvia {
namespace {

// Windows-1252: \xDF sharp s, \xE4 a-umlaut.
#define STRASSE                                                                                    \
    "Stra\xDF"                                                                                     \
    "e"
#define LAEUFT                                                                                     \
    "l\xE4"                                                                                        \
    "uft"

constexpr bool streng = true;
constexpr bool mild = false;

struct Fall {
    std::string loesung;
    std::string antwort;
    bool streng;
    bool richtig;
};

void allePruefen(Pruefung pruefen, std::span<const Fall> faelle) {
    for (const auto& f : faelle) {
        EXPECT_EQ(pruefen(f.loesung, f.antwort, f.streng), f.richtig)
            << (f.streng ? "strict" : "lenient") << " solution <" << f.loesung << "> answer <"
            << f.antwort << ">";
    }
}

// Comma-separated a1 .. aN, each optionally with a suffix.
std::string liste(int n, const std::string& anhang = "") {
    std::string s;
    for (int i = 1; i <= n; ++i) {
        s += (i > 1 ? ", a" : "a") + std::to_string(i) + anhang;
    }
    return s;
}

// Every checker shares splitting and counting; these hold for all three.
TEST(AllePruefungen, GemeinsameZaehlregeln) {
    const Fall faelle[] = {
        // nothing to answer with
        {"a", "", streng, false},
        {"a", "", mild, false},
        {"a", ",,,", streng, false},
        {"a", ",,,", mild, false},
        {"", "", streng, false},
        {"", "", mild, false},
        {"a", "   ", streng, false},
        // duplicates on both sides must match in number
        {"a, a, b", "a, a, b", streng, true},
        {"a, a, b", "b, a, a", streng, true},
        {"a, a, b", "a, b, b", streng, false},
        {"a, a, b", "a, b, c", streng, false},
        {"a, b", "a, a", streng, false},
        // a blank-only part is an empty text that takes part in the counting
        {"a, , b", "a, , b", streng, true},
        {"a, , b", "a, b, ", streng, true},
        {"a, , b", "a, b", streng, false},
        {"a, b", "a, b, ", streng, false},
        {"a, , b", " ", mild, true},
        {"a, b", " ", mild, false},
        // the 15-slot boundary
        {liste(15), liste(15), streng, true},
        {liste(15), "a15, a14, a13, a12, a11, a10, a9, a8, a7, a6, a5, a4, a3, a2, a1", streng,
         true},
        {liste(15), liste(14), streng, false},
        {liste(16), liste(16), streng, false},
        {liste(15), liste(16), streng, false},
        {liste(16), "a16", mild, true},
        {"a1", liste(20), mild, true},
        {"a20", liste(20), mild, true},
        // white space: the six characters at the ends, blanks folded inside, tabs kept inside
        {"a b", " \t\r\n\v\fa    b\f\v\n\r\t ", streng, true},
        {"a\tb", "a\tb", streng, true},
        {"a\tb", "\ta\tb\t", streng, true},
        {"a\tb", "a b", streng, false},
        {"a\tb", "a \tb", streng, false},
        {"a  b", "a b", streng, true},
    };
    for (const Pruefung p : {DeutschLateinPruefung::pruefen, LateinDeutschPruefung::pruefen,
                             StammformenPruefung::pruefen}) {
        allePruefen(p, faelle);
    }
}

TEST(DeutschLateinPruefung, Faelle) {
    const Fall faelle[] = {
        {"parere m. Dat.", "parere m. Dat.", streng, true},
        {"parere m. Dat.", "  parere   m. Dat. ", streng, true},
        {"parere m. Dat.", "parere", streng, false},
        {"parere m. Dat.", "parere m. Akk.", streng, false},
        {"parere m. Dat.", "parere m.Dat.", streng, false},
        {"parere m. Dat.", "m. Dat.", streng, false},
        {"parere m. Dat.", "parere", mild, true},
        {"parere m. Dat.", "parere m. Akk.", mild, true},
        {"parere m. Dat.", "Parere", mild, false},
        {"ire, vadere", "vadere, ire", streng, true},
        {"ire, vadere", "ire,,vadere", streng, true},
        {"ire, vadere", "ire", streng, false},
        {"ire, vadere", "ire, vadere, currere", streng, false},
        {"ire, vadere", "ire, ire", streng, false},
        {"ire, vadere", "ire, , vadere", streng, false},
        {"ire, vadere", "ire", mild, true},
        {"ire, vadere", "currere, vadere", mild, true},
        {"ire, vadere", "currere", mild, false},
        // the note may follow any alternative, once
        {"iubere m. Akk., imperare", "imperare, iubere m. Akk.", streng, true},
        {"iubere m. Akk., imperare", "iubere, imperare m. Akk.", streng, true},
        {"iubere m. Akk., imperare", "iubere, imperare", streng, false},
        {"iubere m. Akk., imperare", "iubere m. Akk., imperare m. Akk.", streng, false},
        {"iubere m. Akk., imperare", "iubere m. Akk., imperare m. Akk.", mild, true},
        {"ire, vadere", "ire m. Akk., vadere", streng, false},
        {"ire, vadere", "ire m. Akk., vadere", mild, true},
        // the solution's note is the last one taken
        {"imperare m. Dat., iubere m. Akk.", "imperare, iubere m. Akk.", streng, true},
        {"imperare m. Dat., iubere m. Akk.", "imperare m. Dat., iubere", streng, false},
        {"imperare m. Dat., iubere m. Akk.", "imperare m. Dat., iubere m. Akk.", streng, false},
        {"imperare m. Dat., iubere m. Akk.", "iubere m. Dat.", mild, true},
        // one row per note, in table order
        {"x m. Inf.", "x m. Inf. m. Akk.", streng, false},
        {"x m. Inf. m. Akk.", "x m. Inf.", streng, true},
        {"x m. Inf. m. Akk.", "x m. Akk.", streng, false},
        {"x m. Akk. m. Inf.", "x m. Akk. m. Inf.", streng, true},
        {"x m. Akk. m. Inf.", "x m. Inf.", streng, false},
        {"x m. Abl. oder Gen.", "x m. Abl. oder Gen.", streng, true},
        {"x m. Abl. oder Gen.", "x m. Gen.", streng, false},
        {"x m. Abl. oder Gen.", "x m. Abl.", streng, false},
        {"x m. doppeltem Akk.", "x m. doppeltem Akk.", streng, true},
        {"x m. doppeltem Akk.", "x m. Akk.", streng, false},
        {"x m. Ind. Perf.", "x  m. Ind.  Perf.", streng, true},
        {"x beim Superl.", "x beim Superl.", streng, true},
        {"x m. ut", "x m. ut", streng, true},
        // tabs: stripped at the ends before the note is looked for, kept inside
        {"parere m. Dat.", "parere m. Dat.\t", streng, true},
        {"parere m. Dat.", "\tparere m. Dat.", streng, true},
        {"parere m. Dat.", "parere\tm. Dat.", streng, false},
        {"parere m. Dat.", "parere \t m. Dat.", streng, true},
        // a note on an alternative beyond the fifteenth is not looked at
        {liste(15) + ", b m. Akk.", "b", mild, true},
        // German prefixes mean nothing here
        {"er/sie/es geht", "geht", mild, false},
    };
    allePruefen(DeutschLateinPruefung::pruefen, faelle);
}

TEST(LateinDeutschPruefung, Faelle) {
    const Fall faelle[] = {
        {"Weg, " STRASSE, STRASSE ", Weg", streng, true},
        {"Weg, " STRASSE, "  Weg ,   " STRASSE "  ", streng, true},
        {"Weg, " STRASSE, "Weg,," STRASSE, streng, true},
        {"Weg, " STRASSE, "Weg", streng, false},
        {"Weg, " STRASSE, "Weg, " STRASSE ", Pfad", streng, false},
        {"Weg, " STRASSE, "Weg, Weg", streng, false},
        {"Weg, " STRASSE,
         "weg, stra\xDF"
         "e",
         streng, false},
        {"Weg, " STRASSE, "Weg, , " STRASSE, streng, false},
        {"Weg, " STRASSE, "Weg", mild, true},
        {"Weg, " STRASSE, "Pfad, " STRASSE, mild, true},
        {"Weg, " STRASSE, "Pfad", mild, false},
        {"Weg, " STRASSE, "weg", mild, false},
        {"guter Weg", "guter  Weg", streng, true},
        {"guter Weg", "guter\tWeg", streng, false},
        // the prefix may stand on any part, once
        {"er/sie/es geht, " LAEUFT, "er/sie/es geht, " LAEUFT, streng, true},
        {"er/sie/es geht, " LAEUFT, LAEUFT ", er/sie/es geht", streng, true},
        {"er/sie/es geht, " LAEUFT, "geht, er/sie/es " LAEUFT, streng, true},
        {"er/sie/es geht, " LAEUFT, "geht, " LAEUFT, streng, false},
        {"er/sie/es geht, " LAEUFT, "der/die/das geht, " LAEUFT, streng, false},
        {"er/sie/es geht, " LAEUFT, "er/sie/es geht, er/sie/es " LAEUFT, streng, false},
        {"er/sie/es geht, " LAEUFT, "geht", mild, true},
        {"er/sie/es geht, " LAEUFT, "er/sie/es " LAEUFT, mild, true},
        {"er/sie/es geht, " LAEUFT, "der/die/das geht", mild, true},
        {"Weg, " STRASSE, "er/sie/es Weg, " STRASSE, streng, false},
        {"Weg, " STRASSE, "er/sie/es Weg, " STRASSE, mild, true},
        // the prefix needs its blank; folded and trimmed blanks still make one
        {"er/sie/es geht", "er/sie/esgeht", streng, false},
        {"er/sie/es geht", "er/sie/esgeht", mild, false},
        {"er/sie/es geht", "  er/sie/es    geht", streng, true},
        {"er/sie/es", "er/sie/es", streng, true},
        {"er/sie/es", "", streng, false},
        // both prefixes on one part are two prefixes
        {"der/die/das x", "er/sie/es der/die/das x", streng, false},
        {"er/sie/es der/die/das x", "der/die/das x", streng, true},
        {"er/sie/es der/die/das x", "er/sie/es x", streng, false},
        // "der/die/das " is tested after "er/sie/es ", so the other order strips one only
        {"der/die/das er/sie/es x", "der/die/das er/sie/es x", streng, true},
        {"der/die/das er/sie/es x", "der/die/das x", streng, false},
        // the solution's prefix is the last one taken
        {"er/sie/es geht, der/die/das Weg", "geht, der/die/das Weg", streng, true},
        {"er/sie/es geht, der/die/das Weg", "er/sie/es geht, Weg", streng, false},
        // notes mean nothing here
        {"gehorchen m. Dat.", "gehorchen", mild, false},
    };
    allePruefen(LateinDeutschPruefung::pruefen, faelle);
}

TEST(StammformenPruefung, Faelle) {
    const Fall faelle[] = {
        {"amo, amavi, amatum", "amo, amavi, amatum", streng, true},
        {"amo, amavi, amatum", "amavi, amatum, amo", streng, true},
        {"amo, amavi, amatum", "amo,amavi,amatum", streng, true},
        {"amo, amavi, amatum", "amo,  amavi, amatum ", streng, true},
        {"amo, amavi, amatum", "amo, amavi", streng, false},
        {"amo, amavi, amatum", "amo, amavi, amatum, amare", streng, false},
        {"amo, amavi, amatum", "amo, amo, amavi", streng, false},
        {"amo, amavi, amatum", "Amo, amavi, amatum", streng, false},
        {"amo, amavi, amatum", "amo, , amavi, amatum", streng, false},
        {"amo, amavi, amatum", "amavi", mild, true},
        {"amo, amavi, amatum", "amo, laudo", mild, true},
        {"amo, amavi, amatum", "laudo", mild, false},
        {"ama vi", "ama  vi", streng, true},
        {"amavi", "ama  vi", streng, false},
        // neither notes nor prefixes are stripped
        {"er/sie/es amo", "amo", mild, false},
        {"er/sie/es amo", "er/sie/es amo", streng, true},
        {"amo m. Akk.", "amo", mild, false},
        {"amo m. Akk., amavi", "amavi, amo m. Akk.", streng, true},
        {"amo m. Akk., amavi", "amo, amavi m. Akk.", streng, false},
    };
    allePruefen(StammformenPruefung::pruefen, faelle);
}

} // namespace
} // namespace quorvia
