// SPDX-License-Identifier: GPL-3.0-or-later
// Takes a picture of every window of the program on a real X server, for a person to look
// at: tools/screenshots.sh starts it under Xvfb in a copy of a working folder.
//
//   quorvia_fensterfotos <target folder>
//
// It drives the real program from the libraries, as a pupil would: the main menu, the
// settings, the list views, each kind of query window after a verdict, the summary of a
// finished query, a due query, the statistics, the about box and the help viewer. Windows
// that need the word course are left out, with a note, when Woerter/Woerter.dat is missing.
// QUORVIA_FOTO_FARBEN=dunkel gives the desktop a dark palette. Texts that do not fit their
// control in the face in use are reported, and the run then fails.

#include "app/hauptmenue.h"
#include "app/quorviaapp.h"
#include "data/datendatei.h"
#include "data/eintragsliste.h"
#include "data/pfade.h"
#include "settings/fenster/einstellungen.h"
#include "ui/abfragefenster.h"
#include "ui/gemeinsam.h"
#include "ui/hilfe.h"
#include "ui/listenansicht.h"
#include "ui/plattform/steuerelemente.h"
#include "ui/plattform/text.h"
#include "ui/statistikfenster.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace quorvia;

void warten(int ms) {
    QEventLoop schleife;
    QTimer::singleShot(ms, &schleife, &QEventLoop::quit);
    schleife.exec();
}

void klicken(Dialog& d, int id) {
    if (auto* k = qobject_cast<QAbstractButton*>(d.steuerelement(id))) {
        k->click();
    }
}

void waehlen(Dialog& d, int id, int index) {
    if (auto* a = qobject_cast<QComboBox*>(d.steuerelement(id))) {
        a->setCurrentIndex(index);
        emit a->activated(index);
    }
}

void tippen(Dialog& d, int id, const std::string& text) {
    if (auto* f = qobject_cast<QLineEdit*>(d.steuerelement(id))) {
        f->setText(alsQString(text));
    }
}

// The solution line of the item a query asks now, from the course file.
std::string loesungVon(const Abfragefenster& fenster) {
    const bool woerter = fenster.art().kurs == Kursart::Woerter;
    const Eintragsliste kurs(DatenDatei::lesen(
        std::string(woerter ? pfade::woerter : pfade::stammformen), Fehlerart::Unerwartet));
    const Eintrag e = kurs.eintrag(fenster.ablauf()->aktuelleNummer());
    return fenster.art().loesung() == Zeile::Lateinisch ? e.lateinisch : e.deutsch;
}

class Rundgang {
public:
    explicit Rundgang(QDir ziel) : ziel_(std::move(ziel)) {}

    int fehler() const { return fehler_; }

    void beginnen() {
        imNaechsten([this](Dialog& d) { durch(static_cast<Hauptmenue&>(d)); });
    }

private:
    // The window as the X server shows it. Without a window manager there is no caption,
    // so the title is drawn above the picture in a bar of its own.
    void foto(QWidget& fenster, const QString& name) {
        warten(400);
        platzPruefen(fenster, name);
        const QRect rahmen = fenster.frameGeometry();
        const QPixmap bild = QGuiApplication::primaryScreen()->grabWindow(
            0, rahmen.x(), rahmen.y(), rahmen.width(), rahmen.height());
        // In the screen's own pixels: at scale 2 the picture holds twice as many.
        const qreal skala = bild.devicePixelRatio();
        const int leiste = QFontMetrics(fenster.font()).height() + 8;
        QImage ganz(bild.width(), bild.height() + qRound(leiste * skala), QImage::Format_RGB32);
        ganz.setDevicePixelRatio(skala);
        ganz.fill(QColor(0, 0, 128));
        QPainter maler(&ganz);
        maler.setPen(Qt::white);
        QFont titel = fenster.font();
        titel.setBold(true);
        maler.setFont(titel);
        maler.drawText(QRect(6, 0, rahmen.width() - 12, leiste), Qt::AlignVCenter | Qt::AlignLeft,
                       fenster.windowTitle());
        maler.drawPixmap(0, leiste, bild);
        maler.end();
        speichern(bild.isNull() ? QImage() : ganz, name);
    }

