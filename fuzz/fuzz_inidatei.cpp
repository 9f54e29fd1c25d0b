// SPDX-License-Identifier: GPL-3.0-or-later
// The INI reader on arbitrary files (input before the first NUL); the bytes after it pick
// names and values for reads and writes.
#include "pruefen.h"

#include "settings/inidatei.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <string>

namespace {

using namespace quorvia;
using fuzz::verlangen;

// The program's own sections and keys, so that seeds reach the real lookups.
constexpr std::array<std::string_view, 2> abschnitte{"Begr\xFCssungstext",
                                                     "W\xF6rter-/Stammformenabfrage"};
constexpr std::array<std::string_view, 8> schluessel{
    "Schriftart",         "Schriftgr\xF6sse", "Schriftstil",  "SchriftfarbeRGB1",
    "L\xF6sungFarbeRGB3", "AutoAbfrage",      "AbfragePause", "StrengeKorrektur"};

bool istLeer(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view gestutzt(std::string_view s) {
    while (!s.empty() && istLeer(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && istLeer(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// A name a line can carry back: what is written as "[name]" or "name=" reads as that name.
bool tragbarerAbschnitt(std::string_view a) {
    return a.find_first_of("]\r\n", 0) == std::string_view::npos &&
           a.find('\0') == std::string_view::npos && gestutzt(a) == a;
}
bool tragbarerSchluessel(std::string_view k) {
    return !k.empty() && k.find_first_of("=\r\n") == std::string_view::npos &&
           k.find('\0') == std::string_view::npos && k.front() != ';' && k.front() != '#' &&
           k.front() != '[' && gestutzt(k) == k;
}

std::string sauber(std::string_view w) {
    std::string s;
    for (char c : w) {
        if (c != '\r' && c != '\n' && c != '\0') {
            s += c;
        }
    }
    return std::string(gestutzt(s));
}

void lesenPruefen(const IniDokument& dok, std::string_view a, std::string_view k) {
    const std::string t = dok.text(a, k, "Vorgabe");
    verlangen(t.size() <= IniDokument::maxWertLaenge, "text fits the buffer");
    verlangen(t.find('\0') == std::string::npos, "text holds no zero byte");
    const auto w = dok.wert(a, k);
    verlangen(w.has_value() || t == "Vorgabe", "a missing key gives the default");
    verlangen(w.has_value() || dok.zahl(a, k, -7) == -7, "a missing number gives the default");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const auto [text, steuerung] = fuzz::teilen(daten, groesse);
    IniDokument dok = IniDokument::zerlegen(text);

    // Written and read again, a document is the same document; a first line that itself
    // begins with a byte-order mark after the one dropped is the one exception.
    const std::string einmal = dok.alsText();
    if (!einmal.starts_with("\xEF\xBB\xBF")) {
        verlangen(IniDokument::zerlegen(einmal).alsText() == einmal, "text round trip");
    }
    for (const auto a : abschnitte) {
        for (const auto k : schluessel) {
            lesenPruefen(dok, a, k);
        }
    }

    FuzzedDataProvider fdp(reinterpret_cast<const std::uint8_t*>(steuerung.data()),
                           steuerung.size());
    // Names are the program's constants; one holding a line feed would split its line.
    bool einzeilig = true;
    for (int runde = 0; runde < 16 && fdp.remaining_bytes() > 0; ++runde) {
        const bool eigene = fdp.ConsumeBool();
        std::string a =
            eigene
                ? std::string(
                      abschnitte[fdp.ConsumeIntegralInRange<std::size_t>(0, abschnitte.size() - 1)])
                : fdp.ConsumeRandomLengthString(24);
        std::string k =
            eigene
                ? std::string(
                      schluessel[fdp.ConsumeIntegralInRange<std::size_t>(0, schluessel.size() - 1)])
                : fdp.ConsumeRandomLengthString(24);
        lesenPruefen(dok, a, k);
        einzeilig = einzeilig && (a + k).find('\n') == std::string::npos;
        if (fdp.ConsumeBool()) {
            const int n = fdp.ConsumeIntegral<int>();
            dok.setzen(a, k, std::to_string(n));
            verlangen(leseGanzzahl(std::to_string(n)) == n, "decimal round trip");
            if (tragbarerAbschnitt(a) && tragbarerSchluessel(k)) {
                verlangen(dok.zahl(a, k, n == 0 ? 1 : 0) == n, "a written number reads back");
            }
        } else {
            const std::string w = fdp.ConsumeRandomLengthString(300);
            dok.setzen(a, k, w);
            if (tragbarerAbschnitt(a) && tragbarerSchluessel(k)) {
                verlangen(dok.wert(a, k) == std::optional<std::string_view>(sauber(w)),
                          "a written value reads back");
            }
        }
    }
    const std::string danach = dok.alsText();
    if (einzeilig && !danach.starts_with("\xEF\xBB\xBF")) {
        verlangen(IniDokument::zerlegen(danach).alsText() == danach, "round trip after writes");
    }
    return 0;
}
