#include "lernstand/fsrs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using namespace quorvia::fsrs;

struct Schritt {
    int tag;
    bool richtig;
    double abruf; // before the answer; 0 for the first
    double stabilitaet;
    double schwierigkeit;
    int intervall;
};

struct Folge {
    const char* name;
    std::vector<Schritt> schritte;
};

// Computed independently from the published formulas and default parameters.
const std::vector<Folge> folgen{
    {"A",
     {{0, true, 0, 2.3065, 2.1181, 2},
      {2, true, 0.9095, 10.9643, 2.1112, 11},
      {13, true, 0.8998, 46.2802, 2.1043, 46}}},
    {"B",
     {{0, false, 0, 0.2120, 6.4133, 1},
      {1, true, 0.7662, 1.8868, 6.4021, 2},
      {3, true, 0.8959, 6.2692, 6.3909, 6}}},
    {"C",
     {{0, true, 0, 2.3065, 2.1181, 2},
      {2, true, 0.9095, 10.9643, 2.1112, 11},
      {32, false, 0.8179, 1.7606, 7.3922, 2},
      {33, true, 0.9340, 3.7875, 7.3801, 4}}},
    {"D",
     {{0, true, 0, 2.3065, 2.1181, 2},
      {1, false, 0.9468, 0.5713, 7.3945, 1},
      {2, true, 0.8572, 2.3412, 7.3823, 2}}},
};

TEST(Fsrs, BekannteFolgen) {
    constexpr double vierStellen = 0.00005;
    for (const auto& f : folgen) {
        std::optional<Gedaechtnis> g;
        for (const auto& s : f.schritte) {
            SCOPED_TRACE(testing::Message() << "Folge " << f.name << ", Tag " << s.tag);
            ASSERT_TRUE(zaehlt(g, s.tag));
            if (g) {
                EXPECT_NEAR(abrufwahrscheinlichkeit(*g, s.tag), s.abruf, vierStellen);
            }
            g = bewerten(g, s.tag, s.richtig);
            EXPECT_NEAR(g->stabilitaet, s.stabilitaet, vierStellen);
            EXPECT_NEAR(g->schwierigkeit, s.schwierigkeit, vierStellen);
            EXPECT_EQ(intervall(g->stabilitaet), s.intervall);
            EXPECT_EQ(g->faelligAm(), s.tag + s.intervall);
            EXPECT_TRUE(plausibel(*g));
        }
    }
}

TEST(Fsrs, IntervallGrenzen) {
    const struct {
        double stabilitaet;
        int tage;
    } faelle[] = {{0.001, 1}, {1.49, 1}, {1.51, 2}, {36499.6, 36500}, {1e9, 36500}};
    for (const auto& f : faelle) {
        EXPECT_EQ(intervall(f.stabilitaet), f.tage) << f.stabilitaet;
    }
}

TEST(Fsrs, UnplausibleZustaendeErkannt) {
    const Gedaechtnis faelle[] = {{0, 5, 0},         {0.0005, 5, 0}, {2, 0.5, 0},     {2, 10.5, 0},
                                  {2, 5, tagGrenze}, {NAN, 5, 0},    {INFINITY, 5, 0}};
    for (const auto& g : faelle) {
        EXPECT_FALSE(plausibel(g)) << g.stabilitaet << " " << g.schwierigkeit;
    }
}

} // namespace
