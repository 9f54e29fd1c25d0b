// SPDX-License-Identifier: GPL-3.0-or-later
// Random query sessions on real files: every session loads the course and the not-known
// list from disk, answers a random part of a random lesson range (or of the list itself)
// rightly, wrongly or with noise, may stop early, and saves the list as the window does
// when it is destroyed. The next window's load must find exactly the modelled list, and the
// learning record, a day or two on per session, one answer row per verdict and a schedule
// that a replay of its log gives again.
//
// QUORVIA_ZUFALL_SITZUNGEN sets the sessions per seed (default 40), QUORVIA_ZUFALL_SAMEN
// runs one chosen seed instead of the fixed ones.

#include "data/datendatei.h"
#include "data/lektionstabelle.h"
#include "data/nichtgewusstliste.h"
#include "data/pfade.h"
#include "gemeinsam/ordner.h"
#include "query/abfrageablauf.h"
#include "query/abfragearten.h"
#include "query/abfrageprotokoll.h"

#include "lernstand/lernstand_testhilfe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace quorvia {
namespace {

using Paar = std::pair<std::string, std::string>;

int ausUmgebung(const char* name, int vorgabe) {
    const char* wert = std::getenv(name);
    return wert != nullptr && *wert != '\0' ? std::atoi(wert) : vorgabe;
}

// A course in the record layout, with what makes lists hard: Latin lines shared by two
// items, notes and prefixes, and a marker-shaped piece inside a line.
std::string kursText(Kursart art) {
    const int n = Lektionstabelle::anzahlGesamt(art);
    std::string kurs;
    std::string vorigesLatein;
    for (int i = 1; i <= n; ++i) {
        const std::string z = std::to_string(i);
        std::string lat = art == Kursart::Woerter
                              ? "verbum" + z + ", verbi" + z + (i % 4 == 0 ? " m. Akk." : "")
                              : "laudo" + z + ", laudavi" + z + ", laudatum" + z;
        std::string deu = (i % 5 == 0 ? "er/sie/es lobt" : "Wort") + z;
        if (i % 50 == 0) {
            lat = vorigesLatein; // same Latin line, another meaning
        }
        if (i % 97 == 0) {
            deu += " (#2#)";
        }
        vorigesLatein = lat;
        kurs += "#" + z + "#\r\n#" + lat + "#\r\n#" + deu + "#\r\n\r\n";
    }
    return kurs;
}

class SkriptFenster : public Abfrageablauf::Fenster {
public:
    std::string eingabe;
    int pausen = 0;
    int zusammenfassungen = 0;
    bool schliessen = false;

    void anzeigen(const Abfrageanzeige&) override {}
    void warteAufWeiterAnzeigen(bool) override {}
    void eingabeFokussieren() override {}
    void pause(std::chrono::milliseconds) override { ++pausen; }
    void zusammenfassungZeigen(std::string_view, int, int, int) override { ++zusammenfassungen; }
    void zurueckZumHauptmenue() override {}
    void fensterSchliessen() override { schliessen = true; }
    void urteilGefallen(const Eintrag& e, std::string_view eingabe, bool richtig) override {
        protokolliert += protokoll->antwort(e, eingabe, richtig) ? 1 : 0;
    }

    Abfrageprotokoll* protokoll = nullptr;
    int protokolliert = 0;
};

// The not-known list of one kind as it must be: pairs in the order they were added.
struct Modell {
    std::vector<Paar> paare;

    void hinzu(const Paar& p) {
        if (std::find(paare.begin(), paare.end(), p) == paare.end()) {
            paare.push_back(p);
        }
    }
    void weg(const Paar& p) { std::erase(paare, p); }
};

// What the next window finds in the file: records 1..N in order, no pair twice, nothing
// else.
testing::AssertionResult stimmtMitModell(const Eintragsliste& liste, const Modell& m) {
    const int n = liste.anzahl();
    if (n != static_cast<int>(m.paare.size())) {
        return testing::AssertionFailure()
               << "holds " << n << " records, expected " << m.paare.size();
    }
    std::set<Paar> gesehen;
    for (int i = 1; i <= n; ++i) {
        const Eintrag e = liste.eintrag(i);
        const Paar& soll = m.paare[static_cast<std::size_t>(i - 1)];
        if (e.nummer != i || e.lateinisch != soll.first || e.deutsch != soll.second) {
            return testing::AssertionFailure()
                   << "record " << i << " is \"" << e.lateinisch << "\" / \"" << e.deutsch
                   << "\", expected \"" << soll.first << "\" / \"" << soll.second << "\"";
        }
        if (!gesehen.insert({e.lateinisch, e.deutsch}).second) {
            return testing::AssertionFailure() << "record " << i << " occurs twice";
        }
        if (liste.nummerVon(e.lateinisch, e.deutsch) != i) {
            return testing::AssertionFailure() << "record " << i << " found under another number";
        }
    }
    if (!liste.text().empty() && !liste.text().ends_with("\r\n\r\n")) {
        return testing::AssertionFailure() << "text does not end with an empty line";
    }
    return testing::AssertionSuccess();
}

struct Zaehler {
    int sitzungen = 0;
    int antworten = 0;
    int falsch = 0;
    int vorzeitig = 0;
    int leereListe = 0;
};

class Sitzungen {
public:
    explicit Sitzungen(std::uint32_t samen) : zufall_(samen) {}

