#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvia {

enum class Kursart { Woerter, Stammformen };

// The fixed first and last item numbers of the lessons "01" to "50", one table for
// words and one for principal parts.
namespace Lektionstabelle {

inline constexpr int anzahlLektionen = 50;

// 0 for any text other than "01" to "50".
int ersterEintrag(Kursart art, std::string_view lektion);
int letzterEintrag(Kursart art, std::string_view lektion);
// The first lesson whose last item is at least n; none beyond lesson "50".
std::optional<std::string> lektionVon(Kursart art, int n);
// "01" to "50".
std::string lektionstext(int lektion);
// Items in a lesson, for the course tool and tests.
int anzahlEintraege(Kursart art, int lektion);
int anzahlGesamt(Kursart art);

} // namespace Lektionstabelle

} // namespace quorvia
