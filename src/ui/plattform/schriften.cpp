#include "ui/plattform/schriften.h"

#include "ui/plattform/text.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace quorvia {

namespace {

// Rounded a * b / c for the non-negative values dialog units and pixels take.
int gerundet(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const long long produkt = static_cast<long long>(a) * b;
    const long long haelfte = c / 2;
    return static_cast<int>(produkt >= 0 ? (produkt + haelfte) / c : (produkt - haelfte) / c);
}

// Windows faces the program names that a Linux desktop seldom has.
const QStringList& windowsSchriften() {
    static const QStringList namen{QStringLiteral("MS Shell Dlg"),
                                   QStringLiteral("MS Shell Dlg 2"),
                                   QStringLiteral("Tahoma"),
                                   QStringLiteral("MS Sans Serif"),
                                   QStringLiteral("Microsoft Sans Serif"),
                                   QStringLiteral("Arial"),
                                   QStringLiteral("Verdana"),
                                   QStringLiteral("Segoe UI")};
    return namen;
}

// What the installed faces decide, looked up once: every family query asks fontconfig to
// resolve aliases, which costs more than building a whole window. The answers hold until
// Qt reports a change of the font database (an application font added or removed).
struct Schriftersatz {
    bool bekannt = false;
    QString art;          // the face standing in for the Windows faces
    QStringList geprueft; // Windows faces (lower case) whose substitution is settled
};

Schriftersatz& schriftersatz() {
    static Schriftersatz ersatz;
    static const bool beobachtet = [] {
        if (auto* anwendung = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            QObject::connect(anwendung, &QGuiApplication::fontDatabaseChanged, anwendung,
                             [] { ersatz = Schriftersatz{}; });
            return true;
        }
        return false;
    }();
    if (!beobachtet) {
        ersatz = Schriftersatz{}; // no application to report changes: look up afresh
    }
    return ersatz;
}

QString ersatzSuchen() {
    // Tahoma is what the templates were laid out with. Of the free faces DejaVu Sans
    // comes closest: at 8 points its cell is as high, and every template text fits its
    // box, which the Arial-like faces (narrow average, wide words) miss by a few pixels.
    static const QStringList vorzug{QStringLiteral("Tahoma"),
                                    QStringLiteral("DejaVu Sans"),
                                    QStringLiteral("Bitstream Vera Sans"),
                                    QStringLiteral("Verdana"),
                                    QStringLiteral("Liberation Sans"),
                                    QStringLiteral("Arimo"),
                                    QStringLiteral("Nimbus Sans"),
                                    QStringLiteral("Noto Sans")};
    for (const QString& name : vorzug) {
        if (QFontDatabase::hasFamily(name)) {
            return name;
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

// A Windows face the system lacks is drawn in the stand-in. Qt resolves substitutions
// when a font is loaded, so a face needs settling only once a font names it.
void ersatzEinrichten(const QString& name) {
    if (!windowsSchriften().contains(name, Qt::CaseInsensitive)) {
        return;
    }
    const QString schluessel = name.toLower();
    Schriftersatz& ersatz = schriftersatz();
    if (ersatz.geprueft.contains(schluessel)) {
        return;
    }
    const QString art = ersatzschriftart();
    if (art.isEmpty()) {
        return;
    }
    if (QFont::substitutes(name).isEmpty() && !QFontDatabase::hasFamily(name)) {
        QFont::insertSubstitution(name, art);
    }
    ersatz.geprueft.append(schluessel);
}

} // namespace

QString schriftartOhneHersteller(const QString& name) {
    const qsizetype klammer = name.lastIndexOf(QStringLiteral(" ["));
    return klammer > 0 && name.endsWith(u']') ? name.left(klammer) : name;
}

QString ersatzschriftart() {
    Schriftersatz& ersatz = schriftersatz();
    if (!ersatz.bekannt) {
        ersatz.art = ersatzSuchen();
        ersatz.bekannt = true;
    }
    return ersatz.art;
}

QFont alsQFont(const Schriftbeschreibung& beschreibung) {
    const QString name = alsQString(beschreibung.name);
    ersatzEinrichten(name);
    QFont schrift(name);
    schrift.setStyleStrategy(QFont::PreferAntialias);
    schrift.setWeight(static_cast<QFont::Weight>(std::clamp(beschreibung.gewicht, 1, 1000)));
    schrift.setItalic(beschreibung.kursiv);
    if (beschreibung.hoehe < 0) {
        schrift.setPixelSize(-beschreibung.hoehe);
    } else if (beschreibung.hoehe > 0) {
        // A cell height: the largest character height whose cell still fits.
        int pixel = beschreibung.hoehe;
        schrift.setPixelSize(pixel);
        while (pixel > 1 && QFontMetrics(schrift).height() > beschreibung.hoehe) {
            schrift.setPixelSize(--pixel);
        }
    } else {
        schrift.setPixelSize(-punkteZuHoehe(8, pixelProZollY()));
    }
    return schrift;
}

Schriftbeschreibung alsSchriftbeschreibung(const QFont& schrift) {
    Schriftbeschreibung b;
    b.name = alsKerntext(schriftartOhneHersteller(schrift.family()));
    if (b.name.size() > maxSchriftnamenLaenge) {
        b.name.resize(maxSchriftnamenLaenge);
    }
    if (schrift.pixelSize() > 0) {
        b.hoehe = -schrift.pixelSize();
    } else {
        b.hoehe = -static_cast<int>(std::lround(schrift.pointSizeF() * pixelProZollY() / 72.0));
    }
    b.gewicht = static_cast<int>(schrift.weight());
    b.kursiv = schrift.italic();
    return b;
}

QFont dialogschrift(const QString& name, int punkte) {
    Schriftbeschreibung b;
    b.name = alsKerntext(name);
    b.hoehe = punkteZuHoehe(punkte, pixelProZollY());
    return alsQFont(b);
}

int Dialogeinheiten::pixelX(int einheiten) const {
    return gerundet(einheiten, x, 4);
}
int Dialogeinheiten::pixelY(int einheiten) const {
    return gerundet(einheiten, y, 8);
}

QRect Dialogeinheiten::pixel(const QRect& einheiten) const {
    return QRect(pixelX(einheiten.x()), pixelY(einheiten.y()), pixelX(einheiten.width()),
                 pixelY(einheiten.height()));
}

Dialogeinheiten dialogeinheitenVon(const QFont& schrift) {
    const QFontMetrics masse(schrift);
    const int breite = masse.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return Dialogeinheiten{(breite / 26 + 1) / 2, masse.height()};
}

namespace {
QScreen* bildschirm() {
    return QGuiApplication::primaryScreen();
}
} // namespace

int pixelProZollX() {
    const QScreen* s = bildschirm();
    return s != nullptr ? static_cast<int>(std::lround(s->logicalDotsPerInchX())) : 96;
}

int pixelProZollY() {
    const QScreen* s = bildschirm();
    return s != nullptr ? static_cast<int>(std::lround(s->logicalDotsPerInchY())) : 96;
}

int symbolBreite() {
    return QApplication::style() != nullptr
               ? QApplication::style()->pixelMetric(QStyle::PM_LargeIconSize)
               : 32;
}

int symbolHoehe() {
    return symbolBreite();
}

} // namespace quorvia
