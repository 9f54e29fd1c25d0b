#include "query/pruefung.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quorvia {
namespace {

struct Kurszeile {
    int zeile;
    std::string latein;
    std::string deutsch;
};

// The course sources: a header line, then lesson, Latin, German separated by tabs.
std::vector<Kurszeile> kursLesen(const std::filesystem::path& pfad) {
    std::vector<Kurszeile> zeilen;
    std::ifstream ein(pfad, std::ios::binary);
    std::string z;
    int nr = 0;
    while (std::getline(ein, z)) {
        ++nr;
        if (!z.empty() && z.back() == '\r') {
            z.pop_back();
        }
        if (nr == 1 || z.empty()) {
            continue;
        }
        const auto t1 = z.find('\t');
        const auto t2 = t1 == std::string::npos ? t1 : z.find('\t', t1 + 1);
        if (t2 == std::string::npos) {
            ADD_FAILURE() << pfad << ":" << nr << " has not three columns";
            continue;
        }
        zeilen.push_back({nr, z.substr(t1 + 1, t2 - t1 - 1), z.substr(t2 + 1)});
    }
    return zeilen;
}

// Every stored line typed back as the answer must be right with its query's checker, in
// both modes; a line failing this could never be answered right as shown under "Lösung:".
// The sources are UTF-8; the checkers only look at ASCII blanks, commas and the note and
// prefix texts, so the verdicts are those of the Windows-1252 lines.
void kursPruefen(const std::filesystem::path& pfad, std::size_t anzahl,
                 std::vector<std::pair<Pruefung, bool>> pruefungen) {
    if (!std::filesystem::exists(pfad)) {
        GTEST_SKIP() << pfad << " is not in the tree yet";
    }
    const auto zeilen = kursLesen(pfad);
    EXPECT_EQ(zeilen.size(), anzahl);
    for (const auto& z : zeilen) {
        for (const auto& [pruefen, latein] : pruefungen) {
            const std::string& s = latein ? z.latein : z.deutsch;
            for (const bool streng : {true, false}) {
                EXPECT_TRUE(pruefen(s, s, streng))
                    << pfad.filename() << ":" << z.zeile << (streng ? " strict " : " lenient ")
                    << "<" << s << ">";
            }
        }
    }
}

const std::filesystem::path kurs = QUORVIA_KURS_ORDNER;

TEST(Kurs, WoerterInBeidenRichtungen) {
    kursPruefen(kurs / "woerter.tsv", 1583,
                {{DeutschLateinPruefung::pruefen, true}, {LateinDeutschPruefung::pruefen, false}});
}

TEST(Kurs, Stammformen) {
    kursPruefen(kurs / "stammformen.tsv", 498, {{StammformenPruefung::pruefen, true}});
}

} // namespace
} // namespace quorvia
