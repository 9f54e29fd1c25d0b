#include "query/abfrageablauf.h"

#include "data/nichtgewusstliste.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace quorvia {
namespace {

const Abfrageart& option211 = abfragearten[0];
const Abfrageart& option212 = abfragearten[1];
const Abfrageart& option221 = abfragearten[2];
const Abfrageart& option41 = abfragearten[4];

using Paar = std::pair<std::string, std::string>;

// A data text in the record layout: marker, Latin, German, empty line.
std::string datentext(const std::vector<Paar>& paare) {
    std::string t = "\r\n";
    int n = 0;
    for (const auto& [lat, deu] : paare) {
        t += "#" + std::to_string(++n) + "#\r\n#" + lat + "#\r\n#" + deu + "#\r\n\r\n";
    }
    return t;
}

std::vector<Paar> kurs(int anzahl) {
    std::vector<Paar> p;
    for (int i = 1; i <= anzahl; ++i) {
        p.emplace_back("verbum" + std::to_string(i), "Wort" + std::to_string(i));
    }
    return p;
}

class FakeFenster : public Abfrageablauf::Fenster {
public:
    struct Zusammenfassung {
        std::string art;
        int gesamt, richtig, falsch;
        friend bool operator==(const Zusammenfassung&, const Zusammenfassung&) = default;
    };

    std::string eingabe;
    std::vector<Abfrageanzeige> gezeigt;
    std::vector<std::string> ereignisse;
    std::vector<std::chrono::milliseconds> pausen;
    std::vector<Zusammenfassung> zusammenfassungen;
    std::optional<bool> warteAnzeige;
    bool zurueck = false;
    int schliessen = 0;
    std::function<void()> beiZusammenfassung;

