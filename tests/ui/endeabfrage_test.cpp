// SPDX-License-Identifier: GPL-3.0-or-later
// The summary window: its texts for the cases a query can end with, its bold value
// fields, and the colours the labels are really drawn in.

#include "gemeinsam_testhilfe.h"

#include "query/fenster/endeabfrage.h"
#include "ui/plattform/text.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace quorvia {
namespace {

using test::Arbeitsordner;

struct Ende {
    const char* name;
    const char* art; // Windows-1252
    int gesamt, richtig, falsch;
    const char* titel;
    const char* anzahlText;
    const char* quote;
    const char* beurteilung;
};

class Zusammenfassungsfall : public ::testing::TestWithParam<Ende> {};

TEST_P(Zusammenfassungsfall, ShowsTitleCountsRateAndRating) {
    Arbeitsordner ordner; // no settings file
    const Ende& e = GetParam();
    EndeAbfrage ende(e.art, e.gesamt, e.richtig, e.falsch);
    ende.vorbereiten();
    EXPECT_EQ(ende.titel(), e.titel);
    EXPECT_EQ(ende.text(EndeAbfrage::anzahlTextId), e.anzahlText);
    EXPECT_EQ(ende.text(EndeAbfrage::gesamtId), std::to_string(e.gesamt));
    EXPECT_EQ(ende.text(EndeAbfrage::richtigId), std::to_string(e.richtig));
    EXPECT_EQ(ende.text(EndeAbfrage::falschId), std::to_string(e.falsch));
    EXPECT_EQ(ende.text(EndeAbfrage::quoteId), e.quote);
    EXPECT_EQ(ende.text(EndeAbfrage::beurteilungId), e.beurteilung);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Zusammenfassungsfall,
    ::testing::Values(Ende{"ZweiVonDrei", "W\xF6rter", 3, 2, 1, "Ende der W\xF6rterabfrage",
                           "Anzahl W\xF6rter:", "67%", "Rite!"},
                      Ende{"EinsVonAchtRundetAuf", "W\xF6rter", 8, 1, 7,
                           "Ende der W\xF6rterabfrage", "Anzahl W\xF6rter:", "13%", "Pauperrime!"},
                      Ende{"FuenfundzwanzigIstMale", "W\xF6rter", 4, 1, 3,
                           "Ende der W\xF6rterabfrage", "Anzahl W\xF6rter:", "25%", "Male!"},
                      Ende{"NeunundfuenfzigFuenfIstRite", "W\xF6rter", 200, 119, 81,
                           "Ende der W\xF6rterabfrage", "Anzahl W\xF6rter:", "60%", "Rite!"},
                      Ende{"NeunundachtzigFuenfIstPerfecte", "W\xF6rter", 200, 179, 21,
                           "Ende der W\xF6rterabfrage", "Anzahl W\xF6rter:", "90%", "Perfecte!"},
                      Ende{"KeinerRichtig", "W\xF6rter", 5, 0, 5, "Ende der W\xF6rterabfrage",
                           "Anzahl W\xF6rter:", "0%", "Pauperrime!"},
                      Ende{"AlleRichtig", "W\xF6rter", 7, 7, 0, "Ende der W\xF6rterabfrage",
                           "Anzahl W\xF6rter:", "100%", "Perfecte!"},
                      Ende{"Stammformen", "Stammformen", 3, 2, 1, "Ende der Stammformenabfrage",
                           "Anzahl Stammformen:", "67%", "Rite!"},
                      Ende{"StammformenEinzeln", "Stammformen", 1, 0, 1,
                           "Ende der Stammformenabfrage", "Anzahl Stammformen:", "0%",
                           "Pauperrime!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Zusammenfassung, MakesTheFiveValueFieldsBoldAndLeavesTheLabels) {
    Arbeitsordner ordner;
    EndeAbfrage ende("W\xF6rter", 3, 2, 1);
    ende.vorbereiten();
    for (const int id : {EndeAbfrage::gesamtId, EndeAbfrage::richtigId, EndeAbfrage::falschId,
                         EndeAbfrage::quoteId, EndeAbfrage::beurteilungId}) {
        EXPECT_EQ(ende.schrift(id).gewicht, 700) << id;
    }
    EXPECT_EQ(ende.schrift(EndeAbfrage::anzahlTextId).gewicht, 400);
}

// The settings file as the store writes it: Windows-1252, CR LF.
QByteArray einstellungenMitMeldungsfarbe(int r, int g, int b) {
    return QByteArray("[W\xF6rter-/Stammformenabfrage]\r\nMeldungFarbeRGB1=") +
           QByteArray::number(r) + "\r\nMeldungFarbeRGB2=" + QByteArray::number(g) +
           "\r\nMeldungFarbeRGB3=" + QByteArray::number(b) + "\r\n";
}

struct Meldungsfarbe {
    const char* name;
    QByteArray datei; // empty: no settings file
    QColor erwartet;
};

class Beschriftungsfarbe : public ::testing::TestWithParam<Meldungsfarbe> {};

TEST_P(Beschriftungsfarbe, RightIsGreenWrongIsRedTheRatingHasTheMessageColour) {
    Arbeitsordner ordner;
    if (!GetParam().datei.isEmpty()) {
        schreiben(ordner, QStringLiteral("Einstellungen.ini"), GetParam().datei);
    }
    EndeAbfrage ende("W\xF6rter", 4, 1, 3);
    ende.vorbereiten();

    struct Farbe {
        int id;
        QColor text;
    };
    for (const Farbe f : {Farbe{EndeAbfrage::richtigId, QColor(0, 128, 0)},
                          Farbe{EndeAbfrage::falschId, QColor(255, 0, 0)},
                          Farbe{EndeAbfrage::beurteilungId, GetParam().erwartet}}) {
        const Beschriftungsfarben farben = ende.farbenFuer(f.id);
        ASSERT_TRUE(farben.text.has_value()) << f.id;
        EXPECT_EQ(*farben.text, f.text) << f.id;
        EXPECT_TRUE(farben.transparent) << f.id;
    }
    for (const int id : {EndeAbfrage::anzahlTextId, EndeAbfrage::gesamtId, EndeAbfrage::quoteId}) {
        EXPECT_FALSE(ende.farbenFuer(id).text.has_value()) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Einstellungen, Beschriftungsfarbe,
    ::testing::Values(Meldungsfarbe{"OhneDatei", {}, QColor(0, 0, 139)},
                      Meldungsfarbe{"Gespeichert", einstellungenMitMeldungsfarbe(200, 16, 90),
                                    QColor(200, 16, 90)},
                      Meldungsfarbe{"UngueltigFaelltZurueck",
                                    einstellungenMitMeldungsfarbe(12, 256, 0), QColor(0, 0, 139)},
                      Meldungsfarbe{"NegativFaelltZurueck", einstellungenMitMeldungsfarbe(-1, 0, 0),
                                    QColor(0, 0, 139)}),
    [](const auto& info) { return std::string(info.param.name); });

// Does the label, as it is really drawn, show text in this colour? Smoothed edges blend
// with the background, so a pixel close to the colour counts.
bool zeigtFarbe(QWidget* beschriftung, const QColor& farbe) {
    const QImage bild = beschriftung->grab().toImage();
    const auto nahe = [](int a, int b) {
        return std::abs(a - b) <= 24;
    };
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QColor p = bild.pixelColor(x, y);
            if (nahe(p.red(), farbe.red()) && nahe(p.green(), farbe.green()) &&
                nahe(p.blue(), farbe.blue())) {
                return true;
            }
        }
    }
    return false;
}

TEST(Zusammenfassung, DrawsTheColouredValuesInTheirColours) {
    Arbeitsordner ordner;
    schreiben(ordner, QStringLiteral("Einstellungen.ini"),
              einstellungenMitMeldungsfarbe(200, 16, 90));
    EndeAbfrage ende("W\xF6rter", 11, 11, 11);
    ende.vorbereiten();
    const QColor gruen(0, 128, 0), rot(255, 0, 0), meldung(200, 16, 90);
    EXPECT_TRUE(zeigtFarbe(ende.steuerelement(EndeAbfrage::richtigId), gruen));
    EXPECT_TRUE(zeigtFarbe(ende.steuerelement(EndeAbfrage::falschId), rot));
    EXPECT_TRUE(zeigtFarbe(ende.steuerelement(EndeAbfrage::beurteilungId), meldung));
    // The total shares none of them.
    for (const QColor& c : {gruen, rot, meldung}) {
        EXPECT_FALSE(zeigtFarbe(ende.steuerelement(EndeAbfrage::gesamtId), c));
    }
}

} // namespace
} // namespace quorvia
