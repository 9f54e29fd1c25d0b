#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// What every window of the program shares: the exit, help, web site and about commands,
// the picture in the upper left corner with its one-time failure message, and the icon.
//
//   class Beispiel : public quorvia::Bildfenster {
//   public:
//       Beispiel() : Bildfenster(QStringLiteral("Hauptmenue"), grossesBild, hauptmenueBefehle) {}
//   protected:
//       void oeffnen() override { ...; bildLaden(); ... }
//       void befehl(int id) override {
//           if (id == 1000) { ...; return; }
//           Bildfenster::befehl(id); // exit, help, web site, about, then the dialog's own
//       }
//   };

#include "data/pfade.h"
#include "ui/plattform/dialog.h"

#include <QIcon>
#include <QImage>
#include <QSize>
#include <QString>
#include <QUrl>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

class QPainter;

namespace quorvia {

// ---------------------------------------------------------------------------------------
// Pictures

// A decoded picture and its size as the picture reports it: hundredths of a millimetre,
// the pixels taken at 96 per inch.
struct Bild {
    QImage bild;
    QSize groesse;
    // The same picture at twice the pixels, drawn in the same place on screens of scale
    // 1.5 and more. Read at the first such paint, so a normal screen never decodes it;
    // then empty when no such file lies beside the picture.
    QString doppeltPfad;
    std::optional<QImage> doppelt;
};

// Files larger than this are not read: no picture of ours comes near it, and a hostile
// file must not make us allocate without bound.
inline constexpr std::int64_t maxBildgroesse = 16 * 1024 * 1024;

// Reads the whole file into memory and decodes it from there (GIF, or any format Qt
// reads). Empty when the file is missing, unreadable, empty, too large or not a picture.
// Shows nothing: the window reports the failure when it is first painted. A picture of the
// same name with "@2x" before the extension is only named here; only the file itself
// decides whether there is a picture.
std::optional<Bild> bildLaden(const QString& pfad);

// Pixels to hundredths of a millimetre at the given pixels per inch, and back; both round
// to the nearest integer.
int pixelZuHimetrisch(int pixel, int pixelProZoll = 96);
int himetrischZuPixel(int himetrisch, int pixelProZoll);

// Which picture a window shows and what it says when the picture cannot be loaded.
struct Bildangabe {
    std::string_view datei;   // relative to the working directory
    std::string_view meldung; // Windows-1252
};

inline constexpr Bildangabe grossesBild{
    pfade::bildGross, "Die Datei \"\\Bilder\\Bustixgr.gif\" konnte nicht geladen werden!"};
inline constexpr Bildangabe kleinesBild{
    pfade::bildKlein, "Die Datei \"\\Bilder\\Bustixkl.gif\" konnte nicht geladen werden!"};

// The client pixel of the picture's upper left corner.
inline constexpr int bildRand = 20;
// The least room, in pixels, between the picture and the first letter of a text beside it.
inline constexpr int bildabstand = 6;

// ---------------------------------------------------------------------------------------
// The shared commands

// Command ids of the shared commands in one window; 0 where the window has none.
struct GemeinsameBefehle {
    int beenden = 0;
    int beendenKnopf = 0;
    int hilfe = 0;
    int website = 0;
    int info = 0;
};

inline constexpr GemeinsameBefehle hauptmenueBefehle{132, 1001, 133, 134, 135};

// Exit: posts a close request to the window; its closing runs after the current handler.
void beendenBefehl(Dialog& fenster);

// Help: opens our help viewer on the program's help file, with the wait cursor while it
// loads. "Failed to launch help." over the window when it cannot.
void hilfeBefehl(QWidget& fenster);
// Closes every open help viewer (the main menu does this when it is destroyed).
void hilfeSchliessen();

// The help file of a program: its path with the extension of the file name replaced by
// ".HLP" (added when the name has none): ".../quorvia" gives ".../quorvia.HLP".
QString hilfedateiFuer(const QString& programmpfad);
// A file shipped with the program: the one beside the program when it is there, else the
// one in the installed data folder when that is there, else (for the message) the first.
QString mitgelieferteDatei(const QString& nebenDemProgramm, const QString& imDatenordner);
// The installed data folder, ".../share/quorvia".
QString datenordner();
// The help file of the running program: beside it, else "quorvia.HLP" in the data folder.
QString hilfedatei();

// The page shipped with the program (found as the help file is) that stands for the
// maker's web site as long as the project has no public home page; then websiteAdresse()
// is the one place to change.
inline constexpr std::string_view websiteDatei = "website.html";
QUrl websiteAdresse();
// Web site: opens the address in the browser. The result is ignored.
void websiteBefehl();

// About: the about box, run modally over the window and discarded.
void infoBefehl(QWidget* fenster);

// ---------------------------------------------------------------------------------------
// Looks the windows share

inline constexpr int fettGewicht = 700;
// Makes the controls' fonts bold, keeping face and size.
void fettSetzen(Dialog& fenster, std::initializer_list<int> ids);

// Fills the lesson list bisId with the lessons from the one chosen in vonId on and
// chooses the first, so that "bis" can never lie before "von".
void bisAbVonFuellen(Dialog& fenster, int vonId, int bisId);

// The counters of right and wrong answers.
inline constexpr Farbe farbeRichtig = rgb(0, 128, 0);
inline constexpr Farbe farbeFalsch = rgb(255, 0, 0);

// ---------------------------------------------------------------------------------------
// A window with the picture in its upper left corner and the program icon: the main
// menu, the list views and the query windows.

class Bildfenster : public Dialog {
    Q_OBJECT
public:
    Bildfenster(const QString& vorlagenname, Bildangabe bild, GemeinsameBefehle befehle,
                QWidget* eltern = nullptr);
    Bildfenster(const Dialogvorlage& vorlage, Bildangabe bild, GemeinsameBefehle befehle,
                QWidget* eltern = nullptr);

    bool hatBild() const { return bild_.has_value(); }
    const std::optional<Bild>& bild() const { return bild_; }
    bool bildfehlerGezeigt() const { return bildfehlerGezeigt_; }
    // The client rectangle the picture takes at the window's resolution; empty without one.
    QRect bildflaeche() const;

    // The icon shown while the minimised window is dragged.
    QIcon ziehSymbol() const;

protected:
    // Loads the window's picture and clears the failure flag; call it when the window
    // opens. A failure is reported at the first paint.
    void bildLaden();
    // Replaces the loaded picture (tests, or a window that builds its own).
    void bildSetzen(std::optional<Bild> bild) { bild_ = std::move(bild); }
    // Moves the left-aligned label id right of the picture just so far that its first
    // letter keeps bildabstand pixels from it. The layout leaves a few pixels there at the
    // narrow unit of Arial-like faces, which a heading set larger and bold overruns.
    // Call it once the picture is loaded and the label has its font.
    void nebenDemBild(int id);

    // The shared commands; other ids go on to the dialog's own handling.
    void befehl(int id) override;
    // Returns true when id was one of the shared commands and has been handled.
    bool gemeinsamerBefehl(int id);

    void zeichnen(QPainter& maler) override;
    // The shared paint handler: the icon centred while minimised, otherwise the picture at
    // client pixel (20, 20), or the one-time failure message followed by a close request.
    void fensterZeichnen(QPainter& maler);

private:
    void bildfehlerMelden();
    QRect bildflaeche(int ppiX, int ppiY) const;

    Bildangabe bildangabe_;
    GemeinsameBefehle befehle_;
    QIcon symbol_;
    std::optional<Bild> bild_;
    bool bildfehlerGezeigt_ = false;
};

} // namespace quorvia
