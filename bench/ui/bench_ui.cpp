// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a query window over all 1583 words until the first item is shown, the statistics
// window over a large learning record until its first paint, list views of all 1583 words
// until their rows are filled, and the PDF of all words.

#include "data/datendatei.h"
#include "data/lektionstabelle.h"
#include "data/pfade.h"
#include "gemeinsam/lernbestand.h"
#include "settings/einstellungsspeicher.h"
#include "ui/abfragefenster.h"
#include "ui/druck.h"
#include "ui/listenansicht.h"
#include "ui/optionstabelle.h"
#include "ui/plattform/anwendung.h"
#include "ui/plattform/text.h"
#include "ui/statistikfenster.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

using namespace quorvia;
namespace fs = std::filesystem;

// Line lengths of the shipped course, roughly, for a build that has not compiled it yet.
std::string ersatzkurs(Kursart kurs) {
    std::string t;
    for (int n = 1; n <= Lektionstabelle::anzahlGesamt(kurs); ++n) {
        const std::string z = std::to_string(n);
        t += "#" + z + "#\r\n#verbum" + z + ", verbi n. (m. Gen.)#\r\n#Wort" + z +
             ", Ausdruck, Rede#\r\n\r\n";
    }
    return t;
}

// A working directory of the benchmark's own, so that the lists the windows write do not
// land in the build's.
class Arbeitsordner {
public:
    Arbeitsordner() : vorher_(fs::current_path()) {
        const fs::path ziel = ordner_.path().toStdString();
        fs::create_directories(ziel / "Woerter");
        fs::create_directories(ziel / "Stammformen");
        fs::create_directories(ziel / "Bilder");
        const fs::path quelle = QUORVIA_ARBEITSORDNER;
        for (const std::string_view datei : {pfade::woerter, pfade::stammformen}) {
            if (fs::exists(quelle / datei)) {
                fs::copy_file(quelle / datei, ziel / datei);
            } else {
                DatenDatei::schreiben(
                    ziel / datei,
                    ersatzkurs(datei == pfade::woerter ? Kursart::Woerter : Kursart::Stammformen));
            }
        }
        if (fs::exists(quelle / pfade::bildKlein)) {
            fs::copy_file(quelle / pfade::bildKlein, ziel / pfade::bildKlein);
        } else {
            QImage bild(96, 128, QImage::Format_RGB32);
            bild.fill(Qt::gray);
            bild.save(QString::fromStdString((ziel / pfade::bildKlein).string()), "PNG");
        }
        fs::current_path(ziel);
        wortkurs = DatenDatei::lesen(std::string(pfade::woerter), Fehlerart::WoerterNichtLadbar);
    }
    ~Arbeitsordner() { fs::current_path(vorher_); }

    std::string wortkurs;

private:
    QTemporaryDir ordner_;
    fs::path vorher_;
};

Arbeitsordner& ordner() {
    static Arbeitsordner o;
    return o;
}

void AbfragefensterBisZumErstenEintrag(benchmark::State& state) {
    ordner();
    const int letzte = Lektionstabelle::letzterEintrag(Kursart::Woerter, "50");
    for (auto _ : state) {
        auto f = std::make_unique<Abfragefenster>(optionsfensterTabelle[2]);
        f->bereichSetzen(1, letzte, "01", "50");
        f->vorbereiten();
        f->show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(f->text(abfrageIds::ausdruck));
        state.PauseTiming();
        f.reset(); // writes the not-known list
        state.ResumeTiming();
    }
}
BENCHMARK(AbfragefensterBisZumErstenEintrag)->Unit(benchmark::kMillisecond);

