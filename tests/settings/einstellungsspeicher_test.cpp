#include "settings/einstellungsspeicher.h"

#include "gemeinsam/ordner.h"
#include "robust/stoerung.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorvia {
namespace {

const std::string kopfBegruessung = "[Begr\xFCssungstext]\r\n";
const std::string kopfAbfrage = "[W\xF6rter-/Stammformenabfrage]\r\n";

BegruessungsStil stilMit(const std::function<void(BegruessungsStil&)>& aendern) {
    BegruessungsStil s;
    aendern(s);
    return s;
}
AbfrageEinstellungen abfrageMit(const std::function<void(AbfrageEinstellungen&)>& aendern) {
    AbfrageEinstellungen a;
    aendern(a);
    return a;
}

// The file as the program writes it for the given values, byte for byte.
std::string erwarteteDatei(const BegruessungsStil& b, const AbfrageEinstellungen& a) {
    const auto farbe = [](const std::string& stamm, Farbe f) {
        return stamm + "RGB1=" + std::to_string(rotVon(f)) + "\r\n" + stamm +
               "RGB2=" + std::to_string(gruenVon(f)) + "\r\n" + stamm +
               "RGB3=" + std::to_string(blauVon(f)) + "\r\n";
    };
    return kopfBegruessung + "Schriftart=" + b.schriftart + "\r\n" +
           "Schriftgr\xF6sse=" + std::to_string(b.groesse) + "\r\n" + "Schriftstil=" + b.stil +
           "\r\n" + farbe("Schriftfarbe", b.farbe) + kopfAbfrage +
           farbe("AusdruckFarbe", a.ausdruckFarbe) + farbe("MeldungFarbe", a.meldungFarbe) +
           farbe("L\xF6sungFarbe", a.loesungFarbe) + "AutoAbfrage=" + (a.automatisch ? "1" : "0") +
           "\r\n" + "AbfragePause=" + std::to_string(a.pause) + "\r\n" +
           "StrengeKorrektur=" + (a.streng ? "1" : "0") + "\r\n";
}

class EinstellungsSpeicherTest : public ::testing::Test {
protected:
    test::TempOrdner ordner;
    std::filesystem::path datei = ordner / "Einstellungen.ini";
};

TEST_F(EinstellungsSpeicherTest, StandardwerteSindDieVorgaben) {
    const auto w = EinstellungsSpeicher::standardwerte();
    EXPECT_EQ(w.begruessung.schriftart, "Tahoma");
    EXPECT_EQ(w.begruessung.groesse, 8);
    EXPECT_EQ(w.begruessung.stil, "Standard");
    EXPECT_EQ(w.begruessung.farbe, rgb(0, 0, 0));
    EXPECT_EQ(w.abfrage.ausdruckFarbe, rgb(0, 0, 0));
    EXPECT_EQ(w.abfrage.meldungFarbe, rgb(0, 0, 139));
    EXPECT_EQ(w.abfrage.loesungFarbe, rgb(0, 128, 0));
    EXPECT_FALSE(w.abfrage.automatisch);
    EXPECT_EQ(w.abfrage.pause, 3);
    EXPECT_TRUE(w.abfrage.streng);
    EXPECT_EQ(rgb(1, 2, 3), 1u + 2u * 256u + 3u * 65536u);
}

struct LadeFall {
    const char* name;
    std::optional<std::string> datei; // nullopt: no file at all
    BegruessungsStil stil;
    AbfrageEinstellungen abfrage;
};

TEST_F(EinstellungsSpeicherTest, LadenPrueftJedesFeld) {
    const BegruessungsStil b;
    const AbfrageEinstellungen a;
    const std::string lang40 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
    const std::vector<LadeFall> faelle = {
        {"keine Datei", std::nullopt, b, a},
        {"leere Datei", "", b, a},
        {"Meldungsfarbe mit einer Komponente 300 faellt ganz zurueck",
         kopfAbfrage + "MeldungFarbeRGB1=10\r\nMeldungFarbeRGB2=300\r\nMeldungFarbeRGB3=20\r\n", b,
         a},
        {"gueltige Meldungsfarbe",
         kopfAbfrage + "MeldungFarbeRGB1=10\r\nMeldungFarbeRGB2=255\r\nMeldungFarbeRGB3=0\r\n", b,
         abfrageMit([](auto& x) { x.meldungFarbe = rgb(10, 255, 0); })},
        {"fehlende Komponenten nehmen ihre Vorgabe", kopfAbfrage + "MeldungFarbeRGB1=5\r\n", b,
         abfrageMit([](auto& x) { x.meldungFarbe = rgb(5, 0, 139); })},
        {"Loesungsfarbe mit -1 faellt zurueck",
         kopfAbfrage + "L\xF6sungFarbeRGB1=-1\r\nL\xF6sungFarbeRGB2=7\r\n", b, a},
        {"Ausdrucksfarbe mit 256 faellt zurueck",
         kopfAbfrage + "AusdruckFarbeRGB1=1\r\nAusdruckFarbeRGB3=256\r\n", b, a},
        {"Ausdrucksfarbe mit riesiger Zahl faellt zurueck",
         kopfAbfrage + "AusdruckFarbeRGB2=4294967296\r\n", b, a},
        {"Schriftfarbe mit 256 wird schwarz",
         kopfBegruessung + "SchriftfarbeRGB1=12\r\nSchriftfarbeRGB2=256\r\n", b, a},
        {"Schriftfarbe gueltig",
         kopfBegruessung + "SchriftfarbeRGB1=255\r\nSchriftfarbeRGB2=128\r\nSchriftfarbeRGB3=1\r\n",
         stilMit([](auto& x) { x.farbe = rgb(255, 128, 1); }), a},
        {"Pause 0", kopfAbfrage + "AbfragePause=0\r\n", b, a},
        {"Pause 11", kopfAbfrage + "AbfragePause=11\r\n", b, a},
        {"Pause 10", kopfAbfrage + "AbfragePause=10\r\n", b,
         abfrageMit([](auto& x) { x.pause = 10; })},
        {"Pause 1", kopfAbfrage + "AbfragePause=1\r\n", b,
         abfrageMit([](auto& x) { x.pause = 1; })},
        {"Pause leer liest 0", kopfAbfrage + "AbfragePause=\r\n", b, a},
        {"Pause 7 Sekunden", kopfAbfrage + "AbfragePause=7 Sekunden\r\n", b,
         abfrageMit([](auto& x) { x.pause = 7; })},
        {"AutoAbfrage 2 ist aus", kopfAbfrage + "AutoAbfrage=2\r\n", b, a},
        {"AutoAbfrage 1 ist an", kopfAbfrage + "AutoAbfrage=1\r\n", b,
         abfrageMit([](auto& x) { x.automatisch = true; })},
        {"AutoAbfrage -1 ist aus", kopfAbfrage + "AutoAbfrage=-1\r\n", b, a},
        {"StrengeKorrektur 2 ist an", kopfAbfrage + "StrengeKorrektur=2\r\n", b, a},
        {"StrengeKorrektur -1 ist an", kopfAbfrage + "StrengeKorrektur=-1\r\n", b, a},
        {"StrengeKorrektur 0 ist aus", kopfAbfrage + "StrengeKorrektur=0\r\n", b,
         abfrageMit([](auto& x) { x.streng = false; })},
        {"StrengeKorrektur Text liest 0", kopfAbfrage + "StrengeKorrektur=ja\r\n", b,
         abfrageMit([](auto& x) { x.streng = false; })},
        {"Schriftgroesse 14 bleibt wie gelesen", kopfBegruessung + "Schriftgr\xF6sse=14\r\n",
         stilMit([](auto& x) { x.groesse = 14; }), a},
        {"Schriftstil fett bleibt wie gelesen", kopfBegruessung + "Schriftstil=fett\r\n",
         stilMit([](auto& x) { x.stil = "fett"; }), a},
        {"Schriftart mit 40 Zeichen wird 31", kopfBegruessung + "Schriftart=" + lang40 + "\r\n",
         stilMit([&](auto& x) { x.schriftart = lang40.substr(0, 31); }), a},
        {"Schriftart mit 31 Zeichen bleibt",
         kopfBegruessung + "Schriftart=" + lang40.substr(0, 31) + "\r\n",
         stilMit([&](auto& x) { x.schriftart = lang40.substr(0, 31); }), a},
        {"Schriftart leer", kopfBegruessung + "Schriftart=\r\n",
         stilMit([](auto& x) { x.schriftart = ""; }), a},
        {"Namen in anderer Schreibung, Leerraum, LF",
         "[begr\xFCssungstext]\n  SCHRIFTART =  Comic Sans MS \n schriftstil=Fett Kursiv\n"
         "[w\xF6rter-/stammformenabfrage]\nabfragepause = 5\n",
         stilMit([](auto& x) {
             x.schriftart = "Comic Sans MS";
             x.stil = "Fett Kursiv";
         }),
         abfrageMit([](auto& x) { x.pause = 5; })},
        {"Schluessel im falschen Abschnitt zaehlt nicht",
         kopfBegruessung + "AbfragePause=5\r\n" + kopfAbfrage + "Schriftart=Arial\r\n", b, a},
        {"Namen in UTF-8 statt Windows-1252 zaehlen nicht",
         "[W\xC3\xB6rter-/Stammformenabfrage]\r\nAbfragePause=5\r\n", b, a},
        {"Datei ohne jeden Sinn", std::string("\0\xFF\x01[\r\n=\r\n]]]=[\n\n\r", 14), b, a},
    };
    const EinstellungsSpeicher speicher(datei);
    for (const auto& f : faelle) {
        std::filesystem::remove(datei);
        if (f.datei) {
            test::dateiSchreiben(datei, *f.datei);
        }
        EXPECT_EQ(speicher.begruessungLaden(), f.stil) << f.name;
        EXPECT_EQ(speicher.abfrageLaden(), f.abfrage) << f.name;
    }
}

// A colour counts as stored only when the file holds a valid value for it: missing keys
// and a value out of range leave the default in use; a stored default is still stored.
TEST_F(EinstellungsSpeicherTest, GespeicherteFarbenVonVorgabenUnterschieden) {
    const struct {
        const char* name;
        std::optional<std::string> datei;
        GespeicherteFarben erwartet;
    } faelle[] = {
        {"KeineDatei", std::nullopt, {}},
        {"NurAndereSchluessel",
         kopfBegruessung + "Schriftart=Arial\r\n" + kopfAbfrage + "AbfragePause=4\r\n",
         {}},
        {"GespeicherteVorgabe", erwarteteDatei({}, {}), {true, true, true, true}},
        {"EinTeilGenuegt", kopfAbfrage + "MeldungFarbeRGB3=200\r\n", {false, false, true, false}},
        {"AusserhalbDesBereichs",
         kopfBegruessung + "SchriftfarbeRGB1=300\r\n" + kopfAbfrage + "L\xF6sungFarbeRGB2=-1\r\n" +
             "AusdruckFarbeRGB1=12\r\n",
         {false, true, false, false}},
    };
    for (const auto& f : faelle) {
        std::filesystem::remove(datei);
        if (f.datei) {
            test::dateiSchreiben(datei, *f.datei);
        }
        EXPECT_EQ(EinstellungsSpeicher(datei).gespeicherteFarben(), f.erwartet) << f.name;
    }
}

TEST_F(EinstellungsSpeicherTest, UnlesbareDateiGibtVorgabenUndWirdNichtUeberschrieben) {
    std::filesystem::create_directory(datei);
    const EinstellungsSpeicher speicher(datei);
    EXPECT_EQ(speicher.begruessungLaden(), BegruessungsStil{});
    EXPECT_EQ(speicher.abfrageLaden(), AbfrageEinstellungen{});
    EXPECT_FALSE(speicher.speichern(BegruessungsStil{}, AbfrageEinstellungen{}));
    EXPECT_TRUE(std::filesystem::is_directory(datei));
}

TEST_F(EinstellungsSpeicherTest, JederAufrufLiestDieDateiNeu) {
    const EinstellungsSpeicher speicher(datei);
    test::dateiSchreiben(datei, kopfAbfrage + "AbfragePause=4\r\n");
    EXPECT_EQ(speicher.abfrageLaden().pause, 4);
    test::dateiSchreiben(datei, kopfAbfrage + "AbfragePause=6\r\n");
    EXPECT_EQ(speicher.abfrageLaden().pause, 6);
}

TEST_F(EinstellungsSpeicherTest, SpeichernSchreibtAchtzehnSchluesselInIhrerFolge) {
    const auto w = EinstellungsSpeicher::standardwerte();
    const EinstellungsSpeicher speicher(datei);
    ASSERT_TRUE(speicher.speichern(w.begruessung, w.abfrage));
    const std::string erwartet =
        kopfBegruessung +
        "Schriftart=Tahoma\r\nSchriftgr\xF6sse=8\r\nSchriftstil=Standard\r\n"
        "SchriftfarbeRGB1=0\r\nSchriftfarbeRGB2=0\r\nSchriftfarbeRGB3=0\r\n" +
        kopfAbfrage +
        "AusdruckFarbeRGB1=0\r\nAusdruckFarbeRGB2=0\r\nAusdruckFarbeRGB3=0\r\n"
        "MeldungFarbeRGB1=0\r\nMeldungFarbeRGB2=0\r\nMeldungFarbeRGB3=139\r\n"
        "L\xF6sungFarbeRGB1=0\r\nL\xF6sungFarbeRGB2=128\r\nL\xF6sungFarbeRGB3=0\r\n"
        "AutoAbfrage=0\r\nAbfragePause=3\r\nStrengeKorrektur=1\r\n";
    EXPECT_EQ(test::dateiLesen(datei), erwartet);
    // Saving again updates in place instead of adding a second set of keys.
    ASSERT_TRUE(speicher.speichern(w.begruessung, w.abfrage));
    EXPECT_EQ(test::dateiLesen(datei), erwartet);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.pfad()), {}), 1);
}

