// SPDX-License-Identifier: GPL-3.0-or-later
// Checks on the shipped course as the build compiled it: the two .dat files in the
// working directory, read through the same data layer and checkers the program uses.

#include "data/datendatei.h"
#include "data/eintragsliste.h"
#include "data/lektionstabelle.h"
#include "query/pruefung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvia {
namespace {

namespace fs = std::filesystem;

struct Kursdatei {
    Kursart art;
    const char* name;
    const char* werkzeugArt; // the course tool's --art
    const char* dat;         // compiled file in the working directory
    const char* quelle;      // TSV in the source tree
    Fehlerart wennNichtLadbar;
};

const std::array<Kursdatei, 2> kursdateien = {{
    {Kursart::Woerter, "Woerter", "woerter", QUORVIA_KURS_WOERTER_DAT, QUORVIA_KURS_WOERTER_TSV,
     Fehlerart::WoerterNichtLadbar},
    {Kursart::Stammformen, "Stammformen", "stammformen", QUORVIA_KURS_STAMMFORMEN_DAT,
     QUORVIA_KURS_STAMMFORMEN_TSV, Fehlerart::StammformenNichtLadbar},
}};

// The lesson sizes the course is written to, words and principal parts, lesson by lesson.
constexpr std::array<std::pair<int, int>, Lektionstabelle::anzahlLektionen> lektionsgroessen = {{
    {30, 11}, {34, 8},  {32, 8},  {31, 10}, {32, 8},  {33, 10}, {32, 14}, {34, 6},  {30, 10},
    {34, 15}, {32, 8},  {35, 9},  {33, 11}, {32, 6},  {34, 18}, {33, 6},  {31, 16}, {43, 4},
    {36, 6},  {31, 8},  {32, 11}, {34, 5},  {33, 11}, {33, 9},  {32, 10}, {34, 12}, {33, 10},
    {31, 7},  {31, 6},  {32, 17}, {32, 8},  {29, 10}, {35, 11}, {30, 11}, {30, 12}, {35, 12},
    {32, 12}, {34, 17}, {30, 9},  {35, 7},  {33, 15}, {42, 17}, {31, 13}, {33, 10}, {26, 12},
    {28, 10}, {19, 3},  {23, 9},  {15, 1},  {24, 9},
}};

// The tails the German-to-Latin checker removes, each with its leading blank.
constexpr std::array<std::string_view, 15> notenEnden = {
    " m. Akk.",    " m. Abl.",      " m. Dat.",       " m. Gen.",  " m. doppeltem Akk.",
    " m. Konj.",   " m. Inf.",      " m. Ind. Perf.", " m. ut",    " m. AcI",
    " beim Komp.", " beim Superl.", " beim Adj.",     " m. Komp.", " m. Abl. oder Gen.",
};

constexpr std::string_view praefixErSieEs = "er/sie/es ";
constexpr std::string_view praefixDerDieDas = "der/die/das ";

std::vector<std::string_view> alternativen(std::string_view zeile) {
    std::vector<std::string_view> teile;
    std::size_t anfang = 0;
    while (true) {
        const std::size_t komma = zeile.find(',', anfang);
        teile.push_back(zeile.substr(anfang, komma - anfang));
        if (komma == std::string_view::npos) {
            return teile;
        }
        anfang = komma + 1;
    }
}

std::string_view ohneRaender(std::string_view text) {
    const std::size_t a = text.find_first_not_of(' ');
    if (a == std::string_view::npos) {
        return {};
    }
    return text.substr(a, text.find_last_not_of(' ') - a + 1);
}

// The note table row whose tail ends the text, if any.
std::string_view notenEnde(std::string_view text) {
    for (const std::string_view ende : notenEnden) {
        if (text.ends_with(ende)) {
            return ende;
        }
    }
    return {};
}

// Where a note-shaped text begins: "m." or "beim" standing as a word, then perhaps a
// blank, then one of the words the notes are made of ("(m. Dat.)", "m.Akk." included).
std::size_t notenartigerText(std::string_view text) {
    constexpr std::array<std::string_view, 13> notenwoerter = {
        "Akk", "Abl", "Dat", "Gen",  "doppeltem", "Konj", "Inf",
        "Ind", "ut",  "AcI", "Komp", "Superl",    "Adj"};
    const auto buchstabe = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    };
    for (std::size_t p = 0; p < text.size(); ++p) {
        if (p > 0 && buchstabe(text[p - 1])) {
            continue;
        }
        std::string_view rest = text.substr(p);
        if (rest.starts_with("m.")) {
            rest.remove_prefix(2);
        } else if (rest.starts_with("beim")) {
            rest.remove_prefix(4);
        } else {
            continue;
        }
        if (rest.starts_with(' ')) {
            rest.remove_prefix(1);
        }
        for (const std::string_view wort : notenwoerter) {
            if (rest.starts_with(wort) &&
                (rest.size() == wort.size() || !buchstabe(rest[wort.size()]))) {
                return p;
            }
        }
    }
    return std::string_view::npos;
}

