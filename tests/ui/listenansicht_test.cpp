#include "ui/listenansicht.h"

#include "fenster_testhilfe.h"
#include "ui/testblatt.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
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

// ---------------------------------------------------------------------------------------
// Printing: the PDF's text, page by page, as pdftotext reads it.

std::vector<QString> pdfSeiten(const QString& pfad) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pfad, QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(60000)) << "pdftotext (poppler-utils) missing?";
    QStringList seiten = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
    if (!seiten.isEmpty() && seiten.back().trimmed().isEmpty()) {
        seiten.removeLast();
    }
    return {seiten.begin(), seiten.end()};
}

// The item numbers a text names on the Latin (or German) side, in order.
std::vector<int> nummernIn(const QString& text, Kursart kurs, bool latein) {
    static const std::map<std::pair<Kursart, bool>, QRegularExpression> muster{
        {{Kursart::Woerter, true}, QRegularExpression(R"(\bverbum(\d+)\b)")},
        {{Kursart::Woerter, false}, QRegularExpression(R"(\bWort(\d+)\b)")},
        {{Kursart::Stammformen, true}, QRegularExpression(R"(\bforma(\d+)a\b)")},
        {{Kursart::Stammformen, false}, QRegularExpression(R"(\bBedeutung(\d+)\b)")}};
    std::vector<int> n;
    for (const auto& m : muster.at({kurs, latein}).globalMatch(text)) {
        n.push_back(m.captured(1).toInt());
    }
    return n;
}

class DruckTest : public ListenansichtTest {
protected:
    QString pfad(std::string_view name) const {
        return QString::fromStdString(ordner.pfad(name).string());
    }
};

struct Listendruckfall {
    std::string_view klasse;
    std::string von, bis;
    std::vector<int> nichtGewusst;
    int befehl;
    int seiten; // 0: more than one, as many as the footers count
};

class Listendruck : public DruckTest, public ::testing::WithParamInterface<Listendruckfall> {};

// Every row the view shows is printed exactly once, under the window's title on each page,
// with the date and "Seite k von n" at the foot; printing and saving give the same pages.
TEST_P(Listendruck, JedeZeileEinmalMitTitelDatumUndSeitenzahl) {
    const Listendruckfall& fall = GetParam();
    const Kursart kurs = zeileVon(fall.klasse).kurs;
    if (!fall.nichtGewusst.empty()) {
        DatenDatei::schreiben(ngPfad(kurs), nichtGewusstText(kurs, fall.nichtGewusst));
    }
    auto f = ansichtFuer(fall.klasse, fall.von, fall.bis);
    oeffnen(*f);
    const QString ziel = pfad("liste");
    dienste->druckziel = ziel + ".pdf";
    dienste->dateien.push_back(ziel); // the suffix is added
    test::menue(*f, fall.befehl);

    const std::vector<QString> seiten = pdfSeiten(ziel + ".pdf");
    const auto n = static_cast<int>(seiten.size());
    if (fall.seiten > 0) {
        EXPECT_EQ(n, fall.seiten);
    }
    QString alles;
    for (int k = 0; k < n; ++k) {
        const QString& seite = seiten[static_cast<std::size_t>(k)];
        EXPECT_TRUE(seite.contains(alsQString(f->titel()))) << k;
        EXPECT_TRUE(seite.contains(QStringLiteral("Seite %1 von %2").arg(k + 1).arg(n))) << k;
        EXPECT_TRUE(seite.contains(QDate::currentDate().toString("dd.MM.yyyy"))) << k;
        alles += seite;
    }
    std::vector<int> soll;
    for (int r = 0; r < f->zeilenAnzahl(ansichtIds::liste); ++r) {
        soll.push_back(nummerAus(f->zelle(ansichtIds::liste, r, 2)));
    }
    EXPECT_EQ(nummernIn(alles, kurs, true), soll);
    EXPECT_EQ(nummernIn(alles, kurs, false), soll);
    EXPECT_TRUE(dienste->meldungen.empty());
}

INSTANTIATE_TEST_SUITE_P(
    VierAnsichten, Listendruck,
    ::testing::Values(Listendruckfall{"Option11", "01", "01", {}, druckBefehle::pdf, 1},
                      Listendruckfall{"Option11", "01", "50", {}, druckBefehle::pdf, 0},
                      Listendruckfall{"Option31", "49", "50", {}, druckBefehle::drucken, 1},
                      Listendruckfall{"Option12", "", "", {130, 40, 45}, druckBefehle::drucken, 1},
                      Listendruckfall{"Option32", "", "", {498, 12}, druckBefehle::pdf, 1}),
    [](const auto& info) {
        return std::string(info.param.klasse) + "_" + std::to_string(info.index);
    });

