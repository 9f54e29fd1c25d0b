#include "settings/inidatei.h"

#include "gemeinsam/ordner.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace quorvia {
namespace {

struct LeseFall {
    const char* name;
    std::string text;
    std::string abschnitt;
    std::string schluessel;
    std::optional<std::string> erwartet;
};

TEST(IniDokument, LiestWerteNachDenRegelnDerDatei) {
    const std::string lang(300, 'x');
    const std::vector<LeseFall> faelle = {
        {"einfach", "[A]\r\nk=v\r\n", "A", "k", "v"},
        {"nur LF", "[A]\nk=v\n", "A", "k", "v"},
        {"letzte Zeile ohne Ende", "[A]\r\nk=v", "A", "k", "v"},
        {"Leerraum um Namen und Wert", "  [ A ]  \r\n\t k \t=  v w  \r\n", "A", "k", "v w"},
        {"Abschnitt in anderer Schreibung", "[bEgR\xFCssungstext]\r\nk=1\r\n", "Begr\xFCssungstext",
         "k", "1"},
        {"Schluessel in anderer Schreibung", "[A]\r\nSCHRIFTGR\xF6SSE=9\r\n", "A",
         "Schriftgr\xF6sse", "9"},
        // Only ASCII letters are folded: an upper-case umlaut is another name.
        {"Umlaut nicht gefaltet", "[A]\r\nSchriftgr\xD6sse=9\r\n", "A", "Schriftgr\xF6sse",
         std::nullopt},
        {"Wert behaelt seine Schreibung", "[A]\r\nk=Fett Kursiv\r\n", "A", "k", "Fett Kursiv"},
        {"leerer Wert", "[A]\r\nk=\r\n", "A", "k", ""},
        {"Gleichheitszeichen im Wert", "[A]\r\nk=a=b\r\n", "A", "k", "a=b"},
        {"erster von zwei Schluesseln", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "1"},
        {"Schluessel im zweiten gleichnamigen Abschnitt", "[A]\r\nx=0\r\n[B]\r\n[a]\r\nk=2\r\n",
         "A", "k", "2"},
        {"Schluessel fehlt", "[A]\r\nx=1\r\n", "A", "k", std::nullopt},
        {"Abschnitt fehlt", "[B]\r\nk=1\r\n", "A", "k", std::nullopt},
        {"Schluessel in anderem Abschnitt", "[A]\r\n[B]\r\nk=1\r\n", "A", "k", std::nullopt},
        {"vor jedem Abschnitt", "k=1\r\n[A]\r\n", "A", "k", std::nullopt},
        {"Kommentar mit Semikolon", "[A]\r\n;k=1\r\n", "A", "k", std::nullopt},
        {"Kommentar mit Raute", "[A]\r\n# k=1\r\n", "A", "k", std::nullopt},
        {"Zeile ohne Gleichheitszeichen", "[A]\r\nk\r\n", "A", "k", std::nullopt},
        {"Abschnitt ohne Klammer zu", "[A\r\nk=1\r\n", "A", "k", "1"},
        {"Text nach der Klammer", "[A] alt\r\nk=1\r\n", "A", "k", "1"},
        {"Byte-Order-Mark", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "A", "k", "1"},
        {"einzelnes CR am Ende", "[A]\r\nk=1\r\r\n", "A", "k", "1"},
        {"leere Datei", "", "A", "k", std::nullopt},
        {"langer Wert ungekuerzt", "[A]\r\nk=" + lang + "\r\n", "A", "k", lang},
    };
    for (const auto& f : faelle) {
        const auto dok = IniDokument::zerlegen(f.text);
        const auto w = dok.wert(f.abschnitt, f.schluessel);
        ASSERT_EQ(w.has_value(), f.erwartet.has_value()) << f.name;
        if (w) {
            EXPECT_EQ(std::string(*w), *f.erwartet) << f.name;
        }
    }
}

TEST(IniDokument, TextIstWieAusEinemPufferVon256Bytes) {
    struct Fall {
        const char* name;
        std::string text;
        std::string erwartet;
    };
    const std::vector<Fall> faelle = {
        {"fehlt", "[A]\r\n", "Vorgabe"},
        {"255 Bytes bleiben", "[A]\r\nk=" + std::string(255, 'a') + "\r\n", std::string(255, 'a')},
        {"256 Bytes werden 255", "[A]\r\nk=" + std::string(256, 'b') + "\r\n",
         std::string(255, 'b')},
        {"1000 Bytes werden 255", "[A]\r\nk=" + std::string(1000, 'c') + "\r\n",
         std::string(255, 'c')},
        {"Nullbyte beendet", std::string("[A]\r\nk=ab\0cd\r\n", 14), "ab"},
        {"Windows-1252 unveraendert", "[A]\r\nk=L\xF6sung\r\n", "L\xF6sung"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(IniDokument::zerlegen(f.text).text("A", "k", "Vorgabe"), f.erwartet) << f.name;
    }
}

TEST(IniDokument, GanzzahlNachDerDezimalregel) {
    struct Fall {
        std::string wert;
        int erwartet;
    };
    const std::vector<Fall> faelle = {
        {"0", 0},
        {"12", 12},
        {"-7", -7},
        {"007", 7},
        {"10abc", 10},
        {"3.9", 3},
        {"1 2", 1},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"--5", 0},
        {"+5", 0},
        {"- 5", 0},
        {"0x1F", 0},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", INT_MAX},
        {"99999999999999999999999", INT_MAX},
        {"-99999999999999999999999", INT_MIN},
        {"4294967297", INT_MAX},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(leseGanzzahl(f.wert), f.erwartet) << '"' << f.wert << '"';
        const auto dok = IniDokument::zerlegen("[A]\r\nk=" + f.wert + "\r\n");
        EXPECT_EQ(dok.zahl("A", "k", 42), f.erwartet) << '"' << f.wert << '"';
    }
    EXPECT_EQ(IniDokument::zerlegen("[A]\r\n").zahl("A", "k", 42), 42);
    EXPECT_EQ(IniDokument::zerlegen("[A]\r\nk =  5 \r\n").zahl("A", "k", 42), 5);
}

TEST(IniDokument, SchreibenAendertNurDieBetroffeneZeile) {
    struct Setzen {
        std::string abschnitt, schluessel, wert;
    };
    struct Fall {
        const char* name;
        std::string vorher;
        std::vector<Setzen> schritte;
        std::string nachher;
    };
    const std::vector<Fall> faelle = {
        {"leere Datei bekommt Abschnitt", "", {{"A", "k", "v"}}, "[A]\r\nk=v\r\n"},
        {"Wert an Ort und Stelle, Schreibung des Schluessels bleibt",
         "[a]\n  KEY  =  alt  \nx=1\n",
         {{"A", "key", "neu"}},
         "[a]\r\nKEY=neu\r\nx=1\r\n"},
        {"neuer Schluessel ans Ende seines Abschnitts, vor die Leerzeile",
         "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n",
         {{"A", "k", "v"}},
         "[A]\r\nx=1\r\nk=v\r\n\r\n[B]\r\ny=2\r\n"},
        {"neuer Schluessel nach einem Kommentar am Abschnittsende",
         "[A]\r\nx=1\r\n; Ende\r\n[B]\r\n",
         {{"A", "k", "v"}},
         "[A]\r\nx=1\r\n; Ende\r\nk=v\r\n[B]\r\n"},
        {"neuer Abschnitt ans Dateiende",
         "; Kopf\r\n[B]\r\ny=2\r\n",
         {{"A", "k", "v"}, {"A", "m", "w"}},
         "; Kopf\r\n[B]\r\ny=2\r\n[A]\r\nk=v\r\nm=w\r\n"},
        {"auskommentierter Schluessel bleibt",
         "[A]\r\n;k=alt\r\n",
         {{"A", "k", "1"}},
         "[A]\r\n;k=alt\r\nk=1\r\n"},
        {"Schluessel vor jedem Abschnitt bleibt",
         "k=0\r\n[A]\r\n",
         {{"A", "k", "1"}},
         "k=0\r\n[A]\r\nk=1\r\n"},
        {"nur der erste von zwei gleichen Schluesseln",
         "[A]\r\nk=1\r\nk=2\r\n",
         {{"A", "k", "3"}},
         "[A]\r\nk=3\r\nk=2\r\n"},
        {"Schluessel im zweiten gleichnamigen Abschnitt",
         "[A]\r\n[B]\r\n[A]\r\nk=1\r\n",
         {{"A", "k", "2"}},
         "[A]\r\n[B]\r\n[A]\r\nk=2\r\n"},
        {"letzte Zeile ohne Zeilenende", "[A]\nx=1", {{"A", "y", "2"}}, "[A]\r\nx=1\r\ny=2\r\n"},
        {"Zeilenumbrueche im Wert fallen weg",
         "",
         {{"A", "k", "a\r\nb=c\nd"}},
         "[A]\r\nk=ab=cd\r\n"},
        {"zweimal derselbe Schluessel bleibt eine Zeile",
         "",
         {{"A", "k", "1"}, {"a", "K", "2"}},
         "[A]\r\nk=2\r\n"},
        {"Windows-1252 in Namen",
         "",
         {{"W\xF6rter-/Stammformenabfrage", "L\xF6sungFarbeRGB1", "0"}},
         "[W\xF6rter-/Stammformenabfrage]\r\nL\xF6sungFarbeRGB1=0\r\n"},
    };
    for (const auto& f : faelle) {
        auto dok = IniDokument::zerlegen(f.vorher);
        for (const auto& s : f.schritte) {
            dok.setzen(s.abschnitt, s.schluessel, s.wert);
        }
        EXPECT_EQ(dok.alsText(), f.nachher) << f.name;
    }
}

TEST(DateiErsetzen, ErsetztOderLegtAn) {
    test::TempOrdner ordner;
    const Dateizugriff zugriff;
    const auto ziel = ordner / "x.ini";
    ASSERT_TRUE(datei::ersetzen(ziel, "eins", zugriff));
    EXPECT_EQ(test::dateiLesen(ziel), "eins");
    // A stale temporary file from an interrupted save does not get in the way.
    test::dateiSchreiben(ordner / "x.ini.neu", "alt und halb");
    ASSERT_TRUE(datei::ersetzen(ziel, "zwei", zugriff));
    EXPECT_EQ(test::dateiLesen(ziel), "zwei");
    EXPECT_EQ(test::dateiLesen(ordner / "x.ini.neu"), "alt und halb");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.pfad()), {}), 2);
}

} // namespace
} // namespace quorvia
