#pragma once

// The four list views: lesson, Latin (or principal parts) and German of every chosen item,
// over one row of the option-window table. The main menu opens them as every option
// window (see ui/optionsfenster.h). The views write no file.

#include "data/eintragsliste.h"
#include "ui/optionsfenster.h"

#include <array>

namespace quorvia {

// Control ids of the list views.
namespace ansichtIds {
inline constexpr int ueberschrift = 1017;
inline constexpr int liste = 1026;
inline constexpr int hauptmenue = 1000;
inline constexpr int beenden = 1001;
} // namespace ansichtIds

// Column widths in pixels: lesson, Latin or principal parts, German.
inline constexpr std::array<int, 3> spaltenbreiten{50, 250, 250};
inline constexpr std::string_view spalteLektion = "Lektion";

class Listenansicht : public Optionsfenster {
    Q_OBJECT
public:
    // zeile: a row with list columns.
    explicit Listenansicht(const Optionszeile& zeile, QWidget* eltern = nullptr);

protected:
    void inhaltOeffnen() override;
    bool eigenerBefehl(int) override { return false; }

private:
    void bereichFuellen(const Eintragsliste& kurs);
    void nichtGewusstFuellen(const Eintragsliste& kurs);
};

} // namespace quorvia
