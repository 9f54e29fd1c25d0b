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

Druckergebnis Dialogdienste::drucken(QWidget*, const std::function<bool(QPrinter&)>&) {
    return Druckergebnis::Abgebrochen;
}

std::optional<QString> Dialogdienste::speichernUnter(QWidget*, const QString&, const QString&) {
    return std::nullopt;
}

Druckergebnis QtDialogdienste::drucken(QWidget* besitzer,
                                       const std::function<bool(QPrinter&)>& malen) {
    QPrinter drucker(QPrinter::HighResolution);
    QPrintPreviewDialog vorschau(&drucker, besitzer);
    vorschau.setWindowModality(Qt::ApplicationModal);
    // The last paint is the print itself when the pupil accepts.
    bool gemalt = true;
    QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested,
                     [&malen, &gemalt](QPrinter* ziel) { gemalt = malen(*ziel); });
    if (vorschau.exec() != QDialog::Accepted) {
        return Druckergebnis::Abgebrochen;
    }
    return gemalt && drucker.printerState() != QPrinter::Error ? Druckergebnis::Gedruckt
                                                               : Druckergebnis::Fehlgeschlagen;
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

Druckergebnis drucken(QWidget* besitzer, const std::function<bool(QPrinter&)>& malen) {
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
