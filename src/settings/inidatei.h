#pragma once

#include "data/datei.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvia {

// An INI text held line by line, so that writing a key leaves every other line (other
// sections, comments, unknown keys, odd spacing) exactly as it was. Bytes are Windows-1252
// and never interpreted beyond ASCII: section and key names compare with ASCII letters
// folded, values compare exactly.
class IniDokument {
public:
    // Values are read as into a 256-byte buffer with its terminating zero.
    static constexpr std::size_t maxWertLaenge = 255;

    // Pure and total: every byte string gives a document, none throws beyond bad_alloc.
    // Lines end with LF or CR LF; a leading UTF-8 byte-order mark is ignored.
    static IniDokument zerlegen(std::string_view text);

    // The raw value of the first matching key, blanks around it removed; nullopt when the
    // section or the key is missing.
    std::optional<std::string_view> wert(std::string_view abschnitt,
                                         std::string_view schluessel) const;

    // The value, or the default when missing; cut at a zero byte and at maxWertLaenge.
    std::string text(std::string_view abschnitt, std::string_view schluessel,
                     std::string_view vorgabe) const;

    // The decimal value (see leseGanzzahl), or the default when the key is missing.
    int zahl(std::string_view abschnitt, std::string_view schluessel, int vorgabe) const;

    // Updates the first matching key in place, or adds it after the last non-blank line of
    // the section, or adds the section with the key at the end. CR, LF and zero bytes in
    // the value are dropped: they would break the line apart.
    void setzen(std::string_view abschnitt, std::string_view schluessel, std::string_view wert);

    // The whole text, every line ended with CR LF.
    std::string alsText() const;

private:
    enum class Art { Sonstige, Abschnitt, Eintrag };
    struct Zeile {
        std::string roh; // as read, without its line end
        Art art = Art::Sonstige;
        // For Abschnitt the section name, for Eintrag the key: both trimmed, within roh.
        std::size_t nameAnfang = 0, nameLaenge = 0;
        std::size_t wertAnfang = 0, wertLaenge = 0;
    };

    static Zeile zeileZerlegen(std::string roh);
    static std::string_view nameVon(const Zeile& z) {
        return std::string_view(z.roh).substr(z.nameAnfang, z.nameLaenge);
    }
    static std::string_view wertVon(const Zeile& z) {
        return std::string_view(z.roh).substr(z.wertAnfang, z.wertLaenge);
    }
    // Index of the first key line (in any section of that name), or npos.
    std::size_t eintragSuchen(std::string_view abschnitt, std::string_view schluessel) const;

    std::vector<Zeile> zeilen_;
};

// ASCII-only case folding: ü and ö (0xFC, 0xF6) are left alone, as are all bytes >= 0x80.
bool gleichOhneGross(std::string_view a, std::string_view b) noexcept;

// The decimal rule of the settings file: optional minus, digits up to the first other
// character, no digits at all gives 0. Values beyond int saturate, so that a huge number
// stays out of every range instead of wrapping into one.
int leseGanzzahl(std::string_view text) noexcept;

// The file operations the store depends on, as a seam so a test can make each step fail.
class Dateizugriff : public datei::Ersetzungsschritte {
public:
    using Lesestand = datei::Lesestand;
    using Leseergebnis = datei::Leseergebnis;

    // Far above any real settings file; a larger one is not read (and so not replaced).
    static constexpr std::size_t maxGroesse = std::size_t{1} << 20;

    // The file whole when it is a regular file of at most maxGroesse bytes.
    virtual Leseergebnis lesen(const std::filesystem::path& pfad) const;
};

} // namespace quorvia
