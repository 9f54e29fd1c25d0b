#include "lernstand/lernstand.h"

#include "lernstand/schema.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <set>
#include <utility>
#include <vector>

namespace quorvia {

using datenbank::Anweisung;
using datenbank::Fehler;
using datenbank::Transaktion;
namespace schema = lernstand_schema;

namespace {

int artNummer(Richtung r) {
    return kursartVon(r) == Kursart::Woerter ? 1 : 2;
}

std::filesystem::path mitEndung(const std::filesystem::path& p, std::string_view endung) {
    auto neu = p;
    neu += endung;
    return neu;
}

// "X.defekt", or "X.defekt.1", "X.defekt.2", … when taken, with the journal files beside.
std::filesystem::path freierPlatz(const std::filesystem::path& datei) {
    const auto frei = [](const std::filesystem::path& p) {
        std::error_code f;
        return !std::filesystem::exists(p, f) && !std::filesystem::exists(mitEndung(p, "-wal"), f);
    };
    auto ziel = mitEndung(datei, ".defekt");
    for (int n = 1; !frei(ziel); ++n) {
        ziel = mitEndung(datei, ".defekt." + std::to_string(n));
    }
    return ziel;
}

std::optional<Lernposten> postenLesen(Anweisung& abfrage, const Schluessel& s) {
    abfrage.zuruecksetzen();
    abfrage.mit(static_cast<int>(s.richtung), s.lateinisch, s.deutsch);
    if (!abfrage.zeile()) {
        return std::nullopt;
    }
    return schema::postenAus(abfrage, 0);
}

Anweisung postenAbfrage(sqlite3* db) {
    return Anweisung(db, "SELECT " + std::string(schema::postenSpalten) +
                             " FROM posten WHERE richtung = ? AND lateinisch = ? AND deutsch = ?");
}

// Whether the file is empty, a record still to be made; throws unless it is one of ours.
// Only reads, so a file that is not ours stays as it was.
bool leerOderEigen(sqlite3* db) {
    Anweisung v(db, "PRAGMA user_version");
    const auto version = v.zeile() ? v.ganz(0) : -1;
    std::set<std::string> vorhanden;
    Anweisung inhalt(db, "SELECT sql FROM sqlite_schema WHERE name NOT LIKE 'sqlite\\_%' "
                         "ESCAPE '\\'");
    while (inhalt.zeile()) {
        vorhanden.insert(inhalt.leer(0) ? std::string("?") : inhalt.text(0));
    }
    if (version == 0 && vorhanden.empty()) {
        return true;
    }
    if (version != schema::version ||
        vorhanden != std::set<std::string>(schema::objekte.begin(), schema::objekte.end())) {
        throw Fehler(SQLITE_NOTADB, "not a record of this version");
    }
    // The tables the schedule stands on are small enough to check at every start; damage
    // in the answer log shows as a failed read instead.
    for (const auto* tabelle : {"posten", "testplan"}) {
        Anweisung pruefung(db, "PRAGMA quick_check(" + std::string(tabelle) + ")");
        if (!pruefung.zeile() || pruefung.text(0) != "ok") {
            throw Fehler(SQLITE_CORRUPT, "damaged table");
        }
    }
    return false;
}

} // namespace

Kursart kursartVon(Richtung r) {
    return r == Richtung::Stammformen ? Kursart::Stammformen : Kursart::Woerter;
}

Lernposten fortschreiben(const std::optional<Lernposten>& vorher, int tag, bool richtig) {
    std::optional<fsrs::Gedaechtnis> gedaechtnis;
    Lernposten p;
    p.ersterTag = tag;
    if (vorher) {
        gedaechtnis = vorher->gedaechtnis;
        p = *vorher;
    }
    if (fsrs::zaehlt(gedaechtnis, tag)) {
        p.gedaechtnis = fsrs::bewerten(gedaechtnis, tag, richtig);
    }
    if (richtig && (p.richtigeTage == 0 || tag > p.letzterRichtigerTag)) {
        ++p.richtigeTage;
        p.letzterRichtigerTag = tag;
    }
    return p;
}

int tagnummer(std::int64_t zeit) {
    const auto t = static_cast<std::time_t>(zeit);
    std::tm ortszeit{};
    ::localtime_r(&t, &ortszeit);
    const std::chrono::year_month_day datum{
        std::chrono::year(ortszeit.tm_year + 1900),
        std::chrono::month(static_cast<unsigned>(ortszeit.tm_mon + 1)),
        std::chrono::day(static_cast<unsigned>(ortszeit.tm_mday))};
    return std::chrono::sys_days(datum).time_since_epoch().count();
}

std::int64_t jetzt() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

Lernstand::Lernstand(const std::filesystem::path& datei) {
    try {
        verbinden(datei);
        oeffnung_ = Oeffnung::Bereit;
        return;
    } catch (const Fehler& f) {
        schliessen();
        if (!f.beschaedigt()) {
            return;
        }
    } catch (const std::exception&) {
        schliessen();
        return;
    }
    // Not ours, broken or newer: keep it for whoever can read it, start afresh.
    // The file and its journals move together or not at all: a journal left beside would
    // be replayed into the fresh file, a file moved without it would lose what it holds.
    const auto ziel = freierPlatz(datei);
    std::vector<std::pair<std::filesystem::path, std::filesystem::path>> bewegt;
    for (const auto* endung : {"", "-wal", "-shm"}) {
        const auto von = mitEndung(datei, endung);
        std::error_code f;
        if (*endung != '\0' && !std::filesystem::exists(von, f)) {
            continue;
        }
        std::filesystem::rename(von, mitEndung(ziel, endung), f);
        if (f) {
            for (auto it = bewegt.rbegin(); it != bewegt.rend(); ++it) {
                std::filesystem::rename(it->second, it->first, f);
            }
            return;
        }
        bewegt.emplace_back(von, mitEndung(ziel, endung));
    }
    beiseite_ = ziel;
    try {
        verbinden(datei);
        oeffnung_ = Oeffnung::Erneuert;
    } catch (const std::exception&) {
        schliessen();
    }
}

Lernstand::~Lernstand() {
    schliessen();
}

void Lernstand::schliessen() {
    sicherung_.reset();
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

void Lernstand::verbinden(const std::filesystem::path& datei) {
    const int code =
        sqlite3_open_v2(datei.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (code != SQLITE_OK) {
        throw Fehler(code, "cannot open");
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, 2000);
    // A file from elsewhere may try to make reads write or run code.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);

    const bool neu = leerOderEigen(db_);
    {
        Anweisung modus(db_, "PRAGMA journal_mode = WAL");
        if (!modus.zeile() || modus.text(0) != "wal") {
            throw Fehler(SQLITE_CANTOPEN, "no write-ahead log");
        }
    }
    // A commit is safe from a crash of the program once written; `Nachsicherung` takes
    // it to the disk right after, so a power loss takes at most the answer in flight.
    datenbank::ausfuehren(db_, "PRAGMA synchronous = NORMAL");
    if (neu) {
        Transaktion t(db_);
        for (const auto objekt : schema::objekte) {
            datenbank::ausfuehren(db_, std::string(objekt).c_str());
        }
        datenbank::ausfuehren(db_,
                              ("PRAGMA user_version = " + std::to_string(schema::version)).c_str());
        t.festschreiben();
    }
    sicherung_ = std::make_unique<Nachsicherung>(mitEndung(datei, "-wal"));
}

bool Lernstand::antwortEintragen(const Antwort& a) {
    if (!fsrs::tagGueltig(a.tag)) {
        return false;
    }
    const auto& s = a.schluessel;
    return schreiben([&] {
        Transaktion t(db_);
        Anweisung(db_, "INSERT INTO antwort(zeit, tag, art, richtung, lateinisch, "
                       "deutsch, richtig, eingabe, quelle) VALUES(?,?,?,?,?,?,?,?,?)")
            .mit(a.zeit, a.tag, artNummer(s.richtung), static_cast<int>(s.richtung), s.lateinisch,
                 s.deutsch, static_cast<int>(a.richtig), a.eingabe, static_cast<int>(a.quelle))
            .ausfuehren();
        auto lesen = postenAbfrage(db_);
        const Lernposten p = fortschreiben(postenLesen(lesen, s), a.tag, a.richtig);
        Anweisung(db_, "INSERT OR REPLACE INTO posten(richtung, lateinisch, deutsch, "
                       "faellig, " +
                           std::string(schema::postenSpalten) + ") VALUES(?,?,?,?,?,?,?,?,?,?)")
            .mit(static_cast<int>(s.richtung), s.lateinisch, s.deutsch, p.gedaechtnis.faelligAm(),
                 p.gedaechtnis.stabilitaet, p.gedaechtnis.schwierigkeit, p.gedaechtnis.letzterTag,
                 p.ersterTag, p.richtigeTage, p.letzterRichtigerTag)
            .ausfuehren();
        t.festschreiben();
    });
}

bool Lernstand::abfrageEintragen(const Abfrage& a) {
    return schreiben([&] {
        Anweisung(db_, "INSERT INTO abfrage(beginn, ende, art, richtung, quelle, von, "
                       "bis, gesamt, richtig, falsch) VALUES(?,?,?,?,?,?,?,?,?,?)")
            .mit(a.beginn, a.ende, artNummer(a.richtung), static_cast<int>(a.richtung),
                 static_cast<int>(a.quelle), a.von, a.bis, a.gesamt, a.richtig, a.falsch)
            .ausfuehren();
    });
}

Ergebnis<std::vector<std::optional<Lernposten>>>
Lernstand::lernposten(std::span<const Schluessel> schluessel) {
    return geschuetzt([&] {
        // One pass over each direction asked for beats a lookup per item for a whole range.
        std::map<Schluessel, Lernposten> gelesen;
        std::set<Richtung> richtungen;
        for (const auto& s : schluessel) {
            richtungen.insert(s.richtung);
        }
        Anweisung a(db_, "SELECT lateinisch, deutsch, " + std::string(schema::postenSpalten) +
                             " FROM posten WHERE richtung = ?");
        for (const auto r : richtungen) {
            a.zuruecksetzen();
            a.mit(static_cast<int>(r));
            while (a.zeile()) {
                gelesen.emplace(Schluessel{r, a.text(0), a.text(1)}, schema::postenAus(a, 2));
            }
        }
        std::vector<std::optional<Lernposten>> ergebnis;
        ergebnis.reserve(schluessel.size());
        for (const auto& s : schluessel) {
            const auto p = gelesen.find(s);
            ergebnis.push_back(p == gelesen.end() ? std::nullopt : std::optional(p->second));
        }
        return ergebnis;
    });
}

Ergebnis<Zustandstabelle> Lernstand::zustaende() {
    return geschuetzt([&] {
        Zustandstabelle tabelle;
        Anweisung a(db_, "SELECT richtung, lateinisch, deutsch, " +
                             std::string(schema::postenSpalten) + " FROM posten");
        while (a.zeile()) {
            tabelle.emplace(Schluessel{schema::richtungAus(a, 0), a.text(1), a.text(2)},
                            schema::postenAus(a, 3));
        }
        return tabelle;
    });
}

Ergebnis<Zustandstabelle> Lernstand::nachspielen() {
    return geschuetzt([&] {
        Zustandstabelle tabelle;
        Anweisung a(db_, "SELECT richtung, lateinisch, deutsch, tag, richtig FROM antwort "
                         "ORDER BY id");
        while (a.zeile()) {
            Schluessel s{schema::richtungAus(a, 0), a.text(1), a.text(2)};
            const int tag = schema::tagAus(a, 3);
            const bool richtig = a.ganz(4) != 0;
            const auto alt = tabelle.find(s);
            auto neu = fortschreiben(
                alt == tabelle.end() ? std::nullopt : std::optional(alt->second), tag, richtig);
            tabelle.insert_or_assign(std::move(s), neu);
        }
        return tabelle;
    });
}

Ergebnis<std::vector<Schluessel>> Lernstand::faellige(Richtung r, int heute,
                                                      std::span<const Schluessel> nichtGewusst,
                                                      std::size_t hoechstens) {
    if (!fsrs::tagGueltig(heute)) {
        return std::nullopt;
    }
    return geschuetzt([&] {
        std::map<Schluessel, double> kandidaten;
        Anweisung a(db_, "SELECT lateinisch, deutsch, " + std::string(schema::postenSpalten) +
                             " FROM posten WHERE richtung = ? AND faellig <= ?");
        a.mit(static_cast<int>(r), heute);
        while (a.zeile()) {
            kandidaten.emplace(
                Schluessel{r, a.text(0), a.text(1)},
                fsrs::abrufwahrscheinlichkeit(schema::postenAus(a, 2).gedaechtnis, heute));
        }
        auto lesen = postenAbfrage(db_);
        for (const auto& s : nichtGewusst) {
            if (s.richtung != r || kandidaten.contains(s)) {
                continue;
            }
            const auto p = postenLesen(lesen, s);
            kandidaten.emplace(s, p ? fsrs::abrufwahrscheinlichkeit(p->gedaechtnis, heute) : 0.0);
        }
        std::vector<std::pair<double, const Schluessel*>> reihe;
        reihe.reserve(kandidaten.size());
        for (const auto& [s, abruf] : kandidaten) {
            reihe.emplace_back(abruf, &s);
        }
        const auto n = std::min(hoechstens, reihe.size());
        // Stable over the key order, so equal retrievabilities come out the same each time.
        std::partial_sort(reihe.begin(), reihe.begin() + static_cast<std::ptrdiff_t>(n),
                          reihe.end(), [](const auto& x, const auto& y) {
                              return x.first < y.first ||
                                     (x.first == y.first && *x.second < *y.second);
                          });
        std::vector<Schluessel> ergebnis;
        ergebnis.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            ergebnis.push_back(*reihe[i].second);
        }
        return ergebnis;
    });
}

} // namespace quorvia
