#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The printed test sheet of a list view: items picked at random from the rows the view
// shows, one side given and the other left empty, and the answer key on a page of its own.

#include "data/lektionstabelle.h"
#include "ui/druck.h"
#include "ui/plattform/dialog.h"

#include <optional>
#include <random>
#include <string_view>
#include <vector>

namespace quorvia {

// The side the sheet gives; principal parts are always asked from their German.
enum class Testrichtung { DeutschGegeben, LateinGegeben };

inline constexpr int testblattVorgabe = 20;

struct Testblattwahl {
    int anzahl = testblattVorgabe;
    Testrichtung richtung = Testrichtung::DeutschGegeben;
};

// What the sheet asks about: the kind, the range line ("Lektion 03 bis Lektion 05") and
// the captions of the Latin and the German column.
struct Testblattangaben {
    Kursart kurs;
    QString bereich;
    QString lateinSpalte;
    QString deutschSpalte;
};

// Sheet and key over wahl.anzahl rows picked at random from zeilen (lesson, Latin,
// German), at most all of them, in the picked order.
Druckdokument testblattDokument(const std::vector<Druckzeile>& zeilen,
                                const Testblattangaben& angaben, const Testblattwahl& wahl,
                                std::mt19937& zufall, const QDate& datum);

// Controls of the question dialog.
namespace testblattIds {
inline constexpr int anzahl = 1000;
inline constexpr int anzahlDreh = 1001;
inline constexpr int deutschGegeben = 1002;
inline constexpr int lateinGegeben = 1003;
inline constexpr int ok = 1004;
} // namespace testblattIds

// Asks the number of items (1 to hoechstens) and, for words, the direction.
class Testblattfrage : public Dialog {
    Q_OBJECT
public:
    Testblattfrage(int hoechstens, Kursart kurs, QWidget* eltern = nullptr);
    // The pupil's answer once the run ended with OK; empty after a cancel.
    const std::optional<Testblattwahl>& wahl() const { return wahl_; }

protected:
    void oeffnen() override;
    void befehl(int id) override;

private:
    int hoechstens_;
    Kursart kurs_;
    std::optional<Testblattwahl> wahl_;
};

} // namespace quorvia
