#include "query/bewertung.h"

#include <cmath>

namespace quorvia {

Bewertung bewerten(int gesamt, int richtig) {
    // An empty query has no rate; 0 keeps the division away from zero.
    int prozent = 0;
    if (gesamt > 0) {
        const double r = static_cast<double>(richtig) * 100.0 / static_cast<double>(gesamt);
        prozent = static_cast<int>(std::floor(r + 0.5));
    }
    // Each later threshold replaces the earlier verdict.
    std::string_view beurteilung = "Pauperrime!";
    if (prozent >= 25) {
        beurteilung = "Male!";
    }
    if (prozent >= 60) {
        beurteilung = "Rite!";
    }
    if (prozent >= 90) {
        beurteilung = "Perfecte!";
    }
    return {prozent, beurteilung};
}

} // namespace quorvia