TEST_F(EinstellungsSpeicherTest, RundreiseDurchEineEchteDatei) {
    struct Fall {
        const char* name;
        BegruessungsStil stil;
        AbfrageEinstellungen abfrage;
    };
    const std::vector<Fall> faelle = {
        {"Vorgaben", {}, {}},
        {"alles anders",
         {"Times New Roman", 12, "Fett Kursiv", rgb(255, 254, 253)},
         {rgb(1, 2, 3), rgb(4, 5, 6), rgb(255, 255, 255), true, 10, false}},
        {"Grenzen", {"A", 8, "Kursiv", rgb(0, 255, 0)}, {rgb(0, 0, 0), 0, 0, false, 1, true}},
        {"Windows-1252 im Namen", {"Sch\xF6ne Schrift \xC4", 11, "Fett", rgb(9, 9, 9)}, {}},
    };
    const EinstellungsSpeicher speicher(datei);
    for (const auto& f : faelle) {
        ASSERT_TRUE(speicher.speichern(f.stil, f.abfrage)) << f.name;
        EXPECT_EQ(test::dateiLesen(datei), erwarteteDatei(f.stil, f.abfrage)) << f.name;
        EXPECT_EQ(speicher.begruessungLaden(), f.stil) << f.name;
        EXPECT_EQ(speicher.abfrageLaden(), f.abfrage) << f.name;
    }
}

