#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The test courses: every item numbered as the lesson table counts, with lines easy to
// tell apart and to answer, and not-known lists made of their items.

#include "data/lektionstabelle.h"
#include "data/nichtgewusstliste.h"
#include "data/pfade.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvia::test {

inline std::string lateinVon(Kursart kurs, int n) {
    const std::string z = std::to_string(n);
    return kurs == Kursart::Woerter ? "verbum" + z : "forma" + z + "a, forma" + z + "b";
}
inline std::string deutschVon(Kursart kurs, int n) {
    return (kurs == Kursart::Woerter ? "Wort" : "Bedeutung") + std::to_string(n);
}

// The item number at the end of a line of the test courses ("Wort17" gives 17).
inline int nummerAus(std::string_view zeile) {
    std::size_t anfang = zeile.size();
    while (anfang > 0 && zeile[anfang - 1] >= '0' && zeile[anfang - 1] <= '9') {
        --anfang;
    }
    return anfang < zeile.size() ? std::stoi(std::string(zeile.substr(anfang))) : 0;
}

inline std::string datensatz(int marke, std::string_view lat, std::string_view deu) {
    return "#" + std::to_string(marke) + "#\r\n#" + std::string(lat) + "#\r\n#" + std::string(deu) +
           "#\r\n\r\n";
}

// The whole course of one kind.
inline std::string kurstext(Kursart kurs) {
    std::string t;
    for (int n = 1; n <= Lektionstabelle::anzahlGesamt(kurs); ++n) {
        t += datensatz(n, lateinVon(kurs, n), deutschVon(kurs, n));
    }
    return t;
}

// A not-known list text holding the given course items, in this order.
inline std::string nichtGewusstText(Kursart kurs, const std::vector<int>& nummern) {
    std::string t(NichtGewusstListe::leererText);
    int marke = 0;
    for (const int n : nummern) {
        t += datensatz(++marke, lateinVon(kurs, n), deutschVon(kurs, n));
    }
    return t;
}

inline std::string ngPfad(Kursart kurs) {
    return std::string(kurs == Kursart::Woerter ? pfade::ngWoerter : pfade::ngStammformen);
}

} // namespace quorvia::test
