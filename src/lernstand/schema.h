#pragma once

#include "lernstand/datenbank.h"
#include "lernstand/lernstand.h"
#include "lernstand/nachsicherung.h"

#include <array>

// The record's tables and the conversions every query over them shares.
namespace quorvia::lernstand_schema {

inline constexpr int version = 1;

// Kept verbatim: an opened file must hold exactly these objects, or it is not ours.
inline constexpr std::array<std::string_view, 6> objekte{
    "CREATE TABLE antwort(id INTEGER PRIMARY KEY, zeit INTEGER NOT NULL, tag INTEGER NOT NULL, "
    "art INTEGER NOT NULL, richtung INTEGER NOT NULL, lateinisch BLOB NOT NULL, "
    "deutsch BLOB NOT NULL, richtig INTEGER NOT NULL, eingabe BLOB NOT NULL, "
    "quelle INTEGER NOT NULL)",
    // Both cover their statistics query, so neither reads the answer rows themselves.
    "CREATE INDEX antwort_tag ON antwort(richtung, tag, richtig)",
    "CREATE INDEX antwort_falsch ON antwort(richtung, lateinisch, deutsch, eingabe) "
    "WHERE richtig = 0",
    "CREATE TABLE abfrage(id INTEGER PRIMARY KEY, beginn INTEGER NOT NULL, "
    "ende INTEGER NOT NULL, art INTEGER NOT NULL, richtung INTEGER NOT NULL, "
    "quelle INTEGER NOT NULL, von BLOB NOT NULL, bis BLOB NOT NULL, gesamt INTEGER NOT NULL, "
    "richtig INTEGER NOT NULL, falsch INTEGER NOT NULL)",
    "CREATE TABLE posten(richtung INTEGER NOT NULL, lateinisch BLOB NOT NULL, "
    "deutsch BLOB NOT NULL, stabilitaet REAL NOT NULL, schwierigkeit REAL NOT NULL, "
    "letzter_tag INTEGER NOT NULL, faellig INTEGER NOT NULL, erster_tag INTEGER NOT NULL, "
    "richtige_tage INTEGER NOT NULL, letzter_richtiger_tag INTEGER NOT NULL, "
    "PRIMARY KEY(richtung, lateinisch, deutsch)) WITHOUT ROWID",
    "CREATE TABLE testplan(nr INTEGER PRIMARY KEY CHECK(nr = 1), tag INTEGER NOT NULL, "
    "richtung INTEGER NOT NULL, von BLOB NOT NULL, bis BLOB NOT NULL, "
    "neu_pro_tag INTEGER NOT NULL)",
};

// The columns of `posten` after the key, in this order, for `postenAus`.
inline constexpr std::string_view postenSpalten =
    "stabilitaet, schwierigkeit, letzter_tag, erster_tag, richtige_tage, letzter_richtiger_tag";

// A stored direction; any other number is damage.
Richtung richtungAus(const datenbank::Anweisung& a, int spalte);
// A stored day, within the range the scheduler accepts.
int tagAus(const datenbank::Anweisung& a, int spalte);
// A stored count, never negative.
int anzahlAus(const datenbank::Anweisung& a, int spalte);
// The `postenSpalten` from `spalte` on, checked to be a state the scheduler can reach.
Lernposten postenAus(const datenbank::Anweisung& a, int spalte);

} // namespace quorvia::lernstand_schema

namespace quorvia {

// Runs one call of the record: any failure inside, from SQLite or from damaged content,
// becomes an empty result for the caller instead of an exception.
template <class F> auto Lernstand::geschuetzt(F&& f) -> Ergebnis<decltype(f())> {
    if (!db_) {
        return std::nullopt;
    }
    try {
        return f();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

template <class F> bool Lernstand::schreiben(F&& f) {
    const bool ok = geschuetzt([&] {
                        f();
                        return true;
                    }).has_value();
    if (ok && sicherung_) {
        sicherung_->anstossen();
    }
    return ok;
}

} // namespace quorvia
