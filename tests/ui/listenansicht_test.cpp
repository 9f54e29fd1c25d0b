#include "ui/listenansicht.h"

#include "fenster_testhilfe.h"

#include "ui/plattform/schriften.h"
#include "ui/plattform/steuerelemente.h"

#include <QAction>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quorvia {
namespace {

using namespace testhilfe;

void abarbeiten() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

template <class T>
std::unique_ptr<Listenansicht> bauen(Kursart kurs, std::string von, std::string bis) {
    auto f = std::make_unique<T>();
    if constexpr (requires { f->bereichSetzen(1, 1, von, bis); }) {
        f->bereichSetzen(Lektionstabelle::ersterEintrag(kurs, von),
                         Lektionstabelle::letzterEintrag(kurs, bis), von, bis);
    } else {
        EXPECT_TRUE(f->ladenUndPruefen());
    }
    return f;
}

std::unique_ptr<Listenansicht> ansichtFuer(std::string_view klasse, std::string von = "01",
                                           std::string bis = "01") {
    const Kursart kurs = ansichtsartVon(klasse).kurs;
    if (klasse == "Option11")
        return bauen<Option11>(kurs, von, bis);
    if (klasse == "Option12")
        return bauen<Option12>(kurs, von, bis);
    if (klasse == "Option31")
        return bauen<Option31>(kurs, von, bis);
    return bauen<Option32>(kurs, von, bis);
}

class ListenansichtTest : public ::testing::Test {
protected:
    void oeffnen(Listenansicht& f) {
        f.menuefensterSetzen(&menue);
        menue.show();
        Anwendung::instanz()->setzeHauptfenster(&f);
        f.vorbereiten();
        f.show();
        abarbeiten();
    }

    // Every row as its three cells.
    static std::vector<std::vector<std::string>> zeilen(const Listenansicht& f) {
        std::vector<std::vector<std::string>> z;
        for (int i = 0; i < f.zeilenAnzahl(ansichtIds::liste); ++i) {
            z.push_back({f.zelle(ansichtIds::liste, i, 0), f.zelle(ansichtIds::liste, i, 1),
                         f.zelle(ansichtIds::liste, i, 2)});
        }
        return z;
    }

