#include "settings/inidatei.h"

#include <climits>

namespace quorvia {

namespace {

constexpr bool istLeer(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// [anfang, ende) without the blanks on either side.
void stutzen(std::string_view s, std::size_t& anfang, std::size_t& ende) {
    while (anfang < ende && istLeer(s[anfang])) {
        ++anfang;
    }
    while (ende > anfang && istLeer(s[ende - 1])) {
        --ende;
    }
}

constexpr char klein(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool istLeerzeile(std::string_view s) {
    for (char c : s) {
        if (!istLeer(c)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool gleichOhneGross(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (klein(a[i]) != klein(b[i])) {
            return false;
        }
    }
    return true;
}

int leseGanzzahl(std::string_view text) noexcept {
    std::size_t i = 0;
    while (i < text.size() && istLeer(text[i])) {
        ++i;
    }
    bool negativ = false;
    if (i < text.size() && text[i] == '-') {
        negativ = true;
        ++i;
    }
    // Accumulate towards the limit of the sign so INT_MIN itself is reachable.
    long long betrag = 0;
    const long long grenze = negativ ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        betrag = betrag * 10 + (text[i] - '0');
        if (betrag > grenze) {
            betrag = grenze;
        }
    }
    return static_cast<int>(negativ ? -betrag : betrag);
}

IniDokument::Zeile IniDokument::zeileZerlegen(std::string roh) {
    Zeile z;
    z.roh = std::move(roh);
    const std::string_view s = z.roh;
    std::size_t anfang = 0;
    std::size_t ende = s.size();
    stutzen(s, anfang, ende);
    if (anfang == ende || s[anfang] == ';' || s[anfang] == '#') {
        return z;
    }
    if (s[anfang] == '[') {
        std::size_t nAnfang = anfang + 1;
        std::size_t zu = s.find(']', nAnfang);
        std::size_t nEnde = (zu == std::string_view::npos || zu > ende) ? ende : zu;
        stutzen(s, nAnfang, nEnde);
        z.art = Art::Abschnitt;
        z.nameAnfang = nAnfang;
        z.nameLaenge = nEnde - nAnfang;
        return z;
    }
    const std::size_t gleich = s.find('=', anfang);
    if (gleich == std::string_view::npos || gleich >= ende) {
        return z;
    }
    std::size_t kAnfang = anfang;
    std::size_t kEnde = gleich;
    stutzen(s, kAnfang, kEnde);
    std::size_t wAnfang = gleich + 1;
    std::size_t wEnde = ende;
    stutzen(s, wAnfang, wEnde);
    z.art = Art::Eintrag;
    z.nameAnfang = kAnfang;
    z.nameLaenge = kEnde - kAnfang;
    z.wertAnfang = wAnfang;
    z.wertLaenge = wEnde - wAnfang;
    return z;
}

IniDokument IniDokument::zerlegen(std::string_view text) {
    IniDokument dok;
    std::size_t pos = 0;
    if (text.starts_with("\xEF\xBB\xBF")) {
        pos = 3;
    }
    while (pos < text.size()) {
        std::size_t lf = text.find('\n', pos);
        std::size_t ende = (lf == std::string_view::npos) ? text.size() : lf;
        std::size_t inhaltEnde = ende;
        if (lf != std::string_view::npos && inhaltEnde > pos && text[inhaltEnde - 1] == '\r') {
            --inhaltEnde;
        }
        dok.zeilen_.push_back(zeileZerlegen(std::string(text.substr(pos, inhaltEnde - pos))));
        pos = (lf == std::string_view::npos) ? text.size() : lf + 1;
    }
    return dok;
}

std::size_t IniDokument::eintragSuchen(std::string_view abschnitt,
                                       std::string_view schluessel) const {
    bool imAbschnitt = false;
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
        const Zeile& z = zeilen_[i];
        if (z.art == Art::Abschnitt) {
            imAbschnitt = gleichOhneGross(nameVon(z), abschnitt);
        } else if (imAbschnitt && z.art == Art::Eintrag &&
                   gleichOhneGross(nameVon(z), schluessel)) {
            return i;
        }
    }
    return std::string_view::npos;
}

std::optional<std::string_view> IniDokument::wert(std::string_view abschnitt,
                                                  std::string_view schluessel) const {
    const std::size_t i = eintragSuchen(abschnitt, schluessel);
    if (i == std::string_view::npos) {
        return std::nullopt;
    }
    return wertVon(zeilen_[i]);
}

std::string IniDokument::text(std::string_view abschnitt, std::string_view schluessel,
                              std::string_view vorgabe) const {
    std::string_view w = wert(abschnitt, schluessel).value_or(vorgabe);
    w = w.substr(0, w.find('\0'));
    return std::string(w.substr(0, maxWertLaenge));
}

int IniDokument::zahl(std::string_view abschnitt, std::string_view schluessel, int vorgabe) const {
    const auto w = wert(abschnitt, schluessel);
    return w ? leseGanzzahl(*w) : vorgabe;
}

void IniDokument::setzen(std::string_view abschnitt, std::string_view schluessel,
                         std::string_view wert) {
    std::string sauber;
    sauber.reserve(wert.size());
    for (char c : wert) {
        if (c != '\r' && c != '\n' && c != '\0') {
            sauber.push_back(c);
        }
    }

    const std::size_t vorhanden = eintragSuchen(abschnitt, schluessel);
    if (vorhanden != std::string_view::npos) {
        // Keep the key as it is spelled in the file; only the value changes.
        const std::string name(nameVon(zeilen_[vorhanden]));
        zeilen_[vorhanden] = zeileZerlegen(name + "=" + sauber);
        return;
    }

    const std::string neu = std::string(schluessel) + "=" + sauber;
    // After the last non-blank line of the first section of that name.
    std::size_t abschnittZeile = std::string_view::npos;
    std::size_t letzte = std::string_view::npos;
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
        const Zeile& z = zeilen_[i];
        if (z.art == Art::Abschnitt) {
            if (abschnittZeile != std::string_view::npos) {
                break;
            }
            if (gleichOhneGross(nameVon(z), abschnitt)) {
                abschnittZeile = i;
                letzte = i;
            }
        } else if (abschnittZeile != std::string_view::npos && !istLeerzeile(z.roh)) {
            letzte = i;
        }
    }
    if (abschnittZeile != std::string_view::npos) {
        zeilen_.insert(zeilen_.begin() + static_cast<std::ptrdiff_t>(letzte + 1),
                       zeileZerlegen(neu));
        return;
    }
    zeilen_.push_back(zeileZerlegen("[" + std::string(abschnitt) + "]"));
    zeilen_.push_back(zeileZerlegen(neu));
}

std::string IniDokument::alsText() const {
    std::string aus;
    std::size_t groesse = 0;
    for (const Zeile& z : zeilen_) {
        groesse += z.roh.size() + 2;
    }
    aus.reserve(groesse);
    for (const Zeile& z : zeilen_) {
        aus += z.roh;
        aus += "\r\n";
    }
    return aus;
}

Dateizugriff::Leseergebnis Dateizugriff::lesen(const std::filesystem::path& pfad) const {
    return datei::lesen(pfad, maxGroesse);
}

} // namespace quorvia
