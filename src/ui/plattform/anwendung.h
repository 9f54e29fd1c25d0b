#pragma once

// The application object: Qt's application plus the one place that holds the current
// main window and the dialog seam.

#include "ui/plattform/dienste.h"

#include <QApplication>
#include <QIcon>
#include <QPointer>

#include <memory>

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

private:
    QPointer<Dialog> hauptfenster_;
    std::unique_ptr<Dialogdienste> dienste_;
};

// The seam in use: the application's, or the Qt dialogs when there is no Anwendung.
Dialogdienste& dialogdienste();

// The program icon in its two sizes (32 and 16 pixels), from the embedded
// ":/symbol/*.png" images.
QIcon programmsymbol();

} // namespace quorvia
