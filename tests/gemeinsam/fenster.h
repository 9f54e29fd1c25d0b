#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// Test helpers for windows built on the windowing layer: find a control by id, click,
// type and press keys, act inside a nested modal run, answer message boxes and choosers
// through the seam, and stop modal runs that hang.

#include "ui/plattform/anwendung.h"
#include "ui/plattform/dialog.h"
#include "ui/plattform/dienste.h"
#include "ui/plattform/steuerelemente.h"
#include "ui/plattform/text.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <QImage>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvia::test {

// The control or a test failure.
inline QWidget* element(const Dialog& d, int id) {
    QWidget* w = d.steuerelement(id);
    EXPECT_NE(w, nullptr) << "no control " << id;
    return w;
}

// A mouse click on a button, radio button or check box, as the pupil makes it.
inline void klicken(const Dialog& d, int id) {
    auto* k = qobject_cast<QAbstractButton*>(element(d, id));
    ASSERT_NE(k, nullptr) << "control " << id << " is no button";
    ASSERT_TRUE(k->isEnabled()) << "button " << id << " is disabled";
    k->click();
}

// Chooses a menu item by command id.
inline void menue(const Dialog& d, int befehl) {
    QAction* a = d.menuepunkt(befehl);
    ASSERT_NE(a, nullptr) << "no menu item " << befehl;
    a->trigger();
}

// Types into an edit field (Unicode, as a keyboard delivers it), replacing its text.
inline void tippen(const Dialog& d, int id, const QString& text) {
    auto* f = qobject_cast<QLineEdit*>(element(d, id));
    ASSERT_NE(f, nullptr) << "control " << id << " is no edit field";
    f->setFocus();
    f->clear();
    QTest::keyClicks(f, text);
}

// Presses a key on the control with the focus of the window (or on the window itself).
inline void taste(Dialog& d, Qt::Key key, int aufId = keineId) {
    QWidget* ziel = aufId != keineId ? element(d, aufId) : &d;
    QTest::keyClick(ziel, key);
}

// Chooses an item of a drop-down list as the pupil does (selection-change notice).
inline void waehlen(const Dialog& d, int id, int index) {
    auto* a = qobject_cast<QComboBox*>(element(d, id));
    ASSERT_NE(a, nullptr) << "control " << id << " is no drop-down list";
    a->setCurrentIndex(index);
    emit a->activated(index);
}

// Runs aktion inside the next modal run that starts (a window opened from a handler),
// with that window; when no window of ours is modal then, aktion gets nullptr.
inline void beimNaechstenDialog(std::function<void(Dialog*)> aktion) {
    QTimer::singleShot(0, [aktion = std::move(aktion)] {
        aktion(qobject_cast<Dialog*>(QApplication::activeModalWidget()));
    });
}

// Lets posted events (close requests) be handled.
inline void nachrichtenVerarbeiten() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// The seam as a test drives it: every message box is recorded and answered at once; the
// choosers give the queued answers (empty queue: cancel).
class Testdienste final : public Dialogdienste {
public:
    struct Meldung {
        QString text;
        Meldungssymbol symbol;
    };

    void meldung(QWidget*, const QString& text, Meldungssymbol symbol) override {
        meldungen.push_back({text, symbol});
        if (beiMeldung) {
            beiMeldung(text);
        }
    }
    std::optional<Schriftbeschreibung> schriftWaehlen(QWidget*,
                                                      const Schriftbeschreibung& start) override {
        schriftStarts.push_back(start);
        return naechste(schriften);
    }
    std::optional<Farbe> farbeWaehlen(QWidget*, Farbe start) override {
        farbStarts.push_back(start);
        return naechste(farben);
    }

    // The print dialog prints into the PDF file druckziel; without one it is cancelled.
    Druckergebnis drucken(QWidget*, const std::function<bool(QPrinter&)>& malen) override {
        if (druckziel.isEmpty()) {
            return Druckergebnis::Abgebrochen;
        }
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(druckziel);
        return malen(drucker) ? Druckergebnis::Gedruckt : Druckergebnis::Fehlgeschlagen;
    }
    std::optional<QString> speichernUnter(QWidget*, const QString& vorschlag,
                                          const QString&) override {
        speicherVorschlaege.push_back(vorschlag);
        if (dateien.empty()) {
            return std::nullopt;
        }
        const QString pfad = dateien.front();
        dateien.pop_front();
        return pfad.isEmpty() ? std::nullopt : std::optional<QString>(pfad);
    }

    std::vector<Meldung> meldungen;
    std::function<void(const QString&)> beiMeldung;
    QString druckziel;
    std::deque<QString> dateien; // answers of the save chooser (empty: cancel)
    std::vector<QString> speicherVorschlaege;
    std::deque<std::optional<Schriftbeschreibung>> schriften; // answers, in order
    std::deque<std::optional<Farbe>> farben;
    std::vector<Schriftbeschreibung> schriftStarts;
    std::vector<Farbe> farbStarts;

private:
    template <class T> static std::optional<T> naechste(std::deque<std::optional<T>>& schlange) {
        if (schlange.empty()) {
            return std::nullopt;
        }
        auto antwort = schlange.front();
        schlange.pop_front();
        return antwort;
    }
};

