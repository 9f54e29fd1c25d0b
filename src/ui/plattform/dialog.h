#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// A modal dialog built from a template. Subclasses override the hooks below; everything
// else is addressed by control id.
//
//   class Beispiel : public quorvia::Dialog {
//   public:
//       Beispiel() : Dialog(QStringLiteral("EndeAbfrage")) {}
//   protected:
//       void oeffnen() override { setzeText(1017, "Anzahl W\xF6rter:"); }
//       void befehl(int id) override {
//           if (id == 1000) { ...; return; }
//           Dialog::befehl(id); // 2 (Escape, cancel) posts a close request
//       }
//   };
//   Beispiel b; b.ausfuehren();

#include "settings/schrift.h"
#include "ui/plattform/schriften.h"
#include "ui/plattform/vorlage.h"

#include <QColor>
#include <QDialog>

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>

class QAction;
class QButtonGroup;
class QEventLoop;
class QMenu;
class QMenuBar;
class QPainter;

namespace quorvia {

class Dialog;

// The cancel command: Escape, the close box's default and the usual "Abbrechen" id.
inline constexpr int abbrechenId = 2;
// The command Enter gives when the template has no default button.
inline constexpr int okId = 1;

// How a label is drawn, asked from the window just before each label paints.
struct Beschriftungsfarben {
    std::optional<QColor> text;     // text colour; empty: the system colour
    bool transparent = false;       // text drawn without its own background
    std::optional<QColor> fuellung; // brush filling the label first; empty: none
    // The text colour is a default, not the pupil's choice: on a dark background it is
    // drawn lighter in the same hue, so that it stays readable (see lesbareFarbe).
    bool vorgabe = false;
};

QColor alsQColor(Farbe farbe);
Farbe alsFarbe(const QColor& farbe);

// The contrast ratio of two colours by their relative luminance, from 1 to 21.
double kontrast(const QColor& a, const QColor& b);
// A background that light text stands out on better than dark text.
bool istDunkel(const QColor& hintergrund);
// The contrast text should reach against its background.
inline constexpr double mindestkontrast = 4.5;
// A default text colour on its background: on a dark background, the same hue just light
// enough to reach mindestkontrast; on a light background, unchanged.
QColor lesbareFarbe(const QColor& text, const QColor& hintergrund);

// One pass of data exchange between a window's fields and its controls.
class Datenaustausch {
public:
    enum class Richtung { Schreiben, Lesen };

    Datenaustausch(Dialog& dialog, Richtung richtung) : dialog_(dialog), richtung_(richtung) {}

    bool liest() const { return richtung_ == Richtung::Lesen; }
    bool fehlerfrei() const { return fehlerfrei_; }

    void text(int id, std::string& feld);
    void zahl(int id, int& feld); // decimal text; an unreadable number stops the reading
    void angekreuzt(int id, bool& feld);
    void angekreuzt(int id, int& feld);      // 0 or 1
    void radio(int erstesId, int& index);    // index in the group that erstesId starts, -1 none
    void auswahl(int id, std::string& feld); // drop-down list: the selected item's text

private:
    Dialog& dialog_;
    Richtung richtung_;
    bool fehlerfrei_ = true;
};

class Dialog : public QDialog {
    Q_OBJECT
public:
    // Builds the window from the embedded template "<name>.dlg" and its menu.
    explicit Dialog(const QString& vorlagenname, QWidget* eltern = nullptr);
    explicit Dialog(const Dialogvorlage& vorlage, QWidget* eltern = nullptr);
    ~Dialog() override;

    // The modal run: oeffnen() once, show, and return the result given to beenden().
    // Runs may nest. Hiding the window does not end its run.
    int ausfuehren();
    // Runs oeffnen() once without showing the window (ausfuehren() does this first).
    void vorbereiten();
    // Ends the modal run at once with this result (the window hides).
    void beenden(int ergebnis);
    // Posts a close request: handled after the current handler has returned, it calls
    // schliessenAngefragt() and ends the run when that agrees.
    void schliessenAnfordern();
    // Delivers a command as if a control had sent it.
    void befehlAusloesen(int id);

    bool istBeendet() const { return beendet_; }
    bool laeuft() const { return schleife_ != nullptr; }
    int ergebnis() const { return ergebnis_; }

    const Dialogvorlage& vorlage() const { return vorlage_; }
    const Dialogeinheiten& einheiten() const { return einheiten_; }
    // The client area (below the menu bar); controls are its children.
    QWidget* flaeche() const { return flaeche_; }
    QMenuBar* menueleiste() const { return menueleiste_; }

    // Controls by id (nullptr when the template has none with that id).
    QWidget* steuerelement(int id) const;
    template <class T> T* steuerelement(int id) const {
        return qobject_cast<T*>(steuerelement(id));
    }
    int idVon(const QWidget* steuerelement) const; // keineId when not a control of ours

    // Window title and control texts, in core text (Windows-1252).
    void setzeTitel(std::string_view titel);
    std::string titel() const;
    void setzeText(int id, std::string_view text);
    std::string text(int id) const;

    void setzeAktiv(int id, bool aktiv);
    bool istAktiv(int id) const;
    void setzeSichtbar(int id, bool sichtbar);
    bool istSichtbar(int id) const; // the control's own flag, whether or not the window shows
    void fokusSetzen(int id);
    void setzeStandardknopf(int id);
    int standardknopf() const { return standardId_; }

