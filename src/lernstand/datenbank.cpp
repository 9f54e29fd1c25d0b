#include "lernstand/datenbank.h"

#include <sqlite3.h>

#include <limits>

namespace quorvia::datenbank {
namespace {

[[noreturn]] void werfen(sqlite3* db, int code) {
    throw Fehler(code, db ? sqlite3_errmsg(db) : sqlite3_errstr(code));
}

void pruefen(sqlite3* db, int code) {
    if (code != SQLITE_OK) {
        werfen(db, code);
    }
}

} // namespace

Fehler::Fehler(int code, const std::string& was) : std::runtime_error(was), code_(code) {}

bool Fehler::beschaedigt() const noexcept {
    const int grund = code_ & 0xff;
    return grund == SQLITE_CORRUPT || grund == SQLITE_NOTADB || grund == SQLITE_FORMAT ||
           grund == SQLITE_SCHEMA || grund == SQLITE_MISMATCH;
}

Anweisung::Anweisung(sqlite3* db, std::string_view sql) : db_(db) {
    pruefen(db_,
            sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr));
}

Anweisung::~Anweisung() {
    sqlite3_finalize(stmt_);
}

bool Anweisung::zeile() {
    const int code = sqlite3_step(stmt_);
    if (code == SQLITE_ROW) {
        return true;
    }
    if (code == SQLITE_DONE) {
        return false;
    }
    werfen(db_, code);
}

void Anweisung::ausfuehren() {
    while (zeile()) {
    }
}

void Anweisung::zuruecksetzen() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

std::int64_t Anweisung::ganz(int spalte) const {
    return sqlite3_column_int64(stmt_, spalte);
}

int Anweisung::klein(int spalte) const {
    const std::int64_t wert = ganz(spalte);
    if (wert < std::numeric_limits<int>::min() || wert > std::numeric_limits<int>::max()) {
        throw Fehler(SQLITE_MISMATCH, "integer out of range");
    }
    return static_cast<int>(wert);
}

double Anweisung::zahl(int spalte) const {
    return sqlite3_column_double(stmt_, spalte);
}

std::string Anweisung::text(int spalte) const {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt_, spalte));
    const int laenge = sqlite3_column_bytes(stmt_, spalte);
    return bytes ? std::string(bytes, static_cast<std::size_t>(laenge)) : std::string();
}

bool Anweisung::leer(int spalte) const {
    return sqlite3_column_type(stmt_, spalte) == SQLITE_NULL;
}

void Anweisung::binden(int i, std::int64_t wert) {
    pruefen(db_, sqlite3_bind_int64(stmt_, i, wert));
}

void Anweisung::binden(int i, double wert) {
    pruefen(db_, sqlite3_bind_double(stmt_, i, wert));
}

void Anweisung::binden(int i, std::string_view wert) {
    // A null pointer would bind NULL; an empty text is an empty blob.
    const char* bytes = wert.empty() ? "" : wert.data();
    pruefen(db_, sqlite3_bind_blob64(stmt_, i, bytes, wert.size(), SQLITE_TRANSIENT));
}

void ausfuehren(sqlite3* db, const char* sql) {
    pruefen(db, sqlite3_exec(db, sql, nullptr, nullptr, nullptr));
}

Transaktion::Transaktion(sqlite3* db) : db_(db) {
    ausfuehren(db_, "BEGIN IMMEDIATE");
}

Transaktion::~Transaktion() {
    if (offen_) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Transaktion::festschreiben() {
    ausfuehren(db_, "COMMIT");
    offen_ = false;
}

} // namespace quorvia::datenbank
