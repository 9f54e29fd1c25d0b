#include "settings/schrift.h"

#include <climits>
#include <cstdlib>

namespace quorvia {

namespace {

// A screen that reports no resolution is taken as the common 96 pixels per inch rather
// than producing the error value of mulDiv as a font height.
constexpr int gueltigeAufloesung(int pixelProZoll) {
    return pixelProZoll > 0 ? pixelProZoll : 96;
}

} // namespace

int mulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const long long produkt = static_cast<long long>(a) * b;
    const bool negativ = (produkt < 0) != (c < 0);
    const unsigned long long zaehler = produkt < 0 ? 0ULL - static_cast<unsigned long long>(produkt)
                                                   : static_cast<unsigned long long>(produkt);
    const unsigned long long nenner =
        c < 0 ? 0ULL - static_cast<unsigned long long>(static_cast<long long>(c))
              : static_cast<unsigned long long>(c);
    // Halves away from zero: round the magnitude, then apply the sign.
    const unsigned long long betrag = (zaehler + nenner / 2) / nenner;
    if (negativ) {
        if (betrag > static_cast<unsigned long long>(INT_MAX) + 1) {
            return -1;
        }
        return static_cast<int>(0LL - static_cast<long long>(betrag));
    }
    if (betrag > static_cast<unsigned long long>(INT_MAX)) {
        return -1;
    }
    return static_cast<int>(betrag);
}

int punkteZuHoehe(int punkte, int pixelProZoll) {
    return -mulDiv(punkte, gueltigeAufloesung(pixelProZoll), 72);
}

int hoeheZuPunkte(int hoehe, int pixelProZoll) {
    return -mulDiv(72, hoehe, gueltigeAufloesung(pixelProZoll));
}

} // namespace quorvia
