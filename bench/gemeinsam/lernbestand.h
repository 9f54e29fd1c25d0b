#pragma once

#include "lernstand/lernstand.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

// A learning record as after months of use: `antworten` answers over the given items,
// spread across the 200 days up to `heute`, so items stand at every stage of the schedule.
// The same in every benchmark, so their figures compare.
namespace quorvia::bench {

[[nodiscard]] inline bool lernbestandFuellen(Lernstand& l, const std::vector<Schluessel>& alle,
                                             int antworten, int heute) {
    std::mt19937 zufall(14);
    std::vector<int> tag(alle.size());
    for (auto& t : tag) {
        t = heute - 200 + static_cast<int>(zufall() % 20);
    }
    bool ok = true;
    for (int i = 0; i < antworten; ++i) {
        const auto n = static_cast<std::size_t>(i) % alle.size();
        tag[n] = std::min(heute, tag[n] + static_cast<int>(zufall() % 4));
        const bool richtig = zufall() % 4 != 0;
        ok = l.antwortEintragen({heute * 86'400LL, tag[n], alle[n], richtig,
                                 richtig ? alle[n].lateinisch : "falsch " + std::to_string(i % 3),
                                 Quelle::Bereich}) &&
             ok;
    }
    return ok;
}

} // namespace quorvia::bench
