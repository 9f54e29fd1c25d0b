#include "lernstand/lernstand.h"

#include <gtest/gtest.h>

namespace {

using namespace quorvia;

std::optional<Lernposten> posten(double s, int letzter, int erster, int richtigeTage) {
    return Lernposten{{s, 5.0, letzter}, erster, richtigeTage, letzter};
}

// Test on day 10. Retrievability on the test day: item 3 0.84, 4 and 5 0.99, 6 0.63 and
// 7 0.86 (as seen after day 6).
const std::vector<std::optional<Lernposten>> bereich{
    std::nullopt,         std::nullopt,         std::nullopt,           posten(2.3065, 5, 5, 1),
    posten(100, 3, 1, 3), posten(100, 3, 3, 1), posten(0.212, 6, 4, 0), posten(2.3065, 6, 6, 1),
};

TEST(Testplan, AuswahlDesTages) {
    const struct {
        const char* was;
        int heute;
        int neuProTag;
        std::vector<std::size_t> erwartet;
    } faelle[] = {
        // Item 7 entered today: one new place left; 6 and 7 were answered today; 5 lacks a
        // second right day.
        {"Obergrenze neuer", 6, 2, {0, 3, 5}},   {"keine neuen", 6, 0, {3, 5}},
        {"neuer Tag", 7, 2, {0, 1, 6, 3, 7, 5}}, {"Generalprobe", 9, 1, {0, 1, 2, 6, 3, 7}},
        {"Testtag", 10, 1, {0, 1, 2, 6, 3, 7}},  {"vorbei", 11, 20, {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        EXPECT_EQ(
            planAuswahl(bereich, f.heute, {10, Richtung::DeutschLatein, "01", "02", f.neuProTag}),
            f.erwartet);
    }
}

TEST(Testplan, StandUndVorhersage) {
    const std::optional<Lernposten> nie;
    const struct {
        const char* was;
        std::vector<std::optional<Lernposten>> bereich;
        int heute;
        int neuProTag;
        Planstand erwartet;
    } faelle[] = {
        // A weak item (S 0.2, D 10) answered right on the eve still falls below 0.9 (0.86).
        {"Generalprobe heute",
         {Lernposten{{0.212, 10, 9}, 9, 0, 0}, posten(100, 9, 1, 3)},
         10,
         20,
         {1, 2, 1, 1, 1}},
        // One new item a day, on days 8, 9 and the eve; each holds to the test.
        {"neue nach und nach", {nie, nie, nie}, 8, 1, {3, 3, 0, 3, 1}},
        {"vorbei", {posten(100, 3, 1, 3)}, 12, 20, {-1, 1, 1, 1, 0}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        const auto stand =
            planstand(f.bereich, f.heute, {11, Richtung::Stammformen, "01", "03", f.neuProTag});
        EXPECT_EQ(stand.tageBisTest, f.erwartet.tageBisTest);
        EXPECT_EQ(stand.imBereich, f.erwartet.imBereich);
        EXPECT_EQ(stand.sicherHeute, f.erwartet.sicherHeute);
        EXPECT_EQ(stand.sicherAmTest, f.erwartet.sicherAmTest);
        EXPECT_EQ(stand.heuteZuUeben, f.erwartet.heuteZuUeben);
    }
}

} // namespace
