#pragma once

#include "gemeinsam/ordner.h"
#include "lernstand/lernstand.h"

#include <sqlite3.h>

#include <string>

namespace quorvia::test {

inline Antwort antwort(Richtung r, std::string lateinisch, int tag, bool richtig,
                       std::string eingabe = {}) {
    return {
        1'700'000'000 + tag * 86'400LL,
        tag,
        Schluessel{r, std::move(lateinisch), "dt. " + std::to_string(r == Richtung::Stammformen)},
        richtig,
        std::move(eingabe),
        Quelle::Bereich};
}

// The record file of a test, in a folder of its own.
struct Lernordner {
    TempOrdner ordner;
    std::filesystem::path datei = ordner / lernstandDatei;
};

// One number from the file through SQLite directly, past the record's own API.
inline std::int64_t sqlZahl(const std::filesystem::path& datei, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(datei.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* s = nullptr;
    std::int64_t wert = -1;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) == SQLITE_OK &&
        sqlite3_step(s) == SQLITE_ROW) {
        wert = sqlite3_column_int64(s, 0);
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
    return wert;
}

// Runs SQL on a file through SQLite directly, to make files the record did not write.
inline void sqlAusfuehren(const std::filesystem::path& datei, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(datei.c_str(), &db);
    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

} // namespace quorvia::test