    Arbeitsordner ordner;
    Meldungen meldungen;
    Dialog menue{QStringLiteral("QuorviaInfo")};
};

// ---------------------------------------------------------------------------------------
// The rows: lesson, Latin (or principal parts) and German of every item.

struct Zeilenfall {
    std::string_view klasse;
    std::string von, bis;
    std::vector<int> nichtGewusst; // course items on the list, in its order
    std::vector<int> erwartet;     // course items of the rows, top to bottom
};

class AnsichtZeilen : public ListenansichtTest, public ::testing::WithParamInterface<Zeilenfall> {};

TEST_P(AnsichtZeilen, JedeZeileMitIhrerLektion) {
    const Zeilenfall& fall = GetParam();
    const Kursart kurs = ansichtsartVon(fall.klasse).kurs;
    if (!fall.nichtGewusst.empty()) {
        DatenDatei::schreiben(ngPfad(kurs), nichtGewusstText(kurs, fall.nichtGewusst));
    }
    auto f = ansichtFuer(fall.klasse, fall.von, fall.bis);
    oeffnen(*f);

    std::vector<std::vector<std::string>> soll;
    for (const int n : fall.erwartet) {
        soll.push_back(
            {*Lektionstabelle::lektionVon(kurs, n), lateinVon(kurs, n), deutschVon(kurs, n)});
    }
    EXPECT_EQ(zeilen(*f), soll);
    EXPECT_TRUE(menue.isHidden());
}

std::vector<int> bereich(int von, int bis) {
    std::vector<int> v;
    for (int n = von; n <= bis; ++n) {
        v.push_back(n);
    }
    return v;
}

INSTANTIATE_TEST_SUITE_P(VierAnsichten, AnsichtZeilen,
                         ::testing::Values(
                             // Lessons 01 to 01: 30 rows of "01", in item order.
                             Zeilenfall{"Option11", "01", "01", {}, bereich(1, 30)},
                             // Principal parts 49 to 50: one row of "49", nine of "50".
                             Zeilenfall{"Option31", "49", "50", {}, bereich(489, 498)},
                             Zeilenfall{"Option11", "50", "50", {}, bereich(1560, 1583)},
                             // Records from lesson 05, then 02: the rows of 02 come first; equal
                             // lessons keep the list's order.
                             Zeilenfall{"Option12", "", "", {130, 40, 45}, {40, 45, 130}},
                             Zeilenfall{"Option32", "", "", {498, 12, 489, 1}, {1, 12, 489, 498}}));

// A record the course no longer holds shows with an empty lesson, at the top.
TEST_F(ListenansichtTest, UnbekannterDatensatzOhneLektion) {
    std::string text = nichtGewusstText(Kursart::Woerter, {130});
    text += datensatz(2, "ignotum", "unbekannt");
    DatenDatei::schreiben(ngPfad(Kursart::Woerter), text);
    auto f = ansichtFuer("Option12");
    oeffnen(*f);
    const std::vector<std::vector<std::string>> soll{
        {"", "ignotum", "unbekannt"},
        {"05", lateinVon(Kursart::Woerter, 130), deutschVon(Kursart::Woerter, 130)}};
    EXPECT_EQ(zeilen(*f), soll);
}

// The rows hold what Eintragsliste::eintrag reads, also from an odd course file: numbers
// out of order and twice, a number missing, a leading zero, marker-like text in a line.
TEST_F(ListenansichtTest, ZeilenLesenWieEintrag) {
    const std::string text = "\r\n" + datensatz(2, "b", "B") + datensatz(1, "a", "A") +
                             datensatz(3, "c#3#", "#4#C") + datensatz(2, "b2", "B2") +
                             "#05#\r\n#x#\r\n#X#\r\n\r\n" + datensatz(6, "f", "F") + "#7#";
    DatenDatei::schreiben(std::string(pfade::woerter), text);
    const Eintragsliste kurs(text);
    Option11 f;
    f.bereichSetzen(1, 8, "01", "01");
    oeffnen(f);
    ASSERT_EQ(f.zeilenAnzahl(ansichtIds::liste), 8);
    for (int n = 1; n <= 8; ++n) {
        const Eintrag e = kurs.eintrag(n);
        EXPECT_EQ(f.zelle(ansichtIds::liste, n - 1, 0), "01") << n;
        EXPECT_EQ(f.zelle(ansichtIds::liste, n - 1, 1), e.lateinisch) << n;
        EXPECT_EQ(f.zelle(ansichtIds::liste, n - 1, 2), e.deutsch) << n;
    }
    EXPECT_EQ(f.zelle(ansichtIds::liste, 1, 1), "b");
    EXPECT_EQ(f.zelle(ansichtIds::liste, 4, 1), "");
}

// ---------------------------------------------------------------------------------------
// Titles, heading, columns.

struct Kopf {
    std::string_view klasse;
    std::string titel;
    std::string spalte1, spalte2;
};

class AnsichtKoepfe : public ListenansichtTest, public ::testing::WithParamInterface<Kopf> {};

TEST_P(AnsichtKoepfe, TitelUeberschriftUndSpalten) {
    const Kopf& soll = GetParam();
    DatenDatei::schreiben(ngPfad(Kursart::Woerter), nichtGewusstText(Kursart::Woerter, {1}));
    DatenDatei::schreiben(ngPfad(Kursart::Stammformen),
                          nichtGewusstText(Kursart::Stammformen, {1}));
    auto f = ansichtFuer(soll.klasse, "03", "05");
    oeffnen(*f);
    EXPECT_EQ(f->titel(), soll.titel);

    const Schriftbeschreibung kopf = f->schrift(ansichtIds::ueberschrift);
    EXPECT_EQ(kopf.gewicht, 700);
    EXPECT_EQ(kopf.hoehe, punkteZuHoehe(13, pixelProZollY()));

    auto* liste = f->steuerelement<Berichtsliste>(ansichtIds::liste);
    ASSERT_EQ(liste->columnCount(), 3);
    EXPECT_EQ(alsKerntext(liste->headerItem()->text(0)), "Lektion");
    EXPECT_EQ(alsKerntext(liste->headerItem()->text(1)), soll.spalte1);
    EXPECT_EQ(alsKerntext(liste->headerItem()->text(2)), soll.spalte2);
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(liste->columnWidth(s), spaltenbreiten[static_cast<std::size_t>(s)]);
    }
    EXPECT_TRUE(liste->vollzeile());
}

