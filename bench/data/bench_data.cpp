#include "data/datendatei.h"
#include "data/eintragsliste.h"
#include "data/kodierung.h"
#include "data/lektionstabelle.h"

#include "gemeinsam/kurspaare.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <random>
#include <vector>

namespace quorvia {
namespace {

using bench::anzahlWoerter;
using bench::Paar;
using bench::paare;

std::string text(const std::vector<Paar>& p, bool alsListe) {
    Eintragsliste l(alsListe ? "\r\n\r\n" : "");
    for (const auto& [lat, de] : p) {
        l.anhaengen(lat, de);
    }
    return l.text();
}

void BM_KursEntschluesseln(benchmark::State& state) {
    const std::string datei = kodierung::verschluesseln(text(paare(anzahlWoerter), false));
    for (auto _ : state) {
        auto klar = kodierung::entschluesseln(datei);
        benchmark::DoNotOptimize(klar);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(datei.size()));
    state.counters["Dateibytes"] = static_cast<double>(datei.size());
}
BENCHMARK(BM_KursEntschluesseln)->Unit(benchmark::kMillisecond);

void BM_KursDateiLesen(benchmark::State& state) {
    const auto pfad = std::filesystem::temp_directory_path() / "quorvia-bench-Woerter.dat";
    DatenDatei::schreiben(pfad, text(paare(anzahlWoerter), false));
    for (auto _ : state) {
        auto klar = DatenDatei::lesen(pfad, Fehlerart::WoerterNichtLadbar);
        benchmark::DoNotOptimize(klar);
    }
    std::filesystem::remove(pfad);
}
BENCHMARK(BM_KursDateiLesen)->Unit(benchmark::kMillisecond);

void BM_Anzahl(benchmark::State& state) {
    const Eintragsliste l(text(paare(anzahlWoerter), true));
    for (auto _ : state) {
        benchmark::DoNotOptimize(l.anzahl());
    }
}
BENCHMARK(BM_Anzahl)->Unit(benchmark::kMicrosecond);

void BM_Eintrag(benchmark::State& state) {
    const Eintragsliste l(text(paare(anzahlWoerter), false));
    int n = 0;
    for (auto _ : state) {
        n = n % anzahlWoerter + 1;
        benchmark::DoNotOptimize(l.eintrag(n));
    }
}
BENCHMARK(BM_Eintrag)->Unit(benchmark::kMicrosecond);

// 100 removals at random positions of a 1583-record not-known list; time per removal.
void BM_Entfernen(benchmark::State& state) {
    const auto p = paare(anzahlWoerter);
    const std::string voll = text(p, true);
    std::vector<int> reihenfolge(p.size());
    std::iota(reihenfolge.begin(), reihenfolge.end(), 0);
    std::mt19937 zufall(100);
    std::shuffle(reihenfolge.begin(), reihenfolge.end(), zufall);
    reihenfolge.resize(100);
    for (auto _ : state) {
        state.PauseTiming();
        Eintragsliste l(voll);
        state.ResumeTiming();
        for (const int i : reihenfolge) {
            l.entfernen(p[static_cast<std::size_t>(i)].lateinisch,
                        p[static_cast<std::size_t>(i)].deutsch);
        }
        benchmark::DoNotOptimize(l.text().data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 100);
}
BENCHMARK(BM_Entfernen)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quorvia

BENCHMARK_MAIN();
