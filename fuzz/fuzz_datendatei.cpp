// SPDX-License-Identifier: GPL-3.0-or-later
// DatenDatei and the not-known list on arbitrary file bytes, through a real file.
#include "pruefen.h"

#include "data/datendatei.h"
#include "data/kodierung.h"
#include "data/nichtgewusstliste.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

using namespace quorvia;
using fuzz::ordner;
using fuzz::verlangen;
using test::dateiLesen;
using test::dateiSchreiben;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    const auto pfad = ordner() / "ngwoerter.dat";
    dateiSchreiben(pfad, bytes);
    verlangen(DatenDatei::existiert(pfad), "an existing file exists");

    const auto erwartet = kodierung::entschluesseln(bytes);
    std::string klar;
    try {
        klar = DatenDatei::lesen(pfad, Fehlerart::NgWoerterNichtLadbar);
        verlangen(erwartet.has_value() && klar == *erwartet, "file reads as its bytes decode");
    } catch (const DatenFehler& f) {
        verlangen(!erwartet.has_value(), "a decodable file reads");
        verlangen(f.art() == Fehlerart::Unerwartet, "a readable damaged file is unexpected");
        verlangen(std::string_view(f.what()) == meldung(Fehlerart::Unerwartet), "its message");
        return 0;
    }

    // Both ways of loading accept what decodes; a list reported as holding items has item 1.
    NichtGewusstListe liste(pfad, Fehlerart::NgWoerterNichtLadbar);
    const bool gefuellt = liste.ladenUndPruefen();
    verlangen(liste.liste().text() == klar, "loaded text is the file's");
    verlangen(!gefuellt || liste.liste().eintrag(1).nummer == 1, "a filled list has item 1");
    liste.fuerBereichLaden();
    verlangen(liste.liste().text() == klar, "range loading reads the same");

    // Saving writes exactly the encryption of the text, and no temporary file stays.
    liste.speichern();
    verlangen(dateiLesen(pfad) == kodierung::verschluesseln(klar), "saved bytes");
    verlangen(std::distance(std::filesystem::directory_iterator(ordner()),
                            std::filesystem::directory_iterator()) == 1,
              "no temporary file");
    return 0;
}
