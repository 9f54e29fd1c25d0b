#include "data/lektionstabelle.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace quorvia {
namespace {

using namespace Lektionstabelle;

// The item counts per lesson as the course plan gives them, an independent check of the
// tables of last items.
constexpr std::array<int, 50> woerterJeLektion = {
    30, 34, 32, 31, 32, 33, 32, 34, 30, 34, 32, 35, 33, 32, 34, 33, 31,
    43, 36, 31, 32, 34, 33, 33, 32, 34, 33, 31, 31, 32, 32, 29, 35, 30,
    30, 35, 32, 34, 30, 35, 33, 42, 31, 33, 26, 28, 19, 23, 15, 24,
};
constexpr std::array<int, 50> stammformenJeLektion = {
    11, 8,  8, 10, 8,  10, 14, 6,  10, 15, 8,  9,  11, 6, 18, 6,  16, 4,  6,  8,  11, 5, 11, 9, 10,
    12, 10, 7, 6,  17, 8,  10, 11, 11, 12, 12, 12, 17, 9, 7,  15, 17, 13, 10, 12, 10, 3, 9,  1, 9,
};

TEST(Lektionstabelle, CountsAndRangesAgreeWithTheCoursePlan) {
    for (const auto& [art, anzahlen, gesamt] :
         {std::tuple{Kursart::Woerter, woerterJeLektion, 1583},
          std::tuple{Kursart::Stammformen, stammformenJeLektion, 498}}) {
        int erwarteterErster = 1;
        for (int lektion = 1; lektion <= 50; ++lektion) {
            const std::string text = lektionstext(lektion);
            const int anzahl = anzahlen[static_cast<std::size_t>(lektion - 1)];
            EXPECT_EQ(ersterEintrag(art, text), erwarteterErster) << text;
            EXPECT_EQ(letzterEintrag(art, text), erwarteterErster + anzahl - 1) << text;
            EXPECT_EQ(anzahlEintraege(art, lektion), anzahl) << text;
            erwarteterErster += anzahl;
        }
        EXPECT_EQ(erwarteterErster - 1, gesamt);
        EXPECT_EQ(anzahlGesamt(art), gesamt);
    }
}

TEST(Lektionstabelle, SelectedRanges) {
    struct Fall {
        Kursart art;
        std::string_view von, bis;
        int erster, letzter;
    };
    const std::vector<Fall> faelle = {
        {Kursart::Woerter, "01", "01", 1, 30},        {Kursart::Woerter, "50", "50", 1560, 1583},
        {Kursart::Woerter, "03", "05", 65, 159},      {Kursart::Stammformen, "49", "49", 489, 489},
        {Kursart::Stammformen, "50", "50", 490, 498}, {Kursart::Stammformen, "01", "50", 1, 498},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(ersterEintrag(f.art, f.von), f.erster) << f.von;
        EXPECT_EQ(letzterEintrag(f.art, f.bis), f.letzter) << f.bis;
    }
}

TEST(Lektionstabelle, OtherTextsGiveZero) {
    for (const std::string_view text :
         {"", "0", "1", "00", "51", "99", "001", "1 ", " 1", "a1", "-1", "+1", "5\x00", "010"}) {
        EXPECT_EQ(ersterEintrag(Kursart::Woerter, text), 0) << '"' << text << '"';
        EXPECT_EQ(letzterEintrag(Kursart::Stammformen, text), 0) << '"' << text << '"';
    }
}

TEST(Lektionstabelle, LessonOfAnItem) {
    struct Fall {
        Kursart art;
        int n;
        std::optional<std::string> lektion;
    };
    const std::vector<Fall> faelle = {
        {Kursart::Woerter, 1, "01"},
        {Kursart::Woerter, 30, "01"},
        {Kursart::Woerter, 31, "02"},
        {Kursart::Woerter, 1583, "50"},
        {Kursart::Woerter, 1584, std::nullopt},
        {Kursart::Woerter, 0, std::nullopt},
        {Kursart::Woerter, -5, std::nullopt},
        {Kursart::Stammformen, 488, "48"},
        {Kursart::Stammformen, 489, "49"},
        {Kursart::Stammformen, 490, "50"},
        {Kursart::Stammformen, 498, "50"},
        {Kursart::Stammformen, 499, std::nullopt},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(lektionVon(f.art, f.n), f.lektion) << f.n;
    }
}

TEST(Lektionstabelle, LessonTexts) {
    EXPECT_EQ(lektionstext(1), "01");
    EXPECT_EQ(lektionstext(10), "10");
    EXPECT_EQ(lektionstext(50), "50");
    EXPECT_EQ(lektionstext(0), "");
    EXPECT_EQ(lektionstext(51), "");
}

} // namespace
} // namespace quorvia
