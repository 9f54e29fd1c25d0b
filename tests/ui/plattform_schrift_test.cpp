#include "gemeinsam/fenster.h"

#include "ui/plattform/schriften.h"
#include "ui/plattform/schriftwahl.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QValidator>

#include <gtest/gtest.h>

using quorvia::Dialogeinheiten;
using quorvia::Schriftbeschreibung;

TEST(Schrift, BeschreibungUeberlebtDenWegUeberQFont) {
    const Schriftbeschreibung faelle[] = {
        {"Tahoma", -11, 400, false},
        {"MS Shell Dlg", -13, 700, true},
        {"Nimbus Sans", -16, 600, false},
        {"DejaVu Serif", -9, 300, true},
        {"Sch\xF6ne Schrift", -20, 800, false},
    };
    for (const auto& f : faelle) {
        const QFont q = quorvia::alsQFont(f);
        EXPECT_EQ(q.pixelSize(), -f.hoehe) << f.name;
        EXPECT_EQ(quorvia::alsSchriftbeschreibung(q), f) << f.name;
    }
}

TEST(Schrift, LangeNamenWerdenGekuerzt) {
    QFont q(QString(40, u'x'));
    q.setPixelSize(12);
    EXPECT_EQ(quorvia::alsSchriftbeschreibung(q).name.size(), quorvia::maxSchriftnamenLaenge);
}

TEST(Schrift, PositiveHoeheIstDieZellhoehe) {
    for (const int zelle : {10, 13, 16, 24}) {
        const QFont q = quorvia::alsQFont({"MS Shell Dlg", zelle, 400, false});
        EXPECT_LE(QFontMetrics(q).height(), zelle);
        QFont groesser = q;
        groesser.setPixelSize(q.pixelSize() + 1);
        EXPECT_GT(QFontMetrics(groesser).height(), zelle) << "not the largest that fits";
    }
}

TEST(Schrift, DialogschriftIstAchtPunkteEinerInstalliertenSchrift) {
    const QFont d = quorvia::dialogschrift();
    EXPECT_EQ(d.pixelSize(), quorvia::mulDiv(8, quorvia::pixelProZollY(), 72));
    // The stand-in face is really used, not some fallback.
    EXPECT_EQ(quorvia::schriftartOhneHersteller(QFontInfo(d).family()),
              quorvia::ersatzschriftart());
}

TEST(Schrift, DialogeinheitenNachWindowsArt) {
    for (const int pixel : {9, 11, 13, 16}) {
        QFont q(quorvia::ersatzschriftart());
        q.setPixelSize(pixel);
        const QFontMetrics m(q);
        int summe = 0;
        for (char c = 'a'; c <= 'z'; ++c) {
            summe += m.horizontalAdvance(QChar(c)) + m.horizontalAdvance(QChar(c - 'a' + 'A'));
        }
        const Dialogeinheiten e = quorvia::dialogeinheitenVon(q);
        EXPECT_EQ(e.x, (summe / 26 + 1) / 2) << pixel;
        EXPECT_EQ(e.y, m.height()) << pixel;
    }
}

TEST(Schrift, DialogeinheitenZuPixelnGerundet) {
    struct Fall {
        Dialogeinheiten basis;
        QRect einheiten;
        QRect pixel;
    };
    const Fall faelle[] = {
        {{6, 13}, {7, 16, 102, 8}, {11, 26, 153, 13}}, // 10.5 -> 11, 26, 153, 13
        {{6, 13}, {0, 0, 1, 1}, {0, 0, 2, 2}},         // 1.5 -> 2, 1.625 -> 2
        {{5, 13}, {2, 3, 434, 206}, {3, 5, 543, 335}}, // 2.5 -> 3, 4.875 -> 5
        {{7, 15}, {60, 92, 50, 14}, {105, 173, 88, 26}},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(f.basis.pixel(f.einheiten), f.pixel);
    }
}

