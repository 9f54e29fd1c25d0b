#include "kurspruefung.h"

#include "kursquelle.h"

#include "data/zeichensatz.h"

#include <map>

namespace quorvia::kurs {

namespace {

constexpr std::string_view crlf = "\r\n";

// Bytes Windows-1252 leaves unassigned; no course text holds them.
bool unbelegt(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

std::string eintragsText(int n) {
    return "Eintrag " + std::to_string(n) + ": ";
}

void zeilePruefen(std::string_view zeile, std::string_view name, int n,
                  std::vector<std::string>& aus) {
    const std::string vorne = eintragsText(n) + "die Zeile " + std::string(name);
    if (zeile.size() < 3 || zeile.front() != '#' || zeile.back() != '#') {
        aus.push_back(vorne + " ist nicht in „#“ eingeschlossen oder leer: „" +
                      zeichensatz::nachUtf8(zeile) + "“");
        return;
    }
    const std::string_view inhalt = zeile.substr(1, zeile.size() - 2);
    if (inhalt.front() == '#' || inhalt.back() == '#') {
        aus.push_back(vorne + " beginnt oder endet mit mehr als einem „#“");
    }
    if (inhalt.find_first_of("\r\n") != std::string_view::npos) {
        aus.push_back(vorne + " enthält ein einzelnes CR oder LF");
    }
    if (inhalt.find('\t') != std::string_view::npos) {
        aus.push_back(vorne + " enthält einen Tabulator");
    }
    if (const std::string grund = wieNummernzeile(inhalt); !grund.empty()) {
        aus.push_back(vorne + grund);
    }
    for (const char c : inhalt) {
        if (unbelegt(c)) {
            aus.push_back(vorne + " enthält ein in Windows-1252 nicht belegtes Byte");
            break;
        }
    }
}

} // namespace

std::vector<std::string> befunde(std::string_view text, Kursart art) {
    std::vector<std::string> aus;
    std::size_t pos = 0;
    int n = 0;
    // A pair that occurs twice is one record for every lookup and every not-known list.
    std::map<std::pair<std::string_view, std::string_view>, int> gesehen;
    // The next line up to its CR LF; nothing when the text ends without one.
    auto naechsteZeile = [&](std::string_view& zeile) {
        const std::size_t ende = text.find(crlf, pos);
        if (ende == std::string_view::npos) {
            return false;
        }
        zeile = text.substr(pos, ende - pos);
        pos = ende + crlf.size();
        return true;
    };
    while (pos < text.size()) {
        const int erwartet = n + 1;
        std::string_view markierung, lateinisch, deutsch, leer;
        if (!naechsteZeile(markierung) || !naechsteZeile(lateinisch) || !naechsteZeile(deutsch) ||
            !naechsteZeile(leer)) {
            aus.push_back(eintragsText(erwartet) +
                          "der Text endet mitten im Eintrag (vier Zeilen mit CR LF erwartet)");
            break;
        }
        std::string soll = std::to_string(erwartet);
        soll.insert(soll.begin(), '#');
        soll += '#';
        if (markierung != soll) {
            aus.push_back(eintragsText(erwartet) + "Nummernzeile „" +
                          zeichensatz::nachUtf8(markierung) + "“ statt „" + soll + "“");
            break;
        }
        n = erwartet;
        zeilePruefen(lateinisch, art == Kursart::Woerter ? "Latein" : "Stammformen", n, aus);
        zeilePruefen(deutsch, "Deutsch", n, aus);
        if (const auto [stelle, neu] = gesehen.try_emplace({lateinisch, deutsch}, n); !neu) {
            aus.push_back(eintragsText(n) + "gleiches Paar wie Eintrag " +
                          std::to_string(stelle->second));
        }
        if (!leer.empty()) {
            aus.push_back(eintragsText(n) + "auf die deutsche Zeile folgt keine Leerzeile");
            break;
        }
    }
    const int soll = Lektionstabelle::anzahlGesamt(art);
    if (n != soll) {
        std::string befund = "die Datei enthält " + std::to_string(n) +
                             " Einträge, die Lektionstabelle verlangt " + std::to_string(soll);
        if (n < soll) {
            befund += "; es fehlen Einträge ab Lektion " +
                      Lektionstabelle::lektionVon(art, n + 1).value_or("?");
        }
        aus.push_back(befund);
    }
    return aus;
}

} // namespace quorvia::kurs
