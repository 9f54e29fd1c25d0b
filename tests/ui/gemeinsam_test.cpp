// SPDX-License-Identifier: GPL-3.0-or-later
// The shared window pieces: picture loading and painting with the one-time failure
// message, the help file and its viewer, the shared commands, and the end of the program
// on a fatal data failure.

#include "gemeinsam_testhilfe.h"

#include "data/datendatei.h"
#include "ui/gemeinsam.h"
#include "ui/hilfe.h"
#include "ui/optionstabelle.h"
#include "ui/plattform/schriften.h"
#include "ui/plattform/text.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

namespace quorvia {
namespace {

using test::Arbeitsordner;
using test::DiensteEingesetzt;

// The shared commands of three option windows, as their table rows derive them.
const GemeinsameBefehle option211Befehle = optionsfensterTabelle[2].befehle();
const GemeinsameBefehle option31Befehle = optionsfensterTabelle[6].befehle();
const GemeinsameBefehle option42Befehle = optionsfensterTabelle[9].befehle();

Dialogvorlage testvorlage() {
    Dialogvorlage v;
    v.name = QStringLiteral("Bildtest");
    v.titel = QStringLiteral("Bildtest");
    v.einheiten = QSize(160, 120);
    return v;
}

// A window of the shared kind that loads its picture when it opens, as every real one does.
class Testfenster : public Bildfenster {
public:
    explicit Testfenster(Bildangabe bild, GemeinsameBefehle befehle = hauptmenueBefehle,
                         const Dialogvorlage& vorlage = testvorlage())
        : Bildfenster(vorlage, bild, befehle) {}
    using Bildfenster::bildSetzen;
    using Bildfenster::nebenDemBild;

protected:
    void oeffnen() override { bildLaden(); }
};

// ---------------------------------------------------------------------------------------
// Loading

TEST(BildLaden, DecodesAGifFromMemoryAndReportsItsSizeInHundredthsOfAMillimetre) {
    Arbeitsordner ordner;
    schreiben(ordner, QStringLiteral("Bilder/rot.gif"), test::rotesGif());
    const std::optional<Bild> bild = bildLaden(QStringLiteral("Bilder/rot.gif"));
    ASSERT_TRUE(bild.has_value());
    EXPECT_EQ(bild->bild.size(), QSize(10, 8));
    // 10 px * 2540 / 96 = 264.58, 8 px = 211.67
    EXPECT_EQ(bild->groesse, QSize(265, 212));
    EXPECT_EQ(bild->bild.pixelColor(4, 4), QColor(255, 0, 0));
}

TEST(BildLaden, GivesNoPictureForEveryFileThatIsNotOne) {
    Arbeitsordner ordner;
    const QByteArray gif = test::rotesGif();
    schreiben(ordner, QStringLiteral("leer.gif"), QByteArray());
    schreiben(ordner, QStringLiteral("text.gif"), QByteArray("Dies ist kein Bild.\r\n"));
    schreiben(ordner, QStringLiteral("kopf.gif"), gif.left(13)); // header, no image data
    schreiben(ordner, QStringLiteral("nullen.gif"), QByteArray(4096, '\0'));
    QDir().mkpath(pfad(ordner, QStringLiteral("ordner.gif")));
    {
        // Larger than any picture may be: refused before it is read.
        QFile gross(pfad(ordner, QStringLiteral("gross.gif")));
        ASSERT_TRUE(gross.open(QIODevice::WriteOnly));
        ASSERT_EQ(gross.write(gif), gif.size());
        ASSERT_TRUE(gross.resize(maxBildgroesse + 1));
    }
    for (const char* name : {"fehlt.gif", "leer.gif", "text.gif", "kopf.gif", "nullen.gif",
                             "ordner.gif", "gross.gif"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(bildLaden(QString::fromLatin1(name)).has_value());
    }
}

// Our own pictures, as the build places them in the working directory: they decode and
// fit the layouts they are drawn into (left of the option frame and above the greeting in
// the main menu; left of the heading and above the frame in the option windows).
TEST(BildLaden, OurPicturesFitBesideTheControlsOfTheirWindows) {
    const QString bilder =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../arbeitsordner/Bilder/");
    const Dialogeinheiten du = dialogeinheitenVon(dialogschrift());
    struct Fall {
        const char* datei;
        int rechtsFreiBisDu, untenFreiBisDu;
    };
    for (const Fall f : {Fall{"Bustixgr.gif", 86, 118}, Fall{"Bustixkl.gif", 31, 33}}) {
        SCOPED_TRACE(f.datei);
        const std::optional<Bild> bild = bildLaden(bilder + QString::fromLatin1(f.datei));
        ASSERT_TRUE(bild.has_value());
        const int breite = himetrischZuPixel(bild->groesse.width(), 96);
        const int hoehe = himetrischZuPixel(bild->groesse.height(), 96);
        EXPECT_LT(bildRand + breite, du.pixelX(f.rechtsFreiBisDu));
        EXPECT_LT(bildRand + hoehe, du.pixelY(f.untenFreiBisDu));
    }
}

// ---------------------------------------------------------------------------------------
// Painting

TEST(FensterZeichnen, DrawsThePictureAtClientPixelTwentyTwentyInItsSize) {
    Arbeitsordner ordner;
    schreiben(ordner, QStringLiteral("Bilder/Bustixkl.gif"), test::rotesGif());
    DiensteEingesetzt antworten;
    Testfenster fenster(kleinesBild);
    fenster.vorbereiten();
    ASSERT_TRUE(fenster.hatBild());

    const QImage bild = fenster.flaeche()->grab().toImage();
    const int breite = himetrischZuPixel(265, fenster.flaeche()->logicalDpiX());
    const int hoehe = himetrischZuPixel(212, fenster.flaeche()->logicalDpiY());
    const QColor rot(255, 0, 0);
    struct Punkt {
        int x, y;
        bool imBild;
    };
    for (const Punkt p :
         {Punkt{20, 20, true}, Punkt{20 + breite - 1, 20 + hoehe - 1, true}, Punkt{19, 20, false},
          Punkt{20, 19, false}, Punkt{20 + breite, 20, false}, Punkt{20, 20 + hoehe, false}}) {
        EXPECT_EQ(bild.pixelColor(p.x, p.y) == rot, p.imBild) << p.x << "," << p.y;
    }
    EXPECT_TRUE(antworten->meldungen.empty());
}

// The picture at twice the pixels beside the file is drawn on screens of scale 1.5 and
// more, in the same place; the file itself alone decides whether there is a picture.
TEST(FensterZeichnen, DrawsThePictureBesideItWithTwiceThePixelsAtHighScales) {
    const QColor rot(255, 0, 0), gruen(0, 160, 0);
    QByteArray gruenesBild;
    {
        QImage doppelt(20, 16, QImage::Format_RGB32);
        doppelt.fill(gruen);
        QBuffer puffer(&gruenesBild);
        ASSERT_TRUE(puffer.open(QIODevice::WriteOnly) && doppelt.save(&puffer, "PNG"));
    }
    struct Fall {
        const char* name;
        QByteArray einfach, doppelt; // empty: no such file
        qreal skala;
        std::optional<QColor> farbe; // empty: no picture at all
    };
    const Fall faelle[] = {
        {"Skala1", test::rotesGif(), gruenesBild, 1.0, rot},
        {"Skala2", test::rotesGif(), gruenesBild, 2.0, gruen},
        {"Skala1_5", test::rotesGif(), gruenesBild, 1.5, gruen},
        {"OhneDoppeltes", test::rotesGif(), {}, 2.0, rot},
        {"DoppeltesKaputt", test::rotesGif(), QByteArray("kein Bild"), 2.0, rot},
        {"NurDoppeltes", {}, gruenesBild, 2.0, std::nullopt},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Arbeitsordner ordner;
        if (!f.einfach.isEmpty()) {
            schreiben(ordner, QStringLiteral("Bilder/Bustixkl.gif"), f.einfach);
        }
        if (!f.doppelt.isEmpty()) {
            schreiben(ordner, QStringLiteral("Bilder/Bustixkl@2x.gif"), f.doppelt);
        }
        DiensteEingesetzt antworten;
        Testfenster fenster(kleinesBild);
        fenster.vorbereiten();
        ASSERT_EQ(fenster.hatBild(), f.farbe.has_value());
        if (!f.farbe) {
            continue;
        }
        QImage ziel(fenster.flaeche()->size() * f.skala, QImage::Format_RGB32);
        ziel.setDevicePixelRatio(f.skala);
        fenster.flaeche()->render(&ziel);
        // Inside the picture, which covers client pixels 20 to 29 by 20 to 27.
        EXPECT_EQ(ziel.pixelColor(qRound(25 * f.skala), qRound(24 * f.skala)), *f.farbe);
    }
}

// A bold heading beside the picture is moved just far enough that its first letter keeps
// its distance; labels clear of the picture, below it, not left-aligned, or in a window
// without its picture stay where the template puts them. Checked on the drawn pixels.
TEST(FensterZeichnen, AHeadingBesideThePictureKeepsItsDistance) {
    const Dialogeinheiten e = dialogeinheitenVon(dialogschrift());
    const int anDerKante = (bildRand + 10) * 4 / e.x; // the picture is 10 pixels wide
    struct Fall {
        const char* name;
        int x, y;
        const char* ausrichtung;
        bool mitBild, verschoben;
    };
    const Fall faelle[] = {
        {"AnDerKante", anDerKante, 2, "links", true, true},
        {"OhneAusrichtung", anDerKante, 2, "", true, true},
        {"WeitGenug", anDerKante + 8, 2, "links", true, false},
        {"UnterDemBild", anDerKante, 30, "links", true, false},
        {"Zentriert", anDerKante, 2, "mitte", true, false},
        {"OhneBild", anDerKante, 2, "links", false, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Arbeitsordner ordner;
        if (f.mitBild) {
            schreiben(ordner, QStringLiteral("Bilder/Bustixkl.gif"), test::rotesGif());
        }
        DiensteEingesetzt antworten;
        Testfenster fenster(kleinesBild, hauptmenueBefehle,
                            dialogvorlageLesen(QStringLiteral("dialog 160 120 \"T\"\n"
                                                              "text 7 %1 %2 60 14 \"Wörter\" %3\n")
                                                   .arg(f.x)
                                                   .arg(f.y)
                                                   .arg(QLatin1String(f.ausrichtung)),
                                               QStringLiteral("test")));
        fenster.vorbereiten();
        Schriftbeschreibung kopf = fenster.schrift(7);
        kopf.gewicht = fettGewicht;
        kopf.hoehe = punkteZuHoehe(13, fenster.flaeche()->logicalDpiY());
        fenster.setzeSchrift(7, kopf);
        QWidget* text = fenster.steuerelement(7);
        const QRect vorher = text->geometry();
        fenster.nebenDemBild(7);
        if (!f.verschoben) {
            EXPECT_EQ(text->geometry(), vorher);
            continue;
        }
        EXPECT_EQ(text->y(), vorher.y());
        const QImage bild = fenster.flaeche()->grab().toImage();
        const QColor grund = bild.pixelColor(bild.width() - 1, bild.height() - 1);
        const auto tinteInSpalte = [&](int x) {
            for (int y = text->y(); y <= text->geometry().bottom(); ++y) {
                if (bild.pixelColor(x, y) != grund) {
                    return true;
                }
            }
            return false;
        };
        const int rechts = fenster.bildflaeche().right();
        for (int x = rechts + 1; x <= rechts + bildabstand; ++x) {
            EXPECT_FALSE(tinteInSpalte(x)) << "ink in column " << x;
        }
        // No farther than needed: the letter begins within two pixels of the distance.
        EXPECT_TRUE(tinteInSpalte(rechts + bildabstand + 1) ||
                    tinteInSpalte(rechts + bildabstand + 2) ||
                    tinteInSpalte(rechts + bildabstand + 3));
    }
}

TEST(FensterZeichnen, MinimisedDrawsTheIconCentredInsteadOfThePicture) {
    Arbeitsordner ordner;
    schreiben(ordner, QStringLiteral("Bilder/Bustixkl.gif"), test::rotesGif());
    DiensteEingesetzt antworten;
    Testfenster fenster(kleinesBild);
    fenster.vorbereiten();
    fenster.showMinimized();
    ASSERT_TRUE(fenster.isMinimized());

    const QImage bild = fenster.flaeche()->grab().toImage();
    const int breite = symbolBreite();
    const int hoehe = symbolHoehe();
    const int links = (fenster.flaeche()->width() - breite + 1) / 2;
    const int oben = (fenster.flaeche()->height() - hoehe + 1) / 2;
    const QImage symbol = fenster.ziehSymbol().pixmap(breite, hoehe).toImage();
    ASSERT_EQ(symbol.size(), QSize(breite, hoehe));
    // A few points across the icon match it, and the picture is not drawn.
    for (const QPoint p : {QPoint(breite / 2, hoehe / 2), QPoint(3, 3),
                           QPoint(breite / 4, hoehe / 2), QPoint(breite - 4, hoehe - 4)}) {
        EXPECT_EQ(bild.pixelColor(links + p.x(), oben + p.y()), symbol.pixelColor(p))
            << p.x() << "," << p.y();
    }
    EXPECT_NE(bild.pixelColor(bildRand, bildRand), QColor(255, 0, 0));
    EXPECT_TRUE(antworten->meldungen.empty());
    fenster.showNormal();
}

struct Fehlbild {
    const char* name;
    QByteArray inhalt; // empty name: no file at all
};

class Bildfehler : public ::testing::TestWithParam<Fehlbild> {};

// However the picture fails, the window reports it once, although it paints again while
// the box is open, and then closes through a posted close request.
TEST_P(Bildfehler, ShowsItsMessageOnceThenTheWindowCloses) {
    Arbeitsordner ordner;
    if (*GetParam().name != '\0') {
        schreiben(ordner, QStringLiteral("Bilder/Bustixgr.gif"), GetParam().inhalt);
    }
    DiensteEingesetzt antworten;
    Testfenster fenster(grossesBild);
    bool offenWaehrendMeldung = false;
    antworten->beiMeldung = [&](const QString&) {
        offenWaehrendMeldung = fenster.laeuft() && !fenster.istBeendet();
        fenster.flaeche()->repaint();
        QCoreApplication::processEvents();
        fenster.flaeche()->repaint();
    };
    QTimer::singleShot(0, &fenster, [&] { fenster.flaeche()->repaint(); });
    const test::Notaus notaus;
    fenster.ausfuehren();

    ASSERT_EQ(antworten->meldungen.size(), 1u);
    EXPECT_EQ(antworten->meldungen[0].text,
              alsQString("Die Datei \"\\Bilder\\Bustixgr.gif\" konnte nicht geladen werden!"));
    EXPECT_EQ(antworten->meldungen[0].symbol, Meldungssymbol::Stop);
    EXPECT_TRUE(offenWaehrendMeldung);
    EXPECT_TRUE(fenster.bildfehlerGezeigt());
    EXPECT_TRUE(fenster.istBeendet());
    EXPECT_FALSE(notaus.ausgeloest);
}

INSTANTIATE_TEST_SUITE_P(Fehlbilder, Bildfehler,
                         ::testing::Values(Fehlbild{"", {}}, Fehlbild{"leer", QByteArray()},
                                           Fehlbild{"text", QByteArray("GIF89a? nein.")},
                                           Fehlbild{"abgeschnitten", test::rotesGif().left(20)}),
                         [](const auto& info) {
                             return std::string(*info.param.name ? info.param.name : "fehlt");
                         });

TEST(FensterZeichnen, AWindowWithItsPictureShowsNoMessageAndStaysOpen) {
    Arbeitsordner ordner;
    schreiben(ordner, QStringLiteral("Bilder/Bustixgr.gif"), test::rotesGif());
    DiensteEingesetzt antworten;
    Testfenster fenster(grossesBild);
    QTimer::singleShot(0, &fenster, [&] {
        fenster.flaeche()->repaint();
        QCoreApplication::processEvents();
        fenster.beenden(7);
    });
    const test::Notaus notaus;
    EXPECT_EQ(fenster.ausfuehren(), 7);
    EXPECT_TRUE(antworten->meldungen.empty());
    EXPECT_FALSE(fenster.bildfehlerGezeigt());
}

// ---------------------------------------------------------------------------------------
// Help

TEST(Hilfedatei, IsTheProgramPathWithItsExtensionReplaced) {
    struct Fall {
        const char* programm;
        const char* hilfe;
    };
    for (const Fall f : {
             Fall{"/usr/bin/quorvia", "/usr/bin/quorvia.HLP"},
             Fall{"/opt/quorvia-2003/bin/quorvia", "/opt/quorvia-2003/bin/quorvia.HLP"},
             Fall{"/opt/q.v1.5/quorvia", "/opt/q.v1.5/quorvia.HLP"},
             Fall{"C:\\Programme\\Quorvia\\Quorvia.exe", "C:\\Programme\\Quorvia\\Quorvia.HLP"},
             Fall{"C:/Quorvia.1/Quorvia", "C:/Quorvia.1/Quorvia.HLP"},
             Fall{"/home/p/quorvia.bin", "/home/p/quorvia.HLP"},
             Fall{"/home/p/quorvia.tar.gz", "/home/p/quorvia.tar.HLP"},
             Fall{"/home/p/.quorvia", "/home/p/.quorvia.HLP"},
             Fall{"quorvia", "quorvia.HLP"},
         }) {
        EXPECT_EQ(hilfedateiFuer(QString::fromLatin1(f.programm)), QString::fromLatin1(f.hilfe));
    }
    EXPECT_EQ(QFileInfo(hilfedatei()).absolutePath(), QCoreApplication::applicationDirPath());
}

TEST(Hilfedatei, BesideTheProgramFirstThenInTheDataFolder) {
    // Which of the two is a file ('d') or missing ('-'), and the one found.
    for (const char* fall : {"dd0", "-d1", "--0"}) {
        SCOPED_TRACE(fall);
        Arbeitsordner ordner;
        const QString namen[] = {QStringLiteral("bin/quorvia.HLP"), QStringLiteral("share/q.HLP")};
        for (const int i : {0, 1}) {
            if (fall[i] == 'd') {
                schreiben(ordner, namen[i], "<html></html>");
            }
        }
        EXPECT_EQ(mitgelieferteDatei(pfad(ordner, namen[0]), pfad(ordner, namen[1])),
                  pfad(ordner, namen[fall[2] - '0']));
    }
    EXPECT_TRUE(datenordner().startsWith(u'/') && datenordner().endsWith(u"/share/quorvia"));
}

class Hilfeansicht : public ::testing::Test {
protected:
    void TearDown() override { hilfeSchliessen(); }
    Testfenster fenster{grossesBild};
};

TEST_F(Hilfeansicht, OpensAtTheContentsWithTheSearchAndClosesOnRequest) {
    Arbeitsordner ordner;
    schreiben(ordner, QStringLiteral("hilfe.HLP"),
              QByteArray("<html><head><meta charset=\"utf-8\"></head><body>"
                         "<h1><a name=\"inhalt\"></a>Inhalt</h1>"
                         "<p>Das Hauptmen\xC3\xBC</p><p>Stammformen</p></body></html>"));
    ASSERT_TRUE(Hilfefenster::zeigen(pfad(ordner, QStringLiteral("hilfe.HLP"))));
    Hilfefenster* hilfe = Hilfefenster::offenes();
    ASSERT_NE(hilfe, nullptr);
    EXPECT_EQ(hilfe->parentWidget(), nullptr) << "owned by the window it was opened from";
    EXPECT_TRUE(hilfe->isVisible());
    EXPECT_TRUE(hilfe->browser()->toPlainText().contains(QStringLiteral("Das Hauptmen\u00FC")));
    EXPECT_EQ(hilfe->browser()->textCursor().position(), 0);

    EXPECT_TRUE(hilfe->suchen(QStringLiteral("Stammformen")));
    EXPECT_EQ(hilfe->browser()->textCursor().selectedText(), QStringLiteral("Stammformen"));
    EXPECT_TRUE(hilfe->suchen(QStringLiteral("Stammformen"))); // from the top again
    EXPECT_FALSE(hilfe->suchen(QStringLiteral("Plusquamperfekt")));

    // Asked again: the same viewer, not a second one.
    ASSERT_TRUE(Hilfefenster::zeigen(pfad(ordner, QStringLiteral("hilfe.HLP"))));
    EXPECT_EQ(Hilfefenster::offenes(), hilfe);

    hilfeSchliessen();
    EXPECT_EQ(Hilfefenster::offenes(), nullptr);
}

// The viewer is used as a separate help program would be: beside a query, and after the
// window it was opened from has gone.
TEST_F(Hilfeansicht, StaysUsableUnderEveryModalWindowAndOutlivesItsWindow) {
    Arbeitsordner ordner;
    schreiben(ordner, QStringLiteral("hilfe.HLP"), "<html><body><p>Inhalt</p></body></html>");
    const QString datei = pfad(ordner, QStringLiteral("hilfe.HLP"));
    std::string unbedienbar;
    // Types into the search field through the window system, where modality is enforced.
    const auto pruefen = [&unbedienbar](const char* wo) {
        Hilfefenster* hilfe = Hilfefenster::offenes();
        auto* such = hilfe != nullptr ? hilfe->findChild<QLineEdit*>() : nullptr;
        if (such != nullptr) {
            such->clear();
            QTest::keyClick(hilfe->windowHandle(), Qt::Key_X);
        }
        unbedienbar += such != nullptr && such->text() == QStringLiteral("x") ? "" : wo;
    };
    for (const bool ausDerAbfrage : {false, true}) {
        unbedienbar.clear();
        Dialog menue(testvorlage());
        QTimer::singleShot(0, &menue, [&] {
            ASSERT_TRUE(ausDerAbfrage || Hilfefenster::zeigen(datei));
            {
                Dialog abfrage(testvorlage());
                QTimer::singleShot(0, &abfrage, [&] {
                    ASSERT_TRUE(!ausDerAbfrage || Hilfefenster::zeigen(datei));
                    pruefen(" query");
                    abfrage.beenden(1);
                });
                abfrage.ausfuehren();
            }
            pruefen(" menu after the query");
            menue.beenden(7);
        });
        const test::Notaus notaus;
        EXPECT_EQ(menue.ausfuehren(), 7);
        EXPECT_EQ(unbedienbar, "") << (ausDerAbfrage ? "opened in the query" : "in the menu");
        hilfeSchliessen();
    }
}

// The help file's own colours on the desktop's page: a dark page gets every coloured text
// and link at the contrast and no light cell behind white text; a light page as written.
TEST_F(Hilfeansicht, KeepsEveryTextReadableOnTheDesktopPalette) {
    Arbeitsordner ordner;
    schreiben(ordner, QStringLiteral("test.HLP"),
              "<html><head><style>h1 { color: #7a1f1f; } th { background-color: #efe6d2; }"
              "</style></head><body><a name=\"inhalt\"></a><h1>Titel</h1>"
              "<p><a href=\"#inhalt\">Verweis</a> <span style=\"color: #008000\">gut"
              "</span></p><table><tr><th>Kopf</th></tr></table></body></html>");
    const QPalette vorher = QApplication::palette();
    for (const bool dunkel : {false, true}) {
        SCOPED_TRACE(dunkel ? "dunkel" : "hell");
        QApplication::setPalette(dunkel ? QPalette(QColor(0x32, 0x32, 0x32)) : vorher);
        ASSERT_TRUE(Hilfefenster::zeigen(pfad(ordner, QStringLiteral("test.HLP"))));
        QTextBrowser& browser = *Hilfefenster::offenes()->browser();
        const QColor seite = browser.palette().color(QPalette::Base);
        EXPECT_EQ(istDunkel(seite), dunkel);
        const QTextDocument& dokument = *browser.document();
        for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next()) {
            for (auto teil = block.begin(); !teil.atEnd(); ++teil) {
                const QTextCharFormat f = teil.fragment().charFormat();
                const QColor text =
                    f.hasProperty(QTextFormat::ForegroundBrush)
                        ? f.foreground().color()
                        : browser.palette().color(f.isAnchor() ? QPalette::Link : QPalette::Text);
                const QColor grund =
                    f.hasProperty(QTextFormat::BackgroundBrush) ? f.background().color() : seite;
                if (dunkel) {
                    EXPECT_GE(kontrast(text, grund), mindestkontrast)
                        << teil.fragment().text().toStdString();
                } else if (teil.fragment().text() == QStringLiteral("Titel")) {
                    EXPECT_EQ(text, QColor(0x7a, 0x1f, 0x1f)) << "light page as written";
                }
            }
        }
        hilfeSchliessen();
    }
    QApplication::setPalette(vorher);
}

TEST_F(Hilfeansicht, RefusesFilesItCannotShow) {
    Arbeitsordner ordner;
    QDir().mkpath(pfad(ordner, QStringLiteral("ordner.HLP")));
    {
        QFile gross(pfad(ordner, QStringLiteral("gross.HLP")));
        ASSERT_TRUE(gross.open(QIODevice::WriteOnly));
        ASSERT_TRUE(gross.resize(maxHilfegroesse + 1));
    }
    for (const char* name : {"fehlt.HLP", "ordner.HLP", "gross.HLP"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(Hilfefenster::zeigen(pfad(ordner, QString::fromLatin1(name))));
        EXPECT_EQ(Hilfefenster::offenes(), nullptr);
    }
}

TEST_F(Hilfeansicht, WithoutAHelpFileTheCommandSaysSoAndTheWindowStays) {
    // The test program has no help file beside it.
    ASSERT_FALSE(QFileInfo::exists(hilfedatei()));
    DiensteEingesetzt antworten;
    QTimer::singleShot(0, &fenster, [&] {
        fenster.befehlAusloesen(hauptmenueBefehle.hilfe);
        QCoreApplication::processEvents();
        fenster.beenden(7);
    });
    const test::Notaus notaus;
    EXPECT_EQ(fenster.ausfuehren(), 7);
    ASSERT_EQ(antworten->meldungen.size(), 1u);
    EXPECT_EQ(antworten->meldungen[0].text, QStringLiteral("Failed to launch help."));
    EXPECT_EQ(antworten->meldungen[0].symbol, Meldungssymbol::Stop);
    EXPECT_EQ(Hilfefenster::offenes(), nullptr);
}

// The help file the build puts beside the program covers what a pupil needs to look up.
TEST_F(Hilfeansicht, OurHelpFileCoversEveryWindowTheNotesAndThePrefixes) {
    const QString datei = QCoreApplication::applicationDirPath() + QStringLiteral("/quorvia.HLP");
    ASSERT_TRUE(Hilfefenster::zeigen(datei));
    const QString text = Hilfefenster::offenes()->browser()->toPlainText();
    const char* const erwartet[] = {
        // windows and options
        "Hauptmen\xC3\xBC", "W\xC3\xB6rter ansehen", "W\xC3\xB6rter abfragen",
        "Stammformen ansehen", "Stammformen abfragen", "Deutsch --> Latein", "Latein --> Deutsch",
        "Ende der W\xC3\xB6rterabfrage", "Einstellungen",
        "Info \xC3\xBC"
        "ber Quorvia",
        "nicht gewusste W\xC3\xB6rter/Stammformen",
        // checking
        "Strenge Korrektur", "Nachsichtige Korrektur", "vadere, ire",
        // the fifteen notes and the two prefixes
        "m. Akk.", "m. Abl.", "m. Dat.", "m. Gen.", "m. doppeltem Akk.", "m. Konj.", "m. Inf.",
        "m. Ind. Perf.", "m. ut", "m. AcI", "beim Komp.", "beim Superl.", "beim Adj.", "m. Komp.",
        "m. Abl. oder Gen.", "er/sie/es", "der/die/das",
        // principal parts, ratings, settings
        "laudo, laudare, laudavi, laudatum", "Perfecte!", "Rite!", "Male!", "Pauperrime!",
        "Pause zwischen den Ausdr\xC3\xBC"
        "cken",
        "strenge Korrektur aktivieren", "Failed to launch help."};
    for (const char* stelle : erwartet) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(stelle))) << stelle;
    }
}

// ---------------------------------------------------------------------------------------
// The shared commands

struct Beenden {
    const char* name;
    GemeinsameBefehle befehle;
    int id;
};

class Beendenbefehl : public ::testing::TestWithParam<Beenden> {};

// Exit posts a close request: the window is still running when the handler returns and
// closes right after.
TEST_P(Beendenbefehl, PostsACloseRequestThatIsHandledAfterTheCommand) {
    DiensteEingesetzt antworten;
    Testfenster fenster(grossesBild, GetParam().befehle);
    fenster.bildSetzen(Bild{QImage(4, 4, QImage::Format_RGB32), QSize(106, 106), {}, {}});
    bool liefNachBefehl = false;
    QTimer::singleShot(0, &fenster, [&] {
        fenster.befehlAusloesen(GetParam().id);
        liefNachBefehl = fenster.laeuft() && !fenster.istBeendet();
    });
    const test::Notaus notaus;
    fenster.ausfuehren();
    EXPECT_TRUE(liefNachBefehl);
    EXPECT_TRUE(fenster.istBeendet());
    EXPECT_EQ(fenster.ergebnis(), abbrechenId);
}

INSTANTIATE_TEST_SUITE_P(Fenster, Beendenbefehl,
                         ::testing::Values(Beenden{"HauptmenueMenue", hauptmenueBefehle, 132},
                                           Beenden{"HauptmenueKnopf", hauptmenueBefehle, 1001},
                                           Beenden{"Option211Menue", option211Befehle, 139},
                                           Beenden{"Option211Knopf", option211Befehle, 1002},
                                           Beenden{"Option42Menue", option42Befehle, 198}),
                         [](const auto& info) { return std::string(info.param.name); });

class Adressempfaenger : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE void oeffnen(const QUrl& adresse) { adressen.push_back(adresse); }
    std::vector<QUrl> adressen;
};