bool erlaubtesZeichen(unsigned char c) {
    // Printable ASCII plus the German umlauts and sharp s in Windows-1252.
    return (c >= 0x20 && c <= 0x7E) || c == 0xC4 || c == 0xD6 || c == 0xDC || c == 0xE4 ||
           c == 0xF6 || c == 0xFC || c == 0xDF;
}

std::string zeigen(const Eintrag& e) {
    return "item " + std::to_string(e.nummer) + " \"" + e.lateinisch + "\" / \"" + e.deutsch + "\"";
}

// A line as the strict checker reads it: its alternatives, in any order.
std::set<std::string> alternativenMenge(std::string_view zeile) {
    std::set<std::string> menge;
    for (const std::string_view teil : alternativen(zeile)) {
        menge.emplace(ohneRaender(teil));
    }
    return menge;
}

// A verb as both courses name it: "laudo,laudare", a word's note removed; empty for a
// line of fewer than two parts.
std::string verbschluessel(std::string_view latein) {
    const auto teile = alternativen(latein);
    if (teile.size() < 2) {
        return {};
    }
    std::string_view zweiter = ohneRaender(teile[1]);
    zweiter.remove_suffix(notenEnde(zweiter).size());
    return std::string(ohneRaender(teile[0])) + "," + std::string(zweiter);
}

// Names the course file in failure messages instead of dumping its bytes.
void PrintTo(const Kursdatei& k, std::ostream* os) {
    *os << k.name;
}

class KursTest : public ::testing::TestWithParam<Kursdatei> {
protected:
    void SetUp() override {
        const Kursdatei& k = GetParam();
        if (!fs::exists(k.dat)) {
            if (!fs::exists(k.quelle)) {
                GTEST_SKIP() << k.quelle << " is not in the source tree yet, so the build has no "
                             << k.name << ".dat to check";
            }
            FAIL() << k.quelle << " exists but the build did not compile it into " << k.dat;
        }
        ASSERT_NO_THROW(liste_ = Eintragsliste(DatenDatei::lesen(k.dat, k.wennNichtLadbar)))
            << k.dat << " does not decrypt";
        const int anzahl = liste_.anzahl();
        for (int n = 1; n <= anzahl; ++n) {
            eintraege_.push_back(liste_.eintrag(n));
        }
    }

    Kursart art() const { return GetParam().art; }

    Eintragsliste liste_;
    std::vector<Eintrag> eintraege_;
};

TEST_P(KursTest, PassesTheCourseToolsCheck) {
    const std::string werkzeug = QUORVIA_KURS_WERKZEUG;
    ASSERT_FALSE(werkzeug.empty()) << "the course tool is not part of this build";
    const std::string befehl = "\"" + werkzeug + "\" pruefen --art " + GetParam().werkzeugArt +
                               " \"" + GetParam().dat + "\"";
    EXPECT_EQ(std::system(befehl.c_str()), 0) << befehl;
}

TEST_P(KursTest, EveryLessonHoldsTheItemsOfBothLessonTableColumns) {
    ASSERT_EQ(liste_.anzahl(), Lektionstabelle::anzahlGesamt(art()));
    std::map<std::string, int> proLektion;
    for (const Eintrag& e : eintraege_) {
        const auto lektion = Lektionstabelle::lektionVon(art(), e.nummer);
        ASSERT_TRUE(lektion.has_value()) << zeigen(e) << " lies beyond lesson 50";
        ++proLektion[*lektion];
    }
    for (int l = 1; l <= Lektionstabelle::anzahlLektionen; ++l) {
        const std::string text = Lektionstabelle::lektionstext(l);
        const auto [woerter, stammformen] = lektionsgroessen[static_cast<std::size_t>(l - 1)];
        const int erwartet = art() == Kursart::Woerter ? woerter : stammformen;
        EXPECT_EQ(proLektion[text], erwartet) << "lesson " << text;
        EXPECT_EQ(Lektionstabelle::anzahlEintraege(art(), l), erwartet) << "lesson " << text;
        EXPECT_EQ(Lektionstabelle::letzterEintrag(art(), text) -
                      Lektionstabelle::ersterEintrag(art(), text) + 1,
                  erwartet)
            << "lesson " << text;
    }
}

