// SPDX-License-Identifier: GPL-3.0-or-later
// Whole runs of the program, in-process: the application object starts the main menu on
// real files in a temporary working directory, the pupil's steps are made inside the
// nested modal runs, and the end of the program is the return of QuorviaApp::starten.

#include "app/hauptmenue.h"
#include "app/quorviaapp.h"

#include "app_testhilfe.h"
#include "data/nichtgewusstliste.h"
#include "gemeinsam/fenster.h"
#include "lernstand/lernstand_testhilfe.h"
#include "robust/stoerung.h"
#include "settings/fenster/einstellungen.h"
#include "ui/abfragefenster.h"
#include "ui/listenansicht.h"
#include "ui/optionstabelle.h"
#include "ui/statistikfenster.h"
#include "ui/testplanfenster.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <optional>
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

// The learning record in whole runs: what a query writes, what the next day asks, and a
// record that cannot be used.
class Lernstandlauf : public Programm {
protected:
    static constexpr std::int64_t tag0 = 1'800'000'000; // a Friday morning

    void TearDown() override { QuorviaApp::instanz()->uhrSetzen({}); }

    void amTag(int tag) {
        QuorviaApp::instanz()->uhrSetzen([tag] { return tag0 + tag * 86'400LL; });
    }

    // Answers the word shown, rightly or not; the item's number is the one in its text.
    static int beantworten(Dialog& d, bool richtig) {
        const int n = t::nummerAus(d.text(abfrageIds::ausdruck));
        const std::string eingabe = richtig ? lateinVon(Kursart::Woerter, n) : "nescio";
        t::tippen(d, abfrageIds::eingabe, QString::fromStdString(eingabe));
        t::klicken(d, abfrageIds::ok);
        t::klicken(d, abfrageIds::ok);
        return n;
    }

    std::int64_t sql(const std::string& abfrage) const {
        return test::sqlZahl(ordner_.pfad() / lernstandDatei, abfrage);
    }
};

TEST_F(Lernstandlauf, AQueryLeftEarlyLogsEachVerdictAndWhatWasAnswered) {
    const int status = starten([&](Hauptmenue& m) {
        oeffnen(m, [&](Dialog& d) {
            beantworten(d, true);
            beantworten(d, false);
            beantworten(d, false);
            t::klicken(d, abfrageIds::hauptmenue);
        });
        t::klicken(m, hauptmenueIds::beenden);
    });
    erwarteEnde(status);
    EXPECT_EQ(sql("SELECT count(*) FROM antwort WHERE richtung = 1 AND quelle = 1"), 3);
    EXPECT_EQ(sql("SELECT count(*) FROM antwort WHERE richtig = 1 AND eingabe = "
                  "CAST(lateinisch AS BLOB)"),
              1);
    EXPECT_EQ(sql("SELECT count(*) FROM abfrage WHERE gesamt = 3 AND richtig = 1 AND falsch = 2 "
                  "AND von = CAST('01' AS BLOB) AND bis = CAST('01' AS BLOB)"),
              1);
    EXPECT_EQ(sql("SELECT count(*) FROM abfrage"), 1);
}

TEST_F(Lernstandlauf, TheNextDayAsksWhatTheScheduleMakesDue) {
    t::Zusammenfassungen zusammenfassungen;
    amTag(0);
    std::set<int> falsch;
    erwarteEnde(starten([&](Hauptmenue& m) {
        oeffnen(m, [&](Dialog& d) {
            // Wrong answers come back the next day; right ones two days on.
            for (int i = 0; i < 30; ++i) {
                const bool richtig = i % 3 != 0;
                const int n = beantworten(d, richtig);
                if (!richtig) {
                    falsch.insert(n);
                }
            }
        });
        t::klicken(m, hauptmenueIds::beenden);
    }));
    amTag(1);
    std::set<int> gefragt;
    std::string titel;
    erwarteEnde(starten([&](Hauptmenue& m) {
        t::beimNaechstenDialog([&](Dialog* d) {
            ASSERT_NE(d, nullptr);
            titel = d->titel();
            while (!d->text(abfrageIds::ausdruck).empty()) {
                gefragt.insert(beantworten(*d, true));
            }
        });
        t::menue(m, befehlFaelligeWoerter);
        t::klicken(m, hauptmenueIds::beenden);
    }));
    EXPECT_EQ(falsch.size(), 10u);
    EXPECT_EQ(gefragt, falsch);
    EXPECT_EQ(titel, "Quorvia 2003 - W\xF6rter abfragen - f\xE4llige W\xF6rter");
    ASSERT_EQ(zusammenfassungen.liste.size(), 2u);
    EXPECT_EQ(zusammenfassungen.liste[1], (t::Zusammenfassungen::Werte{"W\xF6rter", 10, 10, 0}));
    EXPECT_EQ(sql("SELECT count(*) FROM antwort WHERE quelle = 3"), 10);
}

// Count axes tick on whole numbers from 0, the two axes of the daily chart on the same
// lines, and the days show at least a week.
void achsenPruefen(const Statistikfenster& fenster) {
    const QList<QChartView*> ansichten = fenster.findChildren<QChartView*>();
    ASSERT_EQ(ansichten.size(), 2);
    for (const QChartView* ansicht : ansichten) {
        std::set<int> tickzahlen;
        for (const QAbstractAxis* achse : ansicht->chart()->axes(Qt::Vertical)) {
            const auto* werte = qobject_cast<const QValueAxis*>(achse);
            ASSERT_NE(werte, nullptr);
            const double schritt = (werte->max() - werte->min()) / (werte->tickCount() - 1);
            EXPECT_EQ(werte->min(), 0);
            EXPECT_GE(schritt, 1);
            EXPECT_EQ(schritt, std::floor(schritt))
                << "ticks " << werte->tickCount() << " to " << werte->max();
            tickzahlen.insert(werte->tickCount());
        }
        EXPECT_EQ(tickzahlen.size(), 1u);
    }
    const auto* tage = qobject_cast<const QCategoryAxis*>(
        ansichten.back()->chart()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(tage, nullptr);
    EXPECT_GE(tage->max() - tage->min(), 7);
}

TEST_F(Lernstandlauf, TheStatisticsShowWhatTheLogHolds) {
    amTag(0);
    Statistik woerter;
    Lektionsbalken stammformen;
    int fehlerzeilen = 0;
    erwarteEnde(starten([&](Hauptmenue& m) {
        oeffnen(m, [&](Dialog& d) {
            beantworten(d, true);
            beantworten(d, false);
            beantworten(d, false);
            t::klicken(d, abfrageIds::hauptmenue);
        });
        t::beimNaechstenDialog([&](Dialog* d) {
            auto* s = qobject_cast<Statistikfenster*>(d);
            ASSERT_NE(s, nullptr);
            EXPECT_EQ(s->titel(), "Quorvia 2003 - Statistik");
            woerter = s->statistik();
            fehlerzeilen = s->zeilenAnzahl(statistikIds::fehlerliste);
            achsenPruefen(*s);
            t::klicken(*s, statistikIds::stammformen);
            stammformen = s->statistik().lektionen[0];
            t::taste(*s, Qt::Key_Escape);
        });
        t::menue(m, befehlStatistik);
        t::klicken(m, hauptmenueIds::beenden);
    }));
    const auto anzahl = [](Kursart k, int lektion) {
        return Lektionstabelle::anzahlEintraege(k, lektion);
    };
    // Right today is secure today; the wrong ones are on the not-known list.
    EXPECT_EQ(woerter.lektionen[0], (Lektionsbalken{anzahl(Kursart::Woerter, 1) - 3, 0, 1, 2}));
    EXPECT_EQ(woerter.lektionen[1], (Lektionsbalken{anzahl(Kursart::Woerter, 2), 0, 0, 0}));
    EXPECT_EQ(woerter.faellig, (std::array<int, 8>{0, 2, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(woerter.verlauf, (std::vector<Tageswert>{{tagnummer(tag0), 3, 1}}));
    ASSERT_EQ(woerter.fehler.size(), 2u);
    EXPECT_EQ(woerter.fehler[0].haeufigsteEingabe, "nescio");
    EXPECT_EQ(fehlerzeilen, 2);
    EXPECT_EQ(stammformen, (Lektionsbalken{anzahl(Kursart::Stammformen, 1), 0, 0, 0}));
}

struct NichtsFaellig {
    const char* name;
    int befehl;
    const char* meldung;
};

class NichtsFaelligLauf : public Lernstandlauf,
                          public ::testing::WithParamInterface<NichtsFaellig> {};

TEST_P(NichtsFaelligLauf, SaysSoAndTheMenuStays) {
    bool geoeffnet = false;
    bool menueDa = false;
    erwarteEnde(starten([&](Hauptmenue& m) {
        t::beimNaechstenDialog([&](Dialog* d) { geoeffnet = d != nullptr && d != &m; });
        t::menue(m, GetParam().befehl);
        t::nachrichtenVerarbeiten();
        menueDa = m.laeuft() && m.isVisible();
        t::klicken(m, hauptmenueIds::beenden);
    }));
    EXPECT_FALSE(geoeffnet);
    EXPECT_TRUE(menueDa);
    ASSERT_EQ(dienste_->meldungen.size(), 1u);
    EXPECT_EQ(alsKerntext(dienste_->meldungen[0].text), GetParam().meldung);
    EXPECT_EQ(dienste_->meldungen[0].symbol, Meldungssymbol::Information);
}

INSTANTIATE_TEST_SUITE_P(Programm, NichtsFaelligLauf,
                         ::testing::Values(NichtsFaellig{"Woerter", befehlFaelligeWoerter,
                                                         keineFaelligenWoerterMeldung.data()},
                                           NichtsFaellig{"Stammformen", befehlFaelligeStammformen,
                                                         keineFaelligenStammformenMeldung.data()}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Lernstandlauf, AnUnreadableRecordIsPutAsideWithOneMessage) {
    std::ofstream(std::string(lernstandDatei), std::ios::binary) << "kein Lernstand";
    erwarteEnde(starten([&](Hauptmenue& m) { t::klicken(m, hauptmenueIds::beenden); }));
    ASSERT_EQ(dienste_->meldungen.size(), 1u);
    EXPECT_EQ(alsKerntext(dienste_->meldungen[0].text), lernstandErneuertMeldung);
    EXPECT_EQ(t::dateiLesen(std::string(lernstandDatei) + ".defekt"), "kein Lernstand");
    EXPECT_EQ(sql("SELECT count(*) FROM antwort"), 0);
}

TEST_F(Lernstandlauf, WithoutARecordTheQueryGoesOnAfterOneMessage) {
    std::optional<test::Dateigroessengrenze> vollePlatte(std::in_place, 0);
    int falsch = 0;
    erwarteEnde(starten([&](Hauptmenue& m) {
        vollePlatte.reset(); // the record could not be made; the lists can be written
        oeffnen(m, [&](Dialog& d) {
            falsch = beantworten(d, false);
            beantworten(d, true);
            t::klicken(d, abfrageIds::hauptmenue);
        });
        t::menue(m, befehlFaelligeWoerter);
        t::klicken(m, hauptmenueIds::beenden);
    }));
    std::vector<std::string> meldungen;
    for (const auto& meldung : dienste_->meldungen) {
        meldungen.push_back(alsKerntext(meldung.text));
    }
    EXPECT_EQ(meldungen, (std::vector<std::string>{std::string(lernstandNichtGespeichertMeldung),
                                                   std::string(lernstandNichtLesbarMeldung)}));
    NichtGewusstListe liste(Kursart::Woerter);
    ASSERT_TRUE(liste.ladenUndPruefen());
    EXPECT_EQ(liste.liste().nummerVon(lateinVon(Kursart::Woerter, falsch),
                                      t::deutschVon(Kursart::Woerter, falsch)),
              1);
}

// The test plan in whole runs: the dialog stores it, the menu's line tells the days and
// today's count, and the practice window asks today's items of the plan.
class Planlauf : public Lernstandlauf {
protected:
    int heute(int tag) const { return tagnummer(tag0 + tag * 86'400LL); }

    // Plans a test `tage` days after day `tag` over lesson 01 (art: radio index of the kind
    // and direction); returns today's count the dialog shows.
    int planen(Hauptmenue& m, int tag, int tage, int art, QString neu = "20") {
        int heuteZuUeben = -1;
        t::beimNaechstenDialog([&](Dialog* d) {
            ASSERT_NE(d, nullptr);
            const auto baum = t::zugangsbaum(d);
            for (const char* label : {"Datum des Tests:", "Neue Eintr\u00e4ge pro Tag:"}) {
                EXPECT_TRUE(std::any_of(
                    baum.begin(), baum.end(),
                    [&](const t::Zugang& z) { return z.beschriftung == QString::fromUtf8(label); }))
                    << "a field labelled " << label;
            }
            d->setzeDatum(testplanIds::datum, heute(tag) + tage);
            t::klicken(*d, testplanIds::deutschLatein + art);
            t::tippen(*d, testplanIds::neuProTag, neu);
            const std::string zahl = d->text(testplanIds::tageBisTest + 4);
            heuteZuUeben = std::stoi(zahl.substr(zahl.rfind(' ') + 1));
            EXPECT_EQ(d->text(testplanIds::tageBisTest),
                      "Tage bis zum Test: " + std::to_string(tage));
            t::klicken(*d, testplanIds::speichern);
        });
        t::menue(m, befehlTestplan);
        return heuteZuUeben;
    }
};

struct Planzeilenfall {
    int tage;
    int art;
    std::string wann;
    std::string was;
};

class Planzeilen : public Planlauf, public ::testing::WithParamInterface<Planzeilenfall> {};

TEST_P(Planzeilen, NennenTageUndHeutigeAnzahl) {
    const Planzeilenfall& fall = GetParam();
    amTag(0);
    bool vorher = true;
    std::string zeile;
    erwarteEnde(starten([&](Hauptmenue& m) {
        vorher = m.istSichtbar(hauptmenueIds::planzeile);
        const int k = planen(m, 0, fall.tage, fall.art);
        EXPECT_GT(k, 0);
        EXPECT_TRUE(m.istSichtbar(hauptmenueIds::planzeile));
        EXPECT_EQ(m.text(hauptmenueIds::planzeile),
                  "Vokabeltest " + fall.wann + ": heute " + std::to_string(k) + fall.was);
        t::klicken(m, hauptmenueIds::beenden);
    }));
    EXPECT_FALSE(vorher) << "no line without a plan";
    EXPECT_EQ(sql("SELECT count(*) FROM testplan"), 1);
}

INSTANTIATE_TEST_SUITE_P(Programm, Planzeilen,
                         ::testing::Values(Planzeilenfall{0, 0, "heute", " W\xF6rter"},
                                           Planzeilenfall{1, 1, "morgen", " W\xF6rter"},
                                           Planzeilenfall{5, 2, "in 5 Tagen", " Stammformen"}),
                         [](const auto& info) { return "Tage" + std::to_string(info.param.tage); });

// Once the test day has passed the line goes; the plan stays until it is deleted.
TEST_F(Planlauf, NachDemTestVerschwindetDieZeileUndDerPlanBleibt) {
    amTag(0);
    erwarteEnde(starten([&](Hauptmenue& m) {
        planen(m, 0, 2, 0);
        t::klicken(m, hauptmenueIds::beenden);
    }));
    amTag(3);
    bool sichtbar = true;
    bool ueben = false;
    erwarteEnde(starten([&](Hauptmenue& m) {
        sichtbar = m.istSichtbar(hauptmenueIds::planzeile);
        ueben = m.menuepunkt(befehlTestplanUeben)->isEnabled();
        t::klicken(m, hauptmenueIds::beenden);
    }));
    EXPECT_FALSE(sichtbar);
    EXPECT_TRUE(ueben);
    EXPECT_EQ(sql("SELECT count(*) FROM testplan"), 1);
    erwarteEnde(starten([&](Hauptmenue& m) {
        t::beimNaechstenDialog([](Dialog* d) {
            ASSERT_NE(d, nullptr);
            t::klicken(*d, testplanIds::loeschen);
        });
        t::menue(m, befehlTestplan);
        ueben = m.menuepunkt(befehlTestplanUeben)->isEnabled();
        t::klicken(m, hauptmenueIds::beenden);
    }));
    EXPECT_FALSE(ueben);
    EXPECT_EQ(sql("SELECT count(*) FROM testplan"), 0);
}

// The practice window asks exactly the plan's selection of today, and its verdicts count
// for the plan.
TEST_F(Planlauf, UebenFragtGenauDieAuswahlDesPlans) {
    t::Zusammenfassungen zusammenfassungen;
    amTag(0);
    std::set<int> gefragt;
    std::string titel;
    erwarteEnde(starten([&](Hauptmenue& m) {
        planen(m, 0, 4, 0, "7");
        t::beimNaechstenDialog([&](Dialog* d) {
            ASSERT_NE(d, nullptr);
            titel = d->titel();
            while (!d->text(abfrageIds::ausdruck).empty()) {
                gefragt.insert(beantworten(*d, true));
            }
        });
        t::menue(m, befehlTestplanUeben);
        t::klicken(m, hauptmenueIds::beenden);
    }));
    const Testplan plan{heute(0) + 4, Richtung::DeutschLatein, "01", "01", 7};
    std::set<int> soll;
    for (const std::size_t i :
         planAuswahl(std::vector<std::optional<Lernposten>>(30), heute(0), plan)) {
        soll.insert(static_cast<int>(i) + 1);
    }
    EXPECT_FALSE(soll.empty());
    EXPECT_EQ(gefragt, soll);
    EXPECT_EQ(titel, "Quorvia 2003 - W\xF6rter abfragen - Vokabeltest am " + plandatum(plan));
    EXPECT_EQ(sql("SELECT count(*) FROM antwort WHERE quelle = 4"), static_cast<int>(soll.size()));
}

// A pair the course holds twice is one item: the plan may pick both records, the window
// asks the pair once and never draws a number past its list.
TEST_F(Planlauf, EinDoppeltesPaarWirdEinmalGefragt) {
    std::string kurs;
    for (int n = 1; n <= Lektionstabelle::anzahlGesamt(Kursart::Woerter); ++n) {
        const int wie = n == 2 ? 1 : n;
        kurs +=
            t::datensatz(n, lateinVon(Kursart::Woerter, wie), t::deutschVon(Kursart::Woerter, wie));
    }
    DatenDatei::schreiben(std::string(pfade::woerter), kurs);
    t::Zusammenfassungen zusammenfassungen;
    amTag(0);
    int antworten = 0;
    std::set<int> gefragt;
    erwarteEnde(starten([&](Hauptmenue& m) {
        planen(m, 0, 1, 0, "30");
        t::beimNaechstenDialog([&](Dialog* d) {
            ASSERT_NE(d, nullptr);
            while (!d->text(abfrageIds::ausdruck).empty()) {
                gefragt.insert(beantworten(*d, true));
                ++antworten;
            }
        });
        t::menue(m, befehlTestplanUeben);
        t::klicken(m, hauptmenueIds::beenden);
    }));
    EXPECT_TRUE(gefragt.contains(1));
    EXPECT_FALSE(gefragt.contains(2));
    EXPECT_EQ(antworten, static_cast<int>(gefragt.size()));
    ASSERT_EQ(zusammenfassungen.liste.size(), 1u);
    EXPECT_EQ(zusammenfassungen.liste[0],
              (t::Zusammenfassungen::Werte{"W\xF6rter", antworten, antworten, 0}));
}

} // namespace
} // namespace quorvia