TEST(Websitebefehl, OpensTheShippedPageBesideTheProgram) {
    Adressempfaenger empfaenger;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &empfaenger, "oeffnen");
    Testfenster fenster(grossesBild, option31Befehle);
    fenster.befehlAusloesen(option31Befehle.website);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    ASSERT_EQ(empfaenger.adressen.size(), 1u);
    const QUrl adresse = empfaenger.adressen[0];
    EXPECT_TRUE(adresse.isLocalFile());
    EXPECT_EQ(QFileInfo(adresse.toLocalFile()).absolutePath(),
              QCoreApplication::applicationDirPath());
    EXPECT_TRUE(QFileInfo::exists(adresse.toLocalFile())) << adresse.toString().toStdString();
    EXPECT_FALSE(fenster.istBeendet());
}

// ---------------------------------------------------------------------------------------
// Fatal data failures

// Prints each message to stderr, so that a death test can see what the box showed.
class MeldungAufStderr final : public Dialogdienste {
public:
    void meldung(QWidget*, const QString& text, Meldungssymbol symbol) override {
        std::fprintf(stderr, "MELDUNG[%s]: %s\n", symbol == Meldungssymbol::Stop ? "stop" : "info",
                     text.toUtf8().constData());
        std::fflush(stderr);
    }
    std::optional<Schriftbeschreibung> schriftWaehlen(QWidget*,
                                                      const Schriftbeschreibung&) override {
        return std::nullopt;
    }
    std::optional<Farbe> farbeWaehlen(QWidget*, Farbe) override { return std::nullopt; }
};