TEST_F(EinstellungsSpeicherTest, WerteWerdenOhnePruefungGeschrieben) {
    // A 6-point font is stored as 6 and ignored on reading: the greeting keeps the label's
    // height. Out-of-range values are kept in the file as the caller gave them.
    const Schriftbeschreibung sechsPunkte{"Arial", -8, 400, false};
    const auto stil = EinstellungsSpeicher::begruessungAusSchrift(sechsPunkte, rgb(1, 2, 3), 96);
    AbfrageEinstellungen abfrage;
    abfrage.pause = 0;
    const EinstellungsSpeicher speicher(datei);
    ASSERT_TRUE(speicher.speichern(stil, abfrage));
    const std::string inhalt = test::dateiLesen(datei);
    EXPECT_NE(inhalt.find("\r\nSchriftgr\xF6sse=6\r\n"), std::string::npos);
    EXPECT_NE(inhalt.find("\r\nAbfragePause=0\r\n"), std::string::npos);

    const auto gelesen = speicher.begruessungLaden();
    EXPECT_EQ(gelesen.groesse, 6);
    const Schriftbeschreibung label{"MS Shell Dlg", -11, 400, false};
    const auto schrift = EinstellungsSpeicher::begruessungsSchrift(gelesen, label, 96);
    EXPECT_EQ(schrift, (Schriftbeschreibung{"Arial", -11, 400, false}));
    EXPECT_EQ(speicher.abfrageLaden().pause, 3);
}