TEST_P(KursTest, EveryPairIsDistinctAndFoundAgainByItsLines) {
    std::set<std::pair<std::string, std::string>> paare;
    for (const Eintrag& e : eintraege_) {
        EXPECT_TRUE(paare.emplace(e.lateinisch, e.deutsch).second) << zeigen(e) << " repeats";
        EXPECT_EQ(liste_.nummerVon(e.lateinisch, e.deutsch), e.nummer) << zeigen(e);
    }
    EXPECT_EQ(static_cast<int>(paare.size()), Lektionstabelle::anzahlGesamt(art()));
}

TEST_P(KursTest, EveryLineIsTypeableWindows1252WithoutMarkerCharacters) {
    for (const Eintrag& e : eintraege_) {
        for (const std::string& zeile : {e.lateinisch, e.deutsch}) {
            ASSERT_FALSE(zeile.empty()) << zeigen(e);
            EXPECT_NE(zeile.front(), '#') << zeigen(e);
            EXPECT_NE(zeile.back(), '#') << zeigen(e);
            EXPECT_EQ(zeile.find('#'), std::string::npos) << zeigen(e);
            for (const char c : zeile) {
                EXPECT_TRUE(erlaubtesZeichen(static_cast<unsigned char>(c)))
                    << zeigen(e) << " holds byte "
                    << static_cast<int>(static_cast<unsigned char>(c));
            }
        }
    }
}

TEST_P(KursTest, AlternativesAreFewNonEmptyAndSeparatedByCommaAndBlank) {
    for (const Eintrag& e : eintraege_) {
        for (const std::string& zeile : {e.lateinisch, e.deutsch}) {
            const auto teile = alternativen(zeile);
            EXPECT_LE(teile.size(), 15u) << zeigen(e);
            for (std::size_t i = 0; i < teile.size(); ++i) {
                EXPECT_FALSE(ohneRaender(teile[i]).empty()) << zeigen(e) << " has an empty part";
                // After the first part exactly one blank follows each comma.
                const std::string_view kern =
                    i == 0 || teile[i].empty() ? teile[i] : teile[i].substr(1);
                EXPECT_TRUE((i == 0 || teile[i].starts_with(' ')) && ohneRaender(kern) == kern)
                    << zeigen(e) << ": part \"" << teile[i] << "\" is not set off by \", \"";
            }
        }
    }
}

TEST_P(KursTest, NotesComeFromTheCheckersTableOnceAtTheEndOfALatinAlternative) {
    for (const Eintrag& e : eintraege_) {
        int noten = 0;
        for (const std::string_view teil : alternativen(e.lateinisch)) {
            const std::string_view ende = notenEnde(teil);
            const std::string_view vorne = teil.substr(0, teil.size() - ende.size());
            noten += ende.empty() ? 0 : 1;
            EXPECT_TRUE(notenEnde(vorne).empty()) << zeigen(e) << " carries two notes";
            EXPECT_EQ(notenartigerText(vorne), std::string_view::npos)
                << zeigen(e) << ": note-like text outside the table or not at the end";
            EXPECT_FALSE(art() == Kursart::Stammformen && !ende.empty())
                << zeigen(e) << ": principal parts carry no notes";
        }
        EXPECT_LE(noten, 1) << zeigen(e) << " has more than one note";
        for (const std::string_view teil : alternativen(e.deutsch)) {
            EXPECT_TRUE(notenEnde(teil).empty() && notenartigerText(teil) == std::string_view::npos)
                << zeigen(e) << ": German line with a note";
        }
    }
}

TEST_P(KursTest, AtMostOneGermanMeaningCarriesAPrefix) {
    for (const Eintrag& e : eintraege_) {
        int praefixe = 0;
        for (const std::string_view teil : alternativen(e.deutsch)) {
            const std::string_view t = ohneRaender(teil);
            praefixe += t.starts_with(praefixErSieEs) || t.starts_with(praefixDerDieDas) ? 1 : 0;
        }
        EXPECT_LE(praefixe, art() == Kursart::Woerter ? 1 : 0) << zeigen(e);
    }
}

// Each line is the only prompt of a query (the German of German-to-Latin and of the
// principal parts, the Latin of Latin-to-German), and the strict checker takes its
// alternatives in any order.
TEST_P(KursTest, NoTwoItemsShareAPrompt) {
    for (const auto zeile : {&Eintrag::deutsch, &Eintrag::lateinisch}) {
        std::map<std::set<std::string>, int> prompts;
        for (const Eintrag& e : eintraege_) {
            const auto [it, neu] = prompts.emplace(alternativenMenge(e.*zeile), e.nummer);
            EXPECT_TRUE(neu) << zeigen(e) << " asks for the same as item " << it->second;
        }
    }
}