// A window whose command hits a data failure, as an option window's loading does.
class Datenfehlerfenster : public Bildfenster {
public:
    explicit Datenfehlerfenster(QString marke)
        : Bildfenster(testvorlage(), kleinesBild, option211Befehle), marke_(std::move(marke)) {}
    ~Datenfehlerfenster() override {
        // A destructor that wrote a not-known list would leave this mark.
        QFile datei(marke_);
        if (datei.open(QIODevice::WriteOnly)) {
            datei.write("zerstoert");
        }
    }

protected:
    void befehl(int id) override {
        if (id == 1000) {
            throw DatenFehler(Fehlerart::NgWoerterNichtLadbar);
        }
        Bildfenster::befehl(id);
    }

private:
    QString marke_;
};

TEST(FensterDatenfehlerDeathTest, AFailureInsideAWindowEndsTheProgramWithoutRunningItsDestructor) {
    // The death test runs this body again in a new process: the mark's place is handed
    // down through the environment so that both look at the same file.
    const char* const variable = "QUORVIA_TEST_DATENFEHLER_MARKE";
    std::optional<Arbeitsordner> ordner;
    if (!qEnvironmentVariableIsSet(variable)) {
        ordner.emplace();
        qputenv(variable, pfad(*ordner, QStringLiteral("zerstoert")).toLocal8Bit());
    }
    const QString marke = qEnvironmentVariable(variable);
    EXPECT_EXIT(
        {
            Anwendung::instanz()->setzeDienste(std::make_unique<MeldungAufStderr>());
            Datenfehlerfenster fenster(marke);
            QTimer::singleShot(0, &fenster, [&] { fenster.befehlAusloesen(1000); });
            fenster.ausfuehren();
            std::fprintf(stderr, "no exit\n");
        },
        ::testing::ExitedWithCode(1), "MELDUNG\\[stop\\]: Die Datei .*ngwoerter.dat");
    EXPECT_FALSE(QFileInfo::exists(marke));
    qunsetenv(variable);
}

} // namespace
} // namespace quorvia

#include "gemeinsam_test.moc"
