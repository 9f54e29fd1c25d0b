// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu on its own: its start state, the greeting in the stored style, the rules
// of the option, not-known and lesson controls, the dispatch to the ten option windows,
// and the greeting and choices after the settings dialog.

#include "app/hauptmenue.h"

#include "app_testhilfe.h"
#include "gemeinsam/fenster.h"
#include "query/fenster/endeabfrage.h"
#include "settings/fenster/einstellungen.h"
#include "ui/abfragefenster.h"
#include "ui/hilfe.h"
#include "ui/listenansicht.h"
#include "ui/plattform/schriften.h"
#include "ui/quorviainfo.h"

#include <QPalette>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace quorvia {
namespace {

using namespace hauptmenueIds;
namespace t = quorvia::test;
using Arbeitsordner = apptest::Programmordner;

class HauptmenueTest : public ::testing::Test {
protected:
    Arbeitsordner ordner_;
    t::DiensteEingesetzt dienste_;
    t::Notaus notaus_;
};

TEST_F(HauptmenueTest, StartsWithWordQueryGermanToLatinAndLessonOneInBothLists) {
    Hauptmenue m;
    m.vorbereiten();
    EXPECT_TRUE(m.istAngekreuzt(woerterAbfragen));
    EXPECT_TRUE(m.istAngekreuzt(deutschLatein));
    EXPECT_FALSE(m.istAngekreuzt(nichtGewusst));
    for (const int id : {richtungsrahmen, deutschLatein, lateinDeutsch, von, bis}) {
        EXPECT_TRUE(m.istAktiv(id)) << id;
    }
    for (const int liste : {von, bis}) {
        ASSERT_EQ(m.auswahlAnzahl(liste), 50);
        EXPECT_EQ(m.auswahlText(liste), "01");
        m.auswahlSetzen(liste, 49);
        EXPECT_EQ(m.auswahlText(liste), "50");
    }
    EXPECT_FALSE(m.istSichtbar(laden));
    EXPECT_EQ(m.text(begruessung), "Ave!");
    EXPECT_EQ(m.wahl(), Menuewahl{});
    EXPECT_TRUE(m.hatBild());
    EXPECT_FALSE(m.windowIcon().isNull());
}

// The greeting takes the stored style; every size outside 8 to 12 keeps the label's.
struct Gruss {
    const char* name;
    std::string ini;
    int punkte;
    int gewicht;
    bool kursiv;
    QColor farbe;
};

class Begruessung : public HauptmenueTest, public ::testing::WithParamInterface<Gruss> {};

TEST_P(Begruessung, TheGreetingShowsInTheStoredStyle) {
    if (!GetParam().ini.empty()) {
        std::ofstream("Einstellungen.ini", std::ios::binary) << GetParam().ini;
    }
    Hauptmenue m;
    m.vorbereiten();
    const Schriftbeschreibung s = m.schrift(begruessung);
    EXPECT_EQ(s.hoehe, punkteZuHoehe(GetParam().punkte, pixelProZollY()));
    EXPECT_EQ(s.gewicht, GetParam().gewicht);
    EXPECT_EQ(s.kursiv, GetParam().kursiv);
    const Beschriftungsfarben f = m.farbenFuer(begruessung);
    EXPECT_EQ(f.text.value_or(QColor()), GetParam().farbe);
    EXPECT_TRUE(f.transparent);
    EXPECT_FALSE(m.farbenFuer(laden).text.has_value()) << "other labels keep their colours";
}

INSTANTIATE_TEST_SUITE_P(
    Hauptmenue, Begruessung,
    ::testing::Values(
        Gruss{"OhneDatei", "", 8, 400, false, QColor(0, 0, 0)},
        Gruss{"FettKursiv",
              "[Begr\xFCssungstext]\r\nSchriftgr\xF6sse=12\r\nSchriftstil=Fett Kursiv\r\n"
              "SchriftfarbeRGB1=0\r\nSchriftfarbeRGB2=0\r\nSchriftfarbeRGB3=200\r\n",
              12, 700, true, QColor(0, 0, 200)},
        Gruss{"Kursiv", "[Begr\xFCssungstext]\r\nSchriftgr\xF6sse=10\r\nSchriftstil=Kursiv\r\n", 10,
              400, true, QColor(0, 0, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

// Assistive technology reads each control as what it is, by its visible text; the
// drop-downs by the label before them (their own name is the chosen lesson).
TEST_F(HauptmenueTest, AssistiveTechnologyReadsRolesNamesAndLabels) {
    Hauptmenue m;
    m.vorbereiten();
    m.show();
    const auto baum = t::zugangsbaum(&m);
    using A = QAccessible::Role;
    const t::Zugang erwartet[] = {
        {A::Dialog, "Quorvia 2003 - Hauptmen\u00fc", ""},
        {A::Button, "OK", ""},
        {A::Grouping, "Option w\u00e4hlen", ""},
        {A::RadioButton, "W\u00f6rter ansehen", ""},
        {A::RadioButton, "Stammformen abfragen", ""},
        {A::StaticText, "von", ""},
        {A::ComboBox, "01", "von"},
        {A::ComboBox, "01", "bis"},
        {A::CheckBox, "nicht gewusste W\u00f6rter/Stammformen", ""},
        {A::RadioButton, "Latein --> Deutsch", ""},
        {A::StaticText, "Ave!", ""},
    };
    for (const t::Zugang& e : erwartet) {
        EXPECT_NE(std::find(baum.begin(), baum.end(), e), baum.end())
            << e.rolle << " " << e.name.toStdString() << " / " << e.beschriftung.toStdString();
    }
}

// With no colours stored, a dark desktop gets the default colours lightened in their own
// hue until every coloured text reaches the contrast; a light desktop keeps them as they are.
class Farbkontrast : public HauptmenueTest, public ::testing::WithParamInterface<bool> {};

TEST_P(Farbkontrast, DefaultColoursAreReadableOnTheDesktopPalette) {
    const bool dunkel = GetParam();
    const QPalette vorher = QApplication::palette();
    if (dunkel) {
        QApplication::setPalette(QPalette(QColor(0x32, 0x32, 0x32)));
    }
    struct Messung {
        int id;
        QColor vorgabe;
        QColor gezeichnet;
        double kontrast;
    };
    std::vector<Messung> messungen;
    const auto messen = [&](Dialog& d, std::initializer_list<std::pair<int, QColor>> labels) {
        d.show();
        QCoreApplication::processEvents();
        for (const auto& [id, vorgabe] : labels) {
            const double k = t::gezeichneterKontrast(d, id);
            messungen.push_back(
                {id, vorgabe, d.steuerelement<Beschriftung>(id)->letzteTextfarbe(), k});
        }
    };
    const QColor schwarz(0, 0, 0), blau(0, 0, 139), gruen(0, 128, 0), rot(255, 0, 0);

    Hauptmenue m;
    m.vorbereiten();
    messen(m, {{begruessung, schwarz}});
    t::beimNaechstenDialog([&](Dialog* d) {
        ASSERT_NE(d, nullptr);
        t::tippen(*d, abfrageIds::eingabe, QStringLiteral("falsch"));
        t::klicken(*d, abfrageIds::ok);
        messen(*d, {{abfrageIds::ausdruck, schwarz},
                    {abfrageIds::meldungsfeld, blau},
                    {abfrageIds::loesung, gruen},
                    {abfrageIds::richtig, gruen},
                    {abfrageIds::falsch, rot}});
        d->beenden(abbrechenId);
    });
    t::klicken(m, hauptmenueIds::ok);
    EndeAbfrage ende("W\xF6rter", 4, 1, 3);
    ende.vorbereiten();
    messen(ende, {{EndeAbfrage::richtigId, gruen},
                  {EndeAbfrage::falschId, rot},
                  {EndeAbfrage::beurteilungId, blau}});
    QApplication::setPalette(vorher);

    ASSERT_EQ(messungen.size(), 9u);
    for (const Messung& e : messungen) {
        if (!dunkel) {
            EXPECT_EQ(e.gezeichnet, e.vorgabe) << e.id;
            continue;
        }
        EXPECT_GE(e.kontrast, mindestkontrast) << e.id;
        EXPECT_NEAR(e.gezeichnet.hslHue(), e.vorgabe.hslHue(), 2) << e.id;
    }
}

INSTANTIATE_TEST_SUITE_P(Hauptmenue, Farbkontrast, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Dunkel" : "Hell"; });

// Only "Wörter abfragen" has a direction; the selection itself stays.
struct Optionsklick {
    int radio;
    bool richtungAktiv;
};

class Optionsradio : public HauptmenueTest, public ::testing::WithParamInterface<Optionsklick> {};

TEST_P(Optionsradio, OnlyWordQueriesEnableTheDirection) {
    Hauptmenue m;
    m.vorbereiten();
    t::klicken(m, lateinDeutsch);
    t::klicken(m, stammformenAnsehen); // start from disabled direction controls
    t::klicken(m, GetParam().radio);
    for (const int id : {richtungsrahmen, deutschLatein, lateinDeutsch}) {
        EXPECT_EQ(m.istAktiv(id), GetParam().richtungAktiv) << id;
    }
    EXPECT_TRUE(m.istAngekreuzt(lateinDeutsch));
    EXPECT_EQ(m.wahl().richtung, abfragerichtung::lateinDeutsch);
}

INSTANTIATE_TEST_SUITE_P(Hauptmenue, Optionsradio,
                         ::testing::Values(Optionsklick{woerterAnsehen, false},
                                           Optionsklick{woerterAbfragen, true},
                                           Optionsklick{stammformenAnsehen, false},
                                           Optionsklick{stammformenAbfragen, false}));

// "bis" offers the lessons from "von" up to "50" and starts at "von".
struct Vonwahl {
    int vonIndex;
    int bisAnzahl;
    const char* erste;
};

class Vonliste : public HauptmenueTest, public ::testing::WithParamInterface<Vonwahl> {};

TEST_P(Vonliste, ChoosingVonRefillsBisFromThatLesson) {
    Hauptmenue m;
    m.vorbereiten();
    t::waehlen(m, bis, 44);
    t::waehlen(m, von, GetParam().vonIndex);
    ASSERT_EQ(m.auswahlAnzahl(bis), GetParam().bisAnzahl);
    EXPECT_EQ(m.auswahlText(bis), GetParam().erste);
    EXPECT_EQ(m.wahl().von, GetParam().erste);
    EXPECT_EQ(m.wahl().bis, GetParam().erste);
    m.auswahlSetzen(bis, GetParam().bisAnzahl - 1);
    EXPECT_EQ(m.auswahlText(bis), "50");
}

INSTANTIATE_TEST_SUITE_P(Hauptmenue, Vonliste,
                         ::testing::Values(Vonwahl{0, 50, "01"}, Vonwahl{36, 14, "37"},
                                           Vonwahl{49, 1, "50"}));

// Every choice opens its window; the direction counts for word queries only.
struct Verteilung {
    int radio;
    bool nichtGewusst;
    int richtung;
    const char* klasse;
    const char* titel;
};

class Verteiler : public HauptmenueTest, public ::testing::WithParamInterface<Verteilung> {};

TEST_P(Verteiler, OkOpensTheWindowOfTheChoice) {
    const Verteilung& p = GetParam();
    ordner_.nichtGewusst(Kursart::Woerter, {40, 7});
    ordner_.nichtGewusst(Kursart::Stammformen, {3});
    Hauptmenue m;
    m.vorbereiten();
    t::klicken(m, p.richtung); // while enabled, so that it is set before the option
    t::klicken(m, p.radio);
    if (p.nichtGewusst) {
        t::klicken(m, nichtGewusst);
    }
    std::string klasse;
    std::string titel;
    bool hauptfenster = false;
    t::beimNaechstenDialog([&](Dialog* d) {
        ASSERT_NE(d, nullptr);
        const auto* fenster = qobject_cast<Optionsfenster*>(d);
        ASSERT_NE(fenster, nullptr);
        klasse = fenster->zeile().klasse;
        titel = d->titel();
        hauptfenster = Anwendung::instanz()->hauptfenster() == d;
        const bool ansicht = qobject_cast<Listenansicht*>(d) != nullptr;
        t::klicken(*d, ansicht ? ansichtIds::hauptmenue : abfrageIds::hauptmenue);
    });
    t::klicken(m, hauptmenueIds::ok);
    EXPECT_EQ(klasse, p.klasse);
    EXPECT_EQ(titel, p.titel);
    EXPECT_TRUE(hauptfenster) << "the option window is the main window while it runs";
    EXPECT_EQ(Anwendung::instanz()->hauptfenster(), &m);
    EXPECT_TRUE(dienste_->meldungen.empty());
}

constexpr const char* ansehenW = "Quorvia 2003 - W\xF6rter ansehen";
constexpr const char* abfragenW = "Quorvia 2003 - W\xF6rter abfragen";
constexpr const char* ansehenS = "Quorvia 2003 - Stammformen ansehen";
constexpr const char* abfragenS = "Quorvia 2003 - Stammformen abfragen";

INSTANTIATE_TEST_SUITE_P(
    Hauptmenue, Verteiler,
    ::testing::Values(Verteilung{woerterAnsehen, false, deutschLatein, "Option11",
                                 "Quorvia 2003 - W\xF6rter ansehen - Lektion 01 bis Lektion 01"},
                      Verteilung{woerterAnsehen, true, lateinDeutsch, "Option12",
                                 "Quorvia 2003 - W\xF6rter ansehen - nicht gewusste W\xF6rter"},
                      Verteilung{woerterAbfragen, false, deutschLatein, "Option211",
                                 "Quorvia 2003 - W\xF6rter abfragen - Lektion 01 bis Lektion 01"},
                      Verteilung{woerterAbfragen, true, deutschLatein, "Option212",
                                 "Quorvia 2003 - W\xF6rter abfragen - nicht gewusste W\xF6rter"},
                      Verteilung{woerterAbfragen, false, lateinDeutsch, "Option221",
                                 "Quorvia 2003 - W\xF6rter abfragen - Lektion 01 bis Lektion 01"},
                      Verteilung{woerterAbfragen, true, lateinDeutsch, "Option222",
                                 "Quorvia 2003 - W\xF6rter abfragen - nicht gewusste W\xF6rter"},
                      Verteilung{stammformenAnsehen, false, lateinDeutsch, "Option31",
                                 "Quorvia 2003 - Stammformen ansehen - Lektion 01 bis Lektion 01"},
                      Verteilung{stammformenAnsehen, true, deutschLatein, "Option32",
                                 "Quorvia 2003 - Stammformen ansehen - nicht gewusste Stammformen"},
                      Verteilung{stammformenAbfragen, false, lateinDeutsch, "Option41",
                                 "Quorvia 2003 - Stammformen abfragen - Lektion 01 bis Lektion 01"},
                      Verteilung{
                          stammformenAbfragen, true, lateinDeutsch, "Option42",
                          "Quorvia 2003 - Stammformen abfragen - nicht gewusste Stammformen"}),
    [](const auto& info) {
        return std::string(info.param.klasse) + (info.param.richtung == lateinDeutsch ? "_LD" : "");
    });

// After the settings dialog the greeting follows the file, starting from an upright font
// of normal weight, so that the style chosen before does not linger.
TEST_F(HauptmenueTest, AfterTheSettingsDialogTheGreetingFollowsTheFileWithoutTheOldStyle) {
    std::ofstream("Einstellungen.ini", std::ios::binary)
        << "[Begr\xFCssungstext]\r\nSchriftgr\xF6sse=10\r\nSchriftstil=Fett\r\n";
    Hauptmenue m;
    m.vorbereiten();
    ASSERT_EQ(m.schrift(begruessung).gewicht, 700);

    Schriftbeschreibung kursiv = m.schrift(begruessung);
    kursiv.gewicht = 400;
    kursiv.kursiv = true;
    kursiv.hoehe = punkteZuHoehe(11, pixelProZollY());
    dienste_->schriften.push_back(kursiv);
    dienste_->farben.push_back(rgb(120, 0, 60));
    t::beimNaechstenDialog([](Dialog* d) {
        ASSERT_NE(qobject_cast<Einstellungen*>(d), nullptr);
        t::klicken(*d, einstellungsIds::schriftKnopf);
        t::klicken(*d, einstellungsIds::begruessungFarbeKnopf);
        t::klicken(*d, einstellungsIds::ok);
    });
    t::menue(m, befehlEinstellungen);

    const Schriftbeschreibung s = m.schrift(begruessung);
    EXPECT_EQ(s.gewicht, 400);
    EXPECT_TRUE(s.kursiv);
    EXPECT_EQ(s.hoehe, punkteZuHoehe(11, pixelProZollY()));
    EXPECT_EQ(m.farbenFuer(begruessung).text.value_or(QColor()), QColor(120, 0, 60));
    EXPECT_EQ(m.begruessungsstil().stil, "Kursiv");
}

// The choices are kept in step with every click: a settings dialog in between, however it
// ends, changes no choice the pupil has made.
TEST_F(HauptmenueTest, TheSettingsDialogLeavesEveryChoiceAsThePupilSetIt) {
    Hauptmenue m;
    m.vorbereiten();
    t::waehlen(m, von, 2);
    t::waehlen(m, bis, 4); // "07"
    t::klicken(m, lateinDeutsch);
    t::klicken(m, stammformenAbfragen);
    const Menuewahl erwartet{menueoption::stammformenAbfragen, abfragerichtung::lateinDeutsch, 0,
                             "03", "07"};
    EXPECT_EQ(m.wahl(), erwartet);

    t::beimNaechstenDialog([](Dialog* d) {
        ASSERT_NE(d, nullptr);
        t::klicken(*d, abbrechenId);
    });
    t::menue(m, befehlEinstellungen);
    EXPECT_EQ(m.wahl(), erwartet);
    EXPECT_TRUE(m.istAngekreuzt(stammformenAbfragen));
    EXPECT_TRUE(m.istAngekreuzt(lateinDeutsch));
    EXPECT_FALSE(m.istAktiv(richtungsrahmen));
    EXPECT_EQ(m.auswahlText(von), "03");
    EXPECT_EQ(m.auswahlText(bis), "07");
    EXPECT_FALSE(std::filesystem::exists("Einstellungen.ini"));
}

// F1 reaches the help command in the windows (the test program has no help file, so the
// command's message shows it), and the viewer lasts until the main menu is destroyed.
TEST_F(HauptmenueTest, FOneAsksForTheHelpAndTheViewerLastsUntilTheMenuIsDestroyed) {
    const std::unique_ptr<Dialog> fenster[] = {std::make_unique<Einstellungen>(),
                                               std::make_unique<QuorviaInfo>()};
    for (const auto& f : fenster) {
        QTest::keyClick(f.get(), Qt::Key_F1);
    }
    ASSERT_EQ(dienste_->meldungen.size(), 2u);
    EXPECT_EQ(dienste_->meldungen[1].text, QStringLiteral("Failed to launch help."));

    const QString datei = QString::fromStdString((ordner_.pfad() / "hilfe.HLP").string());
    std::ofstream(datei.toStdString()) << "<html><body>Hilfe</body></html>";
    {
        Hauptmenue m;
        ASSERT_TRUE(Hilfefenster::zeigen(datei));
    }
    EXPECT_EQ(Hilfefenster::offenes(), nullptr);
}

} // namespace
} // namespace quorvia
