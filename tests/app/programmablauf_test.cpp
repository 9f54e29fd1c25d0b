// Whole runs of the program, in-process: the application object starts the main menu on
// real files in a temporary working directory, the pupil's steps are made inside the
// nested modal runs, and the end of the program is the return of QuorviaApp::starten.

#include "app/hauptmenue.h"
#include "app/quorviaapp.h"

#include "app_testhilfe.h"
#include "data/nichtgewusstliste.h"
#include "gemeinsam/fenster.h"
#include "settings/fenster/einstellungen.h"
#include "ui/abfragefenster.h"
#include "ui/listenansicht.h"
#include "ui/optionstabelle.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace quorvia {
namespace {

using namespace hauptmenueIds;
namespace t = quorvia::test;
using Arbeitsordner = apptest::Programmordner;
using test::lateinVon;

class Programm : public ::testing::Test {
protected:
    // Starts the program; schritt runs inside the main menu's modal run.
    int starten(std::function<void(Hauptmenue&)> schritt) {
        t::beimNaechstenDialog([schritt = std::move(schritt)](Dialog* d) {
            auto* menue = qobject_cast<Hauptmenue*>(d);
            ASSERT_NE(menue, nullptr) << "the main menu is the first window";
            schritt(*menue);
        });
        return QuorviaApp::instanz()->starten();
    }

    // Presses OK in the menu; imFenster runs inside the option window's run.
    static void oeffnen(Hauptmenue& m, std::function<void(Dialog&)> imFenster) {
        t::beimNaechstenDialog([imFenster = std::move(imFenster)](Dialog* d) {
            ASSERT_NE(d, nullptr) << "no option window opened";
            imFenster(*d);
        });
        t::klicken(m, hauptmenueIds::ok);
    }

    static int hauptmenueKnopf(const Dialog& d) {
        return qobject_cast<const Listenansicht*>(&d) != nullptr ? ansichtIds::hauptmenue
                                                                 : abfrageIds::hauptmenue;
    }

    // The program has ended: starten returned, and no window of it is left.
    void erwarteEnde(int status) const {
        EXPECT_EQ(status, 0);
        EXPECT_EQ(QuorviaApp::instanz()->hauptmenue(), nullptr);
        EXPECT_EQ(apptest::sichtbareFenster(), 0);
        EXPECT_FALSE(notaus_.ausgeloest) << "a modal run had to be ended by force";
    }

