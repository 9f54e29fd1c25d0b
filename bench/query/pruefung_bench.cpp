#include "query/pruefung.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using quorvia::Pruefung;

struct Paar {
    std::string loesung;
    std::string antwort;
};

// Lines shaped like the course's: a few alternatives, notes, prefixes, umlauts.
const std::vector<Paar> lateinZeilen{
    {"iubere m. Akk., imperare", "imperare, iubere m. Akk."},
    {"parere m. Dat.", "  parere   m. Dat. "},
    {"ire, vadere, proficisci", "vadere, proficisci, ire"},
    {"timere m. Akk., metuere, vereri", "metuere, vereri, timere m. Akk."},
    {"potiri m. Abl. oder Gen.", "potiri m. Abl. oder Gen."},
};
const std::vector<Paar> deutschZeilen{
    {"Weg, Stra\xDF"
     "e, Reise",
     "Reise, Weg, Stra\xDF"
     "e"},
    {"er/sie/es geht, l\xE4uft", "l\xE4uft, er/sie/es geht"},
    {"der/die/das gro\xDF"
     "e, bedeutende, wichtige",
     "wichtige, der/die/das gro\xDF"
     "e, bedeutende"},
    {"befehlen, anordnen, auftragen, gebieten", "gebieten, auftragen, befehlen, anordnen"},
};
const std::vector<Paar> stammformZeilen{
    {"amo, amavi, amatum", "amavi, amatum, amo"},
    {"fero, tuli, latum, ferre", "fero,tuli,latum,ferre"},
    {"proficiscor, profectus sum, proficisci", "proficiscor, profectus sum, proficisci"},
};

void pruefenBench(benchmark::State& state, Pruefung pruefen, const std::vector<Paar>* zeilen,
                  bool streng) {
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& p = (*zeilen)[i++ % zeilen->size()];
        benchmark::DoNotOptimize(pruefen(p.loesung, p.antwort, streng));
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(pruefenBench, DeutschLatein_streng, quorvia::DeutschLateinPruefung::pruefen,
                  &lateinZeilen, true);
BENCHMARK_CAPTURE(pruefenBench, DeutschLatein_mild, quorvia::DeutschLateinPruefung::pruefen,
                  &lateinZeilen, false);
BENCHMARK_CAPTURE(pruefenBench, LateinDeutsch_streng, quorvia::LateinDeutschPruefung::pruefen,
                  &deutschZeilen, true);
BENCHMARK_CAPTURE(pruefenBench, LateinDeutsch_mild, quorvia::LateinDeutschPruefung::pruefen,
                  &deutschZeilen, false);
BENCHMARK_CAPTURE(pruefenBench, Stammformen_streng, quorvia::StammformenPruefung::pruefen,
                  &stammformZeilen, true);

} // namespace
