#pragma once

// The four list views: lesson, Latin (or principal parts) and German of every chosen item.
//
// The main menu opens a lesson-range view with bereichSetzen(erste, letzte, von, bis) and a
// not-known view only after ladenUndPruefen() returned true; then menuefensterSetzen(this),
// the view as the application's main window, ausfuehren(), and zurueckZumMenue() after.
// The views write no file.

#include "data/eintragsliste.h"
#include "data/lektionstabelle.h"
#include "data/nichtgewusstliste.h"
#include "query/abfragearten.h"
#include "ui/gemeinsam.h"
#include "ui/optionen.h"

#include <array>
#include <string>
#include <string_view>

namespace quorvia {

// Control ids of the list views.
namespace ansichtIds {
inline constexpr int ueberschrift = 1017;
inline constexpr int liste = 1026;
inline constexpr int hauptmenue = 1000;
inline constexpr int beenden = 1001;
} // namespace ansichtIds

// Column widths in pixels: lesson, Latin or principal parts, German.
inline constexpr std::array<int, 3> spaltenbreiten{50, 250, 250};

// What differs between the four list views. Texts are Windows-1252.
struct Ansichtsart {
    std::string_view klasse; // "Option11", also the template's name
    Kursart kurs;
    Abfragequelle quelle; // lesson range of the course, or the not-known list
    int befehlHauptmenue; // menu command beside button 1000
    GemeinsameBefehle befehle;
    std::string_view titel; // "Quorvia 2003 - Wörter ansehen"
    std::string_view titelNichtGewusst;
    std::string_view spalte1;     // column 1 caption
    std::string_view spalte2;     // column 2 caption
    std::string_view platzhalter; // column 0 of a range row until its lesson is known
};

inline constexpr std::string_view spalteLektion = "Lektion";

inline constexpr std::array<Ansichtsart, 4> ansichtsarten{{
    {"Option11", Kursart::Woerter, Abfragequelle::Bereich, 165, option11Befehle,
     "Quorvia 2003 - W\xF6rter ansehen", "", "lateinischer Ausdruck", "deutscher Ausdruck",
     "Ausdruck"},
    {"Option12", Kursart::Woerter, Abfragequelle::NichtGewusst, 171, option12Befehle,
     "Quorvia 2003 - W\xF6rter ansehen", " - nicht gewusste W\xF6rter", "lateinischer Ausdruck",
     "deutscher Ausdruck", ""},
    {"Option31", Kursart::Stammformen, Abfragequelle::Bereich, 177, option31Befehle,
     "Quorvia 2003 - Stammformen ansehen", "", "Stammformen", "deutsche Bedeutung", "Stammformen"},
    {"Option32", Kursart::Stammformen, Abfragequelle::NichtGewusst, 183, option32Befehle,
     "Quorvia 2003 - Stammformen ansehen", " - nicht gewusste Stammformen", "Stammformen",
     "deutsche Bedeutung", ""},
}};

// The row of the table for a view class name ("Option11"); throws for any other name.
const Ansichtsart& ansichtsartVon(std::string_view klasse);

class Listenansicht : public Bildfenster {
    Q_OBJECT
public:
    explicit Listenansicht(const Ansichtsart& art, QWidget* eltern = nullptr);

    const Ansichtsart& art() const { return art_; }

    // See Abfragefenster: hidden when the view has opened, the main window again when it
    // closes, and asked to close unless zurueckZumMenue() is set.
    void menuefensterSetzen(Dialog* menue) { menue_.setzen(menue); }
    bool zurueckZumMenue() const { return zurueck_; }

protected:
    // Lesson-range views: the item numbers and the lesson texts from the main menu.
    void bereichSetzen(int erste, int letzte, std::string von, std::string bis);
    // Not-known views: loads the list and, when it holds a record, the course; false when
    // the list is missing or empty.
    bool ladenUndPruefen();

    void oeffnen() override;
    void befehl(int id) override;
    bool schliessenAngefragt() override;

private:
    void bereichFuellen();
    void nichtGewusstFuellen();

    const Ansichtsart& art_;
    Eintragsliste kurs_;
    NichtGewusstListe nichtGewusst_;
    bool geladen_ = false;
    int erste_ = 0;
    int letzte_ = 0;
    std::string von_;
    std::string bis_;

    Menueverbindung menue_;
    bool zurueck_ = false;
    bool geschlossen_ = false;
};

class Option11 : public Listenansicht {
    Q_OBJECT
public:
    explicit Option11(QWidget* eltern = nullptr);
    using Listenansicht::bereichSetzen;
};

class Option12 : public Listenansicht {
    Q_OBJECT
public:
    explicit Option12(QWidget* eltern = nullptr);
    using Listenansicht::ladenUndPruefen;
};

class Option31 : public Listenansicht {
    Q_OBJECT
public:
    explicit Option31(QWidget* eltern = nullptr);
    using Listenansicht::bereichSetzen;
};

class Option32 : public Listenansicht {
    Q_OBJECT
public:
    explicit Option32(QWidget* eltern = nullptr);
    using Listenansicht::ladenUndPruefen;
};

} // namespace quorvia
