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
constexpr auto F = Abfragequelle::Faellig;
constexpr auto T = Abfragequelle::Testplan;

// "\xF6" is o-umlaut in Windows-1252.
constexpr std::string_view ansehenW = "Quorvia 2003 - W\xF6rter ansehen";
constexpr std::string_view abfragenW = "Quorvia 2003 - W\xF6rter abfragen";
constexpr std::string_view ansehenS = "Quorvia 2003 - Stammformen ansehen";
constexpr std::string_view abfragenS = "Quorvia 2003 - Stammformen abfragen";
constexpr std::string_view ngW = " - nicht gewusste W\xF6rter";
constexpr std::string_view ngS = " - nicht gewusste Stammformen";
constexpr std::string_view leerW = keineWoerterMeldung;
constexpr std::string_view leerS = keineStammformenMeldung;
constexpr std::string_view faelligW = " - f\xE4llige W\xF6rter";
constexpr std::string_view faelligS = " - f\xE4llige Stammformen";
constexpr std::string_view keineW = keineFaelligenWoerterMeldung;
constexpr std::string_view keineS = keineFaelligenStammformenMeldung;
constexpr std::string_view planT = " - Vokabeltest am "; // the test day follows
constexpr std::string_view keineT = nichtsZuUebenMeldung;

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
constexpr std::array<Optionszeile, 16> optionsfensterTabelle{{
// The main menu's ten choices.
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
// The due queries, opened from the learning record's popup, in the layout, menu and
// commands of the lesson-range queries.
    {"Option213", "105",      136, W, F, abfragenW, faelligW, keineW, o::woerterAbfragen,     r::deutschLatein,  art(6),  keineSpalten},
    {"Option223", "107",      150, W, F, abfragenW, faelligW, keineW, o::woerterAbfragen,     r::lateinDeutsch,  art(7),  keineSpalten},
    {"Option43",  "111",      188, S, F, abfragenS, faelligS, keineS, o::stammformenAbfragen, r::keine,          art(8),  keineSpalten},
// The same layouts for today's items of the test plan, by the plan's direction.
    {"Option214", "105",      136, W, T, abfragenW, planT,    keineT, o::woerterAbfragen,     r::deutschLatein,  art(9),  keineSpalten},
    {"Option224", "107",      150, W, T, abfragenW, planT,    keineT, o::woerterAbfragen,     r::lateinDeutsch,  art(10), keineSpalten},
    {"Option44",  "111",      188, S, T, abfragenS, planT,    keineT, o::stammformenAbfragen, r::keine,          art(11), keineSpalten},
}};
// clang-format on

namespace {

// The first row of the source and course that fits the direction, if any.
const Optionszeile* zeileMit(Abfragequelle quelle, Kursart kurs, int richtung) {
    for (const Optionszeile& zeile : optionsfensterTabelle) {
        if (zeile.quelle == quelle && zeile.kurs == kurs &&
            (zeile.richtung == abfragerichtung::keine || zeile.richtung == richtung)) {
            return &zeile;
        }
    }
    return nullptr;
}

} // namespace

const Optionszeile& faelligeZeile(Kursart kurs, int richtung) {
    return *zeileMit(Abfragequelle::Faellig, kurs, richtung);
}

const Optionszeile& testplanZeile(Richtung richtung) {
    switch (richtung) {
    case Richtung::LateinDeutsch:
        return *zeileMit(Abfragequelle::Testplan, Kursart::Woerter, abfragerichtung::lateinDeutsch);
    case Richtung::Stammformen:
        return *zeileMit(Abfragequelle::Testplan, Kursart::Stammformen, abfragerichtung::keine);
    case Richtung::DeutschLatein:
        break;
    }
    return *zeileMit(Abfragequelle::Testplan, Kursart::Woerter, abfragerichtung::deutschLatein);
}

const Optionszeile& optionszeileFuer(int option, bool nichtGewusst, int richtung) {
    for (const Optionszeile& zeile : optionsfensterTabelle) {
        if (zeile.option == option &&
            zeile.quelle == (nichtGewusst ? Abfragequelle::NichtGewusst : Abfragequelle::Bereich) &&
            (zeile.richtung == abfragerichtung::keine || zeile.richtung == richtung)) {
            return zeile;
        }
    }
    // The radio groups always hold a choice; should none be set, the start choice serves.
    return optionsfensterTabelle[2];
}

std::unique_ptr<Optionsfenster> optionsfensterBauen(const Optionszeile& zeile,
                                                    Lernzugang lernzugang) {
    if (zeile.abfrage != nullptr) {
        return std::make_unique<Abfragefenster>(zeile, nullptr, EinstellungsSpeicher(),
                                                Zufallsquelle{}, std::move(lernzugang));
    }
    return std::make_unique<Listenansicht>(zeile);
}

} // namespace quorvia
