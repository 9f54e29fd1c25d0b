#pragma once

#include "data/lektionstabelle.h"
#include "lernstand/fsrs.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct sqlite3;

// The pupil's learning record `Lernstand.sqlite`: every answer and every query, the memory
// state of each item answered so far, and the queries and statistics built on them.
namespace quorvia {

inline constexpr std::string_view lernstandDatei = "Lernstand.sqlite";

enum class Richtung { DeutschLatein = 1, LateinDeutsch = 2, Stammformen = 3 };
Kursart kursartVon(Richtung r);

// Where a query takes its items from.
enum class Quelle { Bereich = 1, NichtGewusst = 2, Faellig = 3, Testplan = 4 };

// An item by content, never by position: its lines as the course stores them (Windows-1252).
struct Schluessel {
    Richtung richtung = Richtung::DeutschLatein;
    std::string lateinisch;
    std::string deutsch;
    auto operator<=>(const Schluessel&) const = default;
};

struct Antwort {
    std::int64_t zeit = 0; // seconds since 1970-01-01 UTC
    int tag = 0;           // the pupil's local date as a day number (see `tagnummer`)
    Schluessel schluessel;
    bool richtig = false;
    std::string eingabe; // as typed, Windows-1252
    Quelle quelle = Quelle::Bereich;
};

struct Abfrage {
    std::int64_t beginn = 0; // seconds since 1970-01-01 UTC
    std::int64_t ende = 0;
    Richtung richtung = Richtung::DeutschLatein;
    Quelle quelle = Quelle::Bereich;
    std::string von; // lesson range "01".."50"; empty where the source is no range
    std::string bis;
    int gesamt = 0;
    int richtig = 0;
    int falsch = 0;
};

// What the record keeps per item and direction: the memory state and the few facts about
// its answers the test plan needs. Each answer moves it; replaying the log rebuilds it.
struct Lernposten {
    fsrs::Gedaechtnis gedaechtnis;
    int ersterTag = 0;            // day of the first answer
    int richtigeTage = 0;         // distinct days with a right answer
    int letzterRichtigerTag = -1; // meaningful only while richtigeTage > 0
    bool operator==(const Lernposten&) const = default;
};

// The item after one more answer; `vorher` empty for its first.
Lernposten fortschreiben(const std::optional<Lernposten>& vorher, int tag, bool richtig);

using Zustandstabelle = std::map<Schluessel, Lernposten>;

enum class Lernzustand { Lernend, Sicher };
inline constexpr double sicherAb = 0.9;

struct Tageswert {
    int tag = 0;
    int antworten = 0;
    int richtig = 0;
    bool operator==(const Tageswert&) const = default;
};

struct Fehlerposten {
    Schluessel schluessel;
    int falsch = 0;
    std::string haeufigsteEingabe; // the wrong answer typed most often, latest on a tie
    bool operator==(const Fehlerposten&) const = default;
};

// One test to learn towards; at most one is stored.
struct Testplan {
    int tag = 0; // the test day
    Richtung richtung = Richtung::DeutschLatein;
    std::string von; // lesson range "01".."50"
    std::string bis;
    int neuProTag = 20;
    bool operator==(const Testplan&) const = default;
};

// Empty: the record could not be read; the caller shows its message and goes on.
template <class T> using Ergebnis = std::optional<T>;

// The local calendar day of a moment, counted from 1970-01-01.
int tagnummer(std::int64_t zeit);
std::int64_t jetzt();

class Nachsicherung;

// One per program run, called from one thread.
class Lernstand {
public:
    enum class Oeffnung {
        Bereit,          // opened or newly made
        Erneuert,        // unreadable or newer file put aside, a fresh one started
        NichtVerfuegbar, // no record this run; every call reports failure
    };

    // Opens or makes the record; never throws for any file content or folder state.
    explicit Lernstand(const std::filesystem::path& datei);
    ~Lernstand();
    Lernstand(const Lernstand&) = delete;
    Lernstand& operator=(const Lernstand&) = delete;

    Oeffnung oeffnung() const noexcept { return oeffnung_; }
    // Where an unreadable file was put ("Lernstand.sqlite.defekt", numbered if taken).
    const std::filesystem::path& beiseitegelegt() const noexcept { return beiseite_; }

    // Appends the answer and moves the item's memory state in one transaction.
    bool antwortEintragen(const Antwort& a);
    bool abfrageEintragen(const Abfrage& a);

    // The items' records in the given order; empty where an item was never answered.
    Ergebnis<std::vector<std::optional<Lernposten>>> lernposten(std::span<const Schluessel> s);
    // The stored states, and the same computed afresh from the answer log.
    Ergebnis<Zustandstabelle> zustaende();
    Ergebnis<Zustandstabelle> nachspielen();

    // Items due on `heute` or earlier, lowest retrievability first, at most `hoechstens`;
    // not-known items count as due (never asked: retrievability 0). The words' list serves
    // both directions: pass its keys with the direction asked; others are left out.
    Ergebnis<std::vector<Schluessel>> faellige(Richtung r, int heute,
                                               std::span<const Schluessel> nichtGewusst,
                                               std::size_t hoechstens = 50);

    // Items answered so far with their state on `heute`; an item missing was never asked.
    Ergebnis<std::map<Schluessel, Lernzustand>> lernzustaende(Richtung r, int heute);
    // Items the schedule makes due on `heute` (overdue included) and on each of the next
    // seven days.
    Ergebnis<std::array<int, 8>> faelligkeiten(Richtung r, int heute);
    Ergebnis<std::vector<Tageswert>> tagesverlauf(Richtung r);
    Ergebnis<std::vector<Fehlerposten>> haeufigFalsch(Richtung r, std::size_t anzahl = 20);

    bool planSetzen(const Testplan& p);
    bool planLoeschen();
    Ergebnis<std::optional<Testplan>> plan();

private:
    template <class F> auto geschuetzt(F&& f) -> Ergebnis<decltype(f())>;
    // A write through `geschuetzt`; once committed, it is brought to the disk.
    template <class F> bool schreiben(F&& f);
    void verbinden(const std::filesystem::path& datei);
    void schliessen();

    sqlite3* db_ = nullptr;
    Oeffnung oeffnung_ = Oeffnung::NichtVerfuegbar;
    std::filesystem::path beiseite_;
    std::unique_ptr<Nachsicherung> sicherung_;
};

// Today's items of a plan, by index into `bereich`, in the order to ask them: every item
// whose retrievability on the test day is below 0.9, lowest first (never asked: 0, at most
// `neuProTag` new ones entering a day), items still short of two right days, none answered
// today; the day before the test (and on it) every item below 0.9 without a cap.
std::vector<std::size_t> planAuswahl(std::span<const std::optional<Lernposten>> bereich, int heute,
                                     const Testplan& p);

// What the plan dialog shows as it changes.
struct Planstand {
    int tageBisTest = 0;
    int imBereich = 0;
    int sicherHeute = 0;
    int sicherAmTest = 0; // predicted, should the pupil answer each day's items right
    int heuteZuUeben = 0;
};

// The plan's figures, the prediction by following the plan rule day by day to the test.
Planstand planstand(std::span<const std::optional<Lernposten>> bereich, int heute,
                    const Testplan& p);

} // namespace quorvia
