#pragma once

// What the program tests share: a temporary working directory with a numbered course,
// our real pictures and optional not-known lists; a guard against modal runs that never
// end; and a watcher that closes the summary of a finished query.

#include "data/datendatei.h"
#include "data/lektionstabelle.h"
#include "data/nichtgewusstliste.h"
#include "data/pfade.h"
#include "query/fenster/endeabfrage.h"
#include "ui/plattform/dialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace quorvia::apptest {

// The lines of item n in the test courses: easy to tell apart and to answer.
inline std::string lateinVon(Kursart kurs, int n) {
    const std::string z = std::to_string(n);
    return kurs == Kursart::Woerter ? "verbum" + z : "forma" + z + "a, forma" + z + "b";
}
inline std::string deutschVon(Kursart kurs, int n) {
    return (kurs == Kursart::Woerter ? "Wort" : "Bedeutung") + std::to_string(n);
}

inline std::string datensatz(int marke, std::string_view lat, std::string_view deu) {
    return "#" + std::to_string(marke) + "#\r\n#" + std::string(lat) + "#\r\n#" + std::string(deu) +
           "#\r\n\r\n";
}

inline std::string kurstext(Kursart kurs) {
    std::string t;
    for (int n = 1; n <= Lektionstabelle::anzahlGesamt(kurs); ++n) {
        t += datensatz(n, lateinVon(kurs, n), deutschVon(kurs, n));
    }
    return t;
}

inline std::string nichtGewusstText(Kursart kurs, const std::vector<int>& nummern) {
    std::string t(NichtGewusstListe::leererText);
    int marke = 0;
    for (const int n : nummern) {
        t += datensatz(++marke, lateinVon(kurs, n), deutschVon(kurs, n));
    }
    return t;
}

inline std::string ngPfad(Kursart kurs) {
    return std::string(kurs == Kursart::Woerter ? pfade::ngWoerter : pfade::ngStammformen);
}

inline std::string dateiInhalt(const std::filesystem::path& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

// A working directory of its own for one test, as the build prepares it: the encrypted
// course files and our two pictures; the previous directory comes back afterwards.
class Arbeitsordner {
public:
    enum class Bilder { Mit, Ohne };

    explicit Arbeitsordner(Bilder bilder = Bilder::Mit) : vorher_(std::filesystem::current_path()) {
        EXPECT_TRUE(ordner_.isValid());
        std::filesystem::current_path(ordner_.path().toStdString());
        std::filesystem::create_directories("Woerter");
        std::filesystem::create_directories("Stammformen");
        DatenDatei::schreiben(std::string(pfade::woerter), kurstext(Kursart::Woerter));
        DatenDatei::schreiben(std::string(pfade::stammformen), kurstext(Kursart::Stammformen));
        if (bilder == Bilder::Mit) {
            std::filesystem::create_directories("Bilder");
            for (const char* name : {"Bustixgr.gif", "Bustixkl.gif"}) {
                std::filesystem::copy_file(std::filesystem::path(QUORVIA_BILDER) / name,
                                           std::filesystem::path("Bilder") / name);
            }
        }
    }
    ~Arbeitsordner() { std::filesystem::current_path(vorher_); }
    Arbeitsordner(const Arbeitsordner&) = delete;
    Arbeitsordner& operator=(const Arbeitsordner&) = delete;

    std::filesystem::path pfad() const { return ordner_.path().toStdString(); }

    void nichtGewusst(Kursart kurs, const std::vector<int>& nummern) const {
        DatenDatei::schreiben(ngPfad(kurs), nichtGewusstText(kurs, nummern));
    }

private:
    QTemporaryDir ordner_;
    std::filesystem::path vorher_;
};

// Ends every modal run of ours still going after a few seconds, so that a fault shows as
// a failed expectation instead of a hanging test.
class Notaus {
public:
    static constexpr int ergebnis = -4711;
    Notaus() {
        uhr_.setSingleShot(true);
        QObject::connect(&uhr_, &QTimer::timeout, [this] {
            ausgeloest = true;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* d = qobject_cast<Dialog*>(w); d != nullptr && d->laeuft()) {
                    d->beenden(ergebnis);
                }
            }
        });
        uhr_.start(20000);
    }
    bool ausgeloest = false;

private:
    QTimer uhr_;
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

// The top-level windows still shown.
inline int sichtbareFenster() {
    int n = 0;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        n += w->isVisible() ? 1 : 0;
    }
    return n;
}

} // namespace quorvia::apptest
