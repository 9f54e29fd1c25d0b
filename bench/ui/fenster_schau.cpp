// Opens one option window on a real display for a screenshot: a query window after a
// wrong answer (verdict, solution and the ">" state visible) or a list view of lessons
// 01 to 50. The window closes by itself after the given seconds. With "auto" the query runs
// in automatic mode with a pause of 5 seconds, so the verdict can be seen during the pause.
// Not part of the program.
//
//   fenster_schau Option211|Option221|Option41|Option11|Option31 [sekunden [arbeitsordner [auto]]]

#include "data/lektionstabelle.h"
#include "settings/einstellungsspeicher.h"
#include "ui/abfragefenster.h"
#include "ui/optionstabelle.h"
#include "ui/plattform/anwendung.h"
#include "ui/plattform/text.h"

#include <QLineEdit>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace {

using namespace quorvia;
namespace fs = std::filesystem;

int zeigen(const Optionszeile& zeile, int sekunden) {
    const bool abfrage = zeile.abfrage != nullptr;
    const std::unique_ptr<Optionsfenster> f = optionsfensterBauen(zeile);
    f->bereichSetzen(1, Lektionstabelle::letzterEintrag(zeile.kurs, abfrage ? "01" : "50"), "01",
                     abfrage ? "01" : "50");
    QTimer::singleShot(sekunden * 1000, f.get(), [&f] { f->beenden(0); });
    if (abfrage) {
        QTimer::singleShot(300, f.get(), [&f] {
            f->steuerelement<QLineEdit>(abfrageIds::eingabe)->setText(QStringLiteral("amo, amare"));
            f->befehlAusloesen(abfrageIds::ok);
        });
    }
    f->ausfuehren();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "fenster_schau KLASSE [sekunden [arbeitsordner [auto]]]\n");
        return 2;
    }
    const std::string_view klasse = argv[1];
    const int sekunden = argc > 2 ? std::stoi(argv[2]) : 5;
    // The build's working directory holds the course and the pictures; lists written by
    // the window go to a copy.
    const fs::path kopie = fs::temp_directory_path() / "quorvia-fenster-schau";
    fs::remove_all(kopie);
    fs::copy(argc > 3 ? argv[3] : QUORVIA_ARBEITSORDNER, kopie, fs::copy_options::recursive);
    fs::current_path(kopie);
    if (argc > 4 && std::string_view(argv[4]) == "auto") {
        AbfrageEinstellungen abfrage;
        abfrage.automatisch = true;
        abfrage.pause = 5;
        if (!EinstellungsSpeicher().speichern(BegruessungsStil{}, abfrage)) {
            std::fprintf(stderr, "settings not written\n");
            return 1;
        }
    }

    Anwendung anwendung(argc, argv);
    for (const Optionszeile& zeile : optionsfensterTabelle) {
        if (zeile.klasse == klasse && zeile.quelle == Abfragequelle::Bereich) {
            return zeigen(zeile, sekunden);
        }
    }
    std::fprintf(stderr, "no lesson-range window %s\n", argv[1]);
    return 2;
}
