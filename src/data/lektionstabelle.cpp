#include "data/lektionstabelle.h"

#include <array>

namespace quorvia::Lektionstabelle {

namespace {

using Tabelle = std::array<int, anzahlLektionen>;

// The last item of each lesson "01" to "50"; a lesson starts right after the one before.
constexpr Tabelle letzteWoerter = {
    30,   64,   96,   127,  159,  192,  224,  258,  288,  322,  354,  389,  422,
    454,  488,  521,  552,  595,  631,  662,  694,  728,  761,  794,  826,  860,
    893,  924,  955,  987,  1019, 1048, 1083, 1113, 1143, 1178, 1210, 1244, 1274,
    1309, 1342, 1384, 1415, 1448, 1474, 1502, 1521, 1544, 1559, 1583,
};

constexpr Tabelle letzteStammformen = {
    11,  19,  27,  37,  45,  55,  69,  75,  85,  100, 108, 117, 128, 134, 152, 158, 174,
    178, 184, 192, 203, 208, 219, 228, 238, 250, 260, 267, 273, 290, 298, 308, 319, 330,
    342, 354, 366, 383, 392, 399, 414, 431, 444, 454, 466, 476, 479, 488, 489, 498,
};

const Tabelle& tabelle(Kursart art) {
    return art == Kursart::Woerter ? letzteWoerter : letzteStammformen;
}

// 1 to 50 for the texts "01" to "50", else 0.
int lektionsnummer(std::string_view lektion) {
    if (lektion.size() != 2 || lektion[0] < '0' || lektion[0] > '9' || lektion[1] < '0' ||
        lektion[1] > '9') {
        return 0;
    }
    const int n = (lektion[0] - '0') * 10 + (lektion[1] - '0');
    return n >= 1 && n <= anzahlLektionen ? n : 0;
}

int letzter(Kursart art, int lektion) {
    return tabelle(art)[static_cast<std::size_t>(lektion - 1)];
}

} // namespace

int ersterEintrag(Kursart art, std::string_view lektion) {
    const int n = lektionsnummer(lektion);
    if (n == 0) {
        return 0;
    }
    return n == 1 ? 1 : letzter(art, n - 1) + 1;
}

int letzterEintrag(Kursart art, std::string_view lektion) {
    const int n = lektionsnummer(lektion);
    return n == 0 ? 0 : letzter(art, n);
}

std::optional<std::string> lektionVon(Kursart art, int n) {
    // Item numbers start at 1; 0 is what a failed lookup hands on.
    if (n < 1) {
        return std::nullopt;
    }
    for (int lektion = 1; lektion <= anzahlLektionen; ++lektion) {
        if (letzter(art, lektion) >= n) {
            return lektionstext(lektion);
        }
    }
    return std::nullopt;
}

std::string lektionstext(int lektion) {
    if (lektion < 1 || lektion > anzahlLektionen) {
        return {};
    }
    return {static_cast<char>('0' + lektion / 10), static_cast<char>('0' + lektion % 10)};
}

int anzahlEintraege(Kursart art, int lektion) {
    if (lektion < 1 || lektion > anzahlLektionen) {
        return 0;
    }
    return letzter(art, lektion) - (lektion == 1 ? 0 : letzter(art, lektion - 1));
}

int anzahlGesamt(Kursart art) {
    return tabelle(art).back();
}

} // namespace quorvia::Lektionstabelle