TEST_P(KursTest, EveryStoredLineTypedBackIsRightInBothModes) {
    for (const Eintrag& e : eintraege_) {
        for (const bool streng : {true, false}) {
            if (art() == Kursart::Woerter) {
                EXPECT_TRUE(DeutschLateinPruefung::pruefen(e.lateinisch, e.lateinisch, streng))
                    << zeigen(e) << (streng ? " strict" : " lenient");
                EXPECT_TRUE(LateinDeutschPruefung::pruefen(e.deutsch, e.deutsch, streng))
                    << zeigen(e) << (streng ? " strict" : " lenient");
            } else {
                EXPECT_TRUE(StammformenPruefung::pruefen(e.lateinisch, e.lateinisch, streng))
                    << zeigen(e) << (streng ? " strict" : " lenient");
            }
        }
    }
}

// Principal parts stand in the course's one order: first person present, infinitive,
// perfect (a deponent's "-us sum"), supine; forms that do not exist are left out.
// The checks that concern the principal-parts course alone.
class StammformenTest : public KursTest {};

// The query shows only the meaning, so no two verbs may share it.
TEST_P(StammformenTest, NoTwoVerbsShareAMeaning) {
    std::map<std::string, int> bedeutungen;
    for (const Eintrag& e : eintraege_) {
        const auto [it, neu] = bedeutungen.emplace(e.deutsch, e.nummer);
        EXPECT_TRUE(neu) << zeigen(e) << " means the same as item " << it->second;
    }
}

TEST_P(StammformenTest, PrincipalPartsStandInTheCoursesOrder) {
    const auto kleinbuchstaben = [](std::string_view t) {
        return !t.empty() &&
               t.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string_view::npos;
    };
    for (const Eintrag& e : eintraege_) {
        std::vector<std::string_view> formen;
        for (const std::string_view teil : alternativen(e.lateinisch)) {
            formen.push_back(ohneRaender(teil));
        }
        ASSERT_GE(formen.size(), 2u) << zeigen(e);
        ASSERT_LE(formen.size(), 4u) << zeigen(e);
        const std::string_view praesens = formen[0];
        const std::string_view infinitiv = formen[1];
        const bool deponens = praesens.ends_with("or");
        EXPECT_TRUE(kleinbuchstaben(praesens) && kleinbuchstaben(infinitiv)) << zeigen(e);
        EXPECT_TRUE(praesens.ends_with('o') || deponens || praesens.ends_with("um") ||
                    praesens.ends_with('i'))
            << zeigen(e) << ": first person singular first";
        EXPECT_TRUE(infinitiv.ends_with("re") || infinitiv.ends_with('i') ||
                    infinitiv.ends_with("sse") || infinitiv.ends_with("lle"))
            << zeigen(e) << ": infinitive second";
        // Verbs with perfect forms only ("memini, meminisse", "coepi, coepisse, coeptum")
        // keep the same slots: the perfect stands first, a supine last.
        const bool nurPerfekt = praesens.ends_with('i');
        if (formen.size() >= 3 && nurPerfekt) {
            EXPECT_TRUE(formen.size() == 3 && kleinbuchstaben(formen[2]) &&
                        formen[2].ends_with("um"))
                << zeigen(e) << ": supine last";
        } else if (formen.size() >= 3) {
            const std::string_view perfekt = formen[2];
            const bool mitSum = perfekt.ends_with("us sum") &&
                                kleinbuchstaben(perfekt.substr(0, perfekt.size() - 4));
            EXPECT_TRUE(mitSum || (kleinbuchstaben(perfekt) && perfekt.ends_with('i') && !deponens))
                << zeigen(e) << ": perfect third";
            EXPECT_TRUE(formen.size() == 3 ||
                        (!mitSum && kleinbuchstaben(formen[3]) && formen[3].ends_with("um")))
                << zeigen(e) << ": supine last";
        }
    }
}

// Both compiled courses, and the word items of every verb by "laudo,laudare".
class KursAbgleich : public ::testing::Test {
protected:
    struct Wort {
        int lektion;
        std::string deutsch;
    };

