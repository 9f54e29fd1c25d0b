#include "data/datendatei.h"
#include "data/eintragsliste.h"
#include "data/lektionstabelle.h"
#include "gemeinsam/ordner.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <vector>

namespace quorvia {
namespace {

using test::dateiLesen;
using test::dateiSchreiben;
using test::TempOrdner;

struct Lauf {
    int status = -1;
    std::string aus;
    std::string fehler;
};

// Runs the built course tool through the shell with the given argument string.
Lauf starten(const TempOrdner& ordner, const std::string& argumente,
             const std::string& eingabe = "") {
    const auto ein = ordner / "stdin";
    const auto aus = ordner / "stdout";
    const auto fehler = ordner / "stderr";
    dateiSchreiben(ein, eingabe);
    const std::string befehl =
        "cd '" + ordner.pfad().string() + "' && '" QUORVIA_KURS_WERKZEUG "' " + argumente + " <'" +
        ein.string() + "' >'" + aus.string() + "' 2>'" + fehler.string() + "'";
    const int roh = std::system(befehl.c_str());
    Lauf lauf;
    lauf.status = WIFEXITED(roh) ? WEXITSTATUS(roh) : -1;
    lauf.aus = dateiLesen(aus);
    lauf.fehler = dateiLesen(fehler);
    return lauf;
}

bool eineZeile(const std::string& s) {
    return !s.empty() && s.back() == '\n' && s.find('\n') == s.size() - 1;
}

struct Zeile {
    std::string lektion, latein, deutsch;
};

// A course of the right shape: item n in its lesson, with umlauts in the German column.
std::vector<Zeile> kurs(Kursart art) {
    std::vector<Zeile> zeilen;
    int n = 0;
    for (int l = 1; l <= Lektionstabelle::anzahlLektionen; ++l) {
        for (int i = 0; i < Lektionstabelle::anzahlEintraege(art, l); ++i) {
            ++n;
            zeilen.push_back({Lektionstabelle::lektionstext(l),
                              "via" + std::to_string(n) + ", viae f.",
                              "Weg" + std::to_string(n) +
                                  ", Stra\xC3\x9F"
                                  "e \xE2\x80\x93 \xC3\xA4"});
        }
    }
    return zeilen;
}

std::string tsv(const std::vector<Zeile>& zeilen) {
    std::string s = "Lektion\tLatein\tDeutsch\n";
    for (const auto& z : zeilen) {
        s += z.lektion + "\t" + z.latein + "\t" + z.deutsch + "\n";
    }
    return s;
}

TEST(KursWerkzeug, HelpAndUsageErrors) {
    TempOrdner o;
    const Lauf hilfe = starten(o, "--help");
    EXPECT_EQ(hilfe.status, 0);
    for (const char* befehl : {"bauen", "zeigen", "entschluesseln", "verschluesseln", "pruefen"}) {
        EXPECT_NE(hilfe.aus.find(befehl), std::string::npos) << befehl;
    }
    for (const std::string args :
         {"", "machen", "bauen kurs.tsv ziel.dat", "bauen --art latein a.tsv b.dat",
          "bauen --art woerter", "zeigen", "pruefen x.dat", "entschluesseln a", "zeigen --x a"}) {
        const Lauf l = starten(o, args);
        EXPECT_EQ(l.status, 1) << args;
        EXPECT_TRUE(eineZeile(l.fehler)) << args << ": " << l.fehler;
    }
}

TEST(KursWerkzeug, BuildsACourseThatShowsAndChecksBack) {
    for (const auto& [art, name, datei] :
         {std::tuple{Kursart::Woerter, "woerter", "Woerter.dat"},
          std::tuple{Kursart::Stammformen, "stammformen", "Stammformen.dat"}}) {
        TempOrdner o;
        const auto zeilen = kurs(art);
        dateiSchreiben(o / "kurs.tsv", tsv(zeilen));
        const Lauf bau =
            starten(o, std::string("bauen --art ") + name + " kurs.tsv ordner/" + datei);
        ASSERT_EQ(bau.status, 0) << bau.fehler;

        const Eintragsliste liste(DatenDatei::lesen(o / "ordner" / datei, Fehlerart::Unerwartet));
        ASSERT_EQ(liste.anzahl(), Lektionstabelle::anzahlGesamt(art));
        const int letzter = Lektionstabelle::anzahlGesamt(art);
        EXPECT_EQ(liste.eintrag(letzter),
                  (Eintrag{letzter, "via" + std::to_string(letzter) + ", viae f.",
                           "Weg" + std::to_string(letzter) +
                               ", Stra\xDF"
                               "e \x96 \xE4"}));
        EXPECT_EQ(liste.text().substr(0, 5), "#1#\r\n");

        const Lauf zeigen = starten(o, std::string("zeigen ordner/") + datei);
        EXPECT_EQ(zeigen.status, 0) << zeigen.fehler;
        EXPECT_EQ(zeigen.aus, tsv(zeilen));

        const Lauf pruefen = starten(o, std::string("pruefen --art ") + name + " ordner/" + datei);
        EXPECT_EQ(pruefen.status, 0) << pruefen.aus;
        const Lauf falscheArt = starten(
            o, std::string("pruefen --art ") +
                   (art == Kursart::Woerter ? "stammformen" : "woerter") + " ordner/" + datei);
        EXPECT_EQ(falscheArt.status, 1);
        EXPECT_TRUE(eineZeile(falscheArt.fehler)) << falscheArt.fehler;
    }
}

TEST(KursWerkzeug, RefusesBadSourcesNamingTheLine) {
    const auto gut = kurs(Kursart::Stammformen);
    struct Fall {
        std::string name;
        std::string quelle;
        std::string erwartet; // piece of the message
    };
    auto mit = [&](std::size_t index, auto aendern) {
        auto zeilen = gut;
        aendern(zeilen[index]);
        return tsv(zeilen);
    };
    auto roh = [&](std::size_t index, std::string zeile) {
        std::string s = "Lektion\tLatein\tDeutsch\n";
        for (std::size_t i = 0; i < gut.size(); ++i) {
            s += i == index ? zeile : gut[i].lektion + "\t" + gut[i].latein + "\t" + gut[i].deutsch;
            s += "\n";
        }
        return s;
    };
    std::vector<Fall> faelle = {
        {"header", "Lektion;Latein;Deutsch\n", "Zeile 1:"},
        {"header with CR LF", "Lektion\tLatein\tDeutsch\r\n", "Zeile 1: Zeilenenden"},
        {"empty Latin", mit(3, [](Zeile& z) { z.latein.clear(); }), "Zeile 5:"},
        {"empty German", mit(3, [](Zeile& z) { z.deutsch.clear(); }), "Zeile 5:"},
        {"tab in a field", mit(5, [](Zeile& z) { z.deutsch += "\tx"; }), "Zeile 7:"},
        {"CR in a field", mit(1, [](Zeile& z) { z.latein += "\r"; }), "Zeile 3:"},
        {"CR LF line ends", mit(0, [](Zeile& z) { z.deutsch += "\r"; }), "Zeile 2:"},
        {"leading hash", mit(8, [](Zeile& z) { z.latein = "#" + z.latein; }), "Zeile 10:"},
        {"trailing hash", mit(8, [](Zeile& z) { z.deutsch += "#"; }), "Zeile 10:"},
        {"marker-shaped piece", mit(8, [](Zeile& z) { z.deutsch += " #12# x"; }), "#12#"},
        {"Latin of digits only", mit(8, [](Zeile& z) { z.latein = "3"; }), "Zeile 10:"},
        {"German of digits only", mit(8, [](Zeile& z) { z.deutsch = "007"; }), "Zeile 10:"},
        {"not Windows-1252", mit(9, [](Zeile& z) { z.latein += " \xCE\xB1"; }), "Zeile 11:"},
        {"invalid UTF-8", mit(9, [](Zeile& z) { z.latein += "\xC3"; }), "Zeile 11:"},
        {"two columns", roh(2, "01\tnur Latein"), "Zeile 4: erwartet drei Spalten"},
        {"blank line inside", roh(2, ""), "Zeile 4:"},
        {"lesson 51", mit(20, [](Zeile& z) { z.lektion = "51"; }), "Zeile 22:"},
        {"lesson goes back", mit(20, [](Zeile& z) { z.lektion = "01"; }), "Zeile 22:"},
        // Item 11 moved into lesson 02: lesson 01 comes up one short where 02 starts.
        {"lesson count", mit(10, [](Zeile& z) { z.lektion = "02"; }), "Lektion 01 hat 10"},
    };
    {
        auto zeilen = gut;
        zeilen.pop_back();
        faelle.push_back({"last item missing", tsv(zeilen), "Lektion 50 hat 8"});
        zeilen = gut;
        zeilen.push_back(zeilen.back());
        faelle.push_back({"one item too many", tsv(zeilen), "Lektion 50 hat 10"});
    }
    for (const auto& f : faelle) {
        TempOrdner o;
        dateiSchreiben(o / "kurs.tsv", f.quelle);
        const Lauf l = starten(o, "bauen --art stammformen kurs.tsv Stammformen.dat");
        EXPECT_EQ(l.status, 1) << f.name;
        EXPECT_TRUE(eineZeile(l.fehler)) << f.name << ": " << l.fehler;
        EXPECT_NE(l.fehler.find(f.erwartet), std::string::npos) << f.name << ": " << l.fehler;
        EXPECT_FALSE(std::filesystem::exists(o / "Stammformen.dat")) << f.name;
    }
    TempOrdner o;
    const Lauf fehlt = starten(o, "bauen --art woerter fehlt.tsv Woerter.dat");
    EXPECT_EQ(fehlt.status, 1);
    EXPECT_TRUE(eineZeile(fehlt.fehler)) << fehlt.fehler;
}

TEST(KursWerkzeug, EncryptsAndDecryptsPlainBytesThroughPipes) {
    TempOrdner o;
    const std::string klar =
        "\r\n\r\n#1#\r\n#amare#\r\n#lieben \xE4#\r\n\r\n" + std::string(1000, 'x');
    const Lauf ver = starten(o, "verschluesseln - liste.dat", klar);
    ASSERT_EQ(ver.status, 0) << ver.fehler;
    EXPECT_EQ(std::filesystem::file_size(o / "liste.dat"), 1000 + 8 * (35 / 8 + 1));
    EXPECT_EQ(DatenDatei::lesen(o / "liste.dat", Fehlerart::Unerwartet), klar);

    const Lauf ent = starten(o, "entschluesseln liste.dat -");
    EXPECT_EQ(ent.status, 0) << ent.fehler;
    EXPECT_EQ(ent.aus, klar);

    dateiSchreiben(o / "klar.txt", klar);
    const Lauf zuStdout = starten(o, "verschluesseln klar.txt -");
    EXPECT_EQ(zuStdout.aus, dateiLesen(o / "liste.dat"));
    const Lauf zuDatei = starten(o, "entschluesseln - zurueck.txt", zuStdout.aus);
    EXPECT_EQ(zuDatei.status, 0) << zuDatei.fehler;
    EXPECT_EQ(dateiLesen(o / "zurueck.txt"), klar);

    // A not-known list shows without lesson column.
    const Lauf zeigen = starten(o, "zeigen liste.dat");
    EXPECT_EQ(zeigen.status, 0);
    EXPECT_EQ(zeigen.aus, "Lektion\tLatein\tDeutsch\n\tamare\tlieben \xC3\xA4\n");
}

TEST(KursWerkzeug, DamagedAndHostileInputFails) {
    TempOrdner o;
    dateiSchreiben(o / "kaputt.dat", "1234567");
    DatenDatei::schreiben(o / "ohneLeerzeile.dat",
                          "#1#\r\n#a#\r\n#b#\r\n#2#\r\n#c#\r\n#d#\r\n\r\n");
    DatenDatei::schreiben(o / "nummer.dat", "#1#\r\n#a #3# b#\r\n#b#\r\n\r\n");
    DatenDatei::schreiben(o / "doppelt.dat", "#1#\r\n#a#\r\n#b#\r\n\r\n#2#\r\n#a#\r\n#b#\r\n\r\n");
    DatenDatei::schreiben(o / "ziffern.dat", "#1#\r\n#tres#\r\n#3#\r\n\r\n");
    struct Fall {
        std::string args;
        std::string eingabe;
        std::string stueck; // piece of the message
    };
    const std::vector<Fall> faelle = {
        {"entschluesseln kaputt.dat -", "", "kaputt.dat"},
        {"zeigen kaputt.dat", "", "entschl"},
        {"pruefen --art woerter kaputt.dat", "", "entschl"},
        {"zeigen fehlt.dat", "", "fehlt.dat"},
        {"entschluesseln . x", "", "Ordner"},
        {"verschluesseln - x.dat", std::string("a\0b", 3), "NUL"},
        {"pruefen --art woerter ohneLeerzeile.dat", "", "Eintrag 1"},
        {"pruefen --art woerter nummer.dat", "", "#3#"},
        {"pruefen --art woerter doppelt.dat", "", "Eintrag 2: gleiches Paar wie Eintrag 1"},
        {"pruefen --art woerter ziffern.dat", "", "Eintrag 1: die Zeile Deutsch"},
        // Would read back short: the final bytes count as padding.
        {"verschluesseln - x.dat", std::string(999, 'a') + '\x01', "0x01 bis 0x08"},
        {"verschluesseln - x.dat", std::string(1992, 'a') + std::string(8, '\x08'), "Vielfaches"},
    };
    for (const auto& f : faelle) {
        const Lauf l = starten(o, f.args, f.eingabe);
        EXPECT_EQ(l.status, 1) << f.args;
        EXPECT_TRUE(eineZeile(l.fehler)) << f.args << ": " << l.fehler;
        EXPECT_NE(l.fehler.find(f.stueck), std::string::npos) << f.args << ": " << l.fehler;
    }
    EXPECT_FALSE(std::filesystem::exists(o / "x.dat"));
    // Just beside the refused cases the text reads back whole.
    for (const std::string& klar :
         {std::string(999, 'a') + '\x09', std::string(998, 'a') + '\x01',
          std::string(1999, 'a') + '\x08', std::string(1993, 'a') + std::string(7, '\x08')}) {
        ASSERT_EQ(starten(o, "verschluesseln - x.dat", klar).status, 0);
        EXPECT_EQ(DatenDatei::lesen(o / "x.dat", Fehlerart::Unerwartet), klar);
    }
}

} // namespace
} // namespace quorvia
