#pragma once

#include "data/datendatei.h"
#include "data/lektionstabelle.h"
#include "data/pfade.h"

#include <string>
#include <string_view>

namespace quorvia {

// Where a course's files lie and which failure ends the program when one cannot be read.
struct Kursdatei {
    std::string_view pfad;
    Fehlerart wennNichtLadbar;
};

constexpr Kursdatei kursdatei(Kursart art) {
    return art == Kursart::Woerter
               ? Kursdatei{pfade::woerter, Fehlerart::WoerterNichtLadbar}
               : Kursdatei{pfade::stammformen, Fehlerart::StammformenNichtLadbar};
}

constexpr Kursdatei nichtGewusstDatei(Kursart art) {
    return art == Kursart::Woerter
               ? Kursdatei{pfade::ngWoerter, Fehlerart::NgWoerterNichtLadbar}
               : Kursdatei{pfade::ngStammformen, Fehlerart::NgStammformenNichtLadbar};
}

// The whole decrypted course text.
inline std::string kursLesen(Kursart art) {
    const Kursdatei datei = kursdatei(art);
    return DatenDatei::lesen(std::string(datei.pfad), datei.wennNichtLadbar);
}

} // namespace quorvia
