#pragma once

#include <optional>

// The memory model behind "heute fällig": FSRS-6 with its published default parameters,
// whole calendar days, no learning steps and no fuzz. Days are integer day numbers of the
// pupil's local date, so the scheduler itself never reads a clock.
namespace quorvia::fsrs {

inline constexpr double zielBehalten = 0.9;
inline constexpr int hoechstesIntervall = 36500;
// Beyond any day a pupil's calendar reaches; keeps day arithmetic far from overflow.
inline constexpr int tagGrenze = 10'000'000;

// The memory state of one item in one direction after its last counted review.
struct Gedaechtnis {
    double stabilitaet = 0;   // days until retrievability falls to 0.9
    double schwierigkeit = 0; // 1 (easy) .. 10 (hard)
    int letzterTag = 0;       // day of the last review that updated the state

    int faelligAm() const;
    bool operator==(const Gedaechtnis&) const = default;
};

// Retrievability of the item on `tag` (at least the day of its last review).
double abrufwahrscheinlichkeit(const Gedaechtnis& g, int tag);

// Whole days until the next review: retrievability 0.9, at least 1, at most 36500.
int intervall(double stabilitaet);

// Only the first verdict on an item per calendar day moves its memory; later ones that day
// (and any dated before the last review) are only logged.
bool zaehlt(const std::optional<Gedaechtnis>& vorher, int tag);

// The state after a right (Good) or wrong (Again) answer on `tag`; `vorher` empty for the
// first review. Call only where `zaehlt` holds.
Gedaechtnis bewerten(const std::optional<Gedaechtnis>& vorher, int tag, bool richtig);

bool tagGueltig(int tag);

// Whether a stored state is one this scheduler can produce; anything else is damage.
bool plausibel(const Gedaechtnis& g);

} // namespace quorvia::fsrs