    // One window: open, answer, close. False once the saved list disagrees with the model.
    testing::AssertionResult eineSitzung() {
        const int artNummer = wuerfeln(0, 5);
        const Abfrageart& art = abfragearten[static_cast<std::size_t>(artNummer)];
        Modell& modell = art.kurs == Kursart::Woerter ? woerter_ : stammformen_;
        NichtGewusstListe liste(art.kurs);

        Eintragsliste quelle;
        int erste = 1;
        int letzte = 0;
        if (art.quelle == Abfragequelle::NichtGewusst) {
            if (!liste.ladenUndPruefen()) {
                // The menu reports the empty list instead of opening the window.
                ++zaehler_.leereListe;
                if (!modell.paare.empty()) {
                    return testing::AssertionFailure() << "a filled list reads as empty";
                }
                return testing::AssertionSuccess();
            }
            quelle = Eintragsliste(liste.liste().text());
            letzte = quelle.anzahl();
        } else {
            quelle = Eintragsliste(DatenDatei::lesen(
                art.kurs == Kursart::Woerter ? pfade::woerter : pfade::stammformen,
                Fehlerart::WoerterNichtLadbar));
            liste.fuerBereichLaden();
            const int von = wuerfeln(1, Lektionstabelle::anzahlLektionen);
            const int bis = std::min(Lektionstabelle::anzahlLektionen, von + wuerfeln(0, 2));
            erste = Lektionstabelle::ersterEintrag(art.kurs, Lektionstabelle::lektionstext(von));
            letzte = Lektionstabelle::letzterEintrag(art.kurs, Lektionstabelle::lektionstext(bis));
        }
        ++zaehler_.sitzungen;

        AbfrageEinstellungen einstellungen;
        einstellungen.automatisch = wuerfeln(0, 3) == 0;
        einstellungen.streng = wuerfeln(0, 1) == 0;
        SkriptFenster fenster;
        zeit_ += wuerfeln(0, 2) * 86'400LL;
        Abfrageprotokoll protokoll(Lernzugang{&lernstand_,
                                              [this] {
                                                  return zeit_;
                                              }},
                                   art);
        fenster.protokoll = &protokoll;
        Abfrageablauf ablauf(
            art, quelle, liste.liste(), erste, letzte, einstellungen, fenster,
            [z = std::mt19937(zufall_())]() mutable { return static_cast<std::uint32_t>(z()); });
        ablauf.beginnen();
        // A third of the windows are closed before the end, at a random point.
        const int gesamt = letzte - erste + 1;
        const int grenze = wuerfeln(0, 2) == 0 ? wuerfeln(0, gesamt) : gesamt;
        int beantwortet = 0;
        while (!ablauf.beendet() && beantwortet < grenze) {
            const Eintrag e = quelle.eintrag(ablauf.aktuelleNummer());
            const std::string& loesung =
                art.loesung() == Zeile::Lateinisch ? e.lateinisch : e.deutsch;
            const int wahl = wuerfeln(0, 9);
            const bool sicherRichtig = wahl < 4;
            const bool sicherFalsch = wahl >= 4 && wahl < 7;
            fenster.eingabe = sicherRichtig  ? loesung
                              : sicherFalsch ? std::string("nescio")
                                             : rauschen(loesung);
            const int falschVorher = ablauf.anzeige().anzahlFalsch;
            ablauf.bestaetigen(fenster.eingabe);
            ++beantwortet;
            ++zaehler_.antworten;
            const bool falsch = ablauf.anzeige().anzahlFalsch > falschVorher;
            if ((sicherRichtig && falsch) || (sicherFalsch && !falsch)) {
                return testing::AssertionFailure()
                       << "query kind " << artNummer << ": \"" << fenster.eingabe << "\" judged "
                       << (falsch ? "wrong" : "right") << " against \"" << loesung << "\"";
            }
            const Paar paar{e.lateinisch, e.deutsch};
            if (!falsch) {
                modell.weg(paar);
            } else {
                ++zaehler_.falsch;
                if (art.falschHinzufuegen()) {
                    modell.hinzu(paar);
                }
            }
            // In manual mode the window may also close while the verdict is on screen.
            if (!einstellungen.automatisch && !ablauf.beendet()) {
                if (wuerfeln(0, 40) == 0) {
                    break;
                }
                ablauf.bestaetigen(fenster.eingabe);
            }
        }
        if (!ablauf.beendet()) {
            ++zaehler_.vorzeitig;
        }
        liste.speichern(); // the window is destroyed, however it was closed
        if (!protokoll.abschliessen()) {
            return testing::AssertionFailure() << "the query row was not written";
        }
        if (auto ok = protokollStimmt(fenster.protokolliert, beantwortet); !ok) {
            return ok << " after query kind " << artNummer;
        }

        NichtGewusstListe naechste(art.kurs);
        naechste.fuerBereichLaden();
        return stimmtMitModell(naechste.liste(), modell) << " after query kind " << artNummer;
    }

