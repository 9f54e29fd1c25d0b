#pragma once

#include <string_view>

namespace quorvia {

// What the summary window shows for a finished query.
struct Bewertung {
    int prozent = 0;              // right * 100 / total, rounded half up
    std::string_view beurteilung; // "Perfecte!", "Rite!", "Male!", "Pauperrime!"
};

Bewertung bewerten(int gesamt, int richtig);

} // namespace quorvia
