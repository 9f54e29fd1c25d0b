#include "kursquelle.h"

#include "abbruch.h"
#include "data/eintragsliste.h"
#include "data/zeichensatz.h"

#include <algorithm>
#include <vector>

namespace quorvia::kurs {

namespace {

std::string zeile(std::size_t nummer) {
    return "Zeile " + std::to_string(nummer) + ": ";
}

std::vector<std::string_view> teilen(std::string_view text, char trenner) {
    std::vector<std::string_view> teile;
    std::size_t start = 0;
    for (;;) {
        const std::size_t ende = text.find(trenner, start);
        if (ende == std::string_view::npos) {
            teile.push_back(text.substr(start));
            return teile;
        }
        teile.push_back(text.substr(start, ende - start));
        start = ende + 1;
    }
}

bool istZiffer(char c) {
    return c >= '0' && c <= '9';
}

// 1 to 50 for "1" to "50" (one or two digits), else 0.
int lektionLesen(std::string_view feld) {
    if (feld.empty() || feld.size() > 2 || !istZiffer(feld[0]) ||
        (feld.size() == 2 && !istZiffer(feld[1]))) {
        return 0;
    }
    int n = 0;
    for (const char c : feld) {
        n = n * 10 + (c - '0');
    }
    return n <= Lektionstabelle::anzahlLektionen ? n : 0;
}

std::string feldPruefen(std::string_view feld, std::string_view name, std::size_t nr) {
    const std::string vorne = zeile(nr) + "das Feld " + std::string(name);
    if (feld.empty()) {
        throw Abbruch(vorne + " ist leer");
    }
    if (feld.find('\r') != std::string_view::npos) {
        throw Abbruch(vorne + " enthält ein Wagenrücklaufzeichen (CR); Zeilenenden bitte als LF");
    }
    if (feld.front() == '#' || feld.back() == '#') {
        throw Abbruch(vorne + " beginnt oder endet mit „#“");
    }
    if (const std::string grund = wieNummernzeile(feld); !grund.empty()) {
        throw Abbruch(vorne + grund);
    }
    auto umgewandelt = zeichensatz::nachWindows1252(feld);
    if (!umgewandelt) {
        throw Abbruch(vorne + " enthält ein Zeichen, das Windows-1252 nicht darstellen kann " +
                      "(oder ist kein gültiges UTF-8): „" + std::string(feld) + "“");
    }
    return std::move(*umgewandelt);
}

// The first piece "#<digits>#" in a field, or an empty view.
std::string_view nummernStueck(std::string_view feld) {
    for (std::size_t pos = feld.find('#'); pos != std::string_view::npos;
         pos = feld.find('#', pos + 1)) {
        std::size_t ende = pos + 1;
        while (ende < feld.size() && istZiffer(feld[ende])) {
            ++ende;
        }
        if (ende > pos + 1 && ende < feld.size() && feld[ende] == '#') {
            return feld.substr(pos, ende + 1 - pos);
        }
    }
    return {};
}

} // namespace

std::string wieNummernzeile(std::string_view feld) {
    if (const auto stueck = nummernStueck(feld); !stueck.empty()) {
        return " enthält „" + std::string(stueck) + "“, das wie eine Nummernzeile aussieht";
    }
    if (!feld.empty() && std::all_of(feld.begin(), feld.end(), istZiffer)) {
        return " „" + std::string(feld) +
               "“ besteht nur aus Ziffern und sähe wie eine Nummernzeile aus";
    }
    return {};
}

std::string kursUebersetzen(std::string_view tsv, Kursart art) {
    if (tsv.starts_with("\xEF\xBB\xBF")) {
        tsv.remove_prefix(3);
    }
    auto zeilen = teilen(tsv, '\n');
    if (!zeilen.empty() && zeilen.back().empty()) {
        zeilen.pop_back();
    }
    if (!zeilen.empty() && zeilen[0].ends_with('\r')) {
        throw Abbruch(zeile(1) + "Zeilenenden bitte als LF, nicht als CR LF");
    }
    if (zeilen.empty() || zeilen[0] != kopfzeile) {
        throw Abbruch(zeile(1) + "erwartet die Kopfzeile „Lektion<TAB>Latein<TAB>Deutsch“");
    }
    std::string text;
    int lektion = 1;   // the lesson being filled
    int imLektion = 0; // its items so far
    int nummer = 0;    // item number
    auto lektionAbschliessen = [&](std::size_t nr) {
        const int soll = Lektionstabelle::anzahlEintraege(art, lektion);
        if (imLektion != soll) {
            throw Abbruch(zeile(nr) + "Lektion " + Lektionstabelle::lektionstext(lektion) +
                          " hat " + std::to_string(imLektion) +
                          " Einträge, die Lektionstabelle verlangt " + std::to_string(soll));
        }
    };
    for (std::size_t i = 1; i < zeilen.size(); ++i) {
        const std::size_t nr = i + 1;
        const auto felder = teilen(zeilen[i], '\t');
        if (felder.size() > 3) {
            throw Abbruch(zeile(nr) + "mehr als drei Spalten: ein Feld enthält einen Tabulator");
        }
        if (felder.size() < 3) {
            throw Abbruch(zeile(nr) + "erwartet drei Spalten (Lektion, Latein, Deutsch)");
        }
        const int l = lektionLesen(felder[0]);
        if (l == 0) {
            throw Abbruch(zeile(nr) + "ungültige Lektion „" + std::string(felder[0]) +
                          "“ (erwartet 01 bis 50)");
        }
        if (l < lektion) {
            throw Abbruch(zeile(nr) + "Lektion " + Lektionstabelle::lektionstext(l) +
                          " steht nach Lektion " + Lektionstabelle::lektionstext(lektion));
        }
        while (l > lektion) {
            lektionAbschliessen(nr);
            ++lektion;
            imLektion = 0;
        }
        const std::string lateinisch = feldPruefen(felder[1], "Latein", nr);
        const std::string deutsch = feldPruefen(felder[2], "Deutsch", nr);
        ++imLektion;
        ++nummer;
        const std::string nummerText = std::to_string(nummer);
        for (const std::string_view stueck :
             {std::string_view("#"), std::string_view(nummerText), std::string_view("#\r\n#"),
              std::string_view(lateinisch), std::string_view("#\r\n#"), std::string_view(deutsch),
              std::string_view("#\r\n\r\n")}) {
            text += stueck;
        }
    }
    const std::size_t ende = zeilen.size() + 1;
    lektionAbschliessen(ende);
    while (lektion < Lektionstabelle::anzahlLektionen) {
        ++lektion;
        imLektion = 0;
        lektionAbschliessen(ende);
    }
    return text;
}

std::string alsTsv(std::string_view text, const Kursart* art) {
    const Eintragsliste liste{std::string(text)};
    std::string tsv(kopfzeile);
    tsv += '\n';
    const int n = liste.anzahl();
    for (int i = 1; i <= n; ++i) {
        const Eintrag e = liste.eintrag(i);
        if (art) {
            tsv += Lektionstabelle::lektionVon(*art, i).value_or("");
        }
        tsv += '\t';
        tsv += zeichensatz::nachUtf8(e.lateinisch);
        tsv += '\t';
        tsv += zeichensatz::nachUtf8(e.deutsch);
        tsv += '\n';
    }
    return tsv;
}

} // namespace quorvia::kurs