// Puts Testdienste into the application's seam while it lives.
class DiensteEingesetzt {
public:
    DiensteEingesetzt() {
        auto neu = std::make_unique<Testdienste>();
        dienste_ = neu.get();
        vorher_ = Anwendung::instanz()->setzeDienste(std::move(neu));
    }
    ~DiensteEingesetzt() { Anwendung::instanz()->setzeDienste(std::move(vorher_)); }
    DiensteEingesetzt(const DiensteEingesetzt&) = delete;
    DiensteEingesetzt& operator=(const DiensteEingesetzt&) = delete;

    Testdienste& operator*() const { return *dienste_; }
    Testdienste* operator->() const { return dienste_; }

private:
    Testdienste* dienste_ = nullptr;
    std::unique_ptr<Dialogdienste> vorher_;
};

// What assistive technology reads of a window: every object's role and name, and the
// name of the label that names it ("" when none), depth first.
struct Zugang {
    QAccessible::Role rolle;
    QString name;
    QString beschriftung;
    friend bool operator==(const Zugang&, const Zugang&) = default;
};

inline void zugangSammeln(QAccessibleInterface* knoten, std::vector<Zugang>& baum) {
    if (knoten == nullptr || knoten->state().invisible) {
        return;
    }
    QString beschriftung;
    for (const auto& [quelle, art] : knoten->relations(QAccessible::Label)) {
        beschriftung = quelle->text(QAccessible::Name);
    }
    baum.push_back({knoten->role(), knoten->text(QAccessible::Name), beschriftung});
    for (int i = 0; i < knoten->childCount(); ++i) {
        zugangSammeln(knoten->child(i), baum);
    }
}

inline std::vector<Zugang> zugangsbaum(QWidget* fenster) {
    std::vector<Zugang> baum;
    zugangSammeln(QAccessible::queryAccessibleInterface(fenster), baum);
    return baum;
}

// Records, while it lives, the names that assistive technology is told have changed. Qt
// tells only while a screen reader's bridge is active (not on the offscreen platform):
// tools/atspi-lauf.sh runs a test that way.
class Ansagen {
public:
    Ansagen() : vorher_(QAccessible::installUpdateHandler(&aufnehmen)) { aktiv() = this; }
    ~Ansagen() {
        QAccessible::installUpdateHandler(vorher_);
        aktiv() = nullptr;
    }
    Ansagen(const Ansagen&) = delete;
    Ansagen& operator=(const Ansagen&) = delete;

    std::vector<std::pair<QObject*, QString>> namen; // object and its new name, in order

private:
    static Ansagen*& aktiv() {
        static Ansagen* a = nullptr;
        return a;
    }
    static void aufnehmen(QAccessibleEvent* ereignis) {
        if (aktiv() != nullptr && ereignis->type() == QAccessible::NameChanged) {
            QAccessibleInterface* i = ereignis->accessibleInterface();
            aktiv()->namen.emplace_back(ereignis->object(),
                                        i != nullptr ? i->text(QAccessible::Name) : QString());
        }
    }
    QAccessible::UpdateHandler vorher_;
};

// The contrast a label's text is drawn with, measured in the window's pixels: the
// commonest pixel is the background, the text the pixel of the highest contrast to it.
inline double gezeichneterKontrast(Dialog& d, int id) {
    const QWidget* w = element(d, id);
    const QImage bild = d.grab(QRect(w->mapTo(&d, QPoint(0, 0)), w->size())).toImage();
    std::map<QRgb, int> anzahl;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            ++anzahl[bild.pixel(x, y)];
        }
    }
    QRgb hintergrund = 0;
    for (const auto& [farbe, n] : anzahl) {
        hintergrund = n > anzahl[hintergrund] ? farbe : hintergrund;
    }
    double hoechster = 1.0;
    for (const auto& [farbe, n] : anzahl) {
        hoechster = std::max(hoechster, kontrast(QColor(farbe), QColor(hintergrund)));
    }
    return hoechster;
}

// Ends every modal run of ours still going after a few seconds, so that a fault shows as
// a failed expectation instead of a hanging test.
class Notaus {
public:
    static constexpr int ergebnis = -4711;
    Notaus() {
        uhr_.setSingleShot(true);
        QObject::connect(&uhr_, &QTimer::timeout, [this] {
            ausgeloest = true;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* d = qobject_cast<Dialog*>(w); d != nullptr && d->laeuft()) {
                    d->beenden(ergebnis);
                }
            }
        });
        uhr_.start(20000);
    }
    bool ausgeloest = false;

private:
    QTimer uhr_;
};

} // namespace quorvia::test