TEST_F(EinstellungsSpeicherTest, HandgeschriebeneDateiBleibtErhalten) {
    const std::string vorher = "; Von Hand angelegt\r\n"
                               "[Allgemein]\r\n"
                               "Sprache = Deutsch\r\n"
                               "\r\n"
                               "  [ begr\xFC"
                               "ssungstext ]  \r\n"
                               "SCHRIFTART   =   Arial  \r\n"
                               "; die Groesse fehlt noch\r\n"
                               "Unbekannt=bleibt\r\n"
                               "schriftfarbergb2=77\r\n"
                               "\r\n"
                               "[Fenster]\n"
                               "Links=10\n"
                               "[w\xF6rter-/STAMMFORMENabfrage]\n"
                               "\tabfragepause\t=\t9\n"
                               "   ; eingerueckter Kommentar\n"
                               "Extra = 1 ;mit Kommentar\n";
    test::dateiSchreiben(datei, vorher);
    const EinstellungsSpeicher speicher(datei);
    EXPECT_EQ(speicher.begruessungLaden().schriftart, "Arial");
    EXPECT_EQ(speicher.abfrageLaden().pause, 9);

    const BegruessungsStil stil{"Verdana", 10, "Fett", rgb(1, 2, 3)};
    const AbfrageEinstellungen abfrage{rgb(4, 5, 6), rgb(7, 8, 9), rgb(10, 11, 12), true, 2, false};
    ASSERT_TRUE(speicher.speichern(stil, abfrage));

    const std::string nachher =
        "; Von Hand angelegt\r\n"
        "[Allgemein]\r\n"
        "Sprache = Deutsch\r\n"
        "\r\n"
        "  [ begr\xFC"
        "ssungstext ]  \r\n"
        "SCHRIFTART=Verdana\r\n"
        "; die Groesse fehlt noch\r\n"
        "Unbekannt=bleibt\r\n"
        "schriftfarbergb2=2\r\n"
        "Schriftgr\xF6sse=10\r\n"
        "Schriftstil=Fett\r\n"
        "SchriftfarbeRGB1=1\r\n"
        "SchriftfarbeRGB3=3\r\n"
        "\r\n"
        "[Fenster]\r\n"
        "Links=10\r\n"
        "[w\xF6rter-/STAMMFORMENabfrage]\r\n"
        "abfragepause=2\r\n"
        "   ; eingerueckter Kommentar\r\n"
        "Extra = 1 ;mit Kommentar\r\n"
        "AusdruckFarbeRGB1=4\r\nAusdruckFarbeRGB2=5\r\nAusdruckFarbeRGB3=6\r\n"
        "MeldungFarbeRGB1=7\r\nMeldungFarbeRGB2=8\r\nMeldungFarbeRGB3=9\r\n"
        "L\xF6sungFarbeRGB1=10\r\nL\xF6sungFarbeRGB2=11\r\n"
        "L\xF6sungFarbeRGB3=12\r\n"
        "AutoAbfrage=1\r\n"
        "StrengeKorrektur=0\r\n";
    EXPECT_EQ(test::dateiLesen(datei), nachher);
    EXPECT_EQ(speicher.begruessungLaden(), stil);
    EXPECT_EQ(speicher.abfrageLaden(), abfrage);
}