    // Check boxes and radio buttons.
    void setzeAngekreuzt(int id, bool an);
    bool istAngekreuzt(int id) const;
    int radioIndex(int erstesId) const;
    void setzeRadioIndex(int erstesId, int index);

    // Drop-down lists.
    void auswahlLeeren(int id);
    int auswahlAnhaengen(int id, std::string_view text); // index of the new item
    void auswahlSetzen(int id, int index);               // -1 clears the selection
    int auswahlIndex(int id) const;
    std::string auswahlText(int id) const; // "" when nothing is selected
    int auswahlAnzahl(int id) const;

    // Report-mode lists.
    void spalteEinfuegen(int id, int spalte, std::string_view titel, int breitePixel);
    // Inserts a row with its first cell; a sorted list places it by that text (after equal
    // texts). Returns the row's actual index.
    int zeileEinfuegen(int id, int zeile, std::string_view text);
    // The same with every cell of the row, inserted at once.
    int zeileEinfuegen(int id, int zeile, std::initializer_list<std::string_view> zellen);
    void zelleSetzen(int id, int zeile, int spalte, std::string_view text);
    std::string zelle(int id, int zeile, int spalte) const;
    int zeilenAnzahl(int id) const;
    void vollzeileSetzen(int id, bool an);

    // Date fields, by day number (days since 1970-01-01 of the local calendar).
    void datumsbereichSetzen(int id, int erster, int letzter);
    void setzeDatum(int id, int tag);
    int datumWert(int id) const;

    // Spin controls: the attached edit field shows the number.
    void drehbereichSetzen(int id, int minimum, int maximum);
    int drehwert(int id) const;

    // Fonts.
    Schriftbeschreibung schrift(int id) const;
    void setzeSchrift(int id, const Schriftbeschreibung& schrift); // redraws at once
    // Repaints a label now (after its colour changed).
    void neuZeichnen(int id);

    // Menu items by command id.
    void setzeMenuetext(int befehl, std::string_view text);
    std::string menuetext(int befehl) const;
    QAction* menuepunkt(int befehl) const;
    // Appends items (and separators) to the menu bar's popup at index popup.
    void menuepunkteAnhaengen(int popup, const std::vector<Menuepunktvorlage>& punkte);

    // Writes all fields into the controls / reads them back (data exchange).
    void datenSchreiben();
    bool datenLesen();

    // The label colour hook, for the label widget.
    Beschriftungsfarben farbenFuer(int id) { return beschriftungsfarben(id); }
    // The client-area paint hook, for the client widget.
    void flaecheZeichnen(QPainter& maler) { zeichnen(maler); }

protected:
    // Runs once, when the controls exist, before the window shows.
    virtual void oeffnen() {}
    // Every command: buttons, menu items, Enter (the default button) and Escape (2).
    // The default handling posts a close request for 2 and ignores the rest.
    virtual void befehl(int id);
    // The pupil chose another item of a drop-down list.
    virtual void auswahlGeaendert(int id);
    // The text of an edit field or the day of a date field changed, by the pupil or the code.
    virtual void eingabeGeaendert(int) {}
    // A close request arrived (close box, Alt+F4, a posted request). true lets the run
    // end with abbrechenId; false keeps the window open.
    virtual bool schliessenAngefragt() { return true; }
    virtual void datenAustauschen(Datenaustausch& austausch);
    virtual Beschriftungsfarben beschriftungsfarben(int id);
    // Paints the client area's background before the controls draw.
    virtual void zeichnen(QPainter& maler);

    bool event(QEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;
    void done(int ergebnis) override;

private:
    // The window from its template, one function per control kind.
    void bauen();
    void fensterBauen();
    QWidget* steuerelementBauen(const Steuerelementvorlage& e, const QRect& ort);
    QWidget* knopfBauen(const Steuerelementvorlage& e);
    QWidget* radioBauen(const Steuerelementvorlage& e);
    QWidget* kreuzBauen(const Steuerelementvorlage& e);
    QWidget* feldBauen(const Steuerelementvorlage& e);
    QWidget* auswahlBauen(const Steuerelementvorlage& e, const QRect& ort);
    QWidget* drehfeldBauen(const Steuerelementvorlage& e, const QRect& ort);
    QWidget* symbolBauen(const QRect& ort);
    QWidget* datumBauen(const Steuerelementvorlage& e);
    void menueBauen(const Menuevorlage& menue);
    void punkteBauen(QMenu& popup, const std::vector<Menuepunktvorlage>& punkte);
    void befehlSenden(int id);
    template <class Aufruf> void sicher(Aufruf&& aufruf);
    QWidget* pruefen(int id) const;

    Dialogvorlage vorlage_;
    Dialogeinheiten einheiten_;
    QWidget* flaeche_ = nullptr;
    QMenuBar* menueleiste_ = nullptr;
    std::map<int, QWidget*> elemente_;
    std::map<int, QAction*> menuepunkte_;
    std::map<int, std::vector<int>> radiogruppen_; // first id -> ids of the group
    QButtonGroup* radiogruppe_ = nullptr;          // the group being built
    int radioErstes_ = keineId;
    int standardId_ = okId;
    bool geoeffnet_ = false;
    bool beendet_ = false;
    bool zentrieren_ = false;
    int ergebnis_ = 0;
    QEventLoop* schleife_ = nullptr;
};

} // namespace quorvia
