#pragma once

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
class Dateizugriff {
public:
    enum class Lesestand { Gelesen, Fehlt, Fehler };
    struct Leseergebnis {
        Lesestand stand = Lesestand::Fehlt;
        std::string inhalt;
    };

    virtual ~Dateizugriff() = default;
    virtual Leseergebnis lesen(const std::filesystem::path& pfad) const;
    // Creates or truncates the file and writes all bytes; false on any failure.
    virtual bool schreiben(const std::filesystem::path& pfad, std::string_view inhalt) const;
    // Replaces ziel by quelle in one step; false on failure.
    virtual bool umbenennen(const std::filesystem::path& quelle,
                            const std::filesystem::path& ziel) const;
    virtual void entfernen(const std::filesystem::path& pfad) const;
};

// The temporary file beside ziel that a replacement is written to first.
std::filesystem::path temporaerePfad(const std::filesystem::path& ziel);

// Writes the new contents to the temporary file, then renames it over ziel. On failure the
// temporary file is removed and ziel is left as it was.
bool dateiErsetzen(const Dateizugriff& zugriff, const std::filesystem::path& ziel,
                   std::string_view inhalt);

} // namespace quorvia