TEST_F(EinstellungsSpeicherTest, SchreibgeschuetzterOrdnerMeldetFehlerUndLaesstDieDatei) {
    const std::string alt = kopfAbfrage + "AbfragePause=5\r\n; bleibt\r\n";
    test::dateiSchreiben(datei, alt);
    // Root writes past the permissions: there the folder refuses new files by injection.
    std::optional<test::SystemaufrufScheitert> anlegenScheitert;
    if (test::rechteHaltenNichtAuf(ordner.pfad())) {
        anlegenScheitert.emplace(test::SystemaufrufScheitert::Aufruf::Anlegen);
    }
    std::filesystem::permissions(ordner.pfad(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);

    const EinstellungsSpeicher speicher(datei);
    EXPECT_FALSE(speicher.speichern(BegruessungsStil{"Arial", 9, "Fett", 0}, {}));
    EXPECT_EQ(test::dateiLesen(datei), alt);
    EXPECT_EQ(speicher.abfrageLaden().pause, 5);
}

// A file beyond any real settings reads as the defaults and is never cut by a save; one
// just at the bound reads.
TEST_F(EinstellungsSpeicherTest, UebergrosseOderFremdeDateiGiltAlsVorgabe) {
    const std::string kopf = kopfAbfrage + "AbfragePause=7\r\n;";
    const std::size_t grenze = Dateizugriff::maxGroesse;
    for (const std::size_t groesse : {grenze, grenze + 1}) {
        const std::string inhalt = kopf + std::string(groesse - kopf.size() - 2, 'x') + "\r\n";
        test::dateiSchreiben(datei, inhalt);
        const EinstellungsSpeicher speicher(datei);
        const bool lesbar = groesse <= grenze;
        EXPECT_EQ(speicher.abfrageLaden().pause, lesbar ? 7 : 3) << groesse;
        EXPECT_EQ(speicher.speichern({}, {}), lesbar) << groesse;
        if (!lesbar) {
            EXPECT_EQ(test::dateiLesen(datei), inhalt);
        }
    }
}

TEST_F(EinstellungsSpeicherTest, OrdnerDerKeinerIstMeldetFehler) {
    test::dateiSchreiben(ordner / "datei", "kein Ordner");
    const EinstellungsSpeicher speicher(ordner / "datei" / "Einstellungen.ini");
    EXPECT_FALSE(speicher.speichern({}, {}));
    EXPECT_EQ(test::dateiLesen(ordner / "datei"), "kein Ordner");
    EXPECT_EQ(speicher.begruessungLaden(), BegruessungsStil{});
}

// Fails the chosen step, otherwise works on the real files.
class ScheiternderZugriff : public Dateizugriff {
public:
    enum class Schritt { Lesen, Schreiben, HalbSchreiben, Umbenennen } schritt;
    explicit ScheiternderZugriff(Schritt s) : schritt(s) {}

    Leseergebnis lesen(const std::filesystem::path& pfad) const override {
        if (schritt == Schritt::Lesen) {
            return {Lesestand::Fehler, {}};
        }
        return Dateizugriff::lesen(pfad);
    }
    bool schreiben(int fd, std::string_view inhalt) const override {
        if (schritt == Schritt::HalbSchreiben) {
            // A full disk: part of the bytes reach the temporary file.
            Dateizugriff::schreiben(fd, inhalt.substr(0, inhalt.size() / 2));
            return false;
        }
        return schritt != Schritt::Schreiben && Dateizugriff::schreiben(fd, inhalt);
    }
    bool umbenennen(const std::filesystem::path& quelle,
                    const std::filesystem::path& ziel) const override {
        return schritt != Schritt::Umbenennen && Dateizugriff::umbenennen(quelle, ziel);
    }
};

TEST_F(EinstellungsSpeicherTest, JederScheiterndeSchrittWirdGemeldet) {
    using S = ScheiternderZugriff::Schritt;
    const std::string alt = kopfBegruessung + "Schriftart=Arial\r\n";
    for (S schritt : {S::Lesen, S::Schreiben, S::HalbSchreiben, S::Umbenennen}) {
        test::dateiSchreiben(datei, alt);
        const EinstellungsSpeicher speicher(datei, std::make_shared<ScheiternderZugriff>(schritt));
        EXPECT_FALSE(speicher.speichern({}, {})) << static_cast<int>(schritt);
        EXPECT_EQ(test::dateiLesen(datei), alt) << static_cast<int>(schritt);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.pfad()), {}), 1)
            << static_cast<int>(schritt);
    }
}