// A PDF that cannot be written says so with its path, a print that fails says so too; a
// cancelled chooser or print dialog says nothing.
TEST_F(DruckTest, UnschreibbaresPdfMeldetSichAbbruchNicht) {
    auto f = ansichtFuer("Option11");
    oeffnen(*f);
    const QString unschreibbar = pfad("fehlt/liste.pdf");
    const struct {
        int befehl;
        QString ziel; // empty: cancelled
        QString meldung;
    } faelle[] = {
        {druckBefehle::pdf, unschreibbar, unschreibbar},
        {druckBefehle::pdf, {}, {}},
        {druckBefehle::drucken, unschreibbar, QStringLiteral("nicht gedruckt")},
        {druckBefehle::drucken, {}, {}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.befehl);
        dienste->meldungen.clear();
        dienste->dateien.push_back(fall.ziel);
        dienste->druckziel = fall.ziel;
        test::menue(*f, fall.befehl);
        dienste->dateien.clear();
        if (fall.meldung.isEmpty()) {
            EXPECT_TRUE(dienste->meldungen.empty());
            continue;
        }
        ASSERT_EQ(dienste->meldungen.size(), 1u);
        EXPECT_TRUE(dienste->meldungen[0].text.contains(fall.meldung));
        EXPECT_EQ(dienste->meldungen[0].symbol, Meldungssymbol::Stop);
    }
}

struct Testblattfall {
    std::string_view klasse;
    std::string von, bis;
    std::vector<int> nichtGewusst;
    QString anzahl; // typed into the dialog; empty keeps the default
    int richtung;   // radio index: 0 German given, 1 Latin given
    int erwartet;   // items on the sheet
};

class Testblattdruck : public DruckTest, public ::testing::WithParamInterface<Testblattfall> {};

// The sheet holds the picked rows once each with the answer side empty; the key on its own
// page gives each numbered item with its answer.
TEST_P(Testblattdruck, BlattUndSchluesselPassen) {
    const Testblattfall& fall = GetParam();
    const Kursart kurs = zeileVon(fall.klasse).kurs;
    if (!fall.nichtGewusst.empty()) {
        DatenDatei::schreiben(ngPfad(kurs), nichtGewusstText(kurs, fall.nichtGewusst));
    }
    auto f = ansichtFuer(fall.klasse, fall.von, fall.bis);
    oeffnen(*f);
    dienste->druckziel = pfad("blatt.pdf");
    test::beimNaechstenDialog([&fall](Dialog* d) {
        ASSERT_NE(d, nullptr);
        if (!fall.anzahl.isEmpty()) {
            test::tippen(*d, testblattIds::anzahl, fall.anzahl);
        }
        if (fall.richtung == 1) {
            test::klicken(*d, testblattIds::lateinGegeben);
        }
        test::klicken(*d, testblattIds::ok);
    });
    test::menue(*f, druckBefehle::testblatt);

    const std::vector<QString> seiten = pdfSeiten(dienste->druckziel);
    ASSERT_EQ(seiten.size(), 2u);
    const bool lateinGegeben = fall.richtung == 1;
    std::set<int> gezeigt;
    for (int r = 0; r < f->zeilenAnzahl(ansichtIds::liste); ++r) {
        gezeigt.insert(nummerAus(f->zelle(ansichtIds::liste, r, 2)));
    }
    // Numbered lines: the item named on the given side, and on the asked side (0: none).
    const auto posten = [&](const QString& seite) {
        std::vector<std::pair<int, int>> p;
        for (const QString& z : seite.split(u'\n')) {
            if (QRegularExpression(R"(^\s*\d+\.\s)").match(z).hasMatch()) {
                const std::vector<int> g = nummernIn(z, kurs, lateinGegeben);
                const std::vector<int> a = nummernIn(z, kurs, !lateinGegeben);
                EXPECT_EQ(g.size(), 1u) << z.toStdString();
                p.emplace_back(g.empty() ? 0 : g[0], a.empty() ? 0 : a[0]);
            }
        }
        return p;
    };
    const auto blatt = posten(seiten[0]);
    const auto schluessel = posten(seiten[1]);
    ASSERT_EQ(blatt.size(), static_cast<std::size_t>(fall.erwartet));
    ASSERT_EQ(schluessel.size(), blatt.size());
    std::set<int> gefragt;
    for (std::size_t i = 0; i < blatt.size(); ++i) {
        EXPECT_TRUE(gezeigt.count(blatt[i].first)) << blatt[i].first;
        EXPECT_TRUE(gefragt.insert(blatt[i].first).second) << "twice: " << blatt[i].first;
        EXPECT_EQ(blatt[i].second, 0) << "answer on the sheet";
        EXPECT_EQ(schluessel[i], std::make_pair(blatt[i].first, blatt[i].first));
    }
    EXPECT_TRUE(seiten[0].contains(QStringLiteral("Name:")));
}

INSTANTIATE_TEST_SUITE_P(
    VierAnsichten, Testblattdruck,
    ::testing::Values(Testblattfall{"Option11", "01", "02", {}, "", 0, 20},
                      Testblattfall{"Option11", "01", "01", {}, "12", 1, 12},
                      Testblattfall{"Option31", "49", "50", {}, "", 0, 10},
                      Testblattfall{"Option12", "", "", {130, 40, 45}, "50", 1, 3}),
    [](const auto& info) {
        return std::string(info.param.klasse) + "_" + std::to_string(info.index);
    });

} // namespace
} // namespace quorvia
