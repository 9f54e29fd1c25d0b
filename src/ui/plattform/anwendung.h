#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: Qt's application plus the one place that holds the current
// main window and the dialog seam. It also gives every window what a desktop program
// does without asking: Qt's own texts in German, plain dialog buttons, F1 for help.

#include "ui/plattform/dienste.h"

#include <QApplication>
#include <QIcon>
#include <QPointer>
#include <QTranslator>

#include <functional>
#include <memory>

class QStyle;

namespace quorvia {

class Dialog;

class Anwendung : public QApplication {
    Q_OBJECT
public:
    Anwendung(int& argc, char** argv);
    ~Anwendung() override;

    // The running application object; nullptr when the application is a plain
    // QApplication (then the seam is the Qt one and there is no main window).
    static Anwendung* instanz();

    // The current main window (nullptr once that window is destroyed).
    Dialog* hauptfenster() const;
    void setzeHauptfenster(Dialog* fenster);

    Dialogdienste& dienste() { return *dienste_; }
    // Replaces the seam (tests answer message boxes and choosers this way); returns the
    // previous one. nullptr restores the Qt dialogs.
    std::unique_ptr<Dialogdienste> setzeDienste(std::unique_ptr<Dialogdienste> dienste);

    // What F1 does, given the window it was pressed in; without one F1 does nothing.
    void setzeHilfe(std::function<void(QWidget&)> hilfe) { hilfe_ = std::move(hilfe); }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QPointer<Dialog> hauptfenster_;
    std::unique_ptr<Dialogdienste> dienste_;
    std::function<void(QWidget&)> hilfe_;
    QTranslator qtTexte_;
};

// Loads Qt's German texts (the colour chooser, the edit fields' context menus) from the
// folder and installs them. False, leaving Qt's English texts, when the folder has no
// readable translation.
bool qtTexteLaden(QTranslator& uebersetzer, const QString& ordner);

// The program's style over basis (nullptr: the platform's own): as basis, but dialog
// buttons show text only. The style owns basis.
std::unique_ptr<QStyle> programmstil(QStyle* basis = nullptr);

// The seam in use: the application's, or the Qt dialogs when there is no Anwendung.
Dialogdienste& dialogdienste();

// The program icon in its two sizes (32 and 16 pixels), from the embedded
// ":/symbol/*.png" images.
QIcon programmsymbol();

} // namespace quorvia