TEST(Begruessungsschrift, AusDemGespeichertenStil) {
    const Schriftbeschreibung label{"MS Shell Dlg", -11, 400, false};
    const Schriftbeschreibung fettKursiv{"MS Shell Dlg", -20, 700, true};
    const std::string lang40(40, 'Q');
    struct Fall {
        const char* name;
        BegruessungsStil stil;
        Schriftbeschreibung basis;
        int ppi;
        bool zuruecksetzen;
        Schriftbeschreibung erwartet;
    };
    const std::vector<Fall> faelle = {
        {"Vorgabe", {}, label, 96, false, {"Tahoma", -11, 400, false}},
        {"12 Punkte bei 120 ppi",
         {"Arial", 12, "Standard", 0},
         label,
         120,
         false,
         {"Arial", -20, 400, false}},
        {"Groesse 14 laesst die Hoehe, Name und Stil gelten",
         {"Arial", 14, "Fett", 0},
         label,
         96,
         false,
         {"Arial", -11, 700, false}},
        {"Groesse 7 laesst die Hoehe",
         {"Arial", 7, "Standard", 0},
         fettKursiv,
         96,
         false,
         {"Arial", -20, 700, true}},
        {"Groesse 8 gilt",
         {"Arial", 8, "Standard", 0},
         fettKursiv,
         96,
         false,
         {"Arial", -11, 700, true}},
        {"Kursiv", {"Arial", 9, "Kursiv", 0}, label, 96, false, {"Arial", -12, 400, true}},
        {"Fett", {"Arial", 10, "Fett", 0}, label, 96, false, {"Arial", -13, 700, false}},
        {"Fett Kursiv",
         {"Arial", 11, "Fett Kursiv", 0},
         label,
         96,
         false,
         {"Arial", -15, 700, true}},
        {"fett klein wirkt wie Standard",
         {"Arial", 8, "fett", 0},
         label,
         96,
         false,
         {"Arial", -11, 400, false}},
        {"unbekanntes Wort aendert nichts",
         {"Arial", 8, "Fettkursiv", 0},
         fettKursiv,
         96,
         false,
         {"Arial", -11, 700, true}},
        {"ohne Zuruecksetzen bleibt der alte Stil",
         {"Arial", 8, "Standard", 0},
         fettKursiv,
         96,
         false,
         {"Arial", -11, 700, true}},
        {"Zuruecksetzen vor dem Stil",
         {"Arial", 8, "Standard", 0},
         fettKursiv,
         96,
         true,
         {"Arial", -11, 400, false}},
        {"Zuruecksetzen, dann Kursiv",
         {"Arial", 8, "Kursiv", 0},
         fettKursiv,
         96,
         true,
         {"Arial", -11, 400, true}},
        {"langer Name auf 31 gekuerzt",
         {lang40, 8, "Standard", 0},
         label,
         96,
         false,
         {lang40.substr(0, 31), -11, 400, false}},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(
            EinstellungsSpeicher::begruessungsSchrift(f.stil, f.basis, f.ppi, f.zuruecksetzen),
            f.erwartet)
            << f.name;
    }
}