    Arbeitsordner ordner_;
    t::DiensteEingesetzt dienste_;
    t::Notaus notaus_;
};

TEST_F(Programm, OkAtOnceAsksTheWordsOneToThirtyGermanToLatin) {
    t::Zusammenfassungen zusammenfassungen;
    std::set<int> gefragt;
    std::string klasse;
    const int status = starten([&](Hauptmenue& m) {
        oeffnen(m, [&](Dialog& d) {
            auto* q = qobject_cast<Abfragefenster*>(&d);
            ASSERT_NE(q, nullptr);
            klasse = q->zeile().klasse;
            EXPECT_EQ(q->ablauf()->anzeige().anzahlGesamt, 30);
            // Every item once: a wrong answer, then on to the next.
            for (int i = 0; i < 30 && !q->ablauf()->beendet(); ++i) {
                gefragt.insert(q->ablauf()->aktuelleNummer());
                EXPECT_EQ(d.text(abfrageIds::ausdruck),
                          t::deutschVon(Kursart::Woerter, q->ablauf()->aktuelleNummer()));
                t::tippen(d, abfrageIds::eingabe, QStringLiteral("nescio"));
                t::klicken(d, abfrageIds::ok);
                t::klicken(d, abfrageIds::ok);
            }
        });
        t::klicken(m, hauptmenueIds::beenden);
    });
    erwarteEnde(status);
    EXPECT_EQ(klasse, "Option211");
    std::set<int> einsBisDreissig;
    for (int n = 1; n <= 30; ++n) {
        einsBisDreissig.insert(n);
    }
    EXPECT_EQ(gefragt, einsBisDreissig);
    EXPECT_EQ(zusammenfassungen.liste,
              (std::vector<t::Zusammenfassungen::Werte>{{"W\xF6rter", 30, 0, 30}}));
}

// Lessons 03 to 05 are the same lessons in both courses, with items of their own.
struct Lektionsbereich {
    const char* name;
    int radio;
    Kursart kurs;
    int erste, letzte;
};

class Lektionen : public Programm, public ::testing::WithParamInterface<Lektionsbereich> {};

TEST_P(Lektionen, VonThreeBisFiveShowsTheItemsOfThoseLessons) {
    const Lektionsbereich& p = GetParam();
    std::vector<std::string> erste, letzte;
    int zeilen = 0;
    const int status = starten([&](Hauptmenue& m) {
        t::klicken(m, p.radio);
        t::waehlen(m, von, 2);
        t::waehlen(m, bis, 2); // "05": "bis" now starts at "03"
        ASSERT_EQ(m.auswahlText(bis), "05");
        oeffnen(m, [&](Dialog& d) {
            zeilen = d.zeilenAnzahl(ansichtIds::liste);
            for (int spalte = 0; spalte < 3; ++spalte) {
                erste.push_back(d.zelle(ansichtIds::liste, 0, spalte));
                letzte.push_back(d.zelle(ansichtIds::liste, zeilen - 1, spalte));
            }
            t::klicken(d, ansichtIds::beenden);
        });
    });
    erwarteEnde(status);
    EXPECT_EQ(zeilen, p.letzte - p.erste + 1);
    EXPECT_EQ(erste, (std::vector<std::string>{"03", lateinVon(p.kurs, p.erste),
                                               t::deutschVon(p.kurs, p.erste)}));
    EXPECT_EQ(letzte, (std::vector<std::string>{"05", lateinVon(p.kurs, p.letzte),
                                                t::deutschVon(p.kurs, p.letzte)}));
}

INSTANTIATE_TEST_SUITE_P(Programm, Lektionen,
                         ::testing::Values(Lektionsbereich{"Woerter", woerterAnsehen,
                                                           Kursart::Woerter, 65, 159},
                                           Lektionsbereich{"Stammformen", stammformenAnsehen,
                                                           Kursart::Stammformen, 20, 45}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Programm, VonTwelveAfterBisFortyResetsBisToTwelve) {
    std::string titel;
    const int status = starten([&](Hauptmenue& m) {
        t::klicken(m, woerterAnsehen);
        t::waehlen(m, bis, 39);
        ASSERT_EQ(m.auswahlText(bis), "40");
        t::waehlen(m, von, 11);
        EXPECT_EQ(m.auswahlText(bis), "12");
        EXPECT_EQ(m.auswahlAnzahl(bis), 39);
        oeffnen(m, [&](Dialog& d) {
            titel = d.titel();
            t::klicken(d, ansichtIds::beenden);
        });
    });
    erwarteEnde(status);
    EXPECT_EQ(titel, "Quorvia 2003 - W\xF6rter ansehen - Lektion 12 bis Lektion 12");
}

// The not-known box locks the lesson lists and nothing else.
struct Sperre {
    const char* name;
    int radio;
    bool richtungAktiv;
};

class NichtGewusstKreuz : public Programm, public ::testing::WithParamInterface<Sperre> {};

TEST_P(NichtGewusstKreuz, DisablesBothListsAndLeavesTheDirectionAlone) {
    const Sperre& p = GetParam();
    const int status = starten([&](Hauptmenue& m) {
        t::klicken(m, lateinDeutsch);
        t::klicken(m, p.radio);
        t::klicken(m, nichtGewusst);
        EXPECT_FALSE(m.istAktiv(von));
        EXPECT_FALSE(m.istAktiv(bis));
        for (const int id : {richtungsrahmen, deutschLatein, lateinDeutsch}) {
            EXPECT_EQ(m.istAktiv(id), p.richtungAktiv) << id;
        }
        EXPECT_TRUE(m.istAngekreuzt(lateinDeutsch));
        t::klicken(m, nichtGewusst);
        EXPECT_TRUE(m.istAktiv(von));
        EXPECT_TRUE(m.istAktiv(bis));
        for (const int id : {richtungsrahmen, deutschLatein, lateinDeutsch}) {
            EXPECT_EQ(m.istAktiv(id), p.richtungAktiv) << id;
        }
        t::klicken(m, hauptmenueIds::beenden);
    });
    erwarteEnde(status);
}

INSTANTIATE_TEST_SUITE_P(Programm, NichtGewusstKreuz,
                         ::testing::Values(Sperre{"WoerterAbfragen", woerterAbfragen, true},
                                           Sperre{"StammformenAnsehen", stammformenAnsehen, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// An empty not-known list is never opened: its message, and the menu stays usable.
struct LeereListe {
    const char* name;
    int radio;
    Kursart kurs;
    bool dateiDa; // a file holding no record, or no file at all
    const char* meldung;
};

class LeereNichtGewusst : public Programm, public ::testing::WithParamInterface<LeereListe> {};

TEST_P(LeereNichtGewusst, GiveTheirMessageAndTheMenuStays) {
    const LeereListe& p = GetParam();
    if (p.dateiDa) {
        ordner_.nichtGewusst(p.kurs, {});
    }
    bool geoeffnet = false;
    bool menueDa = false;
    bool ladenVerborgen = false;
    const int status = starten([&](Hauptmenue& m) {
        t::klicken(m, p.radio);
        t::klicken(m, nichtGewusst);
        t::beimNaechstenDialog([&](Dialog* d) { geoeffnet = d != nullptr && d != &m; });
        t::klicken(m, hauptmenueIds::ok);
        t::nachrichtenVerarbeiten();
        menueDa = m.laeuft() && m.isVisible();
        ladenVerborgen = !m.istSichtbar(laden);
        t::klicken(m, hauptmenueIds::beenden);
    });
    erwarteEnde(status);
    EXPECT_FALSE(geoeffnet);
    EXPECT_TRUE(menueDa);
    EXPECT_TRUE(ladenVerborgen);
    ASSERT_EQ(dienste_->meldungen.size(), 1u);
    EXPECT_EQ(alsKerntext(dienste_->meldungen[0].text), p.meldung);
    EXPECT_EQ(dienste_->meldungen[0].symbol, Meldungssymbol::Information);
}

INSTANTIATE_TEST_SUITE_P(
    Programm, LeereNichtGewusst,
    ::testing::Values(LeereListe{"WoerterAnsehenOhneDatei", woerterAnsehen, Kursart::Woerter, false,
                                 keineWoerterMeldung.data()},
                      LeereListe{"WoerterAbfragenLeer", woerterAbfragen, Kursart::Woerter, true,
                                 keineWoerterMeldung.data()},
                      LeereListe{"StammformenAnsehenLeer", stammformenAnsehen, Kursart::Stammformen,
                                 true, keineStammformenMeldung.data()},
                      LeereListe{"StammformenAbfragenOhneDatei", stammformenAbfragen,
                                 Kursart::Stammformen, false, keineStammformenMeldung.data()}),
    [](const auto& info) { return std::string(info.param.name); });

// "Hauptmenü" brings the same menu back as the pupil left it.
struct Rueckweg {
    const char* name;
    int radio;
    bool nichtGewusst;
};

class Hauptmenuerueckkehr : public Programm, public ::testing::WithParamInterface<Rueckweg> {};

TEST_P(Hauptmenuerueckkehr, ReturnsWithTheChoicesKept) {
    const Rueckweg& p = GetParam();
    ordner_.nichtGewusst(Kursart::Stammformen, {30, 4});
    Menuewahl vorher, nachher;
    bool waehrendVerborgen = false, ladenWaehrend = false;
    bool danachSichtbar = false, ladenDanach = true, hauptfensterDanach = false;
    const int status = starten([&](Hauptmenue& m) {
        t::klicken(m, lateinDeutsch);
        t::klicken(m, p.radio);
        t::waehlen(m, von, 6);
        t::waehlen(m, bis, 2); // "09"
        if (p.nichtGewusst) {
            t::klicken(m, nichtGewusst);
        }
        vorher = m.wahl();
        oeffnen(m, [&](Dialog& d) {
            waehrendVerborgen = !m.isVisible();
            ladenWaehrend = m.istSichtbar(laden);
            t::klicken(d, hauptmenueKnopf(d));
        });
        nachher = m.wahl();
        danachSichtbar = m.isVisible();
        ladenDanach = m.istSichtbar(laden);
        hauptfensterDanach = Anwendung::instanz()->hauptfenster() == &m;
        EXPECT_TRUE(m.istAngekreuzt(p.radio));
        EXPECT_TRUE(m.istAngekreuzt(lateinDeutsch));
        EXPECT_EQ(m.auswahlText(von), "07");
        EXPECT_EQ(m.auswahlText(bis), "09");
        EXPECT_EQ(m.istAngekreuzt(nichtGewusst), p.nichtGewusst);
        EXPECT_EQ(m.istAktiv(von), !p.nichtGewusst);
        t::klicken(m, hauptmenueIds::beenden);
    });
    erwarteEnde(status);
    EXPECT_TRUE(waehrendVerborgen);
    EXPECT_TRUE(ladenWaehrend);
    EXPECT_TRUE(danachSichtbar);
    EXPECT_FALSE(ladenDanach);
    EXPECT_TRUE(hauptfensterDanach);
    EXPECT_EQ(nachher, vorher);
}

INSTANTIATE_TEST_SUITE_P(Programm, Hauptmenuerueckkehr,
                         ::testing::Values(Rueckweg{"Ansicht", stammformenAnsehen, false},
                                           Rueckweg{"Abfrage", stammformenAbfragen, false},
                                           Rueckweg{"NichtGewusstAbfrage", stammformenAbfragen,
                                                    true}),
                         [](const auto& info) { return std::string(info.param.name); });

// "&Beenden" in an option window, by button or menu, ends the whole program.
struct Ende {
    const char* name;
    int radio;
    bool ueberMenue;
};

class BeendenImOptionsfenster : public Programm, public ::testing::WithParamInterface<Ende> {};

TEST_P(BeendenImOptionsfenster, EndsTheProgram) {
    const Ende& p = GetParam();
    bool zurueck = false;
    const int status = starten([&](Hauptmenue& m) {
        t::klicken(m, p.radio);
        oeffnen(m, [&](Dialog& d) {
            const auto* ansicht = qobject_cast<Listenansicht*>(&d);
            if (p.ueberMenue) {
                t::menue(d, qobject_cast<Optionsfenster*>(&d)->zeile().befehle().beenden);
            } else {
                t::klicken(d, ansicht != nullptr ? ansichtIds::beenden : abfrageIds::beenden);
            }
        });
        zurueck = m.isVisible(); // the menu must not come back
    });
    erwarteEnde(status);
    EXPECT_FALSE(zurueck);
    if (p.radio == woerterAbfragen) {
        EXPECT_TRUE(std::filesystem::exists(std::string(pfade::ngWoerter)))
            << "the query window wrote its list on the way out";
    }
}

INSTANTIATE_TEST_SUITE_P(Programm, BeendenImOptionsfenster,
                         ::testing::Values(Ende{"AnsichtKnopf", woerterAnsehen, false},
                                           Ende{"AnsichtMenue", stammformenAnsehen, true},
                                           Ende{"AbfrageKnopf", woerterAbfragen, false},
                                           Ende{"AbfrageMenue", stammformenAbfragen, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Programm, ASettingsChangeShowsInTheGreetingAtOnceAndInTheNextQueryWindow) {
    const Farbe gruss = rgb(150, 0, 30);
    const Farbe meldung = rgb(10, 90, 200);
    dienste_->farben = {gruss, meldung};
    QColor gezeigt;
    const int status = starten([&](Hauptmenue& m) {
        t::beimNaechstenDialog([](Dialog* d) {
            ASSERT_NE(qobject_cast<Einstellungen*>(d), nullptr);
            t::klicken(*d, einstellungsIds::begruessungFarbeKnopf);
            t::klicken(*d, einstellungsIds::meldungKnopf);
            t::klicken(*d, einstellungsIds::ok);
        });
        t::menue(m, befehlEinstellungen);
        EXPECT_EQ(m.farbenFuer(begruessung).text.value_or(QColor()), alsQColor(gruss));
        EXPECT_EQ(m.begruessungsstil().farbe, gruss);
        oeffnen(m, [&](Dialog& d) {
            ASSERT_NE(qobject_cast<Abfragefenster*>(&d), nullptr);
            gezeigt = d.farbenFuer(abfrageIds::meldungsfeld).text.value_or(QColor());
            t::klicken(d, abfrageIds::hauptmenue);
        });
        t::klicken(m, hauptmenueIds::beenden);
    });
    erwarteEnde(status);
    EXPECT_EQ(gezeigt, alsQColor(meldung));
}

TEST_F(Programm, WithoutBilderTheBigPictureIsReportedOnceAndTheProgramEnds) {
    std::filesystem::remove_all("Bilder");
    const int status = QuorviaApp::instanz()->starten();
    erwarteEnde(status);
    ASSERT_EQ(dienste_->meldungen.size(), 1u);
    EXPECT_EQ(alsKerntext(dienste_->meldungen[0].text), grossesBild.meldung);
    EXPECT_EQ(alsKerntext(dienste_->meldungen[0].text),
              "Die Datei \"\\Bilder\\Bustixgr.gif\" konnte nicht geladen werden!");
    EXPECT_EQ(dienste_->meldungen[0].symbol, Meldungssymbol::Stop);
}

} // namespace
} // namespace quorvia
