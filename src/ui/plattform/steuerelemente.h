#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The widgets the builder makes for template controls that Qt has no exact match for.

#include "ui/plattform/vorlage.h"

#include <QGroupBox>
#include <QLabel>
#include <QTreeWidget>
#include <QWidget>

#include <functional>

class QLineEdit;
class QToolButton;

namespace quorvia {

class Dialog;

// A static label. Before each paint it asks its window for colours (the label colour
// hook); its text is drawn literally, "&" included. It is a QLabel so that assistive
// technology reads it as text, hears its changes and finds the field it names (its buddy).
class Beschriftung : public QLabel {
    Q_OBJECT
public:
    Beschriftung(Dialog& dialog, const Steuerelementvorlage& vorlage, QWidget* eltern);

    int id() const { return id_; }
    void setzeText(const QString& text);
    Qt::Alignment ausrichtung() const { return ausrichtung_; }
    // The colour the text was last drawn in (for tests and screenshots).
    QColor letzteTextfarbe() const { return letzteTextfarbe_; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    Dialog& dialog_;
    int id_;
    Qt::Alignment ausrichtung_;
    bool umbrechen_;
    QColor letzteTextfarbe_;
};

// A group box drawn as a dialog frame: an etched rectangle whose top line runs through
// the middle of the title. It takes no input, so controls placed over it work as usual;
// a QGroupBox underneath so that assistive technology names the group.
class Rahmen : public QGroupBox {
    Q_OBJECT
public:
    Rahmen(const QString& titel, QWidget* eltern);

    QString titel() const { return title(); }
    void setzeTitel(const QString& titel);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
};

// The client area: paints the window's background hook behind the controls.
class Flaeche : public QWidget {
    Q_OBJECT
public:
    Flaeche(Dialog& dialog, QWidget* eltern);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    Dialog& dialog_;
};

// An up-down control attached to an edit field on its right: it reads the field's
// number, steps it within the range without wrapping, and writes it back.
class Drehfeld : public QWidget {
    Q_OBJECT
public:
    Drehfeld(QLineEdit& partner, QWidget* eltern);

    void setzeBereich(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int wert() const;     // the field's number, kept inside the range
    void schritt(int um); // +1 up, -1 down
    QToolButton* hoch() const { return hoch_; }
    QToolButton* runter() const { return runter_; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override; // arrow keys in the field
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    QLineEdit& partner_;
    QToolButton* hoch_;
    QToolButton* runter_;
    int minimum_ = 0;
    int maximum_ = 100;
};

// A report-mode list: columns of pixel widths, rows with cells, optional ascending order
// by the first cell.
class Berichtsliste : public QTreeWidget {
    Q_OBJECT
public:
    Berichtsliste(const Steuerelementvorlage& vorlage, QWidget* eltern);

    bool sortiert() const { return sortiert_; }
    void spalteEinfuegen(int spalte, const QString& titel, int breite);
    int zeileEinfuegen(int zeile, const QString& text);
    // The whole row at once: one insertion instead of one per cell.
    int zeileEinfuegen(int zeile, const QStringList& zellen);
    void zelleSetzen(int zeile, int spalte, const QString& text);
    QString zelle(int zeile, int spalte) const;
    void vollzeileSetzen(bool an);
    bool vollzeile() const { return vollzeile_; }

private:
    bool sortiert_;
    bool vollzeile_ = false;
};

} // namespace quorvia
