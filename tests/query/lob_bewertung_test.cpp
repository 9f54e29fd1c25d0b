#include "query/bewertung.h"
#include "query/lobtabelle.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvia {
namespace {

// The praise for every run length from 1 to 150, built from the rule as the pupil meets it:
// below 50 a new word every five with its count, from 50 to 100 only the fives counted,
// beyond 100 every answer counted.
TEST(Lobtabelle, GanzeFolgeBis150) {
    const char* woerter[] = {"Ita est!",   "Recte!",     "Scilicet!", "Bene!",     "Optime!",
                             "Ita perge!", "Magnifice!", "Perfecte!", "Cum laude!"};
    for (int serie = 1; serie < 50; ++serie) {
        const int block = serie < 10 ? 0 : serie / 5 - 1;
        std::string erwartet = woerter[block];
        if (serie % 5 == 0) {
            erwartet += " (" + std::to_string(serie) + "x)";
        }
        EXPECT_EQ(Lobtabelle::lob(serie), erwartet) << serie;
    }
    for (int serie = 51; serie < 100; ++serie) {
        const std::string erwartet = serie % 5 == 0
                                         ? "Summa cum laude!!! (" + std::to_string(serie) + "x)"
                                         : "Summa cum laude!";
        EXPECT_EQ(Lobtabelle::lob(serie), erwartet) << serie;
    }
    for (int serie = 100; serie <= 150; ++serie) {
        EXPECT_EQ(Lobtabelle::lob(serie), "Summa cum laude!!! (" + std::to_string(serie) + "x)")
            << serie;
    }
}

// The values named for the pupil, written out rather than derived.
TEST(Lobtabelle, Stichproben) {
    const struct {
        int serie;
        const char* lob;
    } faelle[] = {
        {5, "Ita est! (5x)"},
        {10, "Recte! (10x)"},
        {49, "Cum laude!"},
        {50, "Summa cum laude! (50x)"},
        {51, "Summa cum laude!"},
        {55, "Summa cum laude!!! (55x)"},
        {56, "Summa cum laude!"},
        {100, "Summa cum laude!!! (100x)"},
        {101, "Summa cum laude!!! (101x)"},
        {150, "Summa cum laude!!! (150x)"},
        {1583, "Summa cum laude!!! (1583x)"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Lobtabelle::lob(f.serie), f.lob) << f.serie;
    }
    EXPECT_STREQ(Lobtabelle::falsch, "Non ita est!");
}

TEST(Bewertung, ProzentUndBeurteilung) {
    const struct {
        int gesamt;
        int richtig;
        int prozent;
        const char* beurteilung;
    } faelle[] = {
        {3, 2, 67, "Rite!"},
        {8, 1, 13, "Pauperrime!"},
        {4, 1, 25, "Male!"},
        {200, 48, 24, "Pauperrime!"},
        {200, 119, 60, "Rite!"},
        {200, 118, 59, "Male!"},
        {200, 179, 90, "Perfecte!"},
        {200, 178, 89, "Rite!"},
        {10, 0, 0, "Pauperrime!"},
        {1, 0, 0, "Pauperrime!"},
        {1, 1, 100, "Perfecte!"},
        {1583, 1583, 100, "Perfecte!"},
        {1583, 1582, 100, "Perfecte!"},
        // nothing asked: no division, the lowest rating
        {0, 0, 0, "Pauperrime!"},
    };
    for (const auto& f : faelle) {
        const auto b = bewerten(f.gesamt, f.richtig);
        EXPECT_EQ(b.prozent, f.prozent) << f.richtig << "/" << f.gesamt;
        EXPECT_EQ(b.beurteilung, f.beurteilung) << f.richtig << "/" << f.gesamt;
    }
}

} // namespace
} // namespace quorvia
