// SPDX-License-Identifier: GPL-3.0-or-later
// The figures the statistics window draws, read from the record.
#include "lernstand/lernstand.h"
#include "lernstand/schema.h"

#include <algorithm>

namespace quorvia {

using datenbank::Anweisung;
namespace schema = lernstand_schema;

Ergebnis<std::map<Schluessel, Lernzustand>> Lernstand::lernzustaende(Richtung r, int heute) {
    return geschuetzt([&] {
        std::map<Schluessel, Lernzustand> zustaende;
        Anweisung a(db_, "SELECT lateinisch, deutsch, " + std::string(schema::postenSpalten) +
                             " FROM posten WHERE richtung = ?");
        a.mit(static_cast<int>(r));
        while (a.zeile()) {
            const auto g = schema::postenAus(a, 2).gedaechtnis;
            zustaende.emplace(Schluessel{r, a.text(0), a.text(1)},
                              fsrs::abrufwahrscheinlichkeit(g, heute) >= sicherAb
                                  ? Lernzustand::Sicher
                                  : Lernzustand::Lernend);
        }
        return zustaende;
    });
}

Ergebnis<std::array<int, 8>> Lernstand::faelligkeiten(Richtung r, int heute) {
    return geschuetzt([&] {
        std::array<int, 8> tage{};
        Anweisung a(db_, "SELECT faellig, count(*) FROM posten WHERE richtung = ? AND "
                         "faellig < ? GROUP BY faellig");
        a.mit(static_cast<int>(r), std::int64_t{heute} + std::int64_t{tage.size()});
        while (a.zeile()) {
            const auto abstand = std::max<std::int64_t>(0, a.ganz(0) - heute);
            tage[static_cast<std::size_t>(abstand)] += a.klein(1);
        }
        return tage;
    });
}

Ergebnis<std::vector<Tageswert>> Lernstand::tagesverlauf(Richtung r) {
    return geschuetzt([&] {
        std::vector<Tageswert> verlauf;
        Anweisung a(db_, "SELECT tag, count(*), sum(richtig <> 0) FROM antwort "
                         "WHERE richtung = ? GROUP BY tag ORDER BY tag");
        a.mit(static_cast<int>(r));
        while (a.zeile()) {
            verlauf.push_back({schema::tagAus(a, 0), a.klein(1), a.klein(2)});
        }
        return verlauf;
    });
}

Ergebnis<std::vector<Fehlerposten>> Lernstand::haeufigFalsch(Richtung r, std::size_t anzahl) {
    return geschuetzt([&] {
        struct Zaehlung {
            Fehlerposten posten;
            std::int64_t eingabeMal = 0;
            std::int64_t eingabeZuletzt = 0;
        };
        std::map<std::pair<std::string, std::string>, Zaehlung> zaehlungen;
        Anweisung a(db_, "SELECT lateinisch, deutsch, eingabe, count(*), max(id) FROM antwort "
                         "WHERE richtung = ? AND richtig = 0 "
                         "GROUP BY lateinisch, deutsch, eingabe");
        a.mit(static_cast<int>(r));
        while (a.zeile()) {
            auto& z = zaehlungen[{a.text(0), a.text(1)}];
            const int mal = a.klein(3);
            const auto zuletzt = a.ganz(4);
            z.posten.falsch += mal;
            if (mal > z.eingabeMal || (mal == z.eingabeMal && zuletzt > z.eingabeZuletzt)) {
                z.posten.haeufigsteEingabe = a.text(2);
                z.eingabeMal = mal;
                z.eingabeZuletzt = zuletzt;
            }
        }
        std::vector<Fehlerposten> liste;
        liste.reserve(zaehlungen.size());
        for (auto& [zeilen, z] : zaehlungen) {
            z.posten.schluessel = {r, zeilen.first, zeilen.second};
            liste.push_back(std::move(z.posten));
        }
        const auto n = std::min(anzahl, liste.size());
        std::partial_sort(liste.begin(), liste.begin() + static_cast<std::ptrdiff_t>(n),
                          liste.end(), [](const Fehlerposten& x, const Fehlerposten& y) {
                              return x.falsch > y.falsch ||
                                     (x.falsch == y.falsch && x.schluessel < y.schluessel);
                          });
        liste.resize(n);
        return liste;
    });
}

} // namespace quorvia
