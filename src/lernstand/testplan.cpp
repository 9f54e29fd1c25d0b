// SPDX-License-Identifier: GPL-3.0-or-later
// The one stored test plan and the rule that picks each day's items towards it.
#include "lernstand/lernstand.h"
#include "lernstand/schema.h"

#include <algorithm>

namespace quorvia {

using datenbank::Anweisung;
namespace schema = lernstand_schema;

namespace {

// Right on two different days before the test: once to learn, once to show it held.
constexpr int richtigeTageNeu = 2;

} // namespace

bool Lernstand::planSetzen(const Testplan& p) {
    if (!fsrs::tagGueltig(p.tag) || p.neuProTag < 0) {
        return false;
    }
    return schreiben([&] {
        Anweisung(db_, "INSERT OR REPLACE INTO testplan(nr, tag, richtung, von, bis, "
                       "neu_pro_tag) VALUES(1,?,?,?,?,?)")
            .mit(p.tag, static_cast<int>(p.richtung), p.von, p.bis, p.neuProTag)
            .ausfuehren();
    });
}

bool Lernstand::planLoeschen() {
    return schreiben([&] { Anweisung(db_, "DELETE FROM testplan").ausfuehren(); });
}

Ergebnis<std::optional<Testplan>> Lernstand::plan() {
    return geschuetzt([&]() -> std::optional<Testplan> {
        Anweisung a(db_, "SELECT tag, richtung, von, bis, neu_pro_tag FROM testplan");
        if (!a.zeile()) {
            return std::nullopt;
        }
        return Testplan{schema::tagAus(a, 0), schema::richtungAus(a, 1), a.text(2), a.text(3),
                        schema::anzahlAus(a, 4)};
    });
}

std::vector<std::size_t> planAuswahl(std::span<const std::optional<Lernposten>> bereich, int heute,
                                     const Testplan& p) {
    if (heute > p.tag) {
        return {};
    }
    const bool generalprobe = heute >= p.tag - 1;
    const auto neuHeute = std::count_if(bereich.begin(), bereich.end(), [heute](const auto& x) {
        return x && x->ersterTag == heute;
    });
    auto neuFrei = std::max<std::ptrdiff_t>(0, p.neuProTag - neuHeute);

    std::vector<std::pair<double, std::size_t>> reihe;
    for (std::size_t i = 0; i < bereich.size(); ++i) {
        const auto& x = bereich[i];
        if (!x) {
            if (generalprobe || neuFrei > 0) {
                reihe.emplace_back(0.0, i);
                --neuFrei;
            }
            continue;
        }
        // Today's first answer has moved its state already; later ones would not.
        if (x->gedaechtnis.letzterTag >= heute) {
            continue;
        }
        const double abruf = fsrs::abrufwahrscheinlichkeit(x->gedaechtnis, p.tag);
        if (abruf < sicherAb || (!generalprobe && x->richtigeTage < richtigeTageNeu)) {
            reihe.emplace_back(abruf, i);
        }
    }
    std::stable_sort(reihe.begin(), reihe.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::size_t> auswahl;
    auswahl.reserve(reihe.size());
    for (const auto& [abruf, i] : reihe) {
        auswahl.push_back(i);
    }
    return auswahl;
}

Planstand planstand(std::span<const std::optional<Lernposten>> bereich, int heute,
                    const Testplan& p) {
    const auto sicherAm = [](const std::vector<std::optional<Lernposten>>& posten, int tag) {
        return static_cast<int>(std::count_if(posten.begin(), posten.end(), [tag](const auto& x) {
            return x && fsrs::abrufwahrscheinlichkeit(x->gedaechtnis, tag) >= sicherAb;
        }));
    };
    std::vector<std::optional<Lernposten>> posten(bereich.begin(), bereich.end());
    Planstand stand{p.tag - heute, static_cast<int>(posten.size()), sicherAm(posten, heute), 0,
                    static_cast<int>(planAuswahl(bereich, heute, p).size())};
    for (int tag = heute; tag < p.tag; ++tag) {
        for (const auto i : planAuswahl(posten, tag, p)) {
            posten[i] = fortschreiben(posten[i], tag, true);
        }
    }
    stand.sicherAmTest = sicherAm(posten, p.tag);
    return stand;
}

} // namespace quorvia
