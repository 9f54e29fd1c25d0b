#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes and the two choosers pass through this one seam, so that tests can answer
// them. The application object holds the current implementation (anwendung.h).

#include "data/datendatei.h"
#include "settings/schrift.h"

#include <QString>

#include <functional>
#include <optional>
#include <string_view>

class QPrinter;
class QWidget;

namespace quorvia {

// The caption of every message box.
inline constexpr std::string_view programmtitel = "Quorvia 2003";

enum class Meldungssymbol { Stop, Information };
enum class Druckergebnis { Abgebrochen, Gedruckt, Fehlgeschlagen };

class Dialogdienste {
public:
    virtual ~Dialogdienste() = default;
    // Modal, titled "Quorvia 2003", one OK button; returns once the pupil has closed it.
    virtual void meldung(QWidget* besitzer, const QString& text, Meldungssymbol symbol) = 0;
    // The font chooser: scalable faces only, no vertical faces, no script choice, sizes up
    // to 12 points. Empty on cancel.
    virtual std::optional<Schriftbeschreibung> schriftWaehlen(QWidget* besitzer,
                                                              const Schriftbeschreibung& start) = 0;
    // The colour chooser in its full form. Empty on cancel.
    virtual std::optional<Farbe> farbeWaehlen(QWidget* besitzer, Farbe start) = 0;
    // The print dialog with its preview: malen paints the document on the printer, for the
    // preview and for the print, false when it could not. A seam that does not answer
    // prints nothing.
    virtual Druckergebnis drucken(QWidget* besitzer, const std::function<bool(QPrinter&)>& malen);
    // The file chooser for saving: the path the pupil chose, empty on cancel. filter is
    // the chooser's type filter ("PDF-Dateien (*.pdf)").
    virtual std::optional<QString> speichernUnter(QWidget* besitzer, const QString& vorschlag,
                                                  const QString& filter);
};

// The real dialogs over Qt.
class QtDialogdienste final : public Dialogdienste {
public:
    void meldung(QWidget* besitzer, const QString& text, Meldungssymbol symbol) override;
    std::optional<Schriftbeschreibung> schriftWaehlen(QWidget* besitzer,
                                                      const Schriftbeschreibung& start) override;
    std::optional<Farbe> farbeWaehlen(QWidget* besitzer, Farbe start) override;
    Druckergebnis drucken(QWidget* besitzer, const std::function<bool(QPrinter&)>& malen) override;
    std::optional<QString> speichernUnter(QWidget* besitzer, const QString& vorschlag,
                                          const QString& filter) override;
};

// Shortcuts through the application's seam; texts are core text (Windows-1252).
void meldungZeigen(QWidget* besitzer, std::string_view text, Meldungssymbol symbol);
std::optional<Schriftbeschreibung> schriftWaehlen(QWidget* besitzer,
                                                  const Schriftbeschreibung& start);
std::optional<Farbe> farbeWaehlen(QWidget* besitzer, Farbe start);
Druckergebnis drucken(QWidget* besitzer, const std::function<bool(QPrinter&)>& malen);
std::optional<QString> speichernUnter(QWidget* besitzer, const QString& vorschlag,
                                      const QString& filter);

// A fatal data failure: the stop message for the failure, then the process ends at once
// with exit status 1. No destructor runs, so no window writes anything on the way out.
[[noreturn]] void datenfehlerBeenden(Fehlerart art, QWidget* besitzer = nullptr);

} // namespace quorvia
