#include "settings/schrift.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace quorvia {
namespace {

TEST(Schrift, MulDivRundetHalbeVonNullWeg) {
    struct Fall {
        int a, b, c, erwartet;
    };
    const std::vector<Fall> faelle = {
        {8, 96, 72, 11},
        {-11, 72, 96, -8},
        {3, 1, 2, 2},
        {-3, 1, 2, -2},
        {3, -1, 2, -2},
        {3, 1, -2, -2},
        {-3, -1, -2, -2},
        {5, 1, 4, 1},
        {7, 1, 4, 2},
        {-7, 1, 4, -2},
        {1, 1, 3, 0},
        {2, 1, 3, 1},
        {0, 5, 7, 0},
        {1, 1, 0, -1},
        {INT_MAX, 2, 2, INT_MAX},
        {INT_MAX, 2, 1, -1},
        {INT_MIN, 1, 1, INT_MIN},
        {INT_MIN, -1, 1, -1},
        {INT_MIN, 1, -1, -1},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(mulDiv(f.a, f.b, f.c), f.erwartet) << f.a << '*' << f.b << '/' << f.c;
    }
}

TEST(Schrift, PunkteUndPixelhoehe) {
    struct Fall {
        int punkte, ppi, hoehe;
    };
    // 8 points at 96 pixels per inch: 10.67 pixels, stored as the character height -11.
    const std::vector<Fall> zuHoehe = {
        {8, 96, -11},   {9, 96, -12},  {10, 96, -13}, {11, 96, -15}, {12, 96, -16}, {8, 120, -13},
        {12, 120, -20}, {8, 144, -16}, {6, 96, -8},   {8, 0, -11},   {8, -5, -11},
    };
    for (const auto& f : zuHoehe) {
        EXPECT_EQ(punkteZuHoehe(f.punkte, f.ppi), f.hoehe) << f.punkte << " pt @" << f.ppi;
    }
    const std::vector<Fall> zuPunkten = {
        {8, 96, -11},  {12, 96, -16}, {11, 96, -15}, {11, 96, -14}, // 10.5 rounds up
        {8, 120, -13}, {6, 96, -8},   {-8, 96, 11},  {8, 0, -11},
    };
    for (const auto& f : zuPunkten) {
        EXPECT_EQ(hoeheZuPunkte(f.hoehe, f.ppi), f.punkte) << f.hoehe << " px @" << f.ppi;
    }
}

} // namespace
} // namespace quorvia
