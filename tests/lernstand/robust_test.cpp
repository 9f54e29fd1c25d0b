#include "lernstand_testhilfe.h"
#include "robust/stoerung.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace quorvia;
using namespace quorvia::test;

// Every call of a record that cannot write reports failure; none throws or crashes.
void allesScheitert(Lernstand& l) {
    EXPECT_FALSE(l.antwortEintragen(antwort(Richtung::DeutschLatein, "via", 1, true)));
    EXPECT_FALSE(l.abfrageEintragen({}));
    EXPECT_FALSE(l.planSetzen({}));
}

TEST(LernstandRobust, OrdnerFehltOderIstSchreibgeschuetzt) {
    Lernordner o;
    {
        Lernstand l(o.ordner / "fehlt" / lernstandDatei);
        EXPECT_EQ(l.oeffnung(), Lernstand::Oeffnung::NichtVerfuegbar);
        allesScheitert(l);
        EXPECT_FALSE(l.zustaende());
        EXPECT_FALSE(l.faellige(Richtung::Stammformen, 0, {}));
    }
    { Lernstand l(o.datei); }
    const std::string vorher = dateiLesen(o.datei);
    std::filesystem::permissions(o.ordner.pfad(), std::filesystem::perms::owner_read |
                                                      std::filesystem::perms::owner_exec);
    if (!rechteHaltenNichtAuf(o.ordner.pfad())) {
        Lernstand l(o.datei);
        EXPECT_NE(l.oeffnung(), Lernstand::Oeffnung::Erneuert);
        allesScheitert(l);
    }
    std::filesystem::permissions(o.ordner.pfad(), std::filesystem::perms::owner_all);
    EXPECT_TRUE(dateiLesen(o.datei) == vorher) << "file changed";
}

TEST(LernstandRobust, VollePlatteVerliertNichts) {
    Lernordner o;
    {
        Dateigroessengrenze voll(0);
        Lernstand l(o.datei);
        EXPECT_EQ(l.oeffnung(), Lernstand::Oeffnung::NichtVerfuegbar);
    }
    {
        Lernstand l(o.datei);
        ASSERT_EQ(l.oeffnung(), Lernstand::Oeffnung::Bereit);
        ASSERT_TRUE(l.antwortEintragen(antwort(Richtung::LateinDeutsch, "via", 0, true)));
        Dateigroessengrenze voll(0);
        allesScheitert(l);
    }
    Lernstand l(o.datei);
    EXPECT_EQ(l.oeffnung(), Lernstand::Oeffnung::Bereit);
    EXPECT_EQ(l.zustaende()->size(), 1u);
    EXPECT_EQ(l.zustaende(), l.nachspielen());
}

// A commit itself does not sync; the answer must reach the disk right after all the same.
TEST(LernstandRobust, AntwortWirdNachgesichert) {
    Lernordner o;
    Lernstand l(o.datei);
    const SystemaufrufScheitert zaehlen(SystemaufrufScheitert::Aufruf::Synchronisieren);
    const int vorher = SystemaufrufScheitert::fehlschlaege();
    ASSERT_TRUE(l.antwortEintragen(antwort(Richtung::Stammformen, "amo", 0, true)));
    for (int i = 0; i < 500 && SystemaufrufScheitert::fehlschlaege() == vorher; ++i) {
        ::usleep(2000);
    }
    EXPECT_GT(SystemaufrufScheitert::fehlschlaege(), vorher);
}

// A child logs answers, reporting each committed one through a pipe, and is killed at a
// random moment; the record must open and hold at least every answer reported.
TEST(LernstandRobust, AbbruchMitKill9VerliertNichtsFestgeschriebenes) {
    Lernordner o;
    std::mt19937 zufall(std::random_device{}());
    int gemeldet = 0;
    for (int runde = 0; runde < 5; ++runde) {
        int rohr[2];
        ASSERT_EQ(::pipe(rohr), 0);
        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            ::close(rohr[0]);
            Lernstand l(o.datei);
            for (int i = gemeldet;; ++i) {
                if (!l.antwortEintragen(antwort(Richtung::DeutschLatein,
                                                "w" + std::to_string(i % 40), i / 40, i % 3 != 0,
                                                std::to_string(i))) ||
                    ::write(rohr[1], &i, sizeof i) != sizeof i) {
                    ::_exit(1);
                }
            }
        }
        ::close(rohr[1]);
        ::usleep(std::uniform_int_distribution<useconds_t>(20'000, 200'000)(zufall));
        ::kill(kind, SIGKILL);
        int status = 0;
        ::waitpid(kind, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself";
        int i = 0;
        while (::read(rohr[0], &i, sizeof i) == sizeof i) {
            gemeldet = i + 1;
        }
        ::close(rohr[0]);

        Lernstand l(o.datei);
        ASSERT_EQ(l.oeffnung(), Lernstand::Oeffnung::Bereit);
        const auto zeilen = sqlZahl(o.datei, "SELECT count(*) FROM antwort");
        // At most the answer in flight is there beyond what was reported.
        EXPECT_GE(zeilen, gemeldet);
        EXPECT_LE(zeilen, gemeldet + 1);
        gemeldet = static_cast<int>(zeilen);
        EXPECT_EQ(l.zustaende(), l.nachspielen());
    }
    EXPECT_GT(gemeldet, 0);
}

} // namespace