void ListenansichtAllerWoerter(benchmark::State& state) {
    ordner();
    const int letzte = Lektionstabelle::letzterEintrag(Kursart::Woerter, "50");
    for (auto _ : state) {
        auto f = std::make_unique<Listenansicht>(optionsfensterTabelle[0]);
        f->bereichSetzen(1, letzte, "01", "50");
        f->vorbereiten();
        f->show();
        QCoreApplication::processEvents();
        if (f->zeilenAnzahl(ansichtIds::liste) != letzte) {
            state.SkipWithError("rows missing");
        }
        state.PauseTiming();
        f.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(ListenansichtAllerWoerter)->Unit(benchmark::kMillisecond);

// The not-known view holding every word: each record looked up in the course and placed
// by its lesson.
void NichtGewusstAnsichtAllerWoerter(benchmark::State& state) {
    const Arbeitsordner& o = ordner();
    const int letzte = Lektionstabelle::letzterEintrag(Kursart::Woerter, "50");
    // Every word, last lesson first, so that each row is placed before all others.
    Eintragsliste kurs(o.wortkurs);
    Eintragsliste liste{std::string(NichtGewusstListe::leererText)};
    for (int n = letzte; n >= 1; --n) {
        const Eintrag e = kurs.eintrag(n);
        liste.anhaengen(e.lateinisch, e.deutsch);
    }
    DatenDatei::schreiben(std::string(pfade::ngWoerter), liste.text());
    for (auto _ : state) {
        auto f = std::make_unique<Listenansicht>(optionsfensterTabelle[1]);
        f->ladenUndPruefen();
        f->vorbereiten();
        f->show();
        QCoreApplication::processEvents();
        if (f->zeilenAnzahl(ansichtIds::liste) != liste.anzahl()) {
            state.SkipWithError("rows missing");
        }
        state.PauseTiming();
        f.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove(std::string(pfade::ngWoerter));
}
BENCHMARK(NichtGewusstAnsichtAllerWoerter)->Unit(benchmark::kMillisecond);

// A record of 100,000 answers over 3,000 items of the course (every word German to Latin,
// most of them Latin to German too), written in memory-backed storage: the setup is not
// what is measured.
struct Statistikbestand {
    QTemporaryDir speicher{QStringLiteral("/dev/shm/quorvia-bench-XXXXXX")};
    std::optional<Lernstand> lernstand;
    int heute = tagnummer(jetzt());

    Statistikbestand() {
        const Eintragsliste kurs(ordner().wortkurs);
        std::vector<Schluessel> alle;
        for (const Richtung r : {Richtung::DeutschLatein, Richtung::LateinDeutsch}) {
            for (Eintrag& e : kurs.eintraege(1, Lektionstabelle::anzahlGesamt(Kursart::Woerter))) {
                if (alle.size() < 3000) {
                    alle.push_back({r, std::move(e.lateinisch), std::move(e.deutsch)});
                }
            }
        }
        const QString pfad = speicher.isValid()
                                 ? speicher.filePath(QStringLiteral("Lernstand.sqlite"))
                                 : QStringLiteral("Lernstand.sqlite");
        lernstand.emplace(pfad.toStdString());
        if (!bench::lernbestandFuellen(*lernstand, alle, 100'000, heute)) {
            throw std::runtime_error("the record could not be filled");
        }
    }
};

// Sees the first paint of one window.
class Zeichnungsbeobachter : public QObject {
public:
    explicit Zeichnungsbeobachter(const QWidget& fenster) : fenster_(fenster) {
        qApp->installEventFilter(this);
    }
    bool gezeichnet = false;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint && objekt->isWidgetType() &&
            static_cast<QWidget*>(objekt)->window() == &fenster_) {
            gezeichnet = true;
        }
        return false;
    }

private:
    const QWidget& fenster_;
};

// The statistics window from its command to its first paint: the figures read from the
// record and the course, the charts built and drawn.
void StatistikfensterBisZurErstenZeichnung(benchmark::State& state) {
    static Statistikbestand bestand;
    const int heute = bestand.heute;
    for (auto _ : state) {
        Statistikfenster f(Lernzugang{&*bestand.lernstand, [heute] {
                                          return heute * 86'400LL;
                                      }});
        Zeichnungsbeobachter beobachter(f);
        f.vorbereiten();
        f.show();
        while (!beobachter.gezeichnet) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        state.PauseTiming();
        f.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(StatistikfensterBisZurErstenZeichnung)->Unit(benchmark::kMillisecond);

// The printed list of all words, written as a PDF.
void PdfAllerWoerter(benchmark::State& state) {
    const Arbeitsordner& o = ordner();
    const int letzte = Lektionstabelle::letzterEintrag(Kursart::Woerter, "50");
    Druckteil teil{QStringLiteral("Quorvia 2003 - W\u00f6rter ansehen - Lektion 01 bis Lektion 50"),
                   {},
                   {QStringLiteral("Lektion"), QStringLiteral("lateinischer Ausdruck"),
                    QStringLiteral("deutscher Ausdruck")},
                   {}};
    for (const Eintrag& e : Eintragsliste(o.wortkurs).eintraege(1, letzte)) {
        teil.zeilen.push_back(
            {alsQString(Lektionstabelle::lektionVon(Kursart::Woerter, e.nummer).value_or("")),
             alsQString(e.lateinisch), alsQString(e.deutsch)});
    }
    const Druckdokument dokument{{std::move(teil)}, QDate::currentDate()};
    for (auto _ : state) {
        if (!alsPdfSpeichern(QStringLiteral("alle.pdf"), dokument)) {
            state.SkipWithError("PDF not written");
        }
    }
}
BENCHMARK(PdfAllerWoerter)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // The benchmark is no program of its own: without a display it draws offscreen.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    quorvia::Anwendung anwendung(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
