#include "data/eintragsliste.h"

#include "data/zeilenleser.h"

#include <charconv>
#include <vector>

namespace quorvia {

namespace {

constexpr std::string_view zeilenende = "\r\n";

bool istUmbruch(char c) {
    return c == '\r' || c == '\n';
}

bool istZeilenanfang(std::string_view text, std::size_t pos) {
    return pos == 0 || istUmbruch(text[pos - 1]);
}

bool istZeilenende(std::string_view text, std::size_t pos) {
    return pos == text.size() || istUmbruch(text[pos]);
}

std::string markierung(int n) {
    char puffer[16];
    puffer[0] = '#';
    char* ende = std::to_chars(puffer + 1, puffer + sizeof puffer - 1, n).ptr;
    *ende++ = '#';
    return std::string(puffer, ende);
}

struct Markierung {
    std::size_t pos = 0;
    std::size_t laenge = 0;
    int nummer = 0;
};

// Every marker line of the text, in one pass over its line starts.
std::vector<Markierung> alleMarkierungen(std::string_view text) {
    std::vector<Markierung> ergebnis;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t ende = pos;
        while (ende < text.size() && !istUmbruch(text[ende])) {
            ++ende;
        }
        if (ende > pos && text[pos] == '#') {
            if (const auto n = markierungsNummer(text.substr(pos, ende - pos))) {
                ergebnis.push_back({pos, ende - pos, *n});
            }
        }
        pos = ende + 1;
    }
    return ergebnis;
}

// Which of the numbers ab+1 .. ab+markers occur as marker lines (outside the range
// [ausVon, ausBis)); index i stands for ab+i. No run of consecutive numbers can be longer
// than the markers present, so that many entries bound every walk from ab upwards.
std::vector<bool> vorhandeneNummern(const std::vector<Markierung>& markierungen, int ab,
                                    std::size_t ausVon = 0, std::size_t ausBis = 0) {
    std::vector<bool> vorhanden(markierungen.size() + 2, false);
    for (const auto& m : markierungen) {
        if (m.pos >= ausVon && m.pos < ausBis) {
            continue;
        }
        const long long abstand = static_cast<long long>(m.nummer) - ab;
        if (abstand >= 1 && static_cast<std::size_t>(abstand) < vorhanden.size()) {
            vorhanden[static_cast<std::size_t>(abstand)] = true;
        }
    }
    return vorhanden;
}

// The first index from 1 on that is not present.
int ersteLuecke(const std::vector<bool>& vorhanden) {
    std::size_t n = 1;
    while (n < vorhanden.size() && vorhanden[n]) {
        ++n;
    }
    return static_cast<int>(n);
}

// Start of the marker line "#n#" that is a whole line; npos when there is none.
std::size_t findeMarkierung(std::string_view text, int n) {
    const std::string muster = markierung(n);
    for (std::size_t pos = text.find(muster); pos != std::string_view::npos;
         pos = text.find(muster, pos + 1)) {
        if (istZeilenanfang(text, pos) && istZeilenende(text, pos + muster.size())) {
            return pos;
        }
    }
    return std::string_view::npos;
}

std::string schluessel(std::string_view lateinisch, std::string_view deutsch) {
    std::string k;
    k.reserve(lateinisch.size() + deutsch.size() + 6);
    k += '#';
    k += lateinisch;
    k += '#';
    k += zeilenende;
    k += '#';
    k += deutsch;
    k += '#';
    return k;
}

struct Fundstelle {
    std::size_t markierungPos = 0;
    std::size_t deutschEnde = 0; // one past the German line
    int nummer = 0;
};

// The record whose Latin and German lines are exactly these: the two lines must be whole
// lines and the line before them a marker line.
std::optional<Fundstelle> findeDatensatz(std::string_view text, std::string_view lateinisch,
                                         std::string_view deutsch) {
    const std::string k = schluessel(lateinisch, deutsch);
    for (std::size_t pos = text.find(k); pos != std::string_view::npos;
         pos = text.find(k, pos + 1)) {
        if (!istZeilenanfang(text, pos) || !istZeilenende(text, pos + k.size())) {
            continue;
        }
        std::size_t zeilenEnde = pos;
        while (zeilenEnde > 0 && istUmbruch(text[zeilenEnde - 1])) {
            --zeilenEnde;
        }
        std::size_t zeilenAnfang = zeilenEnde;
        while (zeilenAnfang > 0 && !istUmbruch(text[zeilenAnfang - 1])) {
            --zeilenAnfang;
        }
        if (zeilenEnde == zeilenAnfang) {
            continue;
        }
        if (const auto n =
                markierungsNummer(text.substr(zeilenAnfang, zeilenEnde - zeilenAnfang))) {
            return Fundstelle{zeilenAnfang, pos + k.size(), *n};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<int> markierungsNummer(std::string_view zeile) {
    if (zeile.size() < 3 || zeile.front() != '#' || zeile.back() != '#' || zeile[1] == '0') {
        return std::nullopt;
    }
    const std::string_view ziffern = zeile.substr(1, zeile.size() - 2);
    int n = 0;
    const auto [ende, fehler] = std::from_chars(ziffern.data(), ziffern.data() + ziffern.size(), n);
    if (fehler != std::errc() || ende != ziffern.data() + ziffern.size() || ziffern[0] == '-' ||
        ziffern[0] == '+') {
        return std::nullopt;
    }
    return n;
}

std::string_view naechstesToken(std::string_view text, std::size_t& pos) {
    if (pos == std::string_view::npos) {
        return {};
    }
    while (pos < text.size() && istUmbruch(text[pos])) {
        ++pos;
    }
    if (pos >= text.size()) {
        pos = std::string_view::npos;
        return {};
    }
    std::size_t ende = pos;
    while (ende < text.size() && !istUmbruch(text[ende])) {
        ++ende;
    }
    const std::string_view token = text.substr(pos, ende - pos);
    pos = ende < text.size() ? ende + 1 : text.size();
    return token;
}

std::string_view rautenEntfernen(std::string_view token) {
    while (!token.empty() && token.front() == '#') {
        token.remove_prefix(1);
    }
    while (!token.empty() && token.back() == '#') {
        token.remove_suffix(1);
    }
    return token;
}

namespace {

// Item n, whose marker line starts at `pos`: the two lines after it.
Eintrag eintragAb(std::string_view text, std::size_t pos, int n) {
    naechstesToken(text, pos);
    const std::string_view lateinisch = naechstesToken(text, pos);
    const std::string_view deutsch = naechstesToken(text, pos);
    return {n, std::string(rautenEntfernen(lateinisch)), std::string(rautenEntfernen(deutsch))};
}

} // namespace

Eintrag Eintragsliste::eintrag(int n) const {
    if (n < 1) {
        return {};
    }
    const std::size_t start = findeMarkierung(text_, n);
    if (start == std::string_view::npos) {
        return {};
    }
    return eintragAb(text_, start, n);
}

std::vector<Eintrag> Eintragsliste::eintraege(int erste, int letzte) const {
    if (letzte < erste) {
        return {};
    }
    // Where each wanted item's first marker line starts: one pass rather than one search
    // from the start per item, so the whole course reads quickly.
    const std::string_view text = text_;
    const auto anzahl = static_cast<std::size_t>(letzte - erste + 1);
    std::vector<std::size_t> anfang(anzahl, std::string_view::npos);
    for (std::size_t pos = 0;;) {
        const std::string_view zeile = naechstesToken(text, pos);
        if (pos == std::string_view::npos) {
            break;
        }
        const int n = markierungsNummer(zeile).value_or(0);
        if (n >= 1 && n >= erste && n <= letzte) {
            std::size_t& a = anfang[static_cast<std::size_t>(n - erste)];
            if (a == std::string_view::npos) {
                a = static_cast<std::size_t>(zeile.data() - text.data());
            }
        }
    }
    std::vector<Eintrag> eintraege(anzahl);
    for (std::size_t i = 0; i < anzahl; ++i) {
        if (anfang[i] != std::string_view::npos) { // else no such item: an empty one
            eintraege[i] = eintragAb(text, anfang[i], erste + static_cast<int>(i));
        }
    }
    return eintraege;
}

std::optional<int> Eintragsliste::nummerVon(std::string_view lateinisch,
                                            std::string_view deutsch) const {
    if (const auto fund = findeDatensatz(text_, lateinisch, deutsch)) {
        return fund->nummer;
    }
    return std::nullopt;
}

int Eintragsliste::anzahl() const {
    return ersteLuecke(vorhandeneNummern(alleMarkierungen(text_), 0)) - 1;
}

void Eintragsliste::anhaengen(std::string_view lateinisch, std::string_view deutsch) {
    if (findeDatensatz(text_, lateinisch, deutsch)) {
        return;
    }
    const int n = anzahl() + 1;
    // The new marker must start a line of its own.
    if (!text_.empty() && !istUmbruch(text_.back())) {
        text_ += zeilenende;
    }
    text_ += markierung(n);
    text_ += zeilenende;
    text_ += schluessel(lateinisch, deutsch);
    text_ += zeilenende;
    text_ += zeilenende;
}

void Eintragsliste::entfernen(std::string_view lateinisch, std::string_view deutsch) {
    const auto fund = findeDatensatz(text_, lateinisch, deutsch);
    if (!fund) {
        return;
    }
    // The record runs from its marker line through the German line and the two line ends
    // after it; only line-end characters are taken beyond the German line, so a missing
    // empty line never eats into the next record.
    std::size_t pos = fund->markierungPos;
    naechstesToken(text_, pos);
    naechstesToken(text_, pos);
    const std::string_view deutschZeile = naechstesToken(text_, pos);
    std::size_t bis =
        static_cast<std::size_t>(deutschZeile.data() - text_.data()) + deutschZeile.size();
    for (int i = 0; i < 4 && bis < text_.size() && istUmbruch(text_[bis]); ++i) {
        ++bis;
    }
    const std::size_t von = fund->markierungPos;

    // Markers m+1, m+2, ... move down by one as long as they follow on without a gap; the
    // text is rebuilt in one pass.
    const auto markierungen = alleMarkierungen(text_);
    const int m = fund->nummer;
    const int letzte = m + (ersteLuecke(vorhandeneNummern(markierungen, m, von, bis)) - 1);

    std::string neu;
    neu.reserve(text_.size());
    std::size_t kopiertBis = 0;
    auto kopieren = [&](std::size_t ende) {
        if (ende > kopiertBis) {
            neu.append(text_, kopiertBis, ende - kopiertBis);
        }
    };
    bool geloescht = false;
    for (const auto& mk : markierungen) {
        if (!geloescht && mk.pos >= von) {
            kopieren(von);
            kopiertBis = bis;
            geloescht = true;
        }
        if (mk.pos >= von && mk.pos < bis) {
            continue;
        }
        if (mk.nummer > m && mk.nummer <= letzte) {
            kopieren(mk.pos);
            neu += markierung(mk.nummer - 1);
            kopiertBis = mk.pos + mk.laenge;
        }
    }
    if (!geloescht) {
        kopieren(von);
        kopiertBis = bis;
    }
    kopieren(text_.size());
    text_ = std::move(neu);
}

} // namespace quorvia
