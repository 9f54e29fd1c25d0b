#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// A thin layer over SQLite's C API for the record: statements as values, failures as one
// exception type that the record's public calls turn into a failure report.
namespace quorvia::datenbank {

class Fehler : public std::runtime_error {
public:
    Fehler(int code, const std::string& was);
    int code() const noexcept { return code_; }
    // The file is no database of ours, or its pages are broken.
    bool beschaedigt() const noexcept;

private:
    int code_;
};

class Anweisung {
public:
    Anweisung(sqlite3* db, std::string_view sql);
    ~Anweisung();
    Anweisung(const Anweisung&) = delete;
    Anweisung& operator=(const Anweisung&) = delete;

    // Binds the parameters from the first on; texts as blobs, since they hold
    // Windows-1252 bytes, not UTF-8.
    template <class... T> Anweisung& mit(const T&... werte) {
        int i = 0;
        (binden(++i, werte), ...);
        return *this;
    }

    // Moves to the next row; false when there is none.
    bool zeile();
    // Runs a statement that gives no rows.
    void ausfuehren();
    // Makes the statement ready to run again with new parameters.
    void zuruecksetzen();

    std::int64_t ganz(int spalte) const;
    int klein(int spalte) const; // an integer column that must fit an int
    double zahl(int spalte) const;
    std::string text(int spalte) const;
    bool leer(int spalte) const;

private:
    void binden(int i, std::int64_t wert);
    void binden(int i, int wert) { binden(i, std::int64_t{wert}); }
    void binden(int i, double wert);
    void binden(int i, std::string_view wert);
    void binden(int i, const std::string& wert) { binden(i, std::string_view(wert)); }

    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// Runs one or more statements without parameters.
void ausfuehren(sqlite3* db, const char* sql);

// A write transaction, rolled back unless committed.
class Transaktion {
public:
    explicit Transaktion(sqlite3* db);
    ~Transaktion();
    Transaktion(const Transaktion&) = delete;
    Transaktion& operator=(const Transaktion&) = delete;
    void festschreiben();

private:
    sqlite3* db_;
    bool offen_ = true;
};

} // namespace quorvia::datenbank
