// SPDX-License-Identifier: GPL-3.0-or-later
// From process start to the first paint of the main menu, against a bare Qt dialog
// started the same way in the same run. Each iteration starts both probes once, one after
// the other, so that both see the same machine state; the ratio is the figure to watch
// (target: at most 1.5). A dialog with one label is measured beside it: the bare dialog
// draws no text, so it never loads the font configuration and fonts that any window
// with text needs.
//
// A second figure: the start with a large learning record against the start without one.
//
// The probes run on the platform named by QUORVIA_BENCH_PLATTFORM (default: offscreen,
// so no display is needed) in the build's working folder.

#include "gemeinsam/kurspaare.h"
#include "gemeinsam/lernbestand.h"
#include "lernstand/lernstand.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Uhr = std::chrono::steady_clock;

std::vector<std::string> umgebung() {
    const char* plattform = std::getenv("QUORVIA_BENCH_PLATTFORM");
    std::vector<std::string> werte;
    for (char** e = environ; *e != nullptr; ++e) {
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0) {
            werte.emplace_back(*e);
        }
    }
    werte.push_back(std::string("QT_QPA_PLATFORM=") + (plattform ? plattform : "offscreen"));
    return werte;
}

// Starts the probe and returns the seconds until it reported its first paint.
double startzeit(const char* programm, const char* argument = nullptr) {
    static const std::vector<std::string> werte = umgebung();
    std::vector<char*> envp;
    for (const std::string& w : werte) {
        envp.push_back(const_cast<char*>(w.c_str()));
    }
    envp.push_back(nullptr);

    int rohr[2];
    if (pipe(rohr) != 0) {
        throw std::runtime_error("pipe");
    }
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_adddup2(&aktionen, rohr[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&aktionen, rohr[0]);
    posix_spawn_file_actions_addclose(&aktionen, rohr[1]);
    char* argv[] = {const_cast<char*>(programm), const_cast<char*>(argument), nullptr};

    const auto anfang = Uhr::now();
    pid_t pid = 0;
    const int fehler = posix_spawn(&pid, programm, &aktionen, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&aktionen);
    close(rohr[1]);
    if (fehler != 0) {
        close(rohr[0]);
        throw std::runtime_error(std::string("cannot start ") + programm);
    }
    std::string gelesen;
    char puffer[64];
    while (gelesen.find('\n') == std::string::npos) {
        const ssize_t n = read(rohr[0], puffer, sizeof puffer);
        if (n <= 0) {
            break;
        }
        gelesen.append(puffer, static_cast<std::size_t>(n));
    }
    const auto ende = Uhr::now();
    close(rohr[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (gelesen != "gezeichnet\n") {
        throw std::runtime_error(std::string(programm) + " did not report its first paint");
    }
    return std::chrono::duration<double>(ende - anfang).count();
}

void imArbeitsordner() {
    static const bool gewechselt = chdir(QUORVIA_ARBEITSORDNER) == 0;
    if (!gewechselt) {
        throw std::runtime_error("no working folder " QUORVIA_ARBEITSORDNER);
    }
}

void BM_StartBisHauptmenue(benchmark::State& state) {
    imArbeitsordner();
    double programm = 0;
    double dialog = 0;
    double dialogMitText = 0;
    for (auto _ : state) {
        const double p = startzeit(QUORVIA_PROBE_PROGRAMM);
        dialog += startzeit(QUORVIA_PROBE_DIALOG);
        dialogMitText += startzeit(QUORVIA_PROBE_DIALOG, "text");
        state.SetIterationTime(p);
        programm += p;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["programm_ms"] = 1000 * programm / n;
    state.counters["qdialog_ms"] = 1000 * dialog / n;
    state.counters["qdialog_text_ms"] = 1000 * dialogMitText / n;
    // The figure with the target: against the bare dialog.
    state.counters["verhaeltnis"] = programm / dialog;
    // For the reading of it: against a dialog that shows one text.
    state.counters["verhaeltnis_text"] = programm / dialogMitText;
}
BENCHMARK(BM_StartBisHauptmenue)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// A working folder of the build's pictures in memory-backed storage, removed at the end.
class Startordner {
public:
    Startordner() {
        std::string muster = "/dev/shm/quorvia-start-XXXXXX";
        if (mkdtemp(muster.data()) == nullptr) {
            throw std::runtime_error("mkdtemp");
        }
        pfad_ = muster;
        std::filesystem::copy(std::filesystem::path(QUORVIA_ARBEITSORDNER) / "Bilder",
                              pfad_ / "Bilder", std::filesystem::copy_options::recursive);
    }
    ~Startordner() {
        std::error_code fehler;
        std::filesystem::remove_all(pfad_, fehler);
    }
    Startordner(const Startordner&) = delete;
    Startordner& operator=(const Startordner&) = delete;
    const std::filesystem::path& pfad() const { return pfad_; }

private:
    std::filesystem::path pfad_;
};

// The program's start with a learning record of 100,000 answers on 3,000 items against the
// same start without any record (the start then makes a fresh one, removed after each
// run), one after the other in each iteration (target: at most 1.05).
void BM_StartMitLernstand(benchmark::State& state) {
    const Startordner mit;
    const Startordner ohne;
    {
        quorvia::Lernstand l(mit.pfad() / quorvia::lernstandDatei);
        std::vector<quorvia::Schluessel> alle;
        for (auto& [lat, de] : quorvia::bench::paare(3000)) {
            alle.push_back({quorvia::Richtung::DeutschLatein, std::move(lat), std::move(de)});
        }
        if (!quorvia::bench::lernbestandFuellen(l, alle, 100'000,
                                                quorvia::tagnummer(quorvia::jetzt()))) {
            state.SkipWithError("record not written");
            return;
        }
    }
    double mitZeit = 0;
    double ohneZeit = 0;
    for (auto _ : state) {
        std::filesystem::current_path(mit.pfad());
        const double m = startzeit(QUORVIA_PROBE_PROGRAMM);
        std::filesystem::current_path(ohne.pfad());
        ohneZeit += startzeit(QUORVIA_PROBE_PROGRAMM);
        for (const char* rest : {"", "-wal", "-shm"}) {
            std::filesystem::remove(ohne.pfad() / (std::string(quorvia::lernstandDatei) + rest));
        }
        state.SetIterationTime(m);
        mitZeit += m;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["mit_ms"] = 1000 * mitZeit / n;
    state.counters["ohne_ms"] = 1000 * ohneZeit / n;
    state.counters["verhaeltnis"] = mitZeit / ohneZeit;
}
BENCHMARK(BM_StartMitLernstand)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

BENCHMARK_MAIN();