    // The screen region of several windows together (a list opened out of its window, the
    // help viewer beside a query), without a title bar.
    void bereichsfoto(const std::vector<QWidget*>& fenster, const QString& name) {
        warten(400);
        QRect bereich;
        for (const QWidget* w : fenster) {
            bereich |= w->frameGeometry();
        }
        speichern(QGuiApplication::primaryScreen()
                      ->grabWindow(0, bereich.x(), bereich.y(), bereich.width(), bereich.height())
                      .toImage(),
                  name);
    }

    void speichern(const QImage& bild, const QString& name) {
        const QString datei = ziel_.filePath(name + QStringLiteral(".png"));
        if (bild.isNull() || !bild.save(datei)) {
            std::fprintf(stderr, "quorvia_fensterfotos: %s not saved\n", qPrintable(datei));
            ++fehler_;
            return;
        }
        std::printf("%s\n", qPrintable(datei));
    }

    // Runs aktion with the next modal window of Qt's own (a chooser).
    void imNaechstenQt(std::function<void(QWidget&)> aktion) {
        QTimer::singleShot(0, [this, aktion = std::move(aktion)] {
            QWidget* w = QApplication::activeModalWidget();
            if (w == nullptr) {
                std::fprintf(stderr, "quorvia_fensterfotos: no chooser opened\n");
                ++fehler_;
                return;
            }
            aktion(*w);
        });
    }

