// SPDX-License-Identifier: GPL-3.0-or-later
// The three checkers on arbitrary solution lines and answers: the solution before the first
// NUL, the answer after it. Each line is copied into a buffer of exactly its size, so a read
// past either end is caught.
#include "pruefen.h"

#include "query/antwortzerlegung.h"
#include "query/pruefung.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

namespace {

using namespace quorvia;
using fuzz::verlangen;

class GenauerPuffer {
public:
    explicit GenauerPuffer(std::string_view s) : daten_(new char[s.size()]), groesse_(s.size()) {
        if (!s.empty()) {
            std::memcpy(daten_.get(), s.data(), s.size());
        }
    }
    std::string_view sicht() const { return {daten_.get(), groesse_}; }

private:
    std::unique_ptr<char[]> daten_;
    std::size_t groesse_;
};

struct Pruefer {
    Pruefung pruefen;
    antwortzerlegung::Zusatzschritt schritt;
};

const std::array<Pruefer, 3> pruefer{{
    {DeutschLateinPruefung::pruefen, antwortzerlegung::notizEntfernen},
    {LateinDeutschPruefung::pruefen, antwortzerlegung::praefixEntfernen},
    {StammformenPruefung::pruefen, nullptr},
}};

// The parts in reverse order, joined by commas.
std::string umgedreht(std::string_view zeile) {
    auto teile = antwortzerlegung::zerlegen(zeile);
    std::reverse(teile.begin(), teile.end());
    std::string aus;
    for (const auto t : teile) {
        if (!aus.empty()) {
            aus += ',';
        }
        aus += t;
    }
    return aus;
}

void einPruefer(const Pruefer& p, std::string_view loesung, std::string_view antwort) {
    const bool mild = p.pruefen(loesung, antwort, false);
    p.pruefen(loesung, antwort, true);

    // Lenient: any part against any part, so the verdict is symmetric and ignores order.
    verlangen(mild == p.pruefen(antwort, loesung, false), "lenient is symmetric");
    const std::string andersrum = umgedreht(antwort);
    verlangen(mild == p.pruefen(loesung, GenauerPuffer(andersrum).sicht(), false),
              "lenient ignores the order of the parts");

    // Blanks around an answer do not count, unless they would make a part of their own.
    if (!antwort.empty() && antwort.front() != ',' && antwort.back() != ',') {
        const std::string umrahmt = " \t" + std::string(antwort) + "  ";
        const auto u = GenauerPuffer(umrahmt);
        verlangen(mild == p.pruefen(loesung, u.sicht(), false), "lenient ignores outer blanks");
        verlangen(p.pruefen(loesung, antwort, true) == p.pruefen(loesung, u.sicht(), true),
                  "strict ignores outer blanks");
    }

    // A line typed back exactly: lenient takes it whenever it has a part; strict whenever
    // it has 1 to 15 parts and at most one note or prefix in all of them.
    const auto teile = antwortzerlegung::zerlegen(loesung);
    verlangen(p.pruefen(loesung, loesung, false) == !teile.empty(), "lenient takes the line");
    int zusaetze = 0;
    for (std::size_t i = 0; i < teile.size() && i < antwortzerlegung::slotAnzahl; ++i) {
        zusaetze += antwortzerlegung::normalisieren(teile[i], p.schritt).zusaetze;
    }
    const bool streng =
        !teile.empty() && teile.size() <= antwortzerlegung::slotAnzahl && zusaetze <= 1;
    verlangen(p.pruefen(loesung, loesung, true) == streng, "strict takes the line");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const auto [l, a] = fuzz::teilen(daten, groesse);
    const GenauerPuffer loesung(l);
    const GenauerPuffer antwort(a);
    for (const auto& p : pruefer) {
        einPruefer(p, loesung.sicht(), antwort.sicht());
    }
    return 0;
}
