#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog templates and menus as data. A template gives every control in dialog units of
// the dialog font; the builder in dialog.h turns it into pixels. The file format is
// described in resources/vorlagen/README.md.

#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>
#include <vector>

namespace quorvia {

// The id of controls that are never addressed (labels, frames).
inline constexpr int keineId = -1;

enum class Steuerart {
    Text,     // static label
    Knopf,    // push button
    Gruppe,   // group box (frame)
    Radio,    // automatic radio button
    Kreuz,    // automatic check box
    Feld,     // single-line edit field
    Auswahl,  // drop-down list
    Liste,    // report-mode list
    Drehfeld, // spin control attached to an edit field
    Symbol,   // icon picture
    Datum,    // date field with a calendar
};

enum class Ausrichtung { Links, Mitte, Rechts };

struct Steuerelementvorlage {
    Steuerart art = Steuerart::Text;
    int id = keineId;
    QRect einheiten; // x, y, width, height in dialog units
    QString text;
    Ausrichtung ausrichtung = Ausrichtung::Links;
    bool vertikalMittig = false; // label text centred vertically
    bool versunken = false;      // label with a sunken border
    bool standard = false;       // the default push button
    bool gruppenstart = false;   // a radio button that starts a new group
    bool nurLesen = false;       // edit field
    bool nurZiffern = false;     // edit field
    bool unsichtbar = false;     // hidden at start
    bool gesperrt = false;       // disabled at start
    bool sortiert = false;       // drop-down list / report list keeps its items ascending
    bool vollzeile = false;      // report list selects whole rows
    int partner = keineId;       // spin control: the edit field it is attached to
    QStringList eintraege;       // drop-down list: initial items
};

struct Dialogvorlage {
    QString name;
    QString titel;
    QSize einheiten;                      // client area in dialog units
    QString schriftname = "MS Shell Dlg"; // dialog font
    int schriftpunkte = 8;
    bool minimierbar = false;                   // minimise box in the caption
    bool zentriert = true;                      // centred on the screen when shown
    QString menue;                              // name of the menu template, empty: none
    std::vector<Steuerelementvorlage> elemente; // in tab order

    const Steuerelementvorlage* element(int id) const;
};

struct Menuepunktvorlage {
    int befehl = 0; // 0: separator
    QString text;
    bool trenner() const { return befehl == 0; }
};

struct Menuevorlage {
    QString name;
    struct Popup {
        QString text;
        std::vector<Menuepunktvorlage> punkte;
    };
    std::vector<Popup> popups;
};

// A template that cannot be read or parsed: a fault of the program's own data, reported
// with file and line.
class VorlagenFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parse template text (UTF-8 decoded). quelle names the text in error messages.
Dialogvorlage dialogvorlageLesen(const QString& text, const QString& quelle);
Menuevorlage menuevorlageLesen(const QString& text, const QString& quelle);

// Load the embedded templates ":/vorlagen/<name>.dlg" and ":/vorlagen/<name>.menu".
Dialogvorlage dialogvorlageLaden(const QString& name);
Menuevorlage menuevorlageLaden(const QString& name);

} // namespace quorvia
