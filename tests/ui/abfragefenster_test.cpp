#include "ui/abfragefenster.h"

#include "fenster_testhilfe.h"
#include "gemeinsam/fenster.h"

#include "query/lobtabelle.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace quorvia {
namespace {

using namespace std::chrono_literals;
using namespace testhilfe;

// What the automatic pause saw, and what it does instead of the real wait.
struct Pausen {
    struct Blick {
        std::chrono::milliseconds dauer;
        std::string knopf;
        std::string menue;
    };
    std::vector<Blick> blicke;
    std::function<void()> beiBeginn;
    std::optional<std::chrono::milliseconds> ersatz = 1ms; // empty: the real wait
};

template <class Basis> class Beobachtet : public Basis {
public:
    Beobachtet(const Optionszeile& zeile, Pausen& pausen) : Basis(zeile), pausen_(pausen) {}

protected:
    void pause(std::chrono::milliseconds dauer) override {
        pausen_.blicke.push_back(
            {dauer, this->text(abfrageIds::ok), this->menuetext(this->zeile().befehlOk())});
        if (pausen_.beiBeginn) {
            pausen_.beiBeginn();
        }
        Basis::pause(pausen_.ersatz.value_or(dauer));
    }

private:
    Pausen& pausen_;
};

// A window of the named row; range windows get the items of lessons von to bis.
std::unique_ptr<Abfragefenster> fensterFuer(std::string_view klasse, Pausen& pausen,
                                            const std::string& von = "01",
                                            const std::string& bis = "01") {
    const Optionszeile& zeile = zeileVon(klasse);
    auto f = std::make_unique<Beobachtet<Abfragefenster>>(zeile, pausen);
    if (zeile.quelle == Abfragequelle::Bereich) {
        f->bereichSetzen(Lektionstabelle::ersterEintrag(zeile.kurs, von),
                         Lektionstabelle::letzterEintrag(zeile.kurs, bis), von, bis);
    } else {
        EXPECT_TRUE(f->ladenUndPruefen());
    }
    return f;
}

void abarbeiten() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

enum class Weg { Knopf, Enter, Menue };

class AbfragefensterTest : public ::testing::Test {
protected:
    AbfragefensterTest() { fensterordnerEinrichten(ordner); }

    void oeffnen(Abfragefenster& f) {
        f.menuefensterSetzen(&menue);
        menue.show();
        Anwendung::instanz()->setzeHauptfenster(&f);
        f.vorbereiten();
        f.show();
        abarbeiten();
    }

    static QLineEdit* feld(Abfragefenster& f) {
        return f.steuerelement<QLineEdit>(abfrageIds::eingabe);
    }

    static void tippen(Abfragefenster& f, std::string_view antwort) {
        feld(f)->clear();
        QTest::keyClicks(feld(f), alsQString(antwort));
    }

    static void bestaetigen(Abfragefenster& f, Weg weg) {
        switch (weg) {
        case Weg::Knopf:
            f.steuerelement<QPushButton>(abfrageIds::ok)->click();
            break;
        case Weg::Enter:
            QTest::keyClick(feld(f), Qt::Key_Return);
            break;
        case Weg::Menue:
            f.menuepunkt(f.zeile().befehlOk())->trigger();
            break;
        }
    }

    // The line of item n that the window asks for, and the one it shows as solution.
    static std::string zeile(const Abfrageart& art, Zeile z, int n) {
        return z == Zeile::Lateinisch ? lateinVon(art.kurs, n) : deutschVon(art.kurs, n);
    }

    static std::string lesen(Kursart kurs) {
        return DatenDatei::lesen(ngPfad(kurs), Fehlerart::Unerwartet);
    }

