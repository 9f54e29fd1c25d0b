#include "lernstand_testhilfe.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

namespace {

using namespace quorvia;
using namespace quorvia::test;
using testing::ElementsAre;

constexpr auto DL = Richtung::DeutschLatein;
constexpr auto LD = Richtung::LateinDeutsch;
constexpr auto SF = Richtung::Stammformen;

Schluessel schluessel(Richtung r, std::string lateinisch) {
    return antwort(r, std::move(lateinisch), 0, true).schluessel;
}

// A record of ours with answers in it, to be damaged.
void eigenerLernstand(const std::filesystem::path& d) {
    Lernstand l(d);
    for (int i = 0; i < 50; ++i) {
        l.antwortEintragen(antwort(DL, std::to_string(i), 0, true));
    }
}

TEST(Lernstand, UnlesbareDateiWirdBeiseitegelegt) {
    using P = const std::filesystem::path&;
    const struct {
        const char* name;
        void (*machen)(P);
        bool defektBelegt; // "Lernstand.sqlite.defekt" taken already
    } faelle[] = {
        {"Zufallsbytes", [](P d) { dateiSchreiben(d, std::string(5000, '\x5a')); }, false},
        {"Kopf allein",
         [](P d) {
             dateiSchreiben(d, {"SQLite format 3\0\x10\x00", 18});
         },
         true},
        {"fremdes Schema", [](P d) { sqlAusfuehren(d, "CREATE TABLE woerter(x)"); }, false},
        {"neuere Version",
         [](P d) {
             eigenerLernstand(d);
             sqlAusfuehren(d, "PRAGMA user_version = 2");
         },
         true},
        {"fremde Tabelle",
         [](P d) {
             eigenerLernstand(d);
             sqlAusfuehren(d, "CREATE TABLE x(y)");
         },
         false},
        {"Spalte fehlt",
         [](P d) {
             eigenerLernstand(d);
             sqlAusfuehren(d, "DROP TABLE testplan; CREATE TABLE testplan(nr)");
         },
         false},
        {"abgeschnitten",
         [](P d) {
             eigenerLernstand(d);
             std::filesystem::resize_file(d, 3 * 4096);
         },
         false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Lernordner o;
        f.machen(o.datei);
        if (f.defektBelegt) {
            dateiSchreiben(o.ordner / "Lernstand.sqlite.defekt", "alt");
        }
        const std::string vorher = dateiLesen(o.datei);
        Lernstand l(o.datei);
        EXPECT_EQ(l.oeffnung(), Lernstand::Oeffnung::Erneuert);
        EXPECT_EQ(l.beiseitegelegt().filename(),
                  f.defektBelegt ? "Lernstand.sqlite.defekt.1" : "Lernstand.sqlite.defekt");
        EXPECT_TRUE(dateiLesen(l.beiseitegelegt()) == vorher) << "file changed";
        EXPECT_TRUE(l.zustaende().value().empty());
        EXPECT_TRUE(l.antwortEintragen(antwort(SF, "amo", 3, false)));
    }
}

// A journal that cannot follow its file leaves both where they were: the fresh record
// would replay it, and the put-aside one would lose it.
TEST(Lernstand, UnlesbareDateiBleibtMitIhremJournalOderGehtGanz) {
    Lernordner o;
    const auto shm = o.ordner / "Lernstand.sqlite-shm";
    dateiSchreiben(o.datei, std::string(5000, '\x5a'));
    dateiSchreiben(shm, "journal");
    // The journal's place beside the put-aside name is taken by a folder that is not empty.
    std::filesystem::create_directories(o.ordner / "Lernstand.sqlite.defekt-shm" / "belegt");
    {
        Lernstand l(o.datei);
        EXPECT_EQ(l.oeffnung(), Lernstand::Oeffnung::NichtVerfuegbar);
    }
    EXPECT_EQ(dateiLesen(o.datei), std::string(5000, '\x5a'));
    EXPECT_EQ(dateiLesen(shm), "journal");
    EXPECT_FALSE(std::filesystem::exists(o.ordner / "Lernstand.sqlite.defekt"));
}

TEST(Lernstand, ZustandGleichNachgespieltemProtokoll) {
    Lernordner o;
    Lernstand l(o.datei);
    // Sequence A with a second, wrong answer on day 2 that must not move the memory, the
    // same item in another direction, and answers out of day order.
    const Antwort folge[] = {
        antwort(DL, "via", 0, true),  antwort(DL, "via", 2, true),  antwort(DL, "via", 2, false),
        antwort(LD, "via", 2, false), antwort(DL, "via", 13, true), antwort(SF, "amo", 5, true),
        antwort(SF, "amo", 4, false), antwort(SF, "amo", 9, true),
    };
    for (const auto& a : folge) {
        ASSERT_TRUE(l.antwortEintragen(a));
    }
    const auto gespeichert = l.zustaende();
    const auto nachgespielt = l.nachspielen();
    ASSERT_TRUE(gespeichert && nachgespielt);
    EXPECT_EQ(*gespeichert, *nachgespielt);
    ASSERT_EQ(gespeichert->size(), 3u);

    const auto& via = gespeichert->at(schluessel(DL, "via"));
    EXPECT_NEAR(via.gedaechtnis.stabilitaet, 46.2802, 1e-4);
    EXPECT_NEAR(via.gedaechtnis.schwierigkeit, 2.1043, 1e-4);
    EXPECT_EQ(via.ersterTag, 0);
    EXPECT_EQ(via.richtigeTage, 3);
    const auto& amo = gespeichert->at(schluessel(SF, "amo"));
    EXPECT_EQ(amo.gedaechtnis.letzterTag, 9);
    EXPECT_EQ(amo.richtigeTage, 2);
    EXPECT_EQ(gespeichert->at(schluessel(LD, "via")).richtigeTage, 0);
}

// Random answers over few items, days going on, repeating and now and then back: one row
// per answer, and the stored states always those of a replay.
TEST(Lernstand, ZufallsfolgenGleichNachgespielt) {
    Lernordner o;
    Lernstand l(o.datei);
    std::mt19937 zufall(17);
    int tag = 0;
    for (int i = 1; i <= 300; ++i) {
        tag += static_cast<int>(zufall() % 5) - 1;
        const auto r = static_cast<Richtung>(1 + zufall() % 3);
        ASSERT_TRUE(l.antwortEintragen(
            antwort(r, std::to_string(zufall() % 6), tag, zufall() % 3 != 0, "e")));
        if (i % 50 == 0) {
            EXPECT_EQ(sqlZahl(o.datei, "SELECT count(*) FROM antwort"), i);
            EXPECT_EQ(l.zustaende(), l.nachspielen());
        }
    }
}

TEST(Lernstand, FaelligeNachAbrufwahrscheinlichkeit) {
    Lernordner o;
    Lernstand l(o.datei);
    // First answers on day 0: right gives interval 2, wrong interval 1.
    for (const auto& [wort, richtig] : {std::pair{"a", true}, {"b", false}, {"c", true}}) {
        ASSERT_TRUE(l.antwortEintragen(antwort(DL, wort, 0, richtig)));
    }
    ASSERT_TRUE(l.antwortEintragen(antwort(DL, "c", 1, true))); // later again
    ASSERT_TRUE(l.antwortEintragen(antwort(LD, "x", 0, false)));

    const std::vector<Schluessel> nichtGewusst{schluessel(DL, "neu"), schluessel(LD, "y"),
                                               schluessel(DL, "c")};
    const struct {
        int heute;
        std::vector<Schluessel> ng;
        std::size_t hoechstens;
        std::vector<std::string> erwartet;
    } faelle[] = {
        {0, {}, 50, {}},
        {1, {}, 50, {"b"}},
        {2, {}, 50, {"b", "a"}},
        {2, nichtGewusst, 50, {"neu", "b", "a", "c"}},
        {2, nichtGewusst, 2, {"neu", "b"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.heute);
        const auto due = l.faellige(DL, f.heute, f.ng, f.hoechstens);
        ASSERT_TRUE(due);
        std::vector<std::string> woerter;
        for (const auto& s : *due) {
            woerter.push_back(s.lateinisch);
        }
        EXPECT_EQ(woerter, f.erwartet);
    }
}

TEST(Lernstand, Statistik) {
    Lernordner o;
    Lernstand l(o.datei);
    const Antwort folge[] = {
        antwort(DL, "a", 0, false, "ab"), antwort(DL, "a", 0, false, "ac"),
        antwort(DL, "a", 1, false, "ac"), antwort(DL, "a", 1, true, "a"),
        antwort(DL, "b", 1, false, "bx"), antwort(DL, "c", 1, true, "c"),
        antwort(LD, "a", 1, false, "z"),
    };
    for (const auto& a : folge) {
        ASSERT_TRUE(l.antwortEintragen(a));
    }

    // Two days on, the right answer holds (S 2.3), the wrong one (S 0.2) does not.
    using enum Lernzustand;
    EXPECT_EQ(l.lernzustaende(DL, 1),
              (std::map<Schluessel, Lernzustand>{{schluessel(DL, "a"), Sicher},
                                                 {schluessel(DL, "b"), Sicher},
                                                 {schluessel(DL, "c"), Sicher}}));
    EXPECT_EQ(l.lernzustaende(DL, 3),
              (std::map<Schluessel, Lernzustand>{{schluessel(DL, "a"), Lernend},
                                                 {schluessel(DL, "b"), Lernend},
                                                 {schluessel(DL, "c"), Sicher}}));

    // Due: "a" (its counted answers wrong on days 0 and 1) and "b" on day 2, "c" on day 3.
    EXPECT_THAT(*l.faelligkeiten(DL, 1), ElementsAre(0, 2, 1, 0, 0, 0, 0, 0));
    EXPECT_THAT(*l.faelligkeiten(DL, 5), ElementsAre(3, 0, 0, 0, 0, 0, 0, 0));

    EXPECT_EQ(l.tagesverlauf(DL), (std::vector<Tageswert>{{0, 2, 0}, {1, 4, 2}}));
    EXPECT_EQ(l.haeufigFalsch(DL, 20), (std::vector<Fehlerposten>{{schluessel(DL, "a"), 3, "ac"},
                                                                  {schluessel(DL, "b"), 1, "bx"}}));
    EXPECT_EQ(l.haeufigFalsch(DL, 1)->size(), 1u);
}

TEST(Lernstand, NeuAngelegtUndWiederGeoeffnet) {
    Lernordner o;
    {
        Lernstand l(o.datei);
        ASSERT_EQ(l.oeffnung(), Lernstand::Oeffnung::Bereit);
        EXPECT_TRUE(l.antwortEintragen(antwort(DL, "via", 0, true, "via")));
        EXPECT_TRUE(l.abfrageEintragen({100, 160, SF, Quelle::Faellig, "", "", 3, 2, 1}));
        EXPECT_FALSE(l.plan().value().has_value());
        EXPECT_TRUE(l.planSetzen({20, DL, "03", "05", 20}));
        EXPECT_TRUE(l.planSetzen({30, LD, "12", "14", 15}));
        EXPECT_FALSE(l.planSetzen({30, LD, "12", "14", -1}));
        EXPECT_FALSE(l.planSetzen({fsrs::tagGrenze, LD, "12", "14", 15}));
    }
    EXPECT_EQ(sqlZahl(o.datei, "PRAGMA user_version"), 1);
    EXPECT_EQ(sqlZahl(o.datei, "SELECT falsch + 10 * art FROM abfrage WHERE ende = 160"), 21);
    Lernstand l(o.datei);
    EXPECT_EQ(l.oeffnung(), Lernstand::Oeffnung::Bereit);
    const auto p = l.lernposten(std::vector{schluessel(DL, "via"), schluessel(LD, "via")});
    ASSERT_TRUE(p && (*p)[0] && !(*p)[1]);
    EXPECT_NEAR((*p)[0]->gedaechtnis.stabilitaet, 2.3065, 1e-4);
    EXPECT_EQ(l.plan(), std::optional(std::optional(Testplan{30, LD, "12", "14", 15})));
    EXPECT_TRUE(l.planLoeschen());
    EXPECT_FALSE(l.plan()->has_value());
}

// A negative count in the file is damage: the call that reads it fails, the others work.
TEST(Lernstand, NegativeZahlenSindSchaden) {
    const struct {
        const char* sql;
        bool planKaputt;
    } faelle[] = {
        {"UPDATE posten SET richtige_tage = -1", false},
        {"UPDATE testplan SET neu_pro_tag = -1", true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.sql);
        Lernordner o;
        {
            Lernstand l(o.datei);
            ASSERT_TRUE(l.antwortEintragen(antwort(DL, "via", 0, true)));
            ASSERT_TRUE(l.planSetzen({20, DL, "03", "05", 20}));
        }
        sqlAusfuehren(o.datei, f.sql);
        Lernstand l(o.datei);
        ASSERT_EQ(l.oeffnung(), Lernstand::Oeffnung::Bereit);
        EXPECT_EQ(l.plan().has_value(), !f.planKaputt);
        EXPECT_EQ(l.zustaende().has_value(), f.planKaputt);
    }
}

} // namespace

// Days turn at the pupil's local midnight, summer time included.
TEST(Lernstand, TagnummerNachOrtszeit) {
    const char* alt = std::getenv("TZ");
    const std::string altTz = alt ? alt : "";
    // Central European time as a POSIX rule: no time zone database needed.
    ::setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    ::tzset();
    const struct {
        std::int64_t zeit;
        int tag;
    } faelle[] = {
        {0, 0},                  // 1970-01-01 01:00
        {1'700'002'799, 19'675}, // 2023-11-14 22:59:59 UTC, 23:59:59 in winter
        {1'700'002'800, 19'676}, // local midnight
        {1'719'784'799, 19'904}, // 2024-06-30 21:59:59 UTC, 23:59:59 in summer
        {1'719'784'800, 19'905},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(tagnummer(f.zeit), f.tag) << f.zeit;
    }
    alt ? ::setenv("TZ", altTz.c_str(), 1) : ::unsetenv("TZ");
    ::tzset();
}