TEST(Begruessungsschrift, ZurueckInGespeicherteWerte) {
    struct Fall {
        const char* name;
        Schriftbeschreibung schrift;
        int ppi;
        BegruessungsStil erwartet;
    };
    const Farbe farbe = rgb(200, 100, 50);
    const std::vector<Fall> faelle = {
        {"8 Punkte", {"Tahoma", -11, 400, false}, 96, {"Tahoma", 8, "Standard", farbe}},
        {"700 kursiv", {"Arial", -16, 700, true}, 96, {"Arial", 12, "Fett Kursiv", farbe}},
        {"700 aufrecht", {"Arial", -16, 700, false}, 96, {"Arial", 12, "Fett", farbe}},
        {"600 gilt nicht als fett",
         {"Arial", -16, 600, false},
         96,
         {"Arial", 12, "Standard", farbe}},
        {"800 kursiv gilt nicht als fett",
         {"Arial", -16, 800, true},
         96,
         {"Arial", 12, "Kursiv", farbe}},
        {"halbe Punkte von null weg",
         {"Arial", -14, 400, false},
         96,
         {"Arial", 11, "Standard", farbe}},
        {"bei 120 ppi", {"Arial", -20, 400, false}, 120, {"Arial", 12, "Standard", farbe}},
        {"6 Punkte", {"Arial", -8, 400, false}, 96, {"Arial", 6, "Standard", farbe}},
        {"langer Name",
         {std::string(35, 'n'), -11, 400, false},
         96,
         {std::string(31, 'n'), 8, "Standard", farbe}},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(EinstellungsSpeicher::begruessungAusSchrift(f.schrift, farbe, f.ppi), f.erwartet)
            << f.name;
    }
}

} // namespace
} // namespace quorvia
