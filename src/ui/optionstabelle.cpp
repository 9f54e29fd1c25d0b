#include "ui/optionstabelle.h"

#include "ui/abfragefenster.h"
#include "ui/listenansicht.h"

namespace quorvia {

namespace {

namespace o = menueoption;
namespace r = abfragerichtung;
constexpr auto W = Kursart::Woerter;
constexpr auto S = Kursart::Stammformen;
constexpr auto B = Abfragequelle::Bereich;
constexpr auto N = Abfragequelle::NichtGewusst;

// "\xF6" is o-umlaut in Windows-1252.
constexpr std::string_view ansehenW = "Quorvia 2003 - W\xF6rter ansehen";
constexpr std::string_view abfragenW = "Quorvia 2003 - W\xF6rter abfragen";
constexpr std::string_view ansehenS = "Quorvia 2003 - Stammformen ansehen";
constexpr std::string_view abfragenS = "Quorvia 2003 - Stammformen abfragen";
constexpr std::string_view ngW = " - nicht gewusste W\xF6rter";
constexpr std::string_view ngS = " - nicht gewusste Stammformen";
constexpr std::string_view leerW = keineWoerterMeldung;
constexpr std::string_view leerS = keineStammformenMeldung;

constexpr Spalten spaltenW{"lateinischer Ausdruck", "deutscher Ausdruck", "Ausdruck"};
constexpr Spalten spaltenNgW{"lateinischer Ausdruck", "deutscher Ausdruck", ""};
constexpr Spalten spaltenS{"Stammformen", "deutsche Bedeutung", "Stammformen"};
constexpr Spalten spaltenNgS{"Stammformen", "deutsche Bedeutung", ""};
constexpr Spalten keineSpalten{};

constexpr const Abfrageart* art(int i) {
    return &abfragearten[static_cast<std::size_t>(i)];
}

} // namespace

// clang-format off
constexpr std::array<Optionszeile, 10> optionsfensterTabelle{{
//   class        template    menu kind quelle title      not-known empty  choice                     direction          query   columns
    {"Option11",  "Option11", 164, W, B, ansehenW,  "",  "",    o::woerterAnsehen,      r::keine,          nullptr, spaltenW},
    {"Option12",  "Option12", 170, W, N, ansehenW,  ngW, leerW, o::woerterAnsehen,      r::keine,          nullptr, spaltenNgW},
    {"Option211", "105",      136, W, B, abfragenW, "",  "",    o::woerterAbfragen,     r::deutschLatein,  art(0),  keineSpalten},
    {"Option212", "106",      143, W, N, abfragenW, ngW, leerW, o::woerterAbfragen,     r::deutschLatein,  art(1),  keineSpalten},
    {"Option221", "107",      150, W, B, abfragenW, "",  "",    o::woerterAbfragen,     r::lateinDeutsch,  art(2),  keineSpalten},
    {"Option222", "108",      157, W, N, abfragenW, ngW, leerW, o::woerterAbfragen,     r::lateinDeutsch,  art(3),  keineSpalten},
    {"Option31",  "Option31", 176, S, B, ansehenS,  "",  "",    o::stammformenAnsehen,  r::keine,          nullptr, spaltenS},
    {"Option32",  "Option32", 182, S, N, ansehenS,  ngS, leerS, o::stammformenAnsehen,  r::keine,          nullptr, spaltenNgS},
    {"Option41",  "111",      188, S, B, abfragenS, "",  "",    o::stammformenAbfragen, r::keine,          art(4),  keineSpalten},
    {"Option42",  "112",      195, S, N, abfragenS, ngS, leerS, o::stammformenAbfragen, r::keine,          art(5),  keineSpalten},
}};
// clang-format on

const Optionszeile& optionszeileFuer(int option, bool nichtGewusst, int richtung) {
    for (const Optionszeile& zeile : optionsfensterTabelle) {
        if (zeile.option == option &&
            (zeile.quelle == Abfragequelle::NichtGewusst) == nichtGewusst &&
            (zeile.richtung == abfragerichtung::keine || zeile.richtung == richtung)) {
            return zeile;
        }
    }
    // The radio groups always hold a choice; should none be set, the start choice serves.
    return optionsfensterTabelle[2];
}

std::unique_ptr<Optionsfenster> optionsfensterBauen(const Optionszeile& zeile) {
    if (zeile.abfrage != nullptr) {
        return std::make_unique<Abfragefenster>(zeile);
    }
    return std::make_unique<Listenansicht>(zeile);
}

} // namespace quorvia
