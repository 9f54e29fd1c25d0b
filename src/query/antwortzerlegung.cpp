#include "query/antwortzerlegung.h"

#include <algorithm>
#include <array>
#include <utility>

namespace quorvia::antwortzerlegung {

namespace {

constexpr std::string_view leerraum = " \t\r\n\v\f";

std::string_view beschneiden(std::string_view s) {
    const auto anfang = s.find_first_not_of(leerraum);
    if (anfang == std::string_view::npos) {
        return {};
    }
    const auto ende = s.find_last_not_of(leerraum);
    return s.substr(anfang, ende - anfang + 1);
}

void beschneidenInPlace(std::string& s) {
    const auto rest = beschneiden(s);
    if (rest.size() != s.size()) {
        s = std::string(rest);
    }
}

struct Notiz {
    std::string_view ende; // with its leading blank
    std::string_view wert;
};

// Tested in this order, each row once, on what the rows before it left.
constexpr std::array<Notiz, 15> notizen{{
    {" m. Akk.", "m. Akk."},
    {" m. Abl.", "m. Abl."},
    {" m. Dat.", "m. Dat."},
    {" m. Gen.", "m. Gen."},
    {" m. doppeltem Akk.", "m. doppeltem Akk."},
    {" m. Konj.", "m. Konj."},
    {" m. Inf.", "m. Inf."},
    {" m. Ind. Perf.", "m. Ind. Perf."},
    {" m. ut", "m. ut"},
    {" m. AcI", "m. AcI"},
    {" beim Komp.", "beim Komp."},
    {" beim Superl.", "beim Superl."},
    {" beim Adj.", "beim Adj."},
    {" m. Komp.", "m. Komp."},
    {" m. Abl. oder Gen.", "m. Abl. oder Gen."},
}};

constexpr std::string_view praefixErSieEs = "er/sie/es ";
constexpr std::string_view praefixDerDieDas = "der/die/das ";

// The text of a strict-mode slot side: up to 15 normalised parts plus the tally of what was
// stripped from them.
struct Slots {
    std::array<std::string, slotAnzahl> text;
    std::size_t anzahl = 0; // parts on this side, including those beyond the 15 slots
    int zusaetze = 0;       // notes or prefixes stripped from the first 15
    std::string ersterZusatz;
    std::string letzterZusatz;
};

Slots slotsFuellen(std::string_view zeile, Zusatzschritt schritt) {
    Slots s;
    const auto teile = zerlegen(zeile);
    s.anzahl = teile.size();
    for (std::size_t i = 0; i < teile.size() && i < slotAnzahl; ++i) {
        auto n = normalisieren(teile[i], schritt);
        if (n.zusaetze > 0) {
            if (s.zusaetze == 0) {
                s.ersterZusatz = n.teil.zusatz;
            }
            s.zusaetze += n.zusaetze;
            s.letzterZusatz = std::move(n.teil.zusatz);
        }
        s.text[i] = std::move(n.teil.text);
    }
    return s;
}

int doppelte(const Slots& s) {
    const std::size_t grenze = std::min(s.anzahl, slotAnzahl);
    int n = 0;
    for (std::size_t i = 0; i < grenze; ++i) {
        for (std::size_t j = 0; j < slotAnzahl; ++j) {
            if (j != i && s.text[i] == s.text[j]) {
                ++n;
            }
        }
    }
    return n;
}

} // namespace

std::vector<std::string_view> zerlegen(std::string_view text) {
    std::vector<std::string_view> teile;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        auto komma = text.find(',', pos);
        if (komma == std::string_view::npos) {
            komma = text.size();
        }
        if (komma > pos) {
            teile.push_back(text.substr(pos, komma - pos));
        }
        pos = komma + 1;
    }
    return teile;
}

std::string leerraumBereinigen(std::string_view teil) {
    const auto kern = beschneiden(teil);
    std::string aus;
    aus.reserve(kern.size());
    for (const char c : kern) {
        if (c == ' ' && !aus.empty() && aus.back() == ' ') {
            continue;
        }
        aus.push_back(c);
    }
    return aus;
}

NormalisierterTeil normalisieren(std::string_view roh, Zusatzschritt schritt) {
    NormalisierterTeil n;
    n.teil.text = leerraumBereinigen(roh);
    if (schritt != nullptr) {
        n.zusaetze = schritt(n.teil.text, n.teil.zusatz);
        beschneidenInPlace(n.teil.text);
    }
    return n;
}

bool mildPruefen(std::string_view loesung, std::string_view antwort, Zusatzschritt schritt) {
    std::vector<std::string> antwortTeile;
    for (const auto roh : zerlegen(antwort)) {
        antwortTeile.push_back(normalisieren(roh, schritt).teil.text);
    }
    if (antwortTeile.empty()) {
        return false;
    }
    for (const auto roh : zerlegen(loesung)) {
        const auto s = normalisieren(roh, schritt).teil.text;
        for (const auto& a : antwortTeile) {
            if (s == a) {
                return true;
            }
        }
    }
    return false;
}

bool strengPruefen(std::string_view loesung, std::string_view antwort, Zusatzschritt schritt) {
    const Slots a = slotsFuellen(antwort, schritt);
    if (a.anzahl == 0 || a.zusaetze > 1) {
        return false;
    }
    const Slots s = slotsFuellen(loesung, schritt);
    if (a.anzahl != s.anzahl) {
        return false;
    }
    const std::size_t grenze = std::min(s.anzahl, slotAnzahl);
    int treffer = 0;
    for (std::size_t i = 0; i < grenze; ++i) {
        for (std::size_t j = 0; j < slotAnzahl; ++j) {
            if (s.text[i] == a.text[j]) {
                ++treffer;
            }
        }
    }
    const int dupS = doppelte(s);
    const int dupA = doppelte(a);
    return treffer - dupS == static_cast<int>(s.anzahl) && dupS == dupA &&
           s.letzterZusatz == a.ersterZusatz;
}

int notizEntfernen(std::string& text, std::string& zusatz) {
    int entfernt = 0;
    for (const auto& [ende, wert] : notizen) {
        if (text.ends_with(ende)) {
            text.resize(text.size() - ende.size());
            zusatz = wert;
            ++entfernt;
        }
    }
    return entfernt;
}

int praefixEntfernen(std::string& text, std::string& zusatz) {
    int entfernt = 0;
    if (text.starts_with(praefixErSieEs)) {
        text.erase(0, praefixErSieEs.size());
        zusatz = praefixErSieEs.substr(0, praefixErSieEs.size() - 1);
        ++entfernt;
    }
    if (text.starts_with(praefixDerDieDas)) {
        text.erase(0, praefixDerDieDas.size());
        zusatz = praefixDerDieDas.substr(0, praefixDerDieDas.size() - 1);
        ++entfernt;
    }
    return entfernt;
}

} // namespace quorvia::antwortzerlegung
