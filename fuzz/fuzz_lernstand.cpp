// SPDX-License-Identifier: GPL-3.0-or-later
// The learning record on arbitrary file bytes: opening, then every read and one write.
// A file that is put aside must keep its bytes; whatever the content, no call may crash
// or break the shape of its result.
#include "pruefen.h"

#include "lernstand/lernstand.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

using namespace quorvia;
using fuzz::verlangen;

constexpr int heute = 20'000;

void wegraeumen() {
    std::error_code fehler;
    for (const auto& eintrag : std::filesystem::directory_iterator(fuzz::ordner(), fehler)) {
        std::filesystem::remove_all(eintrag.path(), fehler);
    }
}

void allesLesen(Lernstand& l, Richtung r, const std::vector<Schluessel>& bekannte) {
    if (const auto f = l.faellige(r, heute, bekannte)) {
        verlangen(f->size() <= 50, "at most 50 due items");
    }
    if (const auto t = l.faelligkeiten(r, heute)) {
        verlangen(std::all_of(t->begin(), t->end(), [](int n) { return n >= 0; }),
                  "due counts are not negative");
    }
    if (const auto v = l.tagesverlauf(r)) {
        for (const auto& tag : *v) {
            verlangen(tag.richtig >= 0 && tag.richtig <= tag.antworten, "right within answers");
        }
    }
    if (const auto h = l.haeufigFalsch(r)) {
        verlangen(h->size() <= 20, "at most 20 items answered wrong");
        verlangen(std::is_sorted(h->begin(), h->end(),
                                 [](const auto& a, const auto& b) { return a.falsch > b.falsch; }),
                  "most often wrong first");
    }
    l.lernzustaende(r, heute);
    if (const auto p = l.plan(); p && *p) {
        if (const auto posten = l.lernposten(bekannte)) {
            const auto auswahl = planAuswahl(*posten, heute, **p);
            verlangen(auswahl.size() <= posten->size(), "a plan picks from its range");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    wegraeumen();
    const auto datei = fuzz::ordner() / lernstandDatei;
    test::dateiSchreiben(datei, bytes);
    {
        Lernstand l(datei);
        if (l.oeffnung() == Lernstand::Oeffnung::Erneuert) {
            verlangen(test::dateiLesen(l.beiseitegelegt()) == bytes,
                      "a file put aside keeps its bytes");
        }
        // The keys the file itself holds, so that lookups reach its rows.
        std::vector<Schluessel> bekannte;
        if (const auto z = l.zustaende()) {
            for (const auto& [s, p] : *z) {
                bekannte.push_back(s);
            }
        }
        l.nachspielen();
        for (const auto r :
             {Richtung::DeutschLatein, Richtung::LateinDeutsch, Richtung::Stammformen}) {
            allesLesen(l, r, bekannte);
        }
        const bool geschrieben = l.antwortEintragen(
            {0, heute, {Richtung::DeutschLatein, "via, viae f.", "Weg"}, true, "via", {}});
        verlangen(!geschrieben || l.oeffnung() != Lernstand::Oeffnung::NichtVerfuegbar,
                  "no record, no write");
    }
    wegraeumen();
    return 0;
}
