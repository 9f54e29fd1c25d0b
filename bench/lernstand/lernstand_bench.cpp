#include "lernstand/lernstand.h"

#include "gemeinsam/kurspaare.h"
#include "gemeinsam/lernbestand.h"
#include "gemeinsam/ordner.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <stdexcept>
#include <vector>

namespace quorvia {
namespace {

constexpr int anzahlPosten = 3000;
constexpr int anzahlAntworten = 100'000;
constexpr int heute = 20'000;

std::vector<Schluessel> schluessel(int n, Richtung r) {
    std::vector<Schluessel> s;
    for (auto& [lat, de] : bench::paare(n)) {
        s.push_back({r, std::move(lat), std::move(de)});
    }
    return s;
}

// The shared record of `antworten` answers over `posten` items. Written in memory-backed
// storage: the setup is not what is measured.
struct Bestand {
    test::TempOrdner ordner{test::schnellerOrdner()};
    std::filesystem::path datei = ordner / lernstandDatei;
    std::vector<Schluessel> alle;

    Bestand(int posten, int antworten) : alle(schluessel(posten, Richtung::DeutschLatein)) {
        Lernstand l(datei);
        // Timing an empty record would pass for a fast one.
        if (!bench::lernbestandFuellen(l, alle, antworten, heute)) {
            throw std::runtime_error("the record could not be filled");
        }
    }
};

Bestand& grosserBestand() {
    static Bestand b(anzahlPosten, anzahlAntworten);
    return b;
}

// One committed answer on the real disk, with the median beside the mean: a sync now and
// then on a busy machine should not hide the typical time.
void BM_AntwortEintragen(benchmark::State& state) {
    test::TempOrdner ordner;
    Lernstand l(ordner / lernstandDatei);
    const auto s = schluessel(anzahlPosten, Richtung::DeutschLatein);
    std::vector<double> zeiten;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto anfang = std::chrono::steady_clock::now();
        const bool ok =
            l.antwortEintragen({jetzt(), heute + static_cast<int>(i / s.size()), s[i % s.size()],
                                i % 3 != 0, "eingabe", Quelle::Faellig});
        zeiten.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - anfang)
                .count());
        if (!ok) {
            state.SkipWithError("answer not written");
            break;
        }
        ++i;
    }
    std::nth_element(zeiten.begin(), zeiten.begin() + zeiten.size() / 2, zeiten.end());
    state.counters["Median_ms"] = zeiten.empty() ? 0 : zeiten[zeiten.size() / 2];
}
BENCHMARK(BM_AntwortEintragen)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FaelligeAuswaehlen(benchmark::State& state) {
    static Bestand b(anzahlPosten, anzahlPosten * 3);
    Lernstand l(b.datei);
    // A not-known list of 100 items on top, as after a poor test.
    const std::vector<Schluessel> nichtGewusst(b.alle.begin(), b.alle.begin() + 100);
    std::size_t n = 0;
    for (auto _ : state) {
        auto f = l.faellige(Richtung::DeutschLatein, heute, nichtGewusst);
        n = f ? f->size() : 0;
        benchmark::DoNotOptimize(f);
    }
    state.counters["ausgewaehlt"] = static_cast<double>(n);
}
BENCHMARK(BM_FaelligeAuswaehlen)->Unit(benchmark::kMillisecond);

// Opening is on the way to the main menu's first paint.
void BM_Oeffnen(benchmark::State& state) {
    auto& b = grosserBestand();
    for (auto _ : state) {
        Lernstand l(b.datei);
        if (l.oeffnung() != Lernstand::Oeffnung::Bereit) {
            state.SkipWithError("record not opened");
        }
    }
}
BENCHMARK(BM_Oeffnen)->Unit(benchmark::kMillisecond);

// What the statistics window reads for one direction: each query, then all four.
void BM_Statistik(benchmark::State& state) {
    auto& b = grosserBestand();
    Lernstand l(b.datei);
    constexpr auto r = Richtung::DeutschLatein;
    const auto welche = state.range(0);
    for (auto _ : state) {
        bool ok = true;
        if (welche == 0 || welche == 4) {
            ok = ok && l.lernzustaende(r, heute).has_value();
        }
        if (welche == 1 || welche == 4) {
            ok = ok && l.faelligkeiten(r, heute).has_value();
        }
        if (welche == 2 || welche == 4) {
            ok = ok && l.tagesverlauf(r).has_value();
        }
        if (welche == 3 || welche == 4) {
            ok = ok && l.haeufigFalsch(r).has_value();
        }
        if (!ok) {
            state.SkipWithError("statistics not read");
        }
    }
}
BENCHMARK(BM_Statistik)
    ->ArgName("Zustaende_Faelligkeiten_Verlauf_Fehler_alle")
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMillisecond);

// The test plan's items of the day over the whole word course.
void BM_PlanAuswahl(benchmark::State& state) {
    auto& b = grosserBestand();
    Lernstand l(b.datei);
    auto bereich = schluessel(bench::anzahlWoerter, Richtung::DeutschLatein);
    const Testplan plan{heute + 5, Richtung::DeutschLatein, "01", "50", 20};
    for (auto _ : state) {
        const auto posten = l.lernposten(bereich);
        auto auswahl = planAuswahl(*posten, heute, plan);
        benchmark::DoNotOptimize(auswahl);
    }
}
BENCHMARK(BM_PlanAuswahl)->Unit(benchmark::kMillisecond);

// The plan dialog's figures two weeks before the test: the rule run for each day left.
void BM_Planstand(benchmark::State& state) {
    auto& b = grosserBestand();
    Lernstand l(b.datei);
    const auto posten = l.lernposten(schluessel(bench::anzahlWoerter, Richtung::DeutschLatein));
    const Testplan plan{heute + 14, Richtung::DeutschLatein, "01", "50", 20};
    for (auto _ : state) {
        auto stand = planstand(*posten, heute, plan);
        benchmark::DoNotOptimize(stand);
    }
}
BENCHMARK(BM_Planstand)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quorvia

BENCHMARK_MAIN();
