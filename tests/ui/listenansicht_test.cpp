#include "ui/listenansicht.h"

#include "fenster_testhilfe.h"

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

std::unique_ptr<Listenansicht> ansichtFuer(std::string_view klasse, std::string von = "01",
                                           std::string bis = "01") {
    const Optionszeile& zeile = zeileVon(klasse);
    auto f = std::make_unique<Listenansicht>(zeile);
    if (zeile.quelle == Abfragequelle::Bereich) {
        f->bereichSetzen(Lektionstabelle::ersterEintrag(zeile.kurs, von),
                         Lektionstabelle::letzterEintrag(zeile.kurs, bis), von, bis);
    } else {
        EXPECT_TRUE(f->ladenUndPruefen());
    }
    return f;
}

class ListenansichtTest : public ::testing::Test {
protected:
    ListenansichtTest() { fensterordnerEinrichten(ordner); }

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
    DiensteEingesetzt dienste;
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
    const Kursart kurs = zeileVon(fall.klasse).kurs;
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
                             Zeilenfall{"Option32", "", "", {498, 12, 489, 1}, {1, 12, 489, 498}}),
                         [](const auto& info) {
                             return std::string(info.param.klasse) + "_" +
                                    std::to_string(info.index);
                         });

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
    Listenansicht f(zeileVon("Option11"));
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

TEST_F(ListenansichtTest, FehlendesBildSchliesstNachEinerMeldung) {
    std::filesystem::remove(pfade::bildKlein);
    auto f = ansichtFuer("Option11");
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
}

} // namespace
} // namespace quorvia
