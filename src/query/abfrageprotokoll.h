#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The learning record as a query reaches it: the one the application opened for this run
// (none in a window built on its own) and the clock the answers are stamped with; and what
// one query writes there.

#include "data/eintragsliste.h"
#include "lernstand/lernstand.h"
#include "query/abfragearten.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quorvia {

inline constexpr std::string_view lernstandErneuertMeldung =
    "Der Lernstand konnte nicht gelesen werden und wurde neu angelegt.";
inline constexpr std::string_view lernstandNichtGespeichertMeldung =
    "Der Lernstand konnte nicht gespeichert werden.";
inline constexpr std::string_view lernstandNichtLesbarMeldung =
    "Der Lernstand konnte nicht gelesen werden.";

struct Lernzugang {
    Lernstand* lernstand = nullptr;
    std::function<std::int64_t()> uhr; // empty: the system clock

    bool verfuegbar() const {
        return lernstand != nullptr &&
               lernstand->oeffnung() != Lernstand::Oeffnung::NichtVerfuegbar;
    }
    // The stored test plan; none when there is none or the record cannot be read.
    std::optional<Testplan> plan() const {
        if (!verfuegbar()) {
            return std::nullopt;
        }
        return lernstand->plan().value_or(std::nullopt);
    }
    std::int64_t zeit() const { return uhr ? uhr() : jetzt(); }
    int heute() const { return tagnummer(zeit()); }
};

Richtung richtungVon(const Abfrageart& art);

// What one query writes to the record: a row per verdict, and its own row at the end.
// Every call reports whether the record took it; without a record there is nothing to do.
class Abfrageprotokoll {
public:
    Abfrageprotokoll(Lernzugang zugang, const Abfrageart& art, std::string von = {},
                     std::string bis = {});

    bool antwort(const Eintrag& e, std::string_view eingabe, bool richtig);
    // Once, when the query ends or is left: it counts what was answered.
    bool abschliessen();

private:
    Lernzugang zugang_;
    Abfrage abfrage_;
    bool abgeschlossen_ = false;
};

} // namespace quorvia
