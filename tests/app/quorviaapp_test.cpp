// SPDX-License-Identifier: GPL-3.0-or-later
// The end of the program: every way of closing the main menu ends it, and on a fatal
// data failure, whichever window meets it, the stop message is shown and the process
// ends at once with status 1.

#include "app/hauptmenue.h"
#include "app/quorviaapp.h"
#include "data/pfade.h"
#include "data/startsperre.h"

#include "app_testhilfe.h"
#include "gemeinsam/fenster.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

namespace quorvia {
namespace {

using namespace hauptmenueIds;
namespace t = quorvia::test;

// Each way of closing the menu ends its modal run, and with it the program.
struct Schliessweg {
    const char* name;
    std::function<void(Hauptmenue&)> schliessen;
};

class MenueSchliessen : public ::testing::TestWithParam<Schliessweg> {};

TEST_P(MenueSchliessen, EndsTheProgram) {
    apptest::Programmordner ordner;
    t::DiensteEingesetzt dienste;
    t::Notaus notaus;
    t::beimNaechstenDialog([](Dialog* d) {
        auto* m = qobject_cast<Hauptmenue*>(d);
        ASSERT_NE(m, nullptr);
        GetParam().schliessen(*m);
    });
    EXPECT_EQ(QuorviaApp::instanz()->starten(), 0);
    EXPECT_FALSE(notaus.ausgeloest);
    EXPECT_EQ(apptest::sichtbareFenster(), 0);
    EXPECT_TRUE(dienste->meldungen.empty());
}

INSTANTIATE_TEST_SUITE_P(QuorviaApp, MenueSchliessen,
                         ::testing::Values(Schliessweg{"Knopf",
                                                       [](Hauptmenue& m) {
                                                           t::klicken(m, hauptmenueIds::beenden);
                                                       }},
                                           Schliessweg{"Menue",
                                                       [](Hauptmenue& m) {
                                                           t::menue(m, hauptmenueBefehle.beenden);
                                                       }},
                                           Schliessweg{"Escape",
                                                       [](Hauptmenue& m) {
                                                           t::taste(m, Qt::Key_Escape);
                                                       }},
                                           Schliessweg{"Schliessfeld",
                                                       [](Hauptmenue& m) {
                                                           m.close();
                                                       }}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Datenfehler {
    const char* name;
    const char* datei; // the file made unreadable
    bool entfernen;    // removed, else overwritten with bytes that do not decrypt
    int radio;
    bool nichtGewusst;
    Fehlerart erwartet;
};

class FatalerDatenfehler : public ::testing::TestWithParam<Datenfehler> {};

// Runs the program to the failure; the seam says on stderr whether the message was the
// expected stop message, since the process ends before the test could look.
void bisZumFehler(const Datenfehler& p) {
    t::DiensteEingesetzt dienste;
    dienste->beiMeldung = [&p, &dienste](const QString& text) {
        const bool richtig = alsKerntext(text) == meldung(p.erwartet) &&
                             dienste->meldungen.back().symbol == Meldungssymbol::Stop;
        std::fputs(richtig ? "Stoppmeldung wie erwartet\n" : "andere Meldung\n", stderr);
    };
    t::beimNaechstenDialog([&p](Dialog* d) {
        auto* m = qobject_cast<Hauptmenue*>(d);
        if (m == nullptr) {
            return;
        }
        t::klicken(*m, p.radio);
        if (p.nichtGewusst) {
            t::klicken(*m, nichtGewusst);
        }
        t::klicken(*m, hauptmenueIds::ok);
    });
    QuorviaApp::instanz()->starten();
    std::fputs("das Programm lief weiter\n", stderr);
    std::_Exit(0);
}

TEST_P(FatalerDatenfehler, ShowsTheStopMessageAndEndsWithStatusOne) {
    const Datenfehler& p = GetParam();
    apptest::Programmordner ordner;
    ordner.nichtGewusst(Kursart::Woerter, {3, 9});
    if (p.entfernen) {
        std::filesystem::remove(p.datei);
    } else {
        std::ofstream(p.datei, std::ios::binary | std::ios::trunc) << "kein Kurs, nur Bytes";
    }
    EXPECT_EXIT(bisZumFehler(p), ::testing::ExitedWithCode(1), "Stoppmeldung wie erwartet");
}

INSTANTIATE_TEST_SUITE_P(
    QuorviaApp, FatalerDatenfehler,
    ::testing::Values(Datenfehler{"WoerterFehlen", "Woerter/Woerter.dat", true, woerterAbfragen,
                                  false, Fehlerart::WoerterNichtLadbar},
                      Datenfehler{"WoerterBeschaedigt", "Woerter/Woerter.dat", false,
                                  woerterAnsehen, false, Fehlerart::Unerwartet},
                      Datenfehler{"StammformenFehlen", "Stammformen/Stammformen.dat", true,
                                  stammformenAbfragen, false, Fehlerart::StammformenNichtLadbar},
                      Datenfehler{"NichtGewussteWoerterBeschaedigt", "Woerter/ngwoerter.dat", false,
                                  woerterAbfragen, true, Fehlerart::Unerwartet}),
    [](const auto& info) { return std::string(info.param.name); });

// A second start where the program already runs says so and ends before any window.
TEST(QuorviaApp, ASecondStartInTheSameFolderSaysSoAndEnds) {
    apptest::Arbeitsordner ordner;
    t::DiensteEingesetzt dienste;
    const Startsperre ersteKopie{std::filesystem::path(pfade::startsperre)};
    ASSERT_EQ(ersteKopie.stand(), Startsperre::Stand::Gehalten);
    t::beimNaechstenDialog([](Dialog* d) {
        if (d != nullptr) {
            ADD_FAILURE() << "a window opened";
            d->close();
        }
    });
    EXPECT_EQ(QuorviaApp::instanz()->starten(), 0);
    t::nachrichtenVerarbeiten();
    ASSERT_EQ(dienste->meldungen.size(), 1u);
    EXPECT_EQ(alsKerntext(dienste->meldungen[0].text), "Quorvia 2003 l\xE4uft bereits.");
    EXPECT_EQ(dienste->meldungen[0].symbol, Meldungssymbol::Information);
}

} // namespace
} // namespace quorvia
