#include "ui/optionstabelle.h"

#include "ui/plattform/dialog.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quorvia {
namespace {

// Each row's template and menu carry the commands the row derives from its menu number,
// and a query row's kind agrees with the row on course and source.
class Optionstabelle : public ::testing::TestWithParam<Optionszeile> {};

TEST_P(Optionstabelle, VorlageUndMenueTragenDieAbgeleitetenBefehle) {
    const Optionszeile& zeile = GetParam();
    const std::unique_ptr<Optionsfenster> f = optionsfensterBauen(zeile);
    const GemeinsameBefehle b = zeile.befehle();
    EXPECT_EQ(f->text(zeile.knopfHauptmenue()), "&Hauptmen\xFC");
    EXPECT_EQ(f->text(b.beendenKnopf), "&Beenden");
    EXPECT_EQ(f->menuetext(zeile.befehlHauptmenue()), "&Hauptmen\xFC");
    EXPECT_EQ(f->menuetext(b.beenden), "&Beenden");
    EXPECT_EQ(f->menuetext(b.hilfe), "&Quorvia Hilfe");
    EXPECT_EQ(f->menuetext(b.website), "&Brovanit Website");
    EXPECT_EQ(f->menuetext(b.info), "&Info \xFC"
                                    "ber Quorvia...");
    if (zeile.abfrage != nullptr) {
        EXPECT_EQ(f->menuetext(zeile.befehlOk()), "&OK");
        EXPECT_EQ(zeile.abfrage->kurs, zeile.kurs);
        EXPECT_EQ(zeile.abfrage->quelle, zeile.quelle);
        const Richtung richtung = zeile.kurs == Kursart::Stammformen ? Richtung::Stammformen
                                  : zeile.richtung == abfragerichtung::lateinDeutsch
                                      ? Richtung::LateinDeutsch
                                      : Richtung::DeutschLatein;
        EXPECT_EQ(richtungVon(*zeile.abfrage), richtung);
    }
    EXPECT_EQ(zeile.leerMeldung.empty(), zeile.quelle == Abfragequelle::Bereich);
}

INSTANTIATE_TEST_SUITE_P(AlleFenster, Optionstabelle, ::testing::ValuesIn(optionsfensterTabelle),
                         [](const auto& info) { return std::string(info.param.klasse); });

// Every choice of the main menu finds its own row: ten choices, ten different windows.
TEST(OptionstabelleWahl, JedeWahlFindetIhreZeile) {
    std::set<const Optionszeile*> gefunden;
    for (const int option : {menueoption::woerterAnsehen, menueoption::woerterAbfragen,
                             menueoption::stammformenAnsehen, menueoption::stammformenAbfragen}) {
        for (const bool nichtGewusst : {false, true}) {
            for (const int richtung :
                 {abfragerichtung::deutschLatein, abfragerichtung::lateinDeutsch}) {
                const Optionszeile& z = optionszeileFuer(option, nichtGewusst, richtung);
                EXPECT_EQ(z.option, option);
                EXPECT_EQ(z.quelle,
                          nichtGewusst ? Abfragequelle::NichtGewusst : Abfragequelle::Bereich);
                gefunden.insert(&z);
            }
        }
    }
    EXPECT_EQ(gefunden.size(), 10u);
}

// The popup's rows: each due query and each plan practice of a direction is its own row.
TEST(OptionstabelleWahl, FaelligeUndTestplanZeilenJeRichtung) {
    struct Fall {
        const Optionszeile& zeile;
        const char* klasse;
    };
    const Fall faelle[] = {
        {faelligeZeile(Kursart::Woerter, abfragerichtung::deutschLatein), "Option213"},
        {faelligeZeile(Kursart::Woerter, abfragerichtung::lateinDeutsch), "Option223"},
        {faelligeZeile(Kursart::Stammformen, abfragerichtung::deutschLatein), "Option43"},
        {testplanZeile(Richtung::DeutschLatein), "Option214"},
        {testplanZeile(Richtung::LateinDeutsch), "Option224"},
        {testplanZeile(Richtung::Stammformen), "Option44"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(f.zeile.klasse, f.klasse);
    }
}

} // namespace
} // namespace quorvia
