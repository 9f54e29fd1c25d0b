#pragma once

#include <string>
#include <string_view>

namespace quorvia {

// One comma-separated part of a solution line or an answer after normalising, with the
// grammatical note or German prefix that normalising removed from it (empty if none).
struct Antwortteil {
    std::string text;
    std::string zusatz;

    friend bool operator==(const Antwortteil&, const Antwortteil&) = default;
};

// The three checkers: solution line, typed answer, strict flag -> right or wrong.
// Pure functions of their arguments; all comparisons are exact Windows-1252 bytes.
namespace DeutschLateinPruefung {
bool pruefen(std::string_view loesung, std::string_view antwort, bool streng);
}
namespace LateinDeutschPruefung {
bool pruefen(std::string_view loesung, std::string_view antwort, bool streng);
}
namespace StammformenPruefung {
bool pruefen(std::string_view loesung, std::string_view antwort, bool streng);
}

using Pruefung = bool (*)(std::string_view loesung, std::string_view antwort, bool streng);

} // namespace quorvia
