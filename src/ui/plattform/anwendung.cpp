#include "ui/plattform/anwendung.h"

#include "ui/plattform/dialog.h"

#include <QDir>
#include <QPixmap>

namespace quorvia {

Anwendung::Anwendung(int& argc, char** argv)
    : QApplication(argc, argv), dienste_(std::make_unique<QtDialogdienste>()) {
    // Windows end their runs themselves; a momentarily hidden main menu must not quit.
    setQuitOnLastWindowClosed(false);
    setApplicationName(QStringLiteral("Quorvia 2003"));
    setWindowIcon(programmsymbol());
}

Anwendung::~Anwendung() = default;

Anwendung* Anwendung::instanz() {
    return qobject_cast<Anwendung*>(QCoreApplication::instance());
}

Dialog* Anwendung::hauptfenster() const {
    return hauptfenster_.data();
}

void Anwendung::setzeHauptfenster(Dialog* fenster) {
    hauptfenster_ = fenster;
}

std::unique_ptr<Dialogdienste> Anwendung::setzeDienste(std::unique_ptr<Dialogdienste> dienste) {
    if (!dienste) {
        dienste = std::make_unique<QtDialogdienste>();
    }
    std::swap(dienste, dienste_);
    return dienste;
}

Dialogdienste& dialogdienste() {
    if (Anwendung* a = Anwendung::instanz()) {
        return a->dienste();
    }
    static QtDialogdienste qt; // stateless
    return qt;
}

QIcon programmsymbol() {
    // Built once: the program's application object carries it as its window icon from
    // its construction on, and every window asks for it again.
    if (const Anwendung* anwendung = Anwendung::instanz();
        anwendung != nullptr && !anwendung->windowIcon().isNull()) {
        return anwendung->windowIcon();
    }
    QIcon symbol;
    const QDir ordner(QStringLiteral(":/symbol"));
    for (const QString& name :
         ordner.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name)) {
        QPixmap bild(ordner.filePath(name));
        if (!bild.isNull()) {
            symbol.addPixmap(bild);
        }
    }
    if (symbol.isNull()) {
        // Until the icon images exist: a plain mark in both sizes, never an empty icon.
        for (const int groesse : {32, 16}) {
            QPixmap bild(groesse, groesse);
            bild.fill(QColor(0, 0, 139));
            symbol.addPixmap(bild);
        }
    }
    return symbol;
}

} // namespace quorvia
