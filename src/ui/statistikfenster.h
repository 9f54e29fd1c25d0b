#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics of the learning record, per direction: the state of each lesson's
// items, what falls due this week, the success rate per day and the items most often
// wrong. Modal; "&Schließen" and Escape close it.

#include "data/eintragsliste.h"
#include "data/lektionstabelle.h"
#include "query/abfrageprotokoll.h"
#include "ui/plattform/dialog.h"

#include <array>
#include <optional>
#include <vector>

class QChartView;

namespace quorvia {

namespace statistikIds {
inline constexpr int deutschLatein = 1001; // first of the direction group
inline constexpr int lateinDeutsch = 1002;
inline constexpr int stammformen = 1003;
inline constexpr int lektionsrahmen = 1020;
inline constexpr int verlaufsrahmen = 1021;
inline constexpr int faellig = 1030;
inline constexpr int fehlerliste = 1040;
} // namespace statistikIds

// The items of one lesson by their state today; an item on the not-known list counts
// there whatever its schedule says.
struct Lektionsbalken {
    int nieGefragt = 0;
    int lernend = 0;
    int sicher = 0;
    int nichtGewusst = 0;
    bool operator==(const Lektionsbalken&) const = default;
};

struct Statistik {
    std::array<Lektionsbalken, Lektionstabelle::anzahlLektionen> lektionen{};
    std::array<int, 8> faellig{}; // today (overdue included), then each of the next 7 days
    std::vector<Tageswert> verlauf;
    std::vector<Fehlerposten> fehler;
};

// One direction's statistics: the lessons from the course by the items' content. Empty
// when the record cannot be read.
std::optional<Statistik> statistikBerechnen(Lernstand& lernstand, Richtung richtung, int heute,
                                            const Eintragsliste& kurs,
                                            const Eintragsliste& nichtGewusst);

class Statistikfenster : public Dialog {
    Q_OBJECT
public:
    explicit Statistikfenster(Lernzugang lernzugang, QWidget* eltern = nullptr);

    // What the window shows now; all empty when the record could not be read.
    const Statistik& statistik() const { return statistik_; }

protected:
    void oeffnen() override;
    void befehl(int id) override;

private:
    void zeigen(Richtung richtung);
    void lektionenZeichnen();
    void verlaufZeichnen();
    void fehlerZeigen();
    QChartView* diagrammIn(int rahmen);

    Lernzugang lernzugang_;
    Statistik statistik_;
    std::array<std::optional<Eintragsliste>, 2> kurse_;        // words, principal parts
    std::array<std::optional<Eintragsliste>, 2> nichtGewusst_; // the same
    QChartView* lektionenDiagramm_ = nullptr;
    QChartView* verlaufDiagramm_ = nullptr;
};

} // namespace quorvia