    void SetUp() override {
        for (const Kursdatei& k : kursdateien) {
            if (!fs::exists(k.dat)) {
                if (!fs::exists(k.quelle)) {
                    GTEST_SKIP() << k.quelle << " is not in the source tree yet";
                }
                FAIL() << k.quelle << " exists but the build did not compile it into " << k.dat;
            }
        }
        const Eintragsliste woerter(
            DatenDatei::lesen(kursdateien[0].dat, kursdateien[0].wennNichtLadbar));
        stammformen_ =
            Eintragsliste(DatenDatei::lesen(kursdateien[1].dat, kursdateien[1].wennNichtLadbar));
        for (int n = 1; n <= woerter.anzahl(); ++n) {
            const Eintrag wort = woerter.eintrag(n);
            const std::string schluessel = verbschluessel(wort.lateinisch);
            if (!schluessel.empty()) {
                verben_[schluessel].push_back({lektion(Kursart::Woerter, n), wort.deutsch});
            }
        }
    }

    static int lektion(Kursart art, int nummer) {
        return std::stoi(*Lektionstabelle::lektionVon(art, nummer));
    }

    Eintragsliste stammformen_;
    std::map<std::string, std::vector<Wort>> verben_; // in item order, first lesson first
};

// The principal-parts lessons follow the word course: most verbs are words of the course
// too, and most of those come in the same or a nearby word lesson.
TEST_F(KursAbgleich, PrincipalPartsVerbsAreWordsOfANearbyLesson) {
    int gefunden = 0;
    int nahe = 0;
    const int anzahl = stammformen_.anzahl();
    for (int n = 1; n <= anzahl; ++n) {
        const Eintrag verb = stammformen_.eintrag(n);
        ASSERT_GE(alternativen(verb.lateinisch).size(), 2u);
        const auto it = verben_.find(verbschluessel(verb.lateinisch));
        if (it != verben_.end()) {
            ++gefunden;
            const int abstand = lektion(Kursart::Stammformen, n) - it->second.front().lektion;
            nahe += std::abs(abstand) <= 3 ? 1 : 0;
        }
    }
    EXPECT_GE(gefunden * 10, anzahl * 8)
        << gefunden << " of " << anzahl << " verbs in the word course";
    EXPECT_GE(nahe * 10, gefunden * 7) << nahe << " of " << gefunden << " within three lessons";
}

TEST_F(KursAbgleich, EveryPrincipalPartsVerbIsTaughtNoLaterThanItsLesson) {
    for (int n = 1; n <= stammformen_.anzahl(); ++n) {
        const Eintrag verb = stammformen_.eintrag(n);
        const auto it = verben_.find(verbschluessel(verb.lateinisch));
        if (it == verben_.end()) {
            ADD_FAILURE() << zeigen(verb) << " is no word of the course";
            continue;
        }
        EXPECT_LE(it->second.front().lektion, lektion(Kursart::Stammformen, n))
            << zeigen(verb) << " comes before the word lesson that teaches it";
    }
}

// Verbs the word course teaches as two items, one per construction; their principal
// parts join both items' meanings.
const std::map<std::string, std::string_view> getrennteVerben = {
    {"consulo,consulere", "\"um Rat fragen\" with the accusative, \"sorgen für\" with the dative"},
    {"dubito,dubitare", "\"zögern\" with the infinitive, \"zweifeln\" beside quin"},
};

TEST_F(KursAbgleich, PrincipalPartsUseTheWordCoursesGerman) {
    for (int n = 1; n <= stammformen_.anzahl(); ++n) {
        const Eintrag verb = stammformen_.eintrag(n);
        const auto it = verben_.find(verbschluessel(verb.lateinisch));
        if (it == verben_.end()) {
            continue; // reported by the check above
        }
        const auto getrennt = getrennteVerben.find(it->first);
        if (getrennt != getrennteVerben.end()) {
            std::set<std::string> alle;
            for (const Wort& wort : it->second) {
                alle.merge(alternativenMenge(wort.deutsch));
            }
            EXPECT_EQ(alternativenMenge(verb.deutsch), alle)
                << zeigen(verb) << ": " << getrennt->second;
            continue;
        }
        const bool gleich = std::any_of(it->second.begin(), it->second.end(),
                                        [&](const Wort& w) { return w.deutsch == verb.deutsch; });
        EXPECT_TRUE(gleich) << zeigen(verb) << " differs from the word course's \""
                            << it->second.front().deutsch << "\"";
    }
}

const auto dateiname = [](const auto& info) {
    return std::string(info.param.name);
};
INSTANTIATE_TEST_SUITE_P(Kurs, KursTest, ::testing::ValuesIn(kursdateien), dateiname);
INSTANTIATE_TEST_SUITE_P(Kurs, StammformenTest, ::testing::Values(kursdateien[1]), dateiname);

} // namespace
} // namespace quorvia
