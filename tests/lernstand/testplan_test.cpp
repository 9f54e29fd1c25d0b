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

} // namespace
