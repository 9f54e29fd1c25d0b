#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The option windows: the list views (Listenansicht) and the query windows
// (Abfragefenster) of the main menu's choices, the due queries and the test-plan
// practice, each one row of the table in ui/optionstabelle.h over this base.
//
// Life cycle, from the main menu's click to the menu again:
//  1. The main menu reads the pupil's choice and finds its row (optionszeileFuer).
//  2. It builds the window of the row (optionsfensterBauen) and gives it its items: a
//     lesson range with bereichSetzen, or the not-known list with ladenUndPruefen; an
//     empty list ends here with the row's message, the window never shows.
//  3. laufenUeber(menu) links the menu, makes the window the application's main window
//     and runs it modally. Opening (oeffnen, once) takes the shared steps here - title,
//     heading, picture - then the kind's own content (inhaltOeffnen: the rows of a view,
//     the first item of a query), then hides the menu.
//  4. Any way out posts a close request. "Hauptmenü" (and the end of a query) sets the
//     back-to-menu flag first. The closing steps run once, however many requests arrive:
//     the menu becomes the main window again and, without the flag, is asked to close as
//     well, which ends the program.
//  5. laufenUeber returns the flag; the menu shows itself again when it is set. The
//     window is destroyed; a query window writes its not-known list back then.

#include "data/lektionstabelle.h"
#include "data/nichtgewusstliste.h"
#include "query/abfragearten.h"
#include "query/abfrageprotokoll.h"
#include "ui/gemeinsam.h"

#include <QPointer>

#include <string>
#include <string_view>
#include <vector>

namespace quorvia {

// The main menu's choices, in the order of their radio buttons.
namespace menueoption {
inline constexpr int woerterAnsehen = 0;
inline constexpr int woerterAbfragen = 1;
inline constexpr int stammformenAnsehen = 2;
inline constexpr int stammformenAbfragen = 3;
} // namespace menueoption

// The directions of a word query, in the order of their radio buttons.
namespace abfragerichtung {
inline constexpr int deutschLatein = 0;
inline constexpr int lateinDeutsch = 1;
inline constexpr int keine = -1; // in the table: the direction does not count
} // namespace abfragerichtung

// The columns of a list view: captions of columns 1 and 2, and what column 0 of a
// lesson-range row shows until its lesson is known.
struct Spalten {
    std::string_view spalte1;
    std::string_view spalte2;
    std::string_view platzhalter;
};

// One option window. Texts are Windows-1252.
struct Optionszeile {
    std::string_view klasse;  // "Option211": the window's name
    std::string_view vorlage; // dialog template
    // Menu number M. Its commands follow in order: a query's own OK, then Hauptmenü,
    // Beenden, Hilfe, Website, Info; the buttons from 1000 in the same order.
    int menue;
    Kursart kurs;
    Abfragequelle quelle;
    std::string_view titel;             // "Quorvia 2003 - Wörter abfragen"
    std::string_view titelNichtGewusst; // suffix of the not-known and due windows
    std::string_view leerMeldung;       // not-known and due windows: what nothing to show shows
    int option;                         // the main menu's choice that opens the window
    int richtung;                       // abfragerichtung::keine: any direction
    const Abfrageart* abfrage;          // query windows: what the loop runs; else nullptr
    Spalten spalten;                    // list views

    constexpr int eigene() const { return abfrage != nullptr ? 1 : 0; }
    constexpr int befehlOk() const { return menue + 1; } // query windows only
    constexpr int befehlHauptmenue() const { return menue + 1 + eigene(); }
    constexpr int knopfHauptmenue() const { return 1000 + eigene(); }
    constexpr GemeinsameBefehle befehle() const {
        const int m = menue + eigene();
        return {m + 2, knopfHauptmenue() + 1, m + 3, m + 4, m + 5};
    }
};

class Optionsfenster : public Bildfenster {
    Q_OBJECT
public:
    Optionsfenster(const Optionszeile& zeile, QWidget* eltern, Lernzugang lernzugang = {});

    const Optionszeile& zeile() const { return zeile_; }
    // What the window holds as its title names it: "Lektion 03 bis Lektion 05", "nicht
    // gewusste Wörter", "Vokabeltest am " (the date follows in the title).
    std::string bereichstext() const;

    // Lesson-range windows: the item numbers and the lesson texts from the main menu.
    void bereichSetzen(int erste, int letzte, std::string von, std::string bis);
    // Not-known windows: loads the list; false when it is missing or holds no record.
    // Due windows: selects today's items from the record (the not-known ones count as
    // due) and loads the list the verdicts edit; false when nothing is due.
    bool ladenUndPruefen();

    // The window the menu lives in: hidden when this window has opened, the main window
    // again when it closes, and asked to close unless zurueckZumMenue() is set.
    void menuefensterSetzen(Dialog* menue) { menue_ = menue; }
    // Runs the window modally over the menu as the application's main window; returns
    // zurueckZumMenue().
    bool laufenUeber(Dialog& menue);
    // Read after the modal run: true when the pupil chose "Hauptmenü" or the query ended.
    bool zurueckZumMenue() const { return zurueck_; }

protected:
    // The kind's own content, between the shared steps of opening and hiding the menu.
    virtual void inhaltOeffnen() = 0;
    // The kind's own commands, after the shared guard; true when handled.
    virtual bool eigenerBefehl(int id) = 0;
    // The kind's own closing step, run once before the menu's.
    virtual void beimSchliessen() {}
    // While true, no command reaches the window.
    virtual bool befehleGesperrt() const { return false; }

    // Lesson-range windows: loads the not-known list the verdicts edit (missing: empty).
    void listeFuerBereichLaden();
    bool listeGeladen() const { return listeGeladen_; }
    NichtGewusstListe& nichtGewusst() { return nichtGewusst_; }
    // Due and plan windows: the items selected, numbered from 1.
    const Eintragsliste& faellige() const { return faellige_; }
    const Lernzugang& lernzugang() const { return lernzugang_; }
    const std::string& von() const { return von_; }
    const std::string& bis() const { return bis_; }
    int erste() const { return erste_; }
    int letzte() const { return letzte_; }
    bool geschlossen() const { return geschlossen_; }
    // Sets the back-to-menu flag unless the window is closing already.
    void zurueckSetzen();

    void oeffnen() final;
    void befehl(int id) final;
    bool schliessenAngefragt() final;

private:
    bool faelligeLaden();
    bool planLaden();
    // Takes the selected items as the window's, numbered from 1; false when there are none.
    bool auswahlUebernehmen(const std::vector<Schluessel>& auswahl);

    const Optionszeile& zeile_;
    Lernzugang lernzugang_;
    NichtGewusstListe nichtGewusst_;
    Eintragsliste faellige_;
    bool listeGeladen_ = false;
    int erste_ = 0;
    int letzte_ = 0;
    std::string von_;
    std::string bis_;
    std::string titelzusatz_; // the plan window's test day

    QPointer<Dialog> menue_;
    bool zurueck_ = false;
    bool geschlossen_ = false;
};

} // namespace quorvia
