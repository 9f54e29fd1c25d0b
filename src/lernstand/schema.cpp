#include "lernstand/schema.h"

#include <sqlite3.h>

namespace quorvia::lernstand_schema {

using datenbank::Anweisung;
using datenbank::Fehler;

namespace {
[[noreturn]] void beschaedigt(const char* was) {
    throw Fehler(SQLITE_CORRUPT, was);
}
} // namespace

Richtung richtungAus(const Anweisung& a, int spalte) {
    const auto r = a.ganz(spalte);
    if (r < 1 || r > 3) {
        beschaedigt("unknown direction");
    }
    return static_cast<Richtung>(r);
}

int tagAus(const Anweisung& a, int spalte) {
    const auto tag = a.ganz(spalte);
    if (tag <= -fsrs::tagGrenze || tag >= fsrs::tagGrenze) {
        beschaedigt("day out of range");
    }
    return static_cast<int>(tag);
}

int anzahlAus(const Anweisung& a, int spalte) {
    const int n = a.klein(spalte);
    if (n < 0) {
        beschaedigt("negative count");
    }
    return n;
}

Lernposten postenAus(const Anweisung& a, int spalte) {
    Lernposten p;
    p.gedaechtnis = {a.zahl(spalte), a.zahl(spalte + 1), tagAus(a, spalte + 2)};
    p.ersterTag = tagAus(a, spalte + 3);
    p.richtigeTage = anzahlAus(a, spalte + 4);
    p.letzterRichtigerTag = tagAus(a, spalte + 5);
    if (!fsrs::plausibel(p.gedaechtnis)) {
        beschaedigt("implausible memory state");
    }
    return p;
}

} // namespace quorvia::lernstand_schema
