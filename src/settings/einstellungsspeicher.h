#pragma once

#include "settings/inidatei.h"
#include "settings/schrift.h"

#include <filesystem>
#include <memory>
#include <string>

namespace quorvia {

// The greeting on the main menu ("Begrüssungstext"). Size and style word are kept as
// read; the font builder decides what they mean.
struct BegruessungsStil {
    std::string schriftart = "Tahoma";
    int groesse = 8;
    std::string stil = "Standard";
    Farbe farbe = rgb(0, 0, 0);

    friend bool operator==(const BegruessungsStil&, const BegruessungsStil&) = default;
};

// Colours and switches of the query windows ("Wörter-/Stammformenabfrage").
struct AbfrageEinstellungen {
    Farbe ausdruckFarbe = rgb(0, 0, 0);
    Farbe meldungFarbe = rgb(0, 0, 139);
    Farbe loesungFarbe = rgb(0, 128, 0);
    bool automatisch = false;
    int pause = 3;
    bool streng = true;

    friend bool operator==(const AbfrageEinstellungen&, const AbfrageEinstellungen&) = default;
};

// Which colours the file holds a valid value of its own for. A colour it does not hold is
// the default, which a window may adapt to the desktop; a stored one is the pupil's choice,
// even when it equals the default.
struct GespeicherteFarben {
    bool begruessung = false;
    bool ausdruck = false;
    bool meldung = false;
    bool loesung = false;

    friend bool operator==(const GespeicherteFarben&, const GespeicherteFarben&) = default;
};

struct Einstellungswerte {
    BegruessungsStil begruessung;
    AbfrageEinstellungen abfrage;
};

// Owns Einstellungen.ini. Holds no state: every call reads or writes the file anew.
class EinstellungsSpeicher {
public:
    explicit EinstellungsSpeicher(std::filesystem::path datei = "Einstellungen.ini");
    // With other file operations, for tests that make reading or replacing fail.
    EinstellungsSpeicher(std::filesystem::path datei, std::shared_ptr<const Dateizugriff> zugriff);

    BegruessungsStil begruessungLaden() const;
    AbfrageEinstellungen abfrageLaden() const;
    GespeicherteFarben gespeicherteFarben() const;
    // Writes all eighteen keys; false when the file could not be replaced (the old file
    // is then left as it was).
    [[nodiscard]] bool speichern(const BegruessungsStil& begruessung,
                                 const AbfrageEinstellungen& abfrage) const;

    static Einstellungswerte standardwerte();
    // The greeting font from the stored style, starting from the label's current font.
    // stilZuruecksetzen: weight 400 and upright first, as after the settings dialog.
    static Schriftbeschreibung begruessungsSchrift(const BegruessungsStil& stil,
                                                   Schriftbeschreibung basis, int pixelProZollY,
                                                   bool stilZuruecksetzen = false);
    // What to store for a chosen font and colour.
    static BegruessungsStil begruessungAusSchrift(const Schriftbeschreibung& schrift, Farbe farbe,
                                                  int pixelProZollY);

    const std::filesystem::path& datei() const noexcept { return datei_; }

private:
    IniDokument dokumentLesen() const;

    std::filesystem::path datei_;
    std::shared_ptr<const Dateizugriff> zugriff_;
};

} // namespace quorvia
