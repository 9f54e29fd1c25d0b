#include "query/lobtabelle.h"

#include <array>
#include <string_view>

namespace quorvia::Lobtabelle {

namespace {

// The word for runs of 5k to 5k+4 below 50; the run 5k itself also shows its count.
constexpr std::array<std::string_view, 10> woerter{
    "Ita est!", "Ita est!",   "Recte!",     "Scilicet!", "Bene!",
    "Optime!",  "Ita perge!", "Magnifice!", "Perfecte!", "Cum laude!",
};

constexpr std::string_view summa = "Summa cum laude!";
constexpr std::string_view summaHoch = "Summa cum laude!!!";

std::string mitAnzahl(std::string_view wort, int serie) {
    return std::string(wort) + " (" + std::to_string(serie) + "x)";
}

} // namespace

std::string lob(int serie) {
    if (serie < 50) {
        const auto wort = woerter[static_cast<std::size_t>(serie < 0 ? 0 : serie / 5)];
        return serie >= 5 && serie % 5 == 0 ? mitAnzahl(wort, serie) : std::string(wort);
    }
    if (serie == 50) {
        return mitAnzahl(summa, serie);
    }
    if (serie <= 100 && serie % 5 != 0) {
        return std::string(summa);
    }
    return mitAnzahl(summaHoch, serie);
}

} // namespace quorvia::Lobtabelle
