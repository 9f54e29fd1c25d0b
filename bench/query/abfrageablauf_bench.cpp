#include "query/abfrageablauf.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace quorvia;

// Thread CPU time: a single answer timed on the wall clock of a shared machine would also
// count the time the thread was not running at all.
struct Uhr {
    using time_point = std::chrono::nanoseconds;
    static time_point now() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
    }
};

constexpr int anzahl = 1583;

std::string kurstext() {
    std::string t = "\r\n";
    for (int i = 1; i <= anzahl; ++i) {
        const std::string n = std::to_string(i);
        t.append("#").append(n).append("#\r\n#verbum").append(n);
        t.append(" m. Akk., vocabulum#\r\n#Wort").append(n).append(", Ausdruck#\r\n\r\n");
    }
    return t;
}

// The single timings of all iterations: maximum, 99th percentile and median.
struct Zeiten {
    std::vector<double> us;
    void messen(Uhr::time_point a, Uhr::time_point b) {
        us.push_back(std::chrono::duration<double, std::micro>(b - a).count());
    }
    void berichten(benchmark::State& state, const std::string& name) {
        if (us.empty()) {
            return;
        }
        std::sort(us.begin(), us.end());
        state.counters[name + "_max_us"] = us.back();
        state.counters[name + "_p99_us"] = us[us.size() * 99 / 100];
        state.counters[name + "_median_us"] = us[us.size() / 2];
    }
};

class StillesFenster : public Abfrageablauf::Fenster {
public:
    std::string eingabe;
    void anzeigen(const Abfrageanzeige&) override {}
    void warteAufWeiterAnzeigen(bool) override {}
    void eingabeFokussieren() override {}
    void pause(std::chrono::milliseconds) override {}
    void zusammenfassungZeigen(std::string_view, int, int, int) override {}
    void zurueckZumHauptmenue() override {}
    void fensterSchliessen() override {}
};

// A whole lesson-range query over the full course: every other answer wrong, so the
// not-known list grows to about 800 records while the right answers search it.
void ganzeAbfrage(benchmark::State& state) {
    const Eintragsliste quelle(kurstext());
    Zeiten urteil;
    Zeiten weiter;
    for (auto _ : state) {
        Eintragsliste ng("\r\n\r\n");
        StillesFenster f;
        const AbfrageEinstellungen e;
        Abfrageablauf a(abfragearten[0], quelle, ng, 1, anzahl, e, f,
                        [g = std::mt19937(2003)]() mutable { return g(); });
        a.beginnen();
        while (!a.beendet()) {
            const int n = a.aktuelleNummer();
            f.eingabe =
                n % 2 == 0 ? "vocabulum, verbum" + std::to_string(n) + " m. Akk." : "nescio";
            const auto t0 = Uhr::now();
            a.bestaetigen(f.eingabe); // verdict and not-known update
            const auto t1 = Uhr::now();
            a.bestaetigen(f.eingabe); // the next draw
            const auto t2 = Uhr::now();
            urteil.messen(t0, t1);
            weiter.messen(t1, t2);
        }
        benchmark::DoNotOptimize(ng.text().size());
    }
    urteil.berichten(state, "answer");
    weiter.berichten(state, "next");
}
BENCHMARK(ganzeAbfrage)->Unit(benchmark::kMillisecond)->Iterations(5);

// The not-known query over a full list: every answer right, so each verdict
// removes a record and renumbers the ones after it.
void nichtGewusstAlleRichtig(benchmark::State& state) {
    const Eintragsliste liste(kurstext());
    Zeiten urteil;
    for (auto _ : state) {
        Eintragsliste ng = liste;
        StillesFenster f;
        const AbfrageEinstellungen e;
        Abfrageablauf a(abfragearten[1], liste, ng, 1, anzahl, e, f,
                        [g = std::mt19937(7)]() mutable { return g(); });
        a.beginnen();
        while (!a.beendet()) {
            f.eingabe = liste.eintrag(a.aktuelleNummer()).lateinisch;
            const auto t0 = Uhr::now();
            a.bestaetigen(f.eingabe);
            const auto t1 = Uhr::now();
            a.bestaetigen(f.eingabe);
            urteil.messen(t0, t1);
        }
        benchmark::DoNotOptimize(ng.text().size());
    }
    urteil.berichten(state, "answer");
}
BENCHMARK(nichtGewusstAlleRichtig)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
