#pragma once

// What the option-window tests share: a temporary working directory with small course
// files, a picture and a settings file; a seam that records message boxes; and a helper
// that answers the modal summary when it appears.

#include "data/datendatei.h"
#include "data/lektionstabelle.h"
#include "data/pfade.h"
#include "query/fenster/endeabfrage.h"
#include "settings/einstellungsspeicher.h"
#include "ui/optionstabelle.h"
#include "ui/plattform/anwendung.h"
#include "ui/plattform/dienste.h"
#include "ui/plattform/text.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvia::testhilfe {

// The lines of item n in the test courses: easy to tell apart and to answer.
inline std::string lateinVon(Kursart kurs, int n) {
    const std::string z = std::to_string(n);
    return kurs == Kursart::Woerter ? "verbum" + z : "forma" + z + "a, forma" + z + "b";
}
inline std::string deutschVon(Kursart kurs, int n) {
    return (kurs == Kursart::Woerter ? "Wort" : "Bedeutung") + std::to_string(n);
}

// The item number at the end of a line of the test courses ("Wort17" gives 17).
inline int nummerAus(std::string_view zeile) {
    std::size_t anfang = zeile.size();
    while (anfang > 0 && zeile[anfang - 1] >= '0' && zeile[anfang - 1] <= '9') {
        --anfang;
    }
    return anfang < zeile.size() ? std::stoi(std::string(zeile.substr(anfang))) : 0;
}

inline std::string datensatz(int marke, std::string_view lat, std::string_view deu) {
    return "#" + std::to_string(marke) + "#\r\n#" + std::string(lat) + "#\r\n#" + std::string(deu) +
           "#\r\n\r\n";
}

// The whole course of one kind, every item numbered as the lesson table counts.
inline std::string kurstext(Kursart kurs) {
    std::string t;
    for (int n = 1; n <= Lektionstabelle::anzahlGesamt(kurs); ++n) {
        t += datensatz(n, lateinVon(kurs, n), deutschVon(kurs, n));
    }
    return t;
}

// A not-known list text holding the given course items, in this order.
inline std::string nichtGewusstText(Kursart kurs, const std::vector<int>& nummern) {
    std::string t = "\r\n\r\n";
    int marke = 0;
    for (const int n : nummern) {
        t += datensatz(++marke, lateinVon(kurs, n), deutschVon(kurs, n));
    }
    return t;
}

// The table row of the window the tests name by its class ("Option211").
inline const Optionszeile& zeileVon(std::string_view klasse) {
    for (const Optionszeile& zeile : optionsfensterTabelle) {
        if (zeile.klasse == klasse) {
            return zeile;
        }
    }
    ADD_FAILURE() << "no option window " << klasse;
    return optionsfensterTabelle.front();
}

inline std::string ngPfad(Kursart kurs) {
    return std::string(kurs == Kursart::Woerter ? pfade::ngWoerter : pfade::ngStammformen);
}

// A working directory of its own for one test; the previous one comes back afterwards.
class Arbeitsordner {
public:
    Arbeitsordner() : vorher_(std::filesystem::current_path()) {
        std::filesystem::current_path(ordner_.path().toStdString());
        std::filesystem::create_directories("Woerter");
        std::filesystem::create_directories("Stammformen");
        std::filesystem::create_directories("Bilder");
        DatenDatei::schreiben(std::string(pfade::woerter), kurstext(Kursart::Woerter));
        DatenDatei::schreiben(std::string(pfade::stammformen), kurstext(Kursart::Stammformen));
        // The decoder reads by content, so a PNG stands in for the GIF.
        QImage bild(60, 80, QImage::Format_RGB32);
        bild.fill(QColor(180, 160, 120));
        bild.save(QString::fromLatin1(pfade::bildKlein.data()), "PNG");
        einstellungen({});
    }
    ~Arbeitsordner() { std::filesystem::current_path(vorher_); }
    Arbeitsordner(const Arbeitsordner&) = delete;
    Arbeitsordner& operator=(const Arbeitsordner&) = delete;

    void einstellungen(const AbfrageEinstellungen& abfrage) const {
        ASSERT_TRUE(EinstellungsSpeicher().speichern(BegruessungsStil{}, abfrage));
    }

private:
    QTemporaryDir ordner_;
    std::filesystem::path vorher_;
};

// Answers every message box and keeps what it said.
class Meldungsfang final : public Dialogdienste {
public:
    struct Meldung {
        std::string text;
        Meldungssymbol symbol;
    };
    explicit Meldungsfang(std::vector<Meldung>& ziel) : ziel_(ziel) {}
    void meldung(QWidget*, const QString& text, Meldungssymbol symbol) override {
        ziel_.push_back({alsKerntext(text), symbol});
    }
    std::optional<Schriftbeschreibung> schriftWaehlen(QWidget*,
                                                      const Schriftbeschreibung&) override {
        return std::nullopt;
    }
    std::optional<Farbe> farbeWaehlen(QWidget*, Farbe) override { return std::nullopt; }

private:
    std::vector<Meldung>& ziel_;
};

// Installs a Meldungsfang for its lifetime.
class Meldungen {
public:
    Meldungen() {
        vorher_ = Anwendung::instanz()->setzeDienste(std::make_unique<Meldungsfang>(liste));
    }
    ~Meldungen() { Anwendung::instanz()->setzeDienste(std::move(vorher_)); }
    std::vector<Meldungsfang::Meldung> liste;

private:
    std::unique_ptr<Dialogdienste> vorher_;
};

// Ends every summary window as soon as it runs and keeps its totals.
class Zusammenfassungen {
public:
    struct Werte {
        std::string art;
        int gesamt, richtig, falsch;
        friend bool operator==(const Werte&, const Werte&) = default;
    };
    Zusammenfassungen() {
        QObject::connect(&uhr_, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* ende = qobject_cast<EndeAbfrage*>(w);
                if (ende != nullptr && ende->laeuft() && !ende->istBeendet()) {
                    liste.push_back({ende->art(), ende->gesamt(), ende->richtig(), ende->falsch()});
                    ende->beenden(1);
                }
            }
        });
        uhr_.start(5);
    }
    std::vector<Werte> liste;

private:
    QTimer uhr_;
};

} // namespace quorvia::testhilfe
