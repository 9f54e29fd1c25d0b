#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The test planner: one plan towards a test day, kept in the learning record. The dialog
// sets or deletes it and shows what it gives as the choice changes; the main menu shows
// its line, and the practice window asks today's items.

#include "data/eintragsliste.h"
#include "lernstand/lernstand.h"
#include "query/abfrageprotokoll.h"
#include "ui/plattform/dialog.h"

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace quorvia {

// The plan's lessons as the course and the record hold them, in item order.
struct Planbereich {
    std::vector<Eintrag> eintraege;
    std::vector<std::optional<Lernposten>> posten;
};

// Empty when the record cannot be read.
std::optional<Planbereich> planbereichLesen(Lernstand& lernstand, const Testplan& plan);

// The main menu's line under the picture ("Vokabeltest in 3 Tagen: heute 24 W\xF6rter");
// empty once the test day has passed.
std::optional<std::string> planzeile(const Testplan& plan, int heute, int heuteZuUeben);

// The test day as "TT.MM.JJJJ".
std::string plandatum(const Testplan& plan);

namespace testplanIds {
inline constexpr int datum = 1000;
inline constexpr int deutschLatein = 1001; // first of the kind and direction group
inline constexpr int von = 1004;
inline constexpr int bis = 1005;
inline constexpr int neuProTag = 1006;
inline constexpr int neuDreh = 1007;
inline constexpr int tageBisTest = 1010; // the five figures, in this order
inline constexpr int speichern = 1020;
inline constexpr int loeschen = 1021;
} // namespace testplanIds

inline constexpr int planVorlaufTage = 7; // a new plan's test day, from today
inline constexpr int hoechstensNeuProTag = 500;

class Testplanfenster : public Dialog {
    Q_OBJECT
public:
    explicit Testplanfenster(Lernzugang zugang, QWidget* eltern = nullptr);

protected:
    void oeffnen() override;
    void befehl(int id) override;
    void auswahlGeaendert(int id) override;
    void eingabeGeaendert(int id) override;

private:
    // The plan the controls describe.
    Testplan gewaehlt() const;
    void anzeigen();

    Lernzugang zugang_;
    bool bereit_ = false;
    // The range last read, for the direction and lessons it was read for: the date and the
    // count change the figures, not the items, so typing reads the course no more.
    std::optional<Planbereich> bereich_;
    std::optional<std::tuple<Richtung, std::string, std::string>> bereichFuer_;
};

} // namespace quorvia
