#include "ui/plattform/anwendung.h"

#include "ui/plattform/dialog.h"

#include <QDir>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPixmap>
#include <QProxyStyle>

namespace quorvia {

namespace {

class Programmstil : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hinweis, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* rueckgabe) const override {
        // Some desktops put a tick on OK and nothing on the other buttons.
        if (hinweis == SH_DialogButtonBox_ButtonsHaveIcons) {
            return 0;
        }
        return QProxyStyle::styleHint(hinweis, option, widget, rueckgabe);
    }
};

} // namespace

Anwendung::Anwendung(int& argc, char** argv)
    : QApplication(argc, argv), dienste_(std::make_unique<QtDialogdienste>()) {
    // Windows end their runs themselves; a momentarily hidden main menu must not quit.
    setQuitOnLastWindowClosed(false);
    setApplicationName(QStringLiteral("Quorvia 2003"));
    setWindowIcon(programmsymbol());
    setStyle(programmstil().release()); // the application owns its style
    // Without the translations Qt's texts stay English; the program runs all the same.
    qtTexteLaden(qtTexte_, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    installEventFilter(this);
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

bool Anwendung::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() != QEvent::KeyPress || !objekt->isWidgetType()) {
        return QApplication::eventFilter(objekt, ereignis);
    }
    const auto* taste = static_cast<const QKeyEvent*>(ereignis);
    auto* ziel = static_cast<QWidget*>(objekt);
    if (taste->key() == Qt::Key_F1 && taste->modifiers() == Qt::NoModifier && hilfe_) {
        hilfe_(*ziel->window());
        return true;
    }
    // Shortcuts have had their turn: an Alt+letter arriving here matched no command, and
    // an edit field would type the letter. Ctrl+Alt stays, as it is AltGr on some systems.
    const Qt::KeyboardModifiers mit = taste->modifiers();
    if (mit.testFlag(Qt::AltModifier) && !mit.testFlag(Qt::ControlModifier) &&
        !taste->text().isEmpty() && taste->text().front().isPrint() &&
        qobject_cast<QLineEdit*>(ziel) != nullptr) {
        beep();
        return true;
    }
    return QApplication::eventFilter(objekt, ereignis);
}

bool qtTexteLaden(QTranslator& uebersetzer, const QString& ordner) {
    return uebersetzer.load(QStringLiteral("qtbase_de"), ordner) &&
           QCoreApplication::installTranslator(&uebersetzer);
}

std::unique_ptr<QStyle> programmstil(QStyle* basis) {
    return std::make_unique<Programmstil>(basis);
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