    Arbeitsordner ordner;
    DiensteEingesetzt dienste;
    Zusammenfassungen zusammenfassungen;
    Dialog menue{QStringLiteral("QuorviaInfo")};
    Pausen pausen;
};

// ---------------------------------------------------------------------------------------
// A whole query over lesson 01, typed into the field and confirmed three ways: every item
// once, verdicts, praise, the waiting state, the summary, and the list written at the end.

struct Ganzlauf {
    std::string_view klasse;
    Weg weg;
};

class GanzeAbfrage : public AbfragefensterTest, public ::testing::WithParamInterface<Ganzlauf> {};

TEST_P(GanzeAbfrage, FragtJedenEintragEinmalUndSchreibtDieFalschen) {
    const auto [klasse, weg] = GetParam();
    auto f = fensterFuer(klasse, pausen);
    const Abfrageart& art = f->art();
    const int gesamt = Lektionstabelle::letzterEintrag(art.kurs, "01");
    oeffnen(*f);
    ASSERT_EQ(f->text(abfrageIds::anzahl), std::to_string(gesamt));

    std::set<int> gefragt;
    std::vector<int> falsche;
    int richtig = 0;
    int serie = 0;
    for (int k = 0; k < gesamt; ++k) {
        const std::string ausdruck = f->text(abfrageIds::ausdruck);
        const int n = nummerAus(ausdruck);
        ASSERT_EQ(ausdruck, zeile(art, art.gefragt, n));
        EXPECT_TRUE(gefragt.insert(n).second) << "asked twice: " << n;
        EXPECT_EQ(f->focusWidget(), feld(*f));

        const bool soll = n % 2 == 0;
        const std::string antwort = soll ? zeile(art, art.loesung(), n) : "falsch";
        tippen(*f, antwort);
        bestaetigen(*f, weg);

        if (soll) {
            ++richtig;
            EXPECT_EQ(f->text(abfrageIds::meldungsfeld), Lobtabelle::lob(++serie));
        } else {
            falsche.push_back(n);
            serie = 0;
            EXPECT_EQ(f->text(abfrageIds::meldungsfeld), Lobtabelle::falsch);
        }
        EXPECT_EQ(f->text(abfrageIds::loesung), zeile(art, art.loesung(), n));
        EXPECT_EQ(f->text(abfrageIds::richtig), std::to_string(richtig));
        EXPECT_EQ(f->text(abfrageIds::falsch), std::to_string(static_cast<int>(falsche.size())));
        EXPECT_EQ(f->text(abfrageIds::eingabe), antwort);
        EXPECT_EQ(f->text(abfrageIds::ok), weiterKnopfText);
        EXPECT_EQ(f->menuetext(f->zeile().befehlOk()), weiterMenueText);
        EXPECT_EQ(f->focusWidget(), feld(*f));

        bestaetigen(*f, weg);
        if (k + 1 < gesamt) {
            EXPECT_EQ(f->text(abfrageIds::ok), okText);
            EXPECT_EQ(f->menuetext(f->zeile().befehlOk()), okText);
            EXPECT_EQ(f->text(abfrageIds::eingabe), "");
            EXPECT_EQ(f->text(abfrageIds::meldungsfeld), "");
            EXPECT_EQ(f->text(abfrageIds::loesung), "");
        }
    }
    abarbeiten();

    EXPECT_EQ(static_cast<int>(gefragt.size()), gesamt);
    EXPECT_TRUE(pausen.blicke.empty());
    ASSERT_EQ(zusammenfassungen.liste.size(), 1u);
    EXPECT_EQ(zusammenfassungen.liste[0],
              (Zusammenfassungen::Werte{std::string(art.artText()), gesamt, richtig,
                                        static_cast<int>(falsche.size())}));
    EXPECT_TRUE(f->istBeendet());
    EXPECT_TRUE(f->zurueckZumMenue());
    EXPECT_FALSE(menue.istBeendet());
    EXPECT_EQ(Anwendung::instanz()->hauptfenster(), &menue);
    EXPECT_TRUE(menue.isHidden()); // the menu shows itself again, not the window

    f.reset();
    EXPECT_EQ(lesen(art.kurs), nichtGewusstText(art.kurs, falsche));
    EXPECT_TRUE(dienste->meldungen.empty());
}

std::string ganzlaufName(const ::testing::TestParamInfo<Ganzlauf>& info) {
    static constexpr const char* wege[] = {"Knopf", "Enter", "Menue"};
    return std::string(info.param.klasse) + "_" + wege[static_cast<int>(info.param.weg)];
}

INSTANTIATE_TEST_SUITE_P(
    DreiArten, GanzeAbfrage,
    ::testing::Values(Ganzlauf{"Option211", Weg::Knopf}, Ganzlauf{"Option211", Weg::Enter},
                      Ganzlauf{"Option211", Weg::Menue}, Ganzlauf{"Option221", Weg::Knopf},
                      Ganzlauf{"Option221", Weg::Enter}, Ganzlauf{"Option221", Weg::Menue},
                      Ganzlauf{"Option41", Weg::Knopf}, Ganzlauf{"Option41", Weg::Enter},
                      Ganzlauf{"Option41", Weg::Menue}),
    ganzlaufName);

// ---------------------------------------------------------------------------------------
// Queries over the not-known list: all records asked, only the wrong ones kept.

struct NichtGewusstLauf {
    std::string_view klasse;
    std::vector<int> liste;   // course items on the list, in its order
    std::set<int> richtig;    // answered rightly
    std::vector<int> bleiben; // what the file holds afterwards
};

class NichtGewusstAbfrage : public AbfragefensterTest,
                            public ::testing::WithParamInterface<NichtGewusstLauf> {};

TEST_P(NichtGewusstAbfrage, BehaeltNurDieFalschBeantworteten) {
    const NichtGewusstLauf& lauf = GetParam();
    const Kursart kurs = zeileVon(lauf.klasse).kurs;
    DatenDatei::schreiben(ngPfad(kurs), nichtGewusstText(kurs, lauf.liste));

    auto f = fensterFuer(lauf.klasse, pausen);
    const Abfrageart& art = f->art();
    oeffnen(*f);
    EXPECT_EQ(f->text(abfrageIds::anzahl), std::to_string(lauf.liste.size()));
    for (std::size_t k = 0; k < lauf.liste.size(); ++k) {
        const int n = nummerAus(f->text(abfrageIds::ausdruck));
        tippen(*f, lauf.richtig.contains(n) ? zeile(art, art.loesung(), n) : "");
        bestaetigen(*f, Weg::Enter);
        bestaetigen(*f, Weg::Enter);
    }
    abarbeiten();
    ASSERT_EQ(zusammenfassungen.liste.size(), 1u);
    EXPECT_EQ(zusammenfassungen.liste[0].gesamt, static_cast<int>(lauf.liste.size()));
    EXPECT_EQ(zusammenfassungen.liste[0].richtig, static_cast<int>(lauf.richtig.size()));

    f.reset();
    EXPECT_EQ(lesen(kurs), nichtGewusstText(kurs, lauf.bleiben));
    // An emptied list counts as no list at all for the next not-known window.
    NichtGewusstListe danach(kurs);
    EXPECT_EQ(danach.ladenUndPruefen(), !lauf.bleiben.empty());
}

INSTANTIATE_TEST_SUITE_P(
    DreiArten, NichtGewusstAbfrage,
    ::testing::Values(NichtGewusstLauf{"Option212", {5, 40, 130}, {5, 130}, {40}},
                      NichtGewusstLauf{"Option222", {7, 8}, {}, {7, 8}},
                      NichtGewusstLauf{"Option42", {3, 15, 40, 489}, {3, 15, 40, 489}, {}}),
    [](const auto& info) { return std::string(info.param.klasse); });

// ---------------------------------------------------------------------------------------
// Button 1000 and the first menu item, in manual and in automatic mode.

struct Modus {
    bool automatisch;
    int pause;
};

class AbfrageZustaende : public AbfragefensterTest, public ::testing::WithParamInterface<Modus> {};

TEST_P(AbfrageZustaende, KnopfUndMenuepunkt) {
    const Modus modus = GetParam();
    AbfrageEinstellungen e;
    e.automatisch = modus.automatisch;
    e.pause = modus.pause;
    einstellungenSchreiben(e);

    auto f = fensterFuer("Option211", pausen);
    const int ok = f->zeile().befehlOk();
    oeffnen(*f);
    EXPECT_EQ(f->text(abfrageIds::ok), okText);
    EXPECT_EQ(f->menuetext(ok), okText);
    for (int runde = 1; runde <= 2; ++runde) {
        tippen(*f, "falsch");
        bestaetigen(*f, Weg::Knopf);
        if (modus.automatisch) {
            // The verdict was shown, the pause taken, and the next item is up already.
            ASSERT_EQ(pausen.blicke.size(), static_cast<std::size_t>(runde));
            EXPECT_EQ(pausen.blicke.back().dauer, std::chrono::milliseconds(modus.pause * 1000));
            EXPECT_EQ(pausen.blicke.back().knopf, okText);
            EXPECT_EQ(pausen.blicke.back().menue, okText);
            EXPECT_EQ(f->ablauf()->anzahlGefragt(), runde + 1);
            EXPECT_EQ(f->text(abfrageIds::meldungsfeld), "");
        } else {
            EXPECT_EQ(f->text(abfrageIds::ok), weiterKnopfText);
            EXPECT_EQ(f->menuetext(ok), weiterMenueText);
            EXPECT_EQ(f->ablauf()->anzahlGefragt(), runde);
            bestaetigen(*f, Weg::Knopf);
            EXPECT_TRUE(pausen.blicke.empty());
        }
        EXPECT_EQ(f->text(abfrageIds::ok), okText);
        EXPECT_EQ(f->menuetext(ok), okText);
        EXPECT_EQ(f->text(abfrageIds::falsch), std::to_string(runde));
    }
}

INSTANTIATE_TEST_SUITE_P(Modi, AbfrageZustaende,
                         ::testing::Values(Modus{false, 3}, Modus{true, 1}, Modus{true, 7}),
                         [](const auto& info) {
                             return std::string(info.param.automatisch ? "automatisch"
                                                                       : "manuell") +
                                    std::to_string(info.param.pause);
                         });

// A blind pupil finds the answer field by its label and every text of the query by
// its role, and hears the verdict, the solution and then the next expression without
// moving the focus (heard only where a screen reader's bridge runs, see Ansagen).
TEST_F(AbfragefensterTest, AssistiveTechnologyNamesEveryTextAndHearsEachChange) {
    using namespace abfrageIds;
    auto f = fensterFuer("Option211", pausen);
    oeffnen(*f);
    const std::string gefragt = f->text(ausdruck);
    test::Ansagen ansagen;
    tippen(*f, "falsch");
    bestaetigen(*f, Weg::Knopf);

    using A = QAccessible::Role;
    const QString loesungstext = alsQString(f->text(loesung));
    const auto baum = test::zugangsbaum(f.get());
    const test::Zugang erwartet[] = {
        {A::StaticText, alsQString(gefragt), ""},
        {A::EditableText, "Eingabe:", "Eingabe:"},
        {A::StaticText, Lobtabelle::falsch, ""},
        {A::StaticText, loesungstext, ""},
        {A::StaticText, "1", ""},
        {A::Button, ">", ""},
    };
    for (const test::Zugang& e : erwartet) {
        EXPECT_NE(std::find(baum.begin(), baum.end(), e), baum.end())
            << e.rolle << " " << e.name.toStdString();
    }
    bestaetigen(*f, Weg::Knopf);
    if (!QAccessible::isActive()) {
        GTEST_SKIP() << "no screen reader bridge: the changes are not told";
    }
    const std::pair<QObject*, QString> gehoert[] = {
        {f->steuerelement(meldungsfeld), Lobtabelle::falsch},
        {f->steuerelement(loesung), loesungstext},
        {f->steuerelement(ausdruck), alsQString(f->text(ausdruck))},
    };
    for (const auto& g : gehoert) {
        EXPECT_NE(std::find(ansagen.namen.begin(), ansagen.namen.end(), g), ansagen.namen.end())
            << g.second.toStdString();
    }
}

// The real wait: closing the window during it ends the wait, runs no further item and no
// summary on the closed window, and still writes the list.
TEST_F(AbfragefensterTest, SchliessenInDerPauseFragtNichtWeiter) {
    AbfrageEinstellungen e;
    e.automatisch = true;
    e.pause = 10;
    einstellungenSchreiben(e);
    pausen.ersatz.reset();

    auto f = std::make_unique<Beobachtet<Abfragefenster>>(zeileVon("Option211"), pausen);
    f->bereichSetzen(31, 31, "02", "02"); // one item: the next step would be the summary
    oeffnen(*f);
    const std::string ausdruck = f->text(abfrageIds::ausdruck);
    bool warWaehrendPausiert = false;
    pausen.beiBeginn = [&] {
        QTimer::singleShot(50, f.get(), [&] {
            warWaehrendPausiert = f->pausiert();
            f->close(); // the close box
        });
    };
    QElapsedTimer uhr;
    uhr.start();
    tippen(*f, "falsch");
    bestaetigen(*f, Weg::Knopf);
    abarbeiten();

    EXPECT_TRUE(warWaehrendPausiert);
    EXPECT_LT(uhr.elapsed(), 5000);
    EXPECT_TRUE(f->istBeendet());
    EXPECT_EQ(f->text(abfrageIds::ausdruck), ausdruck);
    EXPECT_EQ(f->text(abfrageIds::meldungsfeld), Lobtabelle::falsch);
    EXPECT_TRUE(zusammenfassungen.liste.empty());
    EXPECT_FALSE(f->zurueckZumMenue());
    EXPECT_TRUE(menue.istBeendet());

    f.reset();
    EXPECT_EQ(lesen(Kursart::Woerter), nichtGewusstText(Kursart::Woerter, {31}));
}

// ---------------------------------------------------------------------------------------
// Every way out writes the list; only "Hauptmenü" leads back to the menu. Escape does
// nothing.

enum class Ausgang {
    HauptmenueKnopf,
    HauptmenueMenue,
    BeendenKnopf,
    BeendenMenue,
    Schliessfeld,
    Escape
};

struct Ausgangsfall {
    std::string_view klasse;
    Ausgang ausgang;
};

class AbfrageAusgaenge : public AbfragefensterTest,
                         public ::testing::WithParamInterface<Ausgangsfall> {};

TEST_P(AbfrageAusgaenge, SchreibenDieListe) {
    const auto [klasse, ausgang] = GetParam();
    auto f = fensterFuer(klasse, pausen);
    const Abfrageart& art = f->art();
    oeffnen(*f);
    EXPECT_TRUE(menue.isHidden());
    const int n = nummerAus(f->text(abfrageIds::ausdruck));
    tippen(*f, "falsch");
    bestaetigen(*f, Weg::Knopf);

    switch (ausgang) {
    case Ausgang::HauptmenueKnopf:
        f->steuerelement<QPushButton>(abfrageIds::hauptmenue)->click();
        break;
    case Ausgang::HauptmenueMenue:
        f->menuepunkt(f->zeile().befehlHauptmenue())->trigger();
        break;
    case Ausgang::BeendenKnopf:
        f->steuerelement<QPushButton>(abfrageIds::beenden)->click();
        break;
    case Ausgang::BeendenMenue:
        f->menuepunkt(f->zeile().befehle().beenden)->trigger();
        break;
    case Ausgang::Schliessfeld:
        f->close();
        break;
    case Ausgang::Escape:
        QTest::keyClick(feld(*f), Qt::Key_Escape);
        break;
    }
    abarbeiten();

    const bool zurueck = ausgang == Ausgang::HauptmenueKnopf || ausgang == Ausgang::HauptmenueMenue;
    const bool zu = ausgang != Ausgang::Escape;
    EXPECT_EQ(f->istBeendet(), zu);
    EXPECT_EQ(f->zurueckZumMenue(), zurueck);
    EXPECT_EQ(menue.istBeendet(), zu && !zurueck);
    EXPECT_EQ(Anwendung::instanz()->hauptfenster(), zu ? &menue : f.get());
    EXPECT_TRUE(zusammenfassungen.liste.empty());

    f.reset();
    EXPECT_EQ(lesen(art.kurs), nichtGewusstText(art.kurs, {n}));
}

std::string ausgangsName(const ::testing::TestParamInfo<Ausgangsfall>& info) {
    static constexpr const char* namen[] = {"HauptmenueKnopf", "HauptmenueMenue", "BeendenKnopf",
                                            "BeendenMenue",    "Schliessfeld",    "Escape"};
    return std::string(info.param.klasse) + "_" + namen[static_cast<int>(info.param.ausgang)];
}

INSTANTIATE_TEST_SUITE_P(Wege, AbfrageAusgaenge,
                         ::testing::Values(Ausgangsfall{"Option211", Ausgang::HauptmenueKnopf},
                                           Ausgangsfall{"Option221", Ausgang::HauptmenueMenue},
                                           Ausgangsfall{"Option41", Ausgang::BeendenKnopf},
                                           Ausgangsfall{"Option211", Ausgang::BeendenMenue},
                                           Ausgangsfall{"Option221", Ausgang::Schliessfeld},
                                           Ausgangsfall{"Option41", Ausgang::Escape}),
                         ausgangsName);

// ---------------------------------------------------------------------------------------
// Failures.

TEST_F(AbfragefensterTest, FehlendesBildSchliesstNachEinerMeldung) {
    std::filesystem::remove(pfade::bildKlein);
    auto f = fensterFuer("Option221", pausen);
    oeffnen(*f);
    QTest::qWait(50);
    f->repaint();
    abarbeiten();
    ASSERT_EQ(dienste->meldungen.size(), 1u);
    EXPECT_EQ(alsKerntext(dienste->meldungen[0].text), kleinesBild.meldung);
    EXPECT_EQ(dienste->meldungen[0].symbol, Meldungssymbol::Stop);
    EXPECT_TRUE(f->istBeendet());
    EXPECT_FALSE(f->zurueckZumMenue());
    EXPECT_TRUE(menue.istBeendet());
    f.reset();
    EXPECT_TRUE(DatenDatei::existiert(ngPfad(Kursart::Woerter)));
}

} // namespace
} // namespace quorvia
