#include "lernstand/fsrs.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quorvia::fsrs {
namespace {

constexpr std::array<double, 21> w{0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                   0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                   1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
constexpr double decay = -w[20];
// The forgetting curve passes 0.9 at t = S by definition, whatever retention is aimed at.
const double factor = std::pow(0.9, 1.0 / decay) - 1.0;

constexpr double mindestStabilitaet = 0.001;
constexpr int gut = 3;
constexpr int nochmal = 1;
constexpr int leicht = 4;

double anfangsSchwierigkeit(int note) {
    return w[4] - std::exp(w[5] * (note - 1)) + 1.0;
}

double begrenzt(double d) {
    return std::clamp(d, 1.0, 10.0);
}

// Retrievability `tage` days after a review that left stability `stabilitaet`.
double abrufwahrscheinlichkeit(double stabilitaet, double tage) {
    return std::pow(1.0 + factor * tage / stabilitaet, decay);
}

} // namespace

double abrufwahrscheinlichkeit(const Gedaechtnis& g, int tag) {
    return abrufwahrscheinlichkeit(g.stabilitaet, std::max(0, tag - g.letzterTag));
}

int intervall(double stabilitaet) {
    const double tage =
        std::round(stabilitaet / factor * (std::pow(zielBehalten, 1.0 / decay) - 1.0));
    return static_cast<int>(std::clamp(tage, 1.0, double{hoechstesIntervall}));
}

int Gedaechtnis::faelligAm() const {
    return letzterTag + intervall(stabilitaet);
}

bool zaehlt(const std::optional<Gedaechtnis>& vorher, int tag) {
    return !vorher || tag > vorher->letzterTag;
}

Gedaechtnis bewerten(const std::optional<Gedaechtnis>& vorher, int tag, bool richtig) {
    const int note = richtig ? gut : nochmal;
    if (!vorher) {
        return {w[note - 1], begrenzt(anfangsSchwierigkeit(note)), tag};
    }
    const double s = vorher->stabilitaet;
    const double d = vorher->schwierigkeit;
    const double r = abrufwahrscheinlichkeit(*vorher, tag);
    double neu = 0;
    if (richtig) {
        neu = s * (1.0 + std::exp(w[8]) * (11.0 - d) * std::pow(s, -w[9]) *
                             (std::exp((1.0 - r) * w[10]) - 1.0));
    } else {
        neu = std::min(w[11] * std::pow(d, -w[12]) * (std::pow(s + 1.0, w[13]) - 1.0) *
                           std::exp((1.0 - r) * w[14]),
                       s / std::exp(w[17] * w[18]));
    }
    const double schritt = -w[6] * (note - gut);
    const double dNeu = begrenzt(w[7] * anfangsSchwierigkeit(leicht) +
                                 (1.0 - w[7]) * (d + (10.0 - d) * schritt / 9.0));
    return {std::max(neu, mindestStabilitaet), dNeu, tag};
}

bool plausibel(const Gedaechtnis& g) {
    return std::isfinite(g.stabilitaet) && g.stabilitaet >= mindestStabilitaet &&
           g.stabilitaet <= 1e12 && g.schwierigkeit >= 1.0 && g.schwierigkeit <= 10.0 &&
           tagGueltig(g.letzterTag);
}

bool tagGueltig(int tag) {
    return tag > -tagGrenze && tag < tagGrenze;
}

} // namespace quorvia::fsrs
