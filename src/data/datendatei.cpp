#include "data/datendatei.h"

#include "data/datei.h"
#include "data/kodierung.h"

#include <cerrno>
#include <utility>

#include <sys/stat.h>

namespace quorvia {

std::string_view meldung(Fehlerart art) {
    switch (art) {
    case Fehlerart::WoerterNichtLadbar:
        return "Die Datei \"\\Woerter\\Woerter.dat\" konnte nicht geladen werden!";
    case Fehlerart::NgWoerterNichtLadbar:
        return "Die Datei \"\\Woerter\\ngwoerter.dat\" konnte nicht geladen werden!";
    case Fehlerart::StammformenNichtLadbar:
        return "Die Datei \"\\Stammformen\\Stammformen.dat\" konnte nicht geladen werden!";
    case Fehlerart::NgStammformenNichtLadbar:
        return "Die Datei \"\\Stammformen\\ngstammformen.dat\" konnte nicht geladen werden!";
    case Fehlerart::Unerwartet:
        break;
    }
    return "Ein unerwarteter Fehler ist aufgetreten!";
}

DatenFehler::DatenFehler(Fehlerart art)
    : std::runtime_error(std::string(meldung(art))), art_(art) {}

namespace DatenDatei {

bool existiert(const std::filesystem::path& pfad) {
    // Only a file that is not there is missing. One that is there but cannot be read (no
    // read permission, no descriptor left, not a file) must be reported when it is read,
    // not taken for an empty list that the next save would write over.
    struct stat info {};
    return ::stat(pfad.c_str(), &info) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

std::string lesen(const std::filesystem::path& pfad, Fehlerart wennNichtLadbar) {
    auto gelesen = datei::lesen(pfad);
    if (gelesen.stand != datei::Lesestand::Gelesen) {
        throw DatenFehler(wennNichtLadbar);
    }
    auto klar = kodierung::entschluesseln(gelesen.inhalt);
    if (!klar) {
        throw DatenFehler(Fehlerart::Unerwartet);
    }
    return std::move(*klar);
}

void schreiben(const std::filesystem::path& pfad, std::string_view text) {
    if (!datei::ersetzen(pfad, kodierung::verschluesseln(text))) {
        throw DatenFehler(Fehlerart::Unerwartet);
    }
}

} // namespace DatenDatei

} // namespace quorvia
