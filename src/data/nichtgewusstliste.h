#pragma once

#include "data/datendatei.h"
#include "data/eintragsliste.h"
#include "data/lektionstabelle.h"

#include <filesystem>

namespace quorvia {

// The not-known list of words (shared by both word directions) or of principal parts.
class NichtGewusstListe {
public:
    // The list of one kind at its fixed path below the working directory.
    explicit NichtGewusstListe(Kursart art);
    NichtGewusstListe(std::filesystem::path pfad, Fehlerart wennNichtLadbar);

    // Lesson-range queries: a missing file starts an empty list "\r\n\r\n".
    void fuerBereichLaden();
    // Not-known options: false when the file is missing or holds no record.
    bool ladenUndPruefen();
    // Writes the whole list back, encrypted.
    void speichern() const;

    Eintragsliste& liste() noexcept { return liste_; }
    const Eintragsliste& liste() const noexcept { return liste_; }
    const std::filesystem::path& pfad() const noexcept { return pfad_; }

    static constexpr std::string_view leererText = "\r\n\r\n";

private:
    std::filesystem::path pfad_;
    Fehlerart wennNichtLadbar_;
    Eintragsliste liste_;
};

} // namespace quorvia
