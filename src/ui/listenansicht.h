#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The four list views: lesson, Latin (or principal parts) and German of every chosen item,
// over one row of the option-window table. The main menu opens them as every option
// window (see ui/optionsfenster.h). The views write no file.

#include "data/eintragsliste.h"
#include "ui/druck.h"
#include "ui/optionsfenster.h"

#include <array>
#include <random>
#include <vector>

namespace quorvia {

// Control ids of the list views.
namespace ansichtIds {
inline constexpr int ueberschrift = 1017;
inline constexpr int liste = 1026;
inline constexpr int hauptmenue = 1000;
inline constexpr int beenden = 1001;
} // namespace ansichtIds

// The printing commands every list view adds to its "&Quorvia" popup.
namespace druckBefehle {
inline constexpr int drucken = 210;
inline constexpr int pdf = 211;
inline constexpr int testblatt = 212;
} // namespace druckBefehle

inline constexpr std::string_view spalteLektion = "Lektion";

class Listenansicht : public Optionsfenster {
    Q_OBJECT
public:
    // zeile: a row with list columns.
    explicit Listenansicht(const Optionszeile& zeile, QWidget* eltern = nullptr);

protected:
    void inhaltOeffnen() override;
    bool eigenerBefehl(int id) override;

private:
    // The rows the view shows, top to bottom.
    std::vector<Druckzeile> gezeigteZeilen() const;
    // The rows under the window's title.
    Druckdokument listendokument() const;
    void pdfSpeichern();
    // Prints through the print dialog; a print that failed is reported, a cancel is not.
    void druckenUndMelden(const Druckdokument& dokument);
    void testblattDrucken();

    std::mt19937 zufall_{std::random_device{}()};
    void bereichFuellen(const Eintragsliste& kurs);
    void nichtGewusstFuellen(const Eintragsliste& kurs);
};

} // namespace quorvia
