#include "data/nichtgewusstliste.h"
#include "data/pfade.h"
#include "gemeinsam/ordner.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvia {
namespace {

using test::dateiSchreiben;
using test::TempOrdner;

const std::string einSatz = "\r\n\r\n#1#\r\n#amare#\r\n#lieben#\r\n\r\n";

TEST(NichtGewusstListe, FixedPathsAndKinds) {
    EXPECT_EQ(NichtGewusstListe(Kursart::Woerter).pfad(), pfade::ngWoerter);
    EXPECT_EQ(NichtGewusstListe(Kursart::Stammformen).pfad(), pfade::ngStammformen);
}

TEST(NichtGewusstListe, RangeLoading) {
    struct Fall {
        std::string name;
        std::optional<std::string> datei; // nothing: no file
        std::string text;
    };
    const std::vector<Fall> faelle = {
        {"missing file", std::nullopt, "\r\n\r\n"},
        {"length-0 file", "", ""},
        {"one record", einSatz, einSatz},
    };
    for (const auto& f : faelle) {
        TempOrdner ordner;
        const auto pfad = ordner / "ngwoerter.dat";
        if (f.datei) {
            DatenDatei::schreiben(pfad, *f.datei);
        }
        NichtGewusstListe l(pfad, Fehlerart::NgWoerterNichtLadbar);
        l.fuerBereichLaden();
        EXPECT_EQ(l.liste().text(), f.text) << f.name;
    }
}

TEST(NichtGewusstListe, LoadAndCheck) {
    struct Fall {
        std::string name;
        std::optional<std::string> datei;
        bool ergebnis;
    };
    const std::vector<Fall> faelle = {
        {"missing file", std::nullopt, false},
        {"length 0", "", false},
        {"bare empty line", "\r\n\r\n", false},
        {"five characters, no record", "\r\n\r\n\r", false},
        {"emptied longer text", "\r\n\r\n\r\n\r\n\r\n", false},
        {"records not starting at 1", "\r\n\r\n#2#\r\n#a#\r\n#b#\r\n\r\n", false},
        {"one record", einSatz, true},
    };
    for (const auto& f : faelle) {
        TempOrdner ordner;
        const auto pfad = ordner / "ngstammformen.dat";
        if (f.datei) {
            DatenDatei::schreiben(pfad, *f.datei);
        }
        NichtGewusstListe l(pfad, Fehlerart::NgStammformenNichtLadbar);
        EXPECT_EQ(l.ladenUndPruefen(), f.ergebnis) << f.name;
    }
}

TEST(NichtGewusstListe, UnreadableFilesFail) {
    TempOrdner ordner;
    const auto kaputt = ordner / "ngwoerter.dat";
    dateiSchreiben(kaputt, "abc");
    NichtGewusstListe l(kaputt, Fehlerart::NgWoerterNichtLadbar);
    try {
        l.fuerBereichLaden();
        ADD_FAILURE() << "damaged file was loaded";
    } catch (const DatenFehler& f) {
        EXPECT_EQ(f.art(), Fehlerart::Unerwartet);
    }
    const auto ordnerStattDatei = ordner / "ngstammformen.dat";
    std::filesystem::create_directory(ordnerStattDatei);
    NichtGewusstListe s(ordnerStattDatei, Fehlerart::NgStammformenNichtLadbar);
    try {
        s.ladenUndPruefen();
        ADD_FAILURE() << "a folder was loaded";
    } catch (const DatenFehler& f) {
        EXPECT_EQ(f.art(), Fehlerart::NgStammformenNichtLadbar);
    }
}

TEST(NichtGewusstListe, QueryRoundTripThroughTheFile) {
    TempOrdner ordner;
    const auto pfad = ordner / "ngwoerter.dat";
    {
        // A length-0 file: the first record goes to the very start.
        DatenDatei::schreiben(pfad, "");
        NichtGewusstListe l(pfad, Fehlerart::NgWoerterNichtLadbar);
        l.fuerBereichLaden();
        l.liste().anhaengen("amare", "lieben");
        l.liste().anhaengen("amare", "lieben");
        l.liste().anhaengen("via", "Weg");
        l.speichern();
    }
    NichtGewusstListe l(pfad, Fehlerart::NgWoerterNichtLadbar);
    ASSERT_TRUE(l.ladenUndPruefen());
    EXPECT_EQ(l.liste().anzahl(), 2);
    EXPECT_EQ(l.liste().eintrag(1), (Eintrag{1, "amare", "lieben"}));
    l.liste().entfernen("amare", "lieben");
    EXPECT_EQ(l.liste().eintrag(1), (Eintrag{1, "via", "Weg"}));
    l.liste().entfernen("via", "Weg");
    l.speichern();
    NichtGewusstListe leer(pfad, Fehlerart::NgWoerterNichtLadbar);
    EXPECT_FALSE(leer.ladenUndPruefen());

    // Closing without answering still writes the list.
    const auto neu = ordner / "ngstammformen.dat";
    NichtGewusstListe s(neu, Fehlerart::NgStammformenNichtLadbar);
    s.fuerBereichLaden();
    s.speichern();
    EXPECT_EQ(DatenDatei::lesen(neu, Fehlerart::NgStammformenNichtLadbar), "\r\n\r\n");
}

} // namespace
} // namespace quorvia