    // Each text of a window in the room its control gives it: a face wider than the one
    // the templates were laid out with may clip a text, run it into the next line or
    // bring it up to the picture.
    void platzPruefen(const QWidget& fenster, const QString& name) {
        const auto* d = qobject_cast<const Dialog*>(&fenster);
        if (d == nullptr) {
            return;
        }
        const auto* mitBild = qobject_cast<const Bildfenster*>(d);
        const QRect bild = mitBild != nullptr ? mitBild->bildflaeche() : QRect();
        for (const QWidget* w : d->flaeche()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isHidden()) {
                continue;
            }
            const QFontMetrics masse(w->font());
            QString text;
            bool passt = true;
            const auto breite = [&masse](const QString& t) {
                return masse.horizontalAdvance(QString(t).remove(QLatin1Char('&')));
            };
            if (const auto* b = qobject_cast<const Beschriftung*>(w)) {
                // As many lines as the text needs at this width must fit the height.
                text = b->text();
                const QRect platz = b->contentsRect();
                const QRect braucht =
                    masse.boundingRect(platz, Qt::TextWordWrap | b->ausrichtung(), text);
                const int zeilen =
                    std::max(1, qRound(double(braucht.height()) / masse.lineSpacing()));
                passt = braucht.width() <= platz.width() &&
                        zeilen <= std::max(1, platz.height() / masse.height());
                // Beside the picture its letters, a bold capital's overhang included, keep
                // their distance from it.
                const QRect tinte = braucht.adjusted(
                    std::min(0, text.isEmpty() ? 0 : masse.leftBearing(text.front())), 0, 0, 0);
                const int a = bildabstand;
                if (!bild.isEmpty() &&
                    tinte.translated(b->pos()).adjusted(-a, 0, a, 0).intersects(bild)) {
                    std::fprintf(stderr, "quorvia_fensterfotos: %s: \"%s\" steht zu nah am Bild\n",
                                 qPrintable(name), qPrintable(text));
                    ++fehler_;
                }
            } else if (const auto* k = qobject_cast<const QPushButton*>(w)) {
                text = k->text();
                passt = breite(text) + 4 <= k->width();
            } else if (const auto* k = qobject_cast<const QAbstractButton*>(w)) {
                // The room right of the box or circle.
                text = k->text();
                QStyleOptionButton art;
                art.initFrom(k);
                art.text = text;
                const bool radio = qobject_cast<const QRadioButton*>(w) != nullptr;
                const QRect inhalt = k->style()->subElementRect(
                    radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &art, k);
                passt = breite(text) <= inhalt.width();
            }
            if (!passt) {
                std::fprintf(stderr, "quorvia_fensterfotos: %s: \"%s\" passt nicht\n",
                             qPrintable(name), qPrintable(text));
                ++fehler_;
            }
        }
    }

    // Runs aktion inside the next modal run, with its window.
    void imNaechsten(std::function<void(Dialog&)> aktion) {
        QTimer::singleShot(0, [this, aktion = std::move(aktion)] {
            auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (d == nullptr) {
                std::fprintf(stderr, "quorvia_fensterfotos: no window opened\n");
                ++fehler_;
                return;
            }
            aktion(*d);
        });
    }

    // Chooses an option and lessons in the menu, opens it, and hands over its window.
    void option(Hauptmenue& m, int radio, int richtung, int vonIndex, int bisIndex,
                std::function<void(Dialog&)> imFenster) {
        klicken(m, hauptmenueIds::deutschLatein + richtung);
        klicken(m, radio);
        waehlen(m, hauptmenueIds::von, vonIndex);
        waehlen(m, hauptmenueIds::bis, bisIndex);
        imNaechsten(std::move(imFenster));
        klicken(m, hauptmenueIds::ok);
    }

    // One query window after a verdict: right (the praise) or wrong ("Non ita est!").
    void abfrage(Hauptmenue& m, int radio, int richtung, bool richtig, const QString& name) {
        option(m, radio, richtung, 4, 0, [this, richtig, name](Dialog& d) {
            auto& q = static_cast<Abfragefenster&>(d);
            tippen(d, abfrageIds::eingabe, loesungVon(q));
            klicken(d, abfrageIds::ok);
            klicken(d, abfrageIds::ok);
            tippen(d, abfrageIds::eingabe, richtig ? loesungVon(q) : "nescio");
            klicken(d, abfrageIds::ok);
            foto(d, name);
            if (mitHilfe_) {
                // The help viewer beside the query, usable while the query is modal.
                mitHilfe_ = false;
                if (Hilfefenster::zeigen(programmhilfe())) {
                    Hilfefenster* hilfe = Hilfefenster::offenes();
                    const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
                    const QRect abfrage = d.frameGeometry();
                    hilfe->setGeometry(abfrage.right() + 8, abfrage.top(),
                                       std::min(hilfe->width(), frei.right() - abfrage.right() - 8),
                                       abfrage.height());
                    hilfe->suchen(QStringLiteral("Stammformen"));
                    bereichsfoto({&d, hilfe}, QStringLiteral("10-hilfe-neben-abfrage"));
                    Hilfefenster::alleSchliessen(); // out of the pictures that follow
                }
            }
            klicken(d, abfrageIds::hauptmenue);
        });
    }

    static QString programmhilfe() {
        // The help file beside the program is the program's, not this driver's.
        return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("quorvia.HLP"));
    }

    void durch(Hauptmenue& m) {
        using namespace hauptmenueIds;
        const bool woerter = std::filesystem::exists(std::string(pfade::woerter));
        foto(m, QStringLiteral("01-hauptmenue"));

        // The drop-down list of the first lesson, opened.
        if (auto* von = qobject_cast<QComboBox*>(m.steuerelement(hauptmenueIds::von))) {
            von->showPopup();
            bereichsfoto({&m, von->view()->window()}, QStringLiteral("01-lektionsliste"));
            von->hidePopup();
        }

        imNaechsten([this](Dialog& d) {
            foto(d, QStringLiteral("02-einstellungen"));
            // Qt's colour chooser, in German as every other text.
            imNaechstenQt([this](QWidget& wahl) {
                foto(wahl, QStringLiteral("02-farbwahl"));
                wahl.close();
            });
            klicken(d, 1001);
            klicken(d, abbrechenId);
        });
        m.befehlAusloesen(befehlEinstellungen);

        if (woerter) {
            option(m, woerterAnsehen, 0, 2, 0, [this](Dialog& d) {
                foto(d, QStringLiteral("03-woerter-ansehen"));
                klicken(d, ansichtIds::hauptmenue);
            });
        }
        option(m, stammformenAnsehen, 0, 47, 0, [this](Dialog& d) {
            foto(d, QStringLiteral("04-stammformen-ansehen"));
            klicken(d, ansichtIds::hauptmenue);
        });
        if (woerter) {
            abfrage(m, woerterAbfragen, 0, false, QStringLiteral("05-woerter-deutsch-latein"));
            abfrage(m, woerterAbfragen, 1, true, QStringLiteral("06-woerter-latein-deutsch"));
        }
        abfrage(m, stammformenAbfragen, 0, false, QStringLiteral("07-stammformen-abfragen"));

        // A whole query of one lesson, for the summary: right answers but the last two.
        option(m, stammformenAbfragen, 0, 0, 0, [this](Dialog& d) {
            auto& q = static_cast<Abfragefenster&>(d);
            const int gesamt = q.ablauf()->anzeige().anzahlGesamt;
            for (int i = 0; i < gesamt && !q.ablauf()->beendet(); ++i) {
                tippen(d, abfrageIds::eingabe, i < gesamt - 2 ? loesungVon(q) : "nescio");
                klicken(d, abfrageIds::ok);
                if (i == gesamt - 1) {
                    imNaechsten([this](Dialog& ende) {
                        foto(ende, QStringLiteral("08-zusammenfassung"));
                        klicken(ende, abbrechenId);
                    });
                }
                klicken(d, abfrageIds::ok);
            }
        });

        // The two wrong answers above are due at once; the statistics show that query.
        imNaechsten([this](Dialog& d) {
            foto(d, QStringLiteral("11-faellige-stammformen"));
            klicken(d, abfrageIds::hauptmenue);
        });
        m.befehlAusloesen(befehlFaelligeStammformen);
        imNaechsten([this](Dialog& d) {
            klicken(d, statistikIds::stammformen);
            foto(d, QStringLiteral("12-statistik"));
            klicken(d, abbrechenId);
        });
        m.befehlAusloesen(befehlStatistik);

        imNaechsten([this](Dialog& d) {
            foto(d, QStringLiteral("09-info"));
            klicken(d, abbrechenId);
        });
        m.befehlAusloesen(hauptmenueBefehle.info);

        if (Hilfefenster::zeigen(programmhilfe())) {
            foto(*Hilfefenster::offenes(), QStringLiteral("10-hilfe"));
            Hilfefenster::alleSchliessen();
        } else {
            std::fprintf(stderr, "quorvia_fensterfotos: no help file beside the program\n");
            ++fehler_;
        }
        if (!woerter) {
            std::fprintf(stderr, "quorvia_fensterfotos: %s missing, word windows left out\n",
                         pfade::woerter.data());
        }
        klicken(m, beenden);
    }

    QDir ziel_;
    int fehler_ = 0;
    bool mitHilfe_ = true; // the first query photographed shows the help beside it
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: quorvia_fensterfotos <Zielordner>\n");
        return 2;
    }
    QuorviaApp anwendung(argc, argv);
    if (qEnvironmentVariable("QUORVIA_FOTO_FARBEN") == QLatin1String("dunkel")) {
        QApplication::setPalette(QPalette(QColor(0x32, 0x32, 0x32)));
    }
    QDir ziel(QString::fromLocal8Bit(argv[1]));
    ziel.mkpath(QStringLiteral("."));
    Rundgang rundgang(ziel);
    rundgang.beginnen();
    anwendung.starten();
    return rundgang.fehler() == 0 ? 0 : 1;
}
