#pragma once

// The six query windows: one behaviour over the description table of the query kinds.
//
// The main menu opens one like this (a lesson-range window):
//
//   Option211 fenster;
//   fenster.bereichSetzen(erste, letzte, "03", "05");
//   fenster.menuefensterSetzen(this);
//   Anwendung::instanz()->setzeHauptfenster(&fenster);
//   fenster.ausfuehren();
//   if (fenster.zurueckZumMenue()) { show(); }
//
// and a not-known window only when its list holds something:
//
//   Option212 fenster;
//   if (!fenster.ladenUndPruefen()) { meldungZeigen(...); return; }
//   ...as above, without bereichSetzen.
//
// The not-known list is written back when the window is destroyed, however it closed.

#include "data/nichtgewusstliste.h"
#include "query/abfrageablauf.h"
#include "query/abfragearten.h"
#include "settings/einstellungsspeicher.h"
#include "ui/gemeinsam.h"
#include "ui/optionen.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

class QEventLoop;

namespace quorvia {

// Control ids of the query windows.
namespace abfrageIds {
inline constexpr int ueberschrift = 1017;
inline constexpr int anzahl = 1018;
inline constexpr int richtig = 1019;
inline constexpr int falsch = 1020;
inline constexpr int ausdruck = 1021;
inline constexpr int meldungsfeld = 1022;
inline constexpr int loesung = 1023;
inline constexpr int eingabe = 1024;
inline constexpr int ok = 1000;
inline constexpr int hauptmenue = 1001;
inline constexpr int beenden = 1002;
} // namespace abfrageIds

// The caption of button 1000 and the text of the first menu item, asking and waiting.
inline constexpr std::string_view okText = "&OK";
inline constexpr std::string_view weiterKnopfText = ">";
inline constexpr std::string_view weiterMenueText = "&Weiter >";

class Abfragefenster : public Bildfenster, public AbfrageFenster {
    Q_OBJECT
public:
    // zufall: the generator the query draws with; empty takes one seeded from the clock.
    Abfragefenster(const Abfrageart& art, QWidget* eltern = nullptr,
                   EinstellungsSpeicher speicher = EinstellungsSpeicher(),
                   Zufallsquelle zufall = {});
    ~Abfragefenster() override;

    const Abfrageart& art() const { return art_; }

    // The window the menu lives in: hidden when this window has opened, the main window
    // again when it closes, and asked to close unless zurueckZumMenue() is set.
    void menuefensterSetzen(Dialog* menue) { menue_.setzen(menue); }
    // Read after the modal run: true when the pupil chose "Hauptmenü" or the query ended.
    bool zurueckZumMenue() const { return zurueck_; }

    // The running query once the window has opened (nullptr before).
    const Abfrageablauf* ablauf() const { return ablauf_ ? &*ablauf_ : nullptr; }
    // True while the automatic mode waits after a verdict.
    bool pausiert() const { return pauseSchleife_ != nullptr; }

protected:
    // Lesson-range windows: the item numbers and the lesson texts from the main menu.
    void bereichSetzen(int erste, int letzte, std::string von, std::string bis);
    // Not-known windows: loads the list; false when it is missing or holds no record.
    bool ladenUndPruefen();

    void oeffnen() override;
    void befehl(int id) override;
    bool schliessenAngefragt() override;
    void datenAustauschen(Datenaustausch& austausch) override;
    Beschriftungsfarben beschriftungsfarben(int id) override;

    // What the query loop asks of its window.
    void anzeigen(const Abfrageanzeige& werte) override;
    std::string eingabeHolen() override;
    void warteAufWeiterAnzeigen(bool an) override;
    void eingabeFokussieren() override;
    void pause(std::chrono::milliseconds dauer) override;
    void zusammenfassungZeigen(std::string_view art, int gesamt, int richtig, int falsch) override;
    void zurueckZumHauptmenue() override;
    void schliessenAnfordern() override;

    // The wait of the automatic mode: the window keeps painting, user input waits in the
    // queue until the end, and a close request ends the wait early.
    void warten(std::chrono::milliseconds dauer);

private:
    const Abfrageart& art_;
    EinstellungsSpeicher speicher_;
    Zufallsquelle zufall_;
    NichtGewusstListe nichtGewusst_;
    bool listeGeladen_ = false;

    int erste_ = 0;
    int letzte_ = 0;
    std::string von_;
    std::string bis_;

    AbfrageEinstellungen einstellungen_;
    GespeicherteFarben gespeichert_;
    Abfrageanzeige anzeige_;
    std::optional<Abfrageablauf> ablauf_;

    Menueverbindung menue_;
    bool zurueck_ = false;
    bool geschlossen_ = false;
    QEventLoop* pauseSchleife_ = nullptr;
};

// The six windows. Each is its row of the table of query kinds.

class Option211 : public Abfragefenster {
    Q_OBJECT
public:
    explicit Option211(QWidget* eltern = nullptr,
                       EinstellungsSpeicher speicher = EinstellungsSpeicher(),
                       Zufallsquelle zufall = {});
    using Abfragefenster::bereichSetzen;
};

class Option212 : public Abfragefenster {
    Q_OBJECT
public:
    explicit Option212(QWidget* eltern = nullptr,
                       EinstellungsSpeicher speicher = EinstellungsSpeicher(),
                       Zufallsquelle zufall = {});
    using Abfragefenster::ladenUndPruefen;
};

class Option221 : public Abfragefenster {
    Q_OBJECT
public:
    explicit Option221(QWidget* eltern = nullptr,
                       EinstellungsSpeicher speicher = EinstellungsSpeicher(),
                       Zufallsquelle zufall = {});
    using Abfragefenster::bereichSetzen;
};

class Option222 : public Abfragefenster {
    Q_OBJECT
public:
    explicit Option222(QWidget* eltern = nullptr,
                       EinstellungsSpeicher speicher = EinstellungsSpeicher(),
                       Zufallsquelle zufall = {});
    using Abfragefenster::ladenUndPruefen;
};

class Option41 : public Abfragefenster {
    Q_OBJECT
public:
    explicit Option41(QWidget* eltern = nullptr,
                      EinstellungsSpeicher speicher = EinstellungsSpeicher(),
                      Zufallsquelle zufall = {});
    using Abfragefenster::bereichSetzen;
};

class Option42 : public Abfragefenster {
    Q_OBJECT
public:
    explicit Option42(QWidget* eltern = nullptr,
                      EinstellungsSpeicher speicher = EinstellungsSpeicher(),
                      Zufallsquelle zufall = {});
    using Abfragefenster::ladenUndPruefen;
};

// The row of the table for a window class name ("Option211"); throws for any other name.
const Abfrageart& abfrageartVon(std::string_view klasse);

} // namespace quorvia