TEST(Schriftwahl, BietetNurSkalierbareWaagerechteSchriftenBisZwoelfPunkte) {
    const std::string art = quorvia::ersatzschriftart().toStdString();
    quorvia::Schriftwahl wahl(
        {art, quorvia::punkteZuHoehe(10, quorvia::pixelProZollY()), 600, false});
    ASSERT_GT(wahl.schriftarten()->count(), 0);
    for (int i = 0; i < wahl.schriftarten()->count(); ++i) {
        const QString name = wahl.schriftarten()->item(i)->text();
        EXPECT_FALSE(name.startsWith(u'@')) << name.toStdString();
        EXPECT_TRUE(QFontDatabase::isScalable(name)) << name.toStdString();
    }
    EXPECT_EQ(wahl.schriftarten()->currentItem()->text().toStdString(), art);
    EXPECT_EQ(wahl.groessen()->itemText(wahl.groessen()->count() - 1), QStringLiteral("12"));
    QString dreizehn = QStringLiteral("13");
    int pos = 0;
    EXPECT_NE(wahl.groessen()->lineEdit()->validator()->validate(dreizehn, pos),
              QValidator::Acceptable);

    // Confirming untouched keeps everything, also the weight 600 no style list names.
    const Schriftbeschreibung unveraendert = wahl.gewaehlt();
    EXPECT_EQ(unveraendert.name, art);
    EXPECT_EQ(unveraendert.gewicht, 600);
    EXPECT_EQ(unveraendert.hoehe, quorvia::punkteZuHoehe(10, quorvia::pixelProZollY()));

    // Seven points can be typed though the list starts at eight.
    wahl.groessen()->setCurrentText(QStringLiteral("7"));
    EXPECT_EQ(wahl.gewaehlt().hoehe, quorvia::punkteZuHoehe(7, quorvia::pixelProZollY()));

    // Choosing a style takes its weight and slant.
    int fettKursiv = -1;
    for (int i = 0; i < wahl.schriftschnitte()->count(); ++i) {
        const QString schnitt = wahl.schriftschnitte()->item(i)->text();
        if (QFontDatabase::weight(QString::fromStdString(art), schnitt) == 700 &&
            QFontDatabase::font(QString::fromStdString(art), schnitt, 12).style() !=
                QFont::StyleNormal) {
            fettKursiv = i;
        }
    }
    ASSERT_GE(fettKursiv, 0) << "no bold italic style of " << art;
    wahl.schriftschnitte()->setCurrentRow(fettKursiv);
    EXPECT_EQ(wahl.gewaehlt().gewicht, 700);
    EXPECT_TRUE(wahl.gewaehlt().kursiv);
}

TEST(Schriftwahl, OeffnetAufSchriftSchnittUndGradUndBehaeltSieUnveraendert) {
    const int ppi = quorvia::pixelProZollY();
    const std::string ersatz = quorvia::ersatzschriftart().toStdString();
    for (const Schriftbeschreibung& start :
         {Schriftbeschreibung{"Tahoma", quorvia::punkteZuHoehe(8, ppi), 400, false}, // stand-in
          Schriftbeschreibung{ersatz, -14, 400, false}, // 11 points would be -15
          Schriftbeschreibung{ersatz, quorvia::punkteZuHoehe(12, ppi), 700, true}}) {
        SCOPED_TRACE(start.name + " " + std::to_string(start.hoehe));
        quorvia::Schriftwahl wahl(start);
        EXPECT_EQ(wahl.gewaehlt(), start) << "confirming unchanged changed the font";
        EXPECT_EQ(wahl.groessen()->currentText().toInt(), quorvia::hoeheZuPunkte(start.hoehe, ppi));
        // The style at the face's normal width: no wider one of the same weight and slant.
        const QString art = wahl.schriftarten()->currentItem()->text();
        const auto merkmale = [&art](const QString& schnitt) {
            const QFont f = QFontDatabase::font(art, schnitt, 12);
            return std::tuple(QFontDatabase::weight(art, schnitt), f.style() != QFont::StyleNormal,
                              QFontMetrics(f).horizontalAdvance(QStringLiteral("abcdefghijklm")));
        };
        const auto [gewicht, kursiv, breite] =
            merkmale(wahl.schriftschnitte()->currentItem()->text());
        EXPECT_EQ(kursiv, start.kursiv);
        for (const QString& schnitt : QFontDatabase::styles(art)) {
            const auto [g, k, b] = merkmale(schnitt);
            EXPECT_FALSE(g == gewicht && k == kursiv && b > breite) << schnitt.toStdString();
        }
    }
}

TEST(Schriftwahl, EinGradUeberZwoelfWirdSichtbarAbgelehnt) {
    quorvia::test::DiensteEingesetzt dienste;
    const Schriftbeschreibung start{quorvia::ersatzschriftart().toStdString(), -11, 400, false};
    for (const char* getippt : {"20", "13", "", "12", "7"}) {
        quorvia::Schriftwahl wahl(start);
        wahl.groessen()->lineEdit()->clear();
        QTest::keyClicks(wahl.groessen()->lineEdit(), QString::fromLatin1(getippt));
        wahl.accept();
        const bool angenommen = wahl.result() == QDialog::Accepted;
        EXPECT_EQ(angenommen, QByteArray(getippt).toInt() >= 1 && QByteArray(getippt).toInt() <= 12)
            << getippt;
    }
    ASSERT_EQ(dienste->meldungen.size(), 3u);
    EXPECT_EQ(dienste->meldungen[0].text,
              QStringLiteral("Der Schriftgrad muss zwischen 1 und 12 liegen."));
}
