#include "ui/plattform/dienste.h"

#include "ui/plattform/anwendung.h"
#include "ui/plattform/dialog.h"
#include "ui/plattform/schriftwahl.h"
#include "ui/plattform/text.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <cstdlib>

namespace quorvia {

void QtDialogdienste::meldung(QWidget* besitzer, const QString& text, Meldungssymbol symbol) {
    QMessageBox box(symbol == Meldungssymbol::Stop ? QMessageBox::Critical
                                                   : QMessageBox::Information,
                    alsQString(programmtitel), text, QMessageBox::Ok, besitzer);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

std::optional<Schriftbeschreibung>
QtDialogdienste::schriftWaehlen(QWidget* besitzer, const Schriftbeschreibung& start) {
    Schriftwahl wahl(start, besitzer);
    if (wahl.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return wahl.gewaehlt();
}

std::optional<Farbe> QtDialogdienste::farbeWaehlen(QWidget* besitzer, Farbe start) {
    QColorDialog wahl(alsQColor(start), besitzer);
    // Qt's own chooser always shows its custom-colour part: the full form.
    wahl.setOption(QColorDialog::DontUseNativeDialog);
    wahl.setWindowModality(Qt::ApplicationModal);
    if (wahl.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return alsFarbe(wahl.selectedColor());
}

bool Dialogdienste::drucken(QWidget*, const std::function<void(QPrinter&)>&) {
    return false;
}

std::optional<QString> Dialogdienste::speichernUnter(QWidget*, const QString&, const QString&) {
    return std::nullopt;
}

bool QtDialogdienste::drucken(QWidget* besitzer, const std::function<void(QPrinter&)>& malen) {
    QPrinter drucker(QPrinter::HighResolution);
    QPrintPreviewDialog vorschau(&drucker, besitzer);
    vorschau.setWindowModality(Qt::ApplicationModal);
    QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested,
                     [&malen](QPrinter* ziel) { malen(*ziel); });
    return vorschau.exec() == QDialog::Accepted;
}

std::optional<QString> QtDialogdienste::speichernUnter(QWidget* besitzer, const QString& vorschlag,
                                                       const QString& filter) {
    const QString pfad = QFileDialog::getSaveFileName(besitzer, QString(), vorschlag, filter);
    if (pfad.isEmpty()) {
        return std::nullopt;
    }
    return pfad;
}

void meldungZeigen(QWidget* besitzer, std::string_view text, Meldungssymbol symbol) {
    dialogdienste().meldung(besitzer, alsQString(text), symbol);
}

std::optional<Schriftbeschreibung> schriftWaehlen(QWidget* besitzer,
                                                  const Schriftbeschreibung& start) {
    return dialogdienste().schriftWaehlen(besitzer, start);
}

std::optional<Farbe> farbeWaehlen(QWidget* besitzer, Farbe start) {
    return dialogdienste().farbeWaehlen(besitzer, start);
}

bool drucken(QWidget* besitzer, const std::function<void(QPrinter&)>& malen) {
    return dialogdienste().drucken(besitzer, malen);
}

std::optional<QString> speichernUnter(QWidget* besitzer, const QString& vorschlag,
                                      const QString& filter) {
    return dialogdienste().speichernUnter(besitzer, vorschlag, filter);
}

void datenfehlerBeenden(Fehlerart art, QWidget* besitzer) {
    meldungZeigen(besitzer, meldung(art), Meldungssymbol::Stop);
    // At once: no destructor may run, so no window writes its list on this path.
    std::_Exit(1);
}

} // namespace quorvia
