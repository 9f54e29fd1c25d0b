// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: what it shows when it opens, the choosers and the pause spin, the
// defaults button, and that only "&OK" writes, reporting a failed save as a failure.

#include "gemeinsam/fenster.h"
#include "settings/fenster/einstellungen.h"
#include "settings/inidatei.h"
#include "ui/plattform/schriften.h"
#include "ui/plattform/steuerelemente.h"

#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

namespace quorvia {
namespace {

using namespace einstellungsIds;
namespace t = quorvia::test;

const std::string abschnittBegruessung = "[Begr\xFCssungstext]\r\n";
const std::string abschnittAbfrage = "[W\xF6rter-/Stammformenabfrage]\r\n";

class EinstellungenTest : public ::testing::Test {
protected:
    std::filesystem::path ini() const {
        return ordner_.filePath("Einstellungen.ini").toStdString();
    }
    EinstellungsSpeicher speicher() const { return EinstellungsSpeicher(ini()); }

    void iniSchreiben(const std::string& text) const {
        std::ofstream(ini(), std::ios::binary) << text;
    }
    std::optional<std::string> iniText() const {
        if (!std::filesystem::exists(ini())) {
            return std::nullopt;
        }
        std::ifstream ein(ini(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
    }
    // The raw value of a key as the file holds it ("" when absent).
    std::string wert(const std::string& schluessel) const {
        const std::string text = iniText().value_or("");
        const std::string suche = "\n" + schluessel + "=";
        const auto pos = text.find(suche);
        if (pos == std::string::npos) {
            return {};
        }
        const auto anfang = pos + suche.size();
        return text.substr(anfang, text.find_first_of("\r\n", anfang) - anfang);
    }

    // Runs the dialog modally with aktion inside the run.
    void laufen(Einstellungen& d, std::function<void(Einstellungen&)> aktion) {
        QTimer::singleShot(0, &d, [&d, aktion] { aktion(d); });
        QTimer::singleShot(10000, &d, [&d] { d.beenden(-1); }); // a fault must not hang
        d.ausfuehren();
    }

    static QColor textfarbe(Einstellungen& d, int id) {
        return d.farbenFuer(id).text.value_or(QColor());
    }

    QTemporaryDir ordner_;
    t::DiensteEingesetzt dienste_;
};

// What the dialog shows when it opens, from the stored values or their defaults.
struct Geoeffnet {
    const char* name;
    std::string ini;
    bool automatisch;
    const char* pause;
    bool streng;
    int punkte;
    int gewicht;
    bool kursiv;
    Farbe begruessung, ausdruck, meldung, loesung;
};

class Oeffnen : public EinstellungenTest, public ::testing::WithParamInterface<Geoeffnet> {};

TEST_P(Oeffnen, ShowsTheStoredValuesOrTheirDefaults) {
    const Geoeffnet& p = GetParam();
    if (!p.ini.empty()) {
        iniSchreiben(p.ini);
    }
    Einstellungen d(nullptr, speicher());
    d.vorbereiten();

    EXPECT_EQ(d.text(schriftProbe), "Ave!");
    EXPECT_EQ(d.text(farbProbe), "Ave!");
    for (const int probe : {schriftProbe, farbProbe}) {
        const Schriftbeschreibung s = d.schrift(probe);
        EXPECT_EQ(s.hoehe, punkteZuHoehe(p.punkte, pixelProZollY())) << probe;
        EXPECT_EQ(s.gewicht, p.gewicht) << probe;
        EXPECT_EQ(s.kursiv, p.kursiv) << probe;
    }
    EXPECT_FALSE(d.farbenFuer(schriftProbe).text.has_value()) << "the font sample keeps its colour";
    EXPECT_EQ(textfarbe(d, farbProbe), alsQColor(p.begruessung));
    EXPECT_EQ(textfarbe(d, ausdruckProbe), alsQColor(p.ausdruck));
    EXPECT_EQ(textfarbe(d, meldungProbe), alsQColor(p.meldung));
    EXPECT_EQ(textfarbe(d, loesungProbe), alsQColor(p.loesung));
    for (const int probe : {ausdruckProbe, meldungProbe, loesungProbe}) {
        EXPECT_EQ(d.schrift(probe).gewicht, 700) << probe;
    }
    EXPECT_EQ(d.istAngekreuzt(automatisch), p.automatisch);
    EXPECT_EQ(d.text(pauseFeld), p.pause);
    for (const int id : {pauseText, pauseFeld, pauseDreh}) {
        EXPECT_EQ(d.istAktiv(id), p.automatisch) << id;
    }
    EXPECT_EQ(d.istAngekreuzt(streng), p.streng);
    EXPECT_FALSE(iniText().has_value() && p.ini.empty()) << "opening writes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Einstellungen, Oeffnen,
    ::testing::Values(
        Geoeffnet{"OhneDatei", "", false, "3", true, 8, 400, false, rgb(0, 0, 0), rgb(0, 0, 0),
                  rgb(0, 0, 139), rgb(0, 128, 0)},
        Geoeffnet{"Gespeichert",
                  abschnittBegruessung +
                      "Schriftart=Arial\r\nSchriftgr\xF6sse=12\r\nSchriftstil=Fett Kursiv\r\n"
                      "SchriftfarbeRGB1=200\r\nSchriftfarbeRGB2=10\r\nSchriftfarbeRGB3=20\r\n" +
                      abschnittAbfrage +
                      "AusdruckFarbeRGB1=1\r\nAusdruckFarbeRGB2=2\r\nAusdruckFarbeRGB3=3\r\n"
                      "MeldungFarbeRGB1=4\r\nMeldungFarbeRGB2=5\r\nMeldungFarbeRGB3=6\r\n"
                      "L\xF6sungFarbeRGB1=7\r\nL\xF6sungFarbeRGB2=8\r\nL\xF6sungFarbeRGB3=9\r\n"
                      "AutoAbfrage=1\r\nAbfragePause=10\r\nStrengeKorrektur=0\r\n",
                  true, "10", false, 12, 700, true, rgb(200, 10, 20), rgb(1, 2, 3), rgb(4, 5, 6),
                  rgb(7, 8, 9)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EinstellungenTest, ThePauseSpinWorksOnlyWithAutomaticQueryAndStopsAtOneAndTen) {
    Einstellungen d(nullptr, speicher());
    d.vorbereiten();
    auto* dreh = d.steuerelement<Drehfeld>(pauseDreh);
    ASSERT_NE(dreh, nullptr);

    t::klicken(d, automatisch);
    for (const int id : {pauseText, pauseFeld, pauseDreh}) {
        EXPECT_TRUE(d.istAktiv(id)) << id;
    }
    for (int i = 0; i < 12; ++i) {
        dreh->hoch()->click();
    }
    EXPECT_EQ(d.text(pauseFeld), "10");
    for (int i = 0; i < 12; ++i) {
        dreh->runter()->click();
    }
    EXPECT_EQ(d.text(pauseFeld), "1") << "no wrap-around at either end";

    t::klicken(d, automatisch);
    for (const int id : {pauseText, pauseFeld, pauseDreh}) {
        EXPECT_FALSE(d.istAktiv(id)) << id;
    }
}

// A chosen font is stored as face, size in points and style word.
struct Schriftfall {
    const char* name;
    Schriftbeschreibung gewaehlt; // height in points, converted for the screen below
    const char* groesse;
    const char* stil;
};

class Schriftwahl : public EinstellungenTest, public ::testing::WithParamInterface<Schriftfall> {};

TEST_P(Schriftwahl, TheChosenFontShowsInBothSamplesAndIsStoredOnOk) {
    Schriftbeschreibung gewaehlt = GetParam().gewaehlt;
    gewaehlt.hoehe = punkteZuHoehe(gewaehlt.hoehe, pixelProZollY());
    Einstellungen d(nullptr, speicher());
    d.vorbereiten();
    const Schriftbeschreibung vorher = d.begruessungSchrift();

    dienste_->schriften.push_back(std::nullopt); // cancel first: nothing changes
    dienste_->schriften.push_back(gewaehlt);
    d.befehlAusloesen(schriftKnopf);
    EXPECT_EQ(d.begruessungSchrift(), vorher);
    d.befehlAusloesen(schriftKnopf);
    ASSERT_EQ(dienste_->schriftStarts.size(), 2u);
    EXPECT_EQ(dienste_->schriftStarts[0], vorher) << "the chooser starts from the current font";
    EXPECT_EQ(d.begruessungSchrift(), gewaehlt);
    for (const int probe : {schriftProbe, farbProbe}) {
        EXPECT_EQ(d.schrift(probe).gewicht, gewaehlt.gewicht);
        EXPECT_EQ(d.schrift(probe).kursiv, gewaehlt.kursiv);
        EXPECT_EQ(d.schrift(probe).hoehe, gewaehlt.hoehe);
    }

    d.befehlAusloesen(einstellungsIds::ok);
    EXPECT_EQ(wert("Schriftart"), gewaehlt.name);
    EXPECT_EQ(wert("Schriftgr\xF6sse"), GetParam().groesse);
    EXPECT_EQ(wert("Schriftstil"), GetParam().stil);
}

INSTANTIATE_TEST_SUITE_P(
    Einstellungen, Schriftwahl,
    ::testing::Values(Schriftfall{"FettKursiv", {"Arial", 12, 700, true}, "12", "Fett Kursiv"},
                      Schriftfall{"Halbfett", {"Arial", 8, 600, false}, "8", "Standard"},
                      Schriftfall{"SiebenPunkte", {"Arial", 7, 400, false}, "7", "Standard"}),
    [](const auto& info) { return std::string(info.param.name); });

// Each colour button opens the chooser on its own colour and repaints its own sample.
struct Farbfall {
    int knopf;
    int probe;
    const char* schluessel;
    Farbe start;
};

class Farbwahl : public EinstellungenTest, public ::testing::WithParamInterface<Farbfall> {};

TEST_P(Farbwahl, TheChosenColourShowsInItsSampleAndIsStoredOnOk) {
    const Farbfall& p = GetParam();
    Einstellungen d(nullptr, speicher());
    d.vorbereiten();
    const Farbe neu = rgb(12, 34, 56);

    dienste_->farben.push_back(std::nullopt);
    dienste_->farben.push_back(neu);
    d.befehlAusloesen(p.knopf);
    EXPECT_EQ(textfarbe(d, p.probe), alsQColor(p.start)) << "cancel changes nothing";
    d.befehlAusloesen(p.knopf);
    EXPECT_EQ(dienste_->farbStarts, (std::vector<Farbe>{p.start, p.start}));
    EXPECT_EQ(textfarbe(d, p.probe), alsQColor(neu));
    for (const int andere : {farbProbe, ausdruckProbe, meldungProbe, loesungProbe}) {
        if (andere != p.probe) {
            EXPECT_NE(textfarbe(d, andere), alsQColor(neu)) << andere;
        }
    }

    d.befehlAusloesen(einstellungsIds::ok);
    const std::string s = p.schluessel;
    EXPECT_EQ(wert(s + "RGB1") + "," + wert(s + "RGB2") + "," + wert(s + "RGB3"), "12,34,56");
}

INSTANTIATE_TEST_SUITE_P(
    Einstellungen, Farbwahl,
    ::testing::Values(Farbfall{begruessungFarbeKnopf, farbProbe, "Schriftfarbe", rgb(0, 0, 0)},
                      Farbfall{ausdruckKnopf, ausdruckProbe, "AusdruckFarbe", rgb(0, 0, 0)},
                      Farbfall{meldungKnopf, meldungProbe, "MeldungFarbe", rgb(0, 0, 139)},
                      Farbfall{loesungKnopf, loesungProbe, "L\xF6sungFarbe", rgb(0, 128, 0)}));

const std::string gespeicherteWerte =
    abschnittBegruessung +
    "Schriftart=Arial\r\nSchriftgr\xF6sse=11\r\nSchriftstil=Fett\r\n"
    "SchriftfarbeRGB1=9\r\nSchriftfarbeRGB2=9\r\nSchriftfarbeRGB3=9\r\n" +
    abschnittAbfrage +
    "AusdruckFarbeRGB1=1\r\nAusdruckFarbeRGB2=1\r\nAusdruckFarbeRGB3=1\r\n"
    "MeldungFarbeRGB1=2\r\nMeldungFarbeRGB2=2\r\nMeldungFarbeRGB3=2\r\n"
    "L\xF6sungFarbeRGB1=3\r\nL\xF6sungFarbeRGB2=3\r\nL\xF6sungFarbeRGB3=3\r\n"
    "AutoAbfrage=1\r\nAbfragePause=7\r\nStrengeKorrektur=0\r\n";

TEST_F(EinstellungenTest, DefaultsShowAtOnceButAreWrittenOnlyByOk) {
    iniSchreiben(gespeicherteWerte);
    Einstellungen d(nullptr, speicher());
    d.vorbereiten();

    d.befehlAusloesen(standard);
    ASSERT_EQ(dienste_->meldungen.size(), 1u);
    EXPECT_EQ(alsKerntext(dienste_->meldungen[0].text), standardGeladenMeldung);
    EXPECT_EQ(dienste_->meldungen[0].symbol, Meldungssymbol::Information);
    EXPECT_EQ(iniText(), gespeicherteWerte) << "the defaults button writes nothing";

    EXPECT_EQ(d.begruessungSchrift(),
              (Schriftbeschreibung{"Tahoma", punkteZuHoehe(8, pixelProZollY()), 400, false}));
    EXPECT_EQ(textfarbe(d, farbProbe), QColor(0, 0, 0));
    EXPECT_EQ(textfarbe(d, ausdruckProbe), QColor(0, 0, 0));
    EXPECT_EQ(textfarbe(d, meldungProbe), QColor(0, 0, 139));
    EXPECT_EQ(textfarbe(d, loesungProbe), QColor(0, 128, 0));
    EXPECT_FALSE(d.istAngekreuzt(automatisch));
    EXPECT_FALSE(d.istAktiv(pauseFeld));
    EXPECT_EQ(d.text(pauseFeld), "3");
    EXPECT_TRUE(d.istAngekreuzt(streng));

    d.befehlAusloesen(einstellungsIds::ok);
    EXPECT_EQ(speicher().begruessungLaden(), EinstellungsSpeicher::standardwerte().begruessung);
    EXPECT_EQ(speicher().abfrageLaden(), EinstellungsSpeicher::standardwerte().abfrage);
    EXPECT_EQ(wert("Schriftstil"), "Standard");
    EXPECT_EQ(wert("AutoAbfrage"), "0");
    EXPECT_EQ(wert("StrengeKorrektur"), "1");
}

TEST_F(EinstellungenTest, OkWritesEveryKeySaysSoAndCloses) {
    Einstellungen d(nullptr, speicher());
    laufen(d, [](Einstellungen& d) {
        t::klicken(d, automatisch);
        auto* dreh = d.steuerelement<Drehfeld>(pauseDreh);
        dreh->hoch()->click();
        dreh->hoch()->click();
        t::klicken(d, streng);
        t::klicken(d, einstellungsIds::ok);
    });
    EXPECT_EQ(d.ergebnis(), abbrechenId) << "the run ended by the posted close";
    ASSERT_EQ(dienste_->meldungen.size(), 1u);
    EXPECT_EQ(alsKerntext(dienste_->meldungen[0].text), gespeichertMeldung);
    EXPECT_EQ(dienste_->meldungen[0].symbol, Meldungssymbol::Information);

    EXPECT_EQ(wert("AutoAbfrage"), "1");
    EXPECT_EQ(wert("AbfragePause"), "5");
    EXPECT_EQ(wert("StrengeKorrektur"), "0");
    const std::string text = iniText().value_or("");
    EXPECT_EQ(std::count(text.begin(), text.end(), '='), 18) << text;
}

// A store whose last step, replacing the file, fails.
class ErsetzenScheitert final : public Dateizugriff {
public:
    bool umbenennen(const std::filesystem::path&, const std::filesystem::path&) const override {
        return false;
    }
};

TEST_F(EinstellungenTest, AFailedSaveIsReportedAsSuchAndTheDialogStaysOpen) {
    iniSchreiben(gespeicherteWerte);
    Einstellungen d(nullptr, EinstellungsSpeicher(ini(), std::make_shared<ErsetzenScheitert>()));
    bool nochOffen = false;
    laufen(d, [&nochOffen](Einstellungen& d) {
        t::klicken(d, streng);
        t::klicken(d, einstellungsIds::ok);
        t::nachrichtenVerarbeiten();
        nochOffen = d.laeuft() && d.isVisible();
        t::klicken(d, abbrechenId);
    });
    EXPECT_TRUE(nochOffen);
    ASSERT_EQ(dienste_->meldungen.size(), 1u);
    EXPECT_EQ(alsKerntext(dienste_->meldungen[0].text), nichtGespeichertMeldung);
    EXPECT_EQ(dienste_->meldungen[0].symbol, Meldungssymbol::Stop);
    EXPECT_EQ(iniText(), gespeicherteWerte);
}

// Every way out but "&OK" loses the changes and writes nothing.
struct Ausweg {
    const char* name;
    std::function<void(Einstellungen&)> schliessen;
};

class OhneSchreiben : public EinstellungenTest, public ::testing::WithParamInterface<Ausweg> {};

TEST_P(OhneSchreiben, ClosingWithoutOkWritesNothing) {
    Einstellungen d(nullptr, speicher());
    dienste_->farben.push_back(rgb(1, 2, 3));
    laufen(d, [](Einstellungen& d) {
        t::klicken(d, automatisch);
        t::klicken(d, meldungKnopf);
        GetParam().schliessen(d);
    });
    EXPECT_TRUE(d.istBeendet());
    EXPECT_FALSE(iniText().has_value());
    EXPECT_TRUE(dienste_->meldungen.empty());
}

INSTANTIATE_TEST_SUITE_P(Einstellungen, OhneSchreiben,
                         ::testing::Values(Ausweg{"Abbrechen",
                                                  [](Einstellungen& d) {
                                                      t::klicken(d, abbrechenId);
                                                  }},
                                           Ausweg{"Escape",
                                                  [](Einstellungen& d) {
                                                      t::taste(d, Qt::Key_Escape);
                                                  }},
                                           Ausweg{"Schliessfeld",
                                                  [](Einstellungen& d) {
                                                      d.close();
                                                  }}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quorvia