INSTANTIATE_TEST_SUITE_P(
    VierAnsichten, AnsichtKoepfe,
    ::testing::Values(
        Kopf{"Option11", "Quorvia 2003 - W\xF6rter ansehen - Lektion 03 bis Lektion 05",
             "lateinischer Ausdruck", "deutscher Ausdruck"},
        Kopf{"Option12", "Quorvia 2003 - W\xF6rter ansehen - nicht gewusste W\xF6rter",
             "lateinischer Ausdruck", "deutscher Ausdruck"},
        Kopf{"Option31", "Quorvia 2003 - Stammformen ansehen - Lektion 03 bis Lektion 05",
             "Stammformen", "deutsche Bedeutung"},
        Kopf{"Option32", "Quorvia 2003 - Stammformen ansehen - nicht gewusste Stammformen",
             "Stammformen", "deutsche Bedeutung"}));

// ---------------------------------------------------------------------------------------
// Ways out: only "Hauptmenü" leads back; Escape does nothing; no file is written.

enum class Ausgang {
    HauptmenueKnopf,
    HauptmenueMenue,
    BeendenKnopf,
    BeendenMenue,
    Schliessfeld,
    Escape
};

class AnsichtAusgaenge : public ListenansichtTest, public ::testing::WithParamInterface<Ausgang> {};

TEST_P(AnsichtAusgaenge, NurHauptmenueFuehrtZurueck) {
    const Ausgang ausgang = GetParam();
    auto f = ansichtFuer("Option31");
    oeffnen(*f);
    switch (ausgang) {
    case Ausgang::HauptmenueKnopf:
        f->steuerelement<QPushButton>(ansichtIds::hauptmenue)->click();
        break;
    case Ausgang::HauptmenueMenue:
        f->menuepunkt(f->art().befehlHauptmenue)->trigger();
        break;
    case Ausgang::BeendenKnopf:
        f->steuerelement<QPushButton>(ansichtIds::beenden)->click();
        break;
    case Ausgang::BeendenMenue:
        f->menuepunkt(f->art().befehle.beenden)->trigger();
        break;
    case Ausgang::Schliessfeld:
        f->close();
        break;
    case Ausgang::Escape:
        QTest::keyClick(f->steuerelement(ansichtIds::liste), Qt::Key_Escape);
        break;
    }
    abarbeiten();
    const bool zurueck = ausgang == Ausgang::HauptmenueKnopf || ausgang == Ausgang::HauptmenueMenue;
    const bool zu = ausgang != Ausgang::Escape;
    EXPECT_EQ(f->istBeendet(), zu);
    EXPECT_EQ(f->zurueckZumMenue(), zurueck);
    EXPECT_EQ(menue.istBeendet(), zu && !zurueck);
    EXPECT_EQ(Anwendung::instanz()->hauptfenster(), zu ? &menue : f.get());
    f.reset();
    EXPECT_FALSE(DatenDatei::existiert(ngPfad(Kursart::Stammformen)));
}

INSTANTIATE_TEST_SUITE_P(Wege, AnsichtAusgaenge,
                         ::testing::Values(Ausgang::HauptmenueKnopf, Ausgang::HauptmenueMenue,
                                           Ausgang::BeendenKnopf, Ausgang::BeendenMenue,
                                           Ausgang::Schliessfeld, Ausgang::Escape));

// ---------------------------------------------------------------------------------------

TEST_F(ListenansichtTest, FehlendesBildSchliesstNachEinerMeldung) {
    std::filesystem::remove(pfade::bildKlein);
    auto f = ansichtFuer("Option11");
    oeffnen(*f);
    QTest::qWait(50);
    f->repaint();
    abarbeiten();
    ASSERT_EQ(meldungen.liste.size(), 1u);
    EXPECT_EQ(meldungen.liste[0].text, kleinesBild.meldung);
    EXPECT_EQ(meldungen.liste[0].symbol, Meldungssymbol::Stop);
    EXPECT_TRUE(f->istBeendet());
    EXPECT_FALSE(f->zurueckZumMenue());
    EXPECT_TRUE(menue.istBeendet());
}

TEST_F(ListenansichtTest, LeereNichtGewusstListeZeigtNichts) {
    DatenDatei::schreiben(ngPfad(Kursart::Woerter), NichtGewusstListe::leererText);
    Option12 f;
    EXPECT_FALSE(f.ladenUndPruefen());
    Option32 g;
    EXPECT_FALSE(g.ladenUndPruefen()); // no file at all
}

} // namespace
} // namespace quorvia