    const Zaehler& zaehler() const { return zaehler_; }

private:
    // Every verdict is one answer row (an item number without its record has no row), and
    // the stored schedule is what the log replays to.
    testing::AssertionResult protokollStimmt(int protokolliert, int beantwortet) {
        verdikte_ += beantwortet;
        const auto zeilen = test::sqlZahl(lernstandDatei, "SELECT count(*) FROM antwort");
        if (protokolliert != beantwortet || zeilen != verdikte_) {
            return testing::AssertionFailure()
                   << zeilen << " answer rows for " << verdikte_ << " verdicts (" << protokolliert
                   << " of " << beantwortet << " taken)";
        }
        const auto zustaende = lernstand_.zustaende();
        if (!zustaende || zustaende != lernstand_.nachspielen()) {
            return testing::AssertionFailure() << "the schedule differs from its replay";
        }
        return testing::AssertionSuccess();
    }

    int wuerfeln(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall_); }

    // Near misses and noise: the solution with blanks, commas or a changed letter, another
    // item's line, or random Windows-1252 bytes.
    std::string rauschen(const std::string& loesung) {
        std::string s = loesung;
        switch (wuerfeln(0, 4)) {
        case 0:
            s = "  " + s + " ";
            break;
        case 1:
            s = "," + s + ",,";
            break;
        case 2:
            if (!s.empty()) {
                s[static_cast<std::size_t>(wuerfeln(0, static_cast<int>(s.size()) - 1))] ^= 0x20;
            }
            break;
        case 3:
            s = s.substr(0, s.find(','));
            break;
        default:
            s.assign(static_cast<std::size_t>(wuerfeln(0, 20)), ' ');
            for (char& c : s) {
                c = static_cast<char>(wuerfeln(1, 255));
            }
        }
        return s;
    }

    std::mt19937 zufall_;
    Lernstand lernstand_{lernstandDatei};
    std::int64_t zeit_ = 1'800'000'000;
    std::int64_t verdikte_ = 0;
    Modell woerter_;
    Modell stammformen_;
    Zaehler zaehler_;
};

TEST(Zufallssitzungen, GespeicherteListeFolgtDenUrteilen) {
    const int proSamen = ausUmgebung("QUORVIA_ZUFALL_SITZUNGEN", 40);
    std::vector<std::uint32_t> samen{2003, 7, 1583};
    if (const int gewaehlt = ausUmgebung("QUORVIA_ZUFALL_SAMEN", 0); gewaehlt != 0) {
        samen = {static_cast<std::uint32_t>(gewaehlt)};
    }
    Zaehler summe;
    for (const std::uint32_t s : samen) {
        SCOPED_TRACE("seed " + std::to_string(s));
        const test::TempOrdner ordner(test::schnellerOrdner());
        const test::Arbeitsordner hier(ordner.pfad());
        DatenDatei::schreiben(pfade::woerter, kursText(Kursart::Woerter));
        DatenDatei::schreiben(pfade::stammformen, kursText(Kursart::Stammformen));

        Sitzungen sitzungen(s);
        for (int i = 0; i < proSamen; ++i) {
            const auto ergebnis = sitzungen.eineSitzung();
            ASSERT_TRUE(ergebnis) << "session " << i + 1;
        }
        const Zaehler& z = sitzungen.zaehler();
        summe.sitzungen += z.sitzungen;
        summe.antworten += z.antworten;
        summe.falsch += z.falsch;
        summe.vorzeitig += z.vorzeitig;
        summe.leereListe += z.leereListe;
    }
    // The mix the sessions are meant to reach: not a run of trivial ones.
    if (proSamen >= 40) {
        EXPECT_GT(summe.antworten, 500 * static_cast<int>(samen.size()));
        EXPECT_GT(summe.falsch, summe.antworten / 5);
        EXPECT_GT(summe.vorzeitig, summe.sitzungen / 10);
    }
    std::printf("%d sessions, %d answers (%d wrong), %d closed early, %d empty lists\n",
                summe.sitzungen, summe.antworten, summe.falsch, summe.vorzeitig, summe.leereListe);
}

} // namespace
} // namespace quorvia