    void anzeigen(const Abfrageanzeige& w) override {
        gezeigt.push_back(w);
        ereignisse.push_back("anzeigen");
    }
    void warteAufWeiterAnzeigen(bool an) override {
        warteAnzeige = an;
        ereignisse.push_back(an ? "warte an" : "warte aus");
    }
    void eingabeFokussieren() override { ereignisse.push_back("fokus"); }
    void pause(std::chrono::milliseconds d) override {
        pausen.push_back(d);
        ereignisse.push_back("pause");
    }
    void zusammenfassungZeigen(std::string_view art, int g, int r, int f) override {
        zusammenfassungen.push_back({std::string(art), g, r, f});
        ereignisse.push_back("zusammenfassung");
        if (beiZusammenfassung) {
            beiZusammenfassung();
        }
    }
    void zurueckZumHauptmenue() override {
        zurueck = true;
        ereignisse.push_back("zurueck");
    }
    void fensterSchliessen() override {
        ++schliessen;
        ereignisse.push_back("schliessen");
    }
    const Abfrageanzeige& zuletzt() const { return gezeigt.back(); }
};

// Hands out the scripted values in turn, then counts on from the last one.
Zufallsquelle skript(std::vector<std::uint32_t> werte) {
    return [werte = std::move(werte), i = std::size_t{0}]() mutable {
        const auto v = i < werte.size() ? werte[i] : werte.back() + (i - werte.size() + 1);
        ++i;
        return static_cast<std::uint32_t>(v);
    };
}

Zufallsquelle festerSamen(std::uint32_t samen) {
    return [e = std::mt19937(samen)]() mutable {
        return static_cast<std::uint32_t>(e());
    };
}

AbfrageEinstellungen manuell(bool streng = true) {
    AbfrageEinstellungen e;
    e.automatisch = false;
    e.streng = streng;
    return e;
}

AbfrageEinstellungen automatisch(int pause) {
    AbfrageEinstellungen e;
    e.automatisch = true;
    e.pause = pause;
    return e;
}

// Types the right answer (the checked line as stored) or a wrong one, then confirms.
void antworten(Abfrageablauf& a, FakeFenster& f, const Eintragsliste& quelle, const Abfrageart& art,
               bool richtig) {
    const Eintrag e = quelle.eintrag(a.aktuelleNummer());
    f.eingabe =
        richtig ? (art.loesung() == Zeile::Lateinisch ? e.lateinisch : e.deutsch) : "nescio";
    a.bestaetigen(f.eingabe);
}

TEST(Abfrageablauf, EinEintragUrteilDannZusammenfassung) {
    const Eintragsliste quelle(datentext({{"via", "Weg"}}));
    Eintragsliste ng(std::string(NichtGewusstListe::leererText));
    FakeFenster f;
    Abfrageablauf a(option211, quelle, ng, 1, 1, manuell(), f, skript({7}));

    a.beginnen();
    ASSERT_EQ(f.gezeigt.size(), 1u);
    EXPECT_EQ(f.zuletzt().ausdruck, "Weg");
    EXPECT_EQ(f.zuletzt().anzahlGesamt, 1);
    EXPECT_EQ(f.zuletzt().anzahlRichtig, 0);
    EXPECT_EQ(f.zuletzt().anzahlFalsch, 0);
    EXPECT_EQ(f.zuletzt().eingabe + f.zuletzt().meldung + f.zuletzt().loesung, "");
    EXPECT_EQ(a.aktuelleNummer(), 1);
    EXPECT_EQ(a.anzahlGefragt(), 1);
    EXPECT_FALSE(a.wartetAufWeiter());

    f.eingabe = "  via ";
    a.bestaetigen(f.eingabe);
    const std::vector<std::string> urteil{"anzeigen", "anzeigen", "warte an", "fokus"};
    EXPECT_EQ(f.ereignisse, urteil);
    EXPECT_EQ(f.zuletzt().anzahlRichtig, 1);
    EXPECT_EQ(f.zuletzt().meldung, "Ita est!");
    EXPECT_EQ(f.zuletzt().loesung, "via");
    EXPECT_EQ(f.zuletzt().eingabe, "  via ");
    EXPECT_TRUE(a.wartetAufWeiter());
    EXPECT_EQ(f.warteAnzeige, true);
    EXPECT_TRUE(f.zusammenfassungen.empty());

    f.ereignisse.clear();
    a.bestaetigen(f.eingabe);
    const std::vector<FakeFenster::Zusammenfassung> erwartet{{"W\xF6rter", 1, 1, 0}};
    EXPECT_EQ(f.zusammenfassungen, erwartet);
    EXPECT_TRUE(f.zurueck);
    EXPECT_EQ(f.schliessen, 1);
    EXPECT_TRUE(a.beendet());
    EXPECT_EQ(f.zuletzt().ausdruck, "");
    EXPECT_EQ(f.zuletzt().eingabe + f.zuletzt().meldung + f.zuletzt().loesung, "");
    const std::vector<std::string> ende{"anzeigen", "anzeigen", "zusammenfassung", "zurueck",
                                        "schliessen"};
    EXPECT_EQ(f.ereignisse, ende);

    // A command reaching the window after the close request does nothing.
    f.ereignisse.clear();
    a.bestaetigen(f.eingabe);
    a.auswerten(f.eingabe);
    a.weiter();
    EXPECT_TRUE(f.ereignisse.empty());
    EXPECT_EQ(f.zusammenfassungen.size(), 1u);
}

// The summary runs modally inside the last step; a command reaching the loop from there
// must not run on the finished query.
TEST(Abfrageablauf, BefehlWaehrendZusammenfassungWirdIgnoriert) {
    const Eintragsliste quelle(datentext(kurs(1)));
    Eintragsliste ng;
    FakeFenster f;
    Abfrageablauf a(option211, quelle, ng, 1, 1, automatisch(1), f, skript({0}));
    f.beiZusammenfassung = [&] {
        EXPECT_TRUE(a.beendet());
        f.eingabe = "verbum1";
        a.bestaetigen(f.eingabe);
        a.weiter();
    };
    a.beginnen();
    f.eingabe = "verbum1";
    a.bestaetigen(f.eingabe);
    EXPECT_EQ(f.zusammenfassungen.size(), 1u);
    EXPECT_EQ(f.pausen.size(), 1u);
    EXPECT_EQ(f.schliessen, 1);
    EXPECT_EQ(a.anzeige().anzahlRichtig, 1);
}

// The drawing rule: erste + value % anzahlGesamt, drawn again while already asked.
TEST(Abfrageablauf, ZiehregelMitWiederholung) {
    const Eintragsliste quelle(datentext(kurs(10)));
    Eintragsliste ng;
    FakeFenster f;
    // erste 5, four items: 6->7, 6->7 again, 1->6, 9->6 again, 4->5, 13->6, 2->8
    Abfrageablauf a(option211, quelle, ng, 5, 8, manuell(), f, skript({6, 6, 1, 9, 4, 13, 2}));
    a.beginnen();
    for (int i = 0; i < 4; ++i) {
        antworten(a, f, quelle, option211, true);
        a.bestaetigen(f.eingabe);
    }
    EXPECT_EQ(a.gefragt(), (std::vector<int>{7, 6, 5, 8}));
    EXPECT_TRUE(a.beendet());
}

TEST(Abfrageablauf, DreissigEintraegeJederEinmal) {
    const auto paare = kurs(70);
    const Eintragsliste quelle(datentext(paare));
    // Item 35 is known as not known, item 40 as well.
    Eintragsliste ng(datentext({paare[34], paare[39]}));
    FakeFenster f;
    Abfrageablauf a(option211, quelle, ng, 31, 60, manuell(), f, festerSamen(2003));
    a.beginnen();

    std::set<int> gesehen;
    std::set<int> falsch;
    int runden = 0;
    while (!a.beendet() && runden < 100) {
        ++runden;
        const int n = a.aktuelleNummer();
        EXPECT_TRUE(gesehen.insert(n).second) << "asked twice: " << n;
        EXPECT_GE(n, 31);
        EXPECT_LE(n, 60);
        EXPECT_EQ(f.zuletzt().ausdruck, "Wort" + std::to_string(n));
        EXPECT_FALSE(a.wartetAufWeiter());
        // Wrong for every third number and for 35, right for 40.
        const bool richtig = n != 35 && (n % 3 != 0 || n == 40);
        if (!richtig) {
            falsch.insert(n);
        }
        antworten(a, f, quelle, option211, richtig);
        EXPECT_TRUE(a.wartetAufWeiter());
        EXPECT_EQ(f.zuletzt().anzahlRichtig + f.zuletzt().anzahlFalsch,
                  static_cast<int>(gesehen.size()));
        a.bestaetigen(f.eingabe);
    }
    EXPECT_EQ(runden, 30);
    EXPECT_EQ(gesehen.size(), 30u);
    ASSERT_EQ(f.zusammenfassungen.size(), 1u);
    const auto& z = f.zusammenfassungen[0];
    EXPECT_EQ(z.gesamt, 30);
    EXPECT_EQ(z.falsch, static_cast<int>(falsch.size()));
    EXPECT_EQ(z.richtig + z.falsch, 30);

    // Each wrong item once, the right-answered 40 gone, 35 kept without a second copy.
    EXPECT_EQ(ng.anzahl(), static_cast<int>(falsch.size()));
    for (int n = 31; n <= 60; ++n) {
        const auto& [lat, deu] = paare[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(ng.nummerVon(lat, deu).has_value(), falsch.contains(n)) << n;
    }
}

TEST(Abfrageablauf, AutomatikPausiertUndZiehtSelbst) {
    for (const int sekunden : {3, 10}) {
        const Eintragsliste quelle(datentext(kurs(3)));
        Eintragsliste ng;
        FakeFenster f;
        Abfrageablauf a(option211, quelle, ng, 1, 3, automatisch(sekunden), f, skript({0}));
        a.beginnen();
        for (int i = 0; i < 3; ++i) {
            f.ereignisse.clear();
            antworten(a, f, quelle, option211, i != 1);
            EXPECT_FALSE(a.wartetAufWeiter());
            // The verdict is on screen before the pause starts.
            ASSERT_GE(f.ereignisse.size(), 2u);
            EXPECT_EQ(f.ereignisse[0], "anzeigen");
            EXPECT_EQ(f.ereignisse[1], "pause");
        }
        EXPECT_FALSE(f.warteAnzeige.has_value()) << "button must keep &OK";
        EXPECT_EQ(f.pausen, std::vector<std::chrono::milliseconds>(
                                3, std::chrono::milliseconds(sekunden * 1000)));
        const std::vector<FakeFenster::Zusammenfassung> erwartet{{"W\xF6rter", 3, 2, 1}};
        EXPECT_EQ(f.zusammenfassungen, erwartet);
        EXPECT_TRUE(a.beendet());
    }
}

TEST(Abfrageablauf, LobNachFalscherAntwortVonVorn) {
    const Eintragsliste quelle(datentext(kurs(16)));
    Eintragsliste ng;
    FakeFenster f;
    Abfrageablauf a(option211, quelle, ng, 1, 16, manuell(), f, skript({0}));
    a.beginnen();
    std::vector<std::string> meldungen;
    for (int i = 0; i < 16; ++i) {
        antworten(a, f, quelle, option211, i != 12);
        meldungen.push_back(f.zuletzt().meldung);
        a.bestaetigen(f.eingabe);
    }
    const std::vector<std::string> erwartet{
        "Ita est!",     "Ita est!", "Ita est!", "Ita est!",     "Ita est! (5x)", "Ita est!",
        "Ita est!",     "Ita est!", "Ita est!", "Recte! (10x)", "Recte!",        "Recte!",
        "Non ita est!", "Ita est!", "Ita est!", "Ita est!"};
    EXPECT_EQ(meldungen, erwartet);
    EXPECT_EQ(a.serie(), 3);
}

TEST(Abfrageablauf, LeereEingabeIstFalschUndKommtAufDieListe) {
    const Eintragsliste quelle(datentext({{"via", "Weg"}, {"ire", "gehen"}}));
    Eintragsliste ng(std::string(NichtGewusstListe::leererText));
    FakeFenster f;
    Abfrageablauf a(option211, quelle, ng, 1, 2, manuell(), f, skript({1}));
    a.beginnen();
    ASSERT_EQ(a.aktuelleNummer(), 2);
    f.eingabe = "";
    a.bestaetigen(f.eingabe);
    EXPECT_EQ(f.zuletzt().meldung, "Non ita est!");
    EXPECT_EQ(f.zuletzt().loesung, "ire");
    EXPECT_EQ(f.zuletzt().anzahlFalsch, 1);
    EXPECT_EQ(ng.nummerVon("ire", "gehen"), 1);
    EXPECT_EQ(ng.anzahl(), 1);
}

TEST(Abfrageablauf, BearbeitenNachUrteilZiehtWeiterOhneZuUrteilen) {
    const Eintragsliste quelle(datentext(kurs(2)));
    Eintragsliste ng;
    FakeFenster f;
    Abfrageablauf a(option211, quelle, ng, 1, 2, manuell(), f, skript({0}));
    a.beginnen();
    f.eingabe = "falsum";
    a.bestaetigen(f.eingabe);
    ASSERT_TRUE(a.wartetAufWeiter());
    EXPECT_EQ(f.zuletzt().eingabe, "falsum");
    // Corrected after seeing the solution: Enter now only moves on.
    f.eingabe = "verbum1";
    f.ereignisse.clear();
    a.bestaetigen(f.eingabe);
    EXPECT_EQ(f.zuletzt().anzahlRichtig, 0);
    EXPECT_EQ(f.zuletzt().anzahlFalsch, 1);
    EXPECT_EQ(f.zuletzt().eingabe, "");
    EXPECT_EQ(f.zuletzt().meldung, "");
    EXPECT_EQ(f.zuletzt().loesung, "");
    EXPECT_EQ(f.zuletzt().ausdruck, "Wort2");
    EXPECT_FALSE(a.wartetAufWeiter());
    EXPECT_EQ(f.warteAnzeige, false);
    const std::vector<std::string> weiter{"anzeigen", "anzeigen", "warte aus", "fokus"};
    EXPECT_EQ(f.ereignisse, weiter);
}

// The not-known query asks from the list as loaded while its verdicts edit the other copy.
TEST(Abfrageablauf, NichtGewusstQuelleBleibtWieGeladen) {
    const Eintragsliste geladen(datentext(kurs(6)));
    Eintragsliste ng = geladen;
    FakeFenster f;
    const int letzte = geladen.anzahl();
    Abfrageablauf a(option212, geladen, ng, 1, letzte, manuell(), f, festerSamen(7));
    a.beginnen();
    std::set<std::string> ausdruecke;
    std::set<std::string> falsch;
    while (!a.beendet()) {
        const Eintrag e = geladen.eintrag(a.aktuelleNummer());
        EXPECT_EQ(f.zuletzt().ausdruck, e.deutsch);
        ausdruecke.insert(e.deutsch);
        const bool richtig = a.aktuelleNummer() % 2 == 0;
        if (!richtig) {
            falsch.insert(e.lateinisch);
        }
        antworten(a, f, geladen, option212, richtig);
        a.bestaetigen(f.eingabe);
    }
    EXPECT_EQ(ausdruecke.size(), 6u);
    EXPECT_EQ(ng.anzahl(), static_cast<int>(falsch.size()));
    for (int n = 1; n <= ng.anzahl(); ++n) {
        EXPECT_TRUE(falsch.contains(ng.eintrag(n).lateinisch)) << n;
    }
    EXPECT_EQ(geladen.anzahl(), 6);
}

// Even when the edited copy no longer holds the item, a wrong answer adds nothing back.
TEST(Abfrageablauf, NichtGewusstFalscheAntwortAendertNichts) {
    const Eintragsliste geladen(datentext(kurs(2)));
    for (Eintragsliste ng : {geladen, Eintragsliste(std::string(NichtGewusstListe::leererText))}) {
        const std::string vorher = ng.text();
        FakeFenster f;
        Abfrageablauf a(option212, geladen, ng, 1, 2, manuell(), f, skript({0}));
        a.beginnen();
        antworten(a, f, geladen, option212, false);
        a.bestaetigen(f.eingabe);
        antworten(a, f, geladen, option212, false);
        EXPECT_EQ(f.zuletzt().anzahlFalsch, 2);
        EXPECT_EQ(ng.text(), vorher);
    }
}

// Leaving early is the window's business; the loop has made its list changes at each verdict.
TEST(Abfrageablauf, VorzeitigesEndeBehaeltAenderungen) {
    const Eintragsliste quelle(datentext(kurs(5)));
    Eintragsliste ng;
    FakeFenster f;
    {
        Abfrageablauf a(option211, quelle, ng, 1, 5, manuell(), f, skript({0}));
        a.beginnen();
        antworten(a, f, quelle, option211, false);
        a.bestaetigen(f.eingabe);
        antworten(a, f, quelle, option211, false);
    }
    EXPECT_TRUE(f.zusammenfassungen.empty());
    EXPECT_EQ(ng.anzahl(), 2);
    EXPECT_EQ(ng.nummerVon("verbum1", "Wort1"), 1);
    EXPECT_EQ(ng.nummerVon("verbum2", "Wort2"), 2);
}

TEST(Abfrageablauf, RichtungUndArtJeAbfrage) {
    const struct {
        const Abfrageart* art;
        std::string ausdruck;
        std::string antwort;
        std::string loesung;
        bool streng;
        bool richtig;
    } faelle[] = {
        {&option211, "gehorchen, folgen", "parere m. Dat.", "parere m. Dat.", true, true},
        {&option211, "gehorchen, folgen", "parere", "parere m. Dat.", true, false},
        {&option211, "gehorchen, folgen", "parere", "parere m. Dat.", false, true},
        {&option221, "parere m. Dat.", "folgen, gehorchen", "gehorchen, folgen", true, true},
        {&option221, "parere m. Dat.", "folgen", "gehorchen, folgen", true, false},
        {&option221, "parere m. Dat.", "folgen", "gehorchen, folgen", false, true},
        {&option41, "gehorchen, folgen", "parere m. Dat.", "parere m. Dat.", true, true},
        {&option41, "gehorchen, folgen", "parere", "parere m. Dat.", false, false},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(std::string(fall.art->artText()) + " <" + fall.antwort + ">");
        const Eintragsliste quelle(datentext({{"parere m. Dat.", "gehorchen, folgen"}}));
        Eintragsliste ng;
        FakeFenster f;
        Abfrageablauf a(*fall.art, quelle, ng, 1, 1, manuell(fall.streng), f, skript({0}));
        a.beginnen();
        EXPECT_EQ(f.zuletzt().ausdruck, fall.ausdruck);
        f.eingabe = fall.antwort;
        a.bestaetigen(f.eingabe);
        EXPECT_EQ(f.zuletzt().anzahlRichtig, fall.richtig ? 1 : 0);
        EXPECT_EQ(f.zuletzt().loesung, fall.loesung);
        EXPECT_EQ(ng.anzahl(), fall.richtig ? 0 : 1);
        a.bestaetigen(f.eingabe);
        ASSERT_EQ(f.zusammenfassungen.size(), 1u);
        EXPECT_EQ(f.zusammenfassungen[0].art, fall.art->artText());
    }
}

// Nothing selected, or a first number the unfilled slots could match: the query ends at
// once without a summary, and the generator is never asked.
TEST(Abfrageablauf, LeereAuswahlEndetSofort) {
    const struct {
        int erste;
        int letzte;
    } faelle[] = {{1, 0}, {5, 3}, {0, 2}, {-3, 1}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(std::to_string(fall.erste) + ".." + std::to_string(fall.letzte));
        const Eintragsliste quelle(datentext(kurs(3)));
        Eintragsliste ng;
        FakeFenster f;
        int gezogen = 0;
        Abfrageablauf a(option212, quelle, ng, fall.erste, fall.letzte, manuell(), f,
                        [&gezogen] { return static_cast<std::uint32_t>(++gezogen); });
        a.beginnen();
        EXPECT_TRUE(a.beendet());
        EXPECT_EQ(gezogen, 0);
        EXPECT_TRUE(f.zusammenfassungen.empty());
        EXPECT_TRUE(f.zurueck);
        EXPECT_EQ(f.schliessen, 1);
        EXPECT_EQ(f.zuletzt().ausdruck, "");
        f.eingabe = "verbum1";
        a.bestaetigen(f.eingabe);
        EXPECT_EQ(f.zuletzt().anzahlRichtig + f.zuletzt().anzahlFalsch, 0);
    }
}

// A number whose record is missing from the source is judged wrong and never puts an empty
// pair on the not-known list.
TEST(Abfrageablauf, FehlenderEintragKommtNichtAufDieListe) {
    const Eintragsliste quelle(datentext(kurs(2)));
    Eintragsliste ng(std::string(NichtGewusstListe::leererText));
    FakeFenster f;
    Abfrageablauf a(option211, quelle, ng, 1, 3, manuell(), f, skript({2, 0, 1}));
    a.beginnen();
    ASSERT_EQ(a.aktuelleNummer(), 3);
    EXPECT_EQ(f.zuletzt().ausdruck, "");
    for (const std::string eingabe : {"", "verbum3"}) {
        f.eingabe = eingabe;
        a.auswerten(f.eingabe);
        EXPECT_EQ(f.zuletzt().meldung, "Non ita est!");
        EXPECT_EQ(f.zuletzt().loesung, "");
    }
    EXPECT_EQ(ng.text(), NichtGewusstListe::leererText);
    a.bestaetigen(f.eingabe);
    antworten(a, f, quelle, option211, true);
    a.bestaetigen(f.eingabe);
    antworten(a, f, quelle, option211, false);
    a.bestaetigen(f.eingabe);
    ASSERT_EQ(f.zusammenfassungen.size(), 1u);
    EXPECT_EQ(f.zusammenfassungen[0].gesamt, 3);
    EXPECT_EQ(ng.anzahl(), 1);
}

TEST(Abfrageablauf, ZufallAusUhrTrifftJedeNummer) {
    const Eintragsliste quelle(datentext(kurs(40)));
    Eintragsliste ng;
    FakeFenster f;
    Abfrageablauf a(option211, quelle, ng, 1, 40, automatisch(1), f, zufallAusUhr());
    a.beginnen();
    while (!a.beendet()) {
        antworten(a, f, quelle, option211, true);
    }
    std::vector<int> sortiert = a.gefragt();
    std::sort(sortiert.begin(), sortiert.end());
    std::vector<int> alle(40);
    for (int i = 0; i < 40; ++i) {
        alle[static_cast<std::size_t>(i)] = i + 1;
    }
    EXPECT_EQ(sortiert, alle);
    EXPECT_EQ(f.zusammenfassungen.at(0).richtig, 40);
}

} // namespace
} // namespace quorvia
