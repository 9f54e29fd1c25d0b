// SPDX-License-Identifier: GPL-3.0-or-later
// List operations on arbitrary decrypted texts (input before the first NUL), driven by the
// bytes after it. A second run applies the same operations to a list the program could have
// written and checks it against a model of its pairs.
#include "pruefen.h"

#include "data/eintragsliste.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace quorvia;
using fuzz::verlangen;

struct Schritt {
    enum Art : std::uint8_t { Eintrag, NummerVon, Anzahl, Anhaengen, Entfernen, Ende };
    Art art;
    int n;
    std::string lateinisch, deutsch;
};

std::vector<Schritt> schritte(std::string_view steuerung) {
    FuzzedDataProvider fdp(reinterpret_cast<const std::uint8_t*>(steuerung.data()),
                           steuerung.size());
    std::vector<Schritt> s;
    while (fdp.remaining_bytes() > 0 && s.size() < 64) {
        Schritt x;
        x.art = static_cast<Schritt::Art>(fdp.ConsumeIntegralInRange<int>(0, Schritt::Ende - 1));
        x.n = fdp.ConsumeIntegralInRange<int>(-2, 40);
        x.lateinisch = fdp.ConsumeRandomLengthString(40);
        x.deutsch = fdp.ConsumeRandomLengthString(40);
        s.push_back(std::move(x));
    }
    return s;
}

bool ohneUmbruch(std::string_view s) {
    return s.find_first_of("\r\n") == std::string_view::npos;
}

// Markers 1..anzahl are all found, and marker anzahl + 1 is not.
void zaehlungStimmt(const Eintragsliste& l) {
    const int n = l.anzahl();
    verlangen(n >= 0, "count not negative");
    for (int i = 1; i <= std::min(n, 50); ++i) {
        verlangen(l.eintrag(i).nummer == i, "every counted item is found");
    }
    verlangen(l.eintrag(n + 1).nummer == 0, "the item after the count is missing");
}

void beliebigerText(std::string_view text, const std::vector<Schritt>& ablauf) {
    Eintragsliste l{std::string(text)};
    zaehlungStimmt(l);
    for (const auto& s : ablauf) {
        switch (s.art) {
        case Schritt::Eintrag: {
            const Eintrag e = l.eintrag(s.n);
            verlangen(e.nummer == 0 || e.nummer == s.n, "item carries its number");
            verlangen(e.nummer != 0 || (e.lateinisch.empty() && e.deutsch.empty()),
                      "a missing item is empty");
            verlangen(ohneUmbruch(e.lateinisch) && ohneUmbruch(e.deutsch), "lines are lines");
            break;
        }
        case Schritt::NummerVon:
            if (const auto n = l.nummerVon(s.lateinisch, s.deutsch)) {
                verlangen(*n >= 1, "found numbers are item numbers");
            }
            break;
        case Schritt::Anzahl:
            zaehlungStimmt(l);
            break;
        case Schritt::Anhaengen: {
            const bool vorher = l.nummerVon(s.lateinisch, s.deutsch).has_value();
            const std::string alt = l.text();
            l.anhaengen(s.lateinisch, s.deutsch);
            verlangen(!vorher || l.text() == alt, "a present pair is not added again");
            if (ohneUmbruch(s.lateinisch) && ohneUmbruch(s.deutsch)) {
                verlangen(l.nummerVon(s.lateinisch, s.deutsch).has_value(),
                          "an appended pair is found");
            }
            break;
        }
        case Schritt::Entfernen: {
            const bool vorher = l.nummerVon(s.lateinisch, s.deutsch).has_value();
            const std::string alt = l.text();
            l.entfernen(s.lateinisch, s.deutsch);
            verlangen(vorher ? l.text().size() < alt.size() : l.text() == alt,
                      "removal takes the record or nothing");
            break;
        }
        case Schritt::Ende:
            break;
        }
    }
    zaehlungStimmt(l);
}

// What the program itself stores: one-line texts, no '#' at either end (the reader strips
// those), and never a bare number, whose line would read as a marker.
std::string alsZeile(std::string s) {
    for (char& c : s) {
        if (c == '\r' || c == '\n' || c == '\0') {
            c = ' ';
        }
    }
    if (!s.empty() && s.front() == '#') {
        s.front() = 'x';
    }
    if (!s.empty() && s.back() == '#') {
        s.back() = 'x';
    }
    if (!s.empty() &&
        std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        s.insert(s.begin(), 'v');
    }
    return s;
}

void modellListe(bool leererAnfang, const std::vector<Schritt>& ablauf) {
    using Paar = std::pair<std::string, std::string>;
    Eintragsliste l(leererAnfang ? std::string() : std::string("\r\n\r\n"));
    std::vector<Paar> modell;
    for (const auto& s : ablauf) {
        Paar p{alsZeile(s.lateinisch), alsZeile(s.deutsch)};
        // Pick a present pair now and then, so removals hit.
        if (!modell.empty() && s.n >= 0 && s.n % 3 == 0) {
            p = modell[static_cast<std::size_t>(s.n) % modell.size()];
        }
        const auto pos = std::find(modell.begin(), modell.end(), p);
        if (s.art == Schritt::Anhaengen || s.art == Schritt::Eintrag) {
            l.anhaengen(p.first, p.second);
            if (pos == modell.end()) {
                modell.push_back(p);
            }
        } else if (s.art == Schritt::Entfernen || s.art == Schritt::NummerVon) {
            l.entfernen(p.first, p.second);
            if (pos != modell.end()) {
                modell.erase(pos);
            }
        }
        verlangen(l.anzahl() == static_cast<int>(modell.size()), "model: count");
        for (std::size_t i = 0; i < modell.size(); ++i) {
            const int n = static_cast<int>(i) + 1;
            const Eintrag e = l.eintrag(n);
            verlangen(e.nummer == n && e.lateinisch == modell[i].first &&
                          e.deutsch == modell[i].second,
                      "model: item in its place");
            verlangen(l.nummerVon(modell[i].first, modell[i].second) == n, "model: number");
        }
        verlangen(modell.empty() ? (l.text().empty() || l.text() == "\r\n\r\n")
                                 : l.text().ends_with("#\r\n\r\n"),
                  "model: text ends with an empty line");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const auto [text, steuerung] = fuzz::teilen(daten, groesse);
    const auto ablauf = schritte(steuerung);
    beliebigerText(text, ablauf);
    modellListe(text.empty(), ablauf);
    return 0;
}
