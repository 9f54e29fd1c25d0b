#include "query/pruefung.h"

#include "query/antwortzerlegung.h"

namespace quorvia {

namespace DeutschLateinPruefung {
bool pruefen(std::string_view loesung, std::string_view antwort, bool streng) {
    return antwortzerlegung::pruefen(loesung, antwort, streng, antwortzerlegung::notizEntfernen);
}
} // namespace DeutschLateinPruefung

namespace LateinDeutschPruefung {
bool pruefen(std::string_view loesung, std::string_view antwort, bool streng) {
    return antwortzerlegung::pruefen(loesung, antwort, streng, antwortzerlegung::praefixEntfernen);
}
} // namespace LateinDeutschPruefung

namespace StammformenPruefung {
bool pruefen(std::string_view loesung, std::string_view antwort, bool streng) {
    return antwortzerlegung::pruefen(loesung, antwort, streng, nullptr);
}
} // namespace StammformenPruefung

} // namespace quorvia
