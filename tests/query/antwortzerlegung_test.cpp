#include "query/antwortzerlegung.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvia::antwortzerlegung {
namespace {

TEST(Antwortzerlegung, Zerlegen) {
    const struct {
        std::string text;
        std::vector<std::string_view> teile;
    } faelle[] = {
        {"", {}},
        {",", {}},
        {",,,", {}},
        {"a", {"a"}},
        {"amare,,diligere,", {"amare", "diligere"}},
        {",a,,b,", {"a", "b"}},
        {"amare, , diligere", {"amare", " ", " diligere"}},
        {" ", {" "}},
        {"a , b", {"a ", " b"}},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(zerlegen(f.text), f.teile) << "<" << f.text << ">";
    }
}

TEST(Antwortzerlegung, Normalisieren) {
    const struct {
        std::string roh;
        Zusatzschritt schritt;
        std::string text;
        std::string zusatz;
        int zusaetze;
    } faelle[] = {
        {"  a   b  ", nullptr, "a b", "", 0},
        {"\t a\tb \r\n", nullptr, "a\tb", "", 0},
        {"\v\f", nullptr, "", "", 0},
        {"a \t  b", nullptr, "a \t b", "", 0},
        {"er/sie/es amo", nullptr, "er/sie/es amo", "", 0},
        {"amo m. Akk.", nullptr, "amo m. Akk.", "", 0},
        // notes: one row at a time, each on what the rows before left
        {"parere m. Dat.", notizEntfernen, "parere", "m. Dat.", 1},
        {"parere m.Dat.", notizEntfernen, "parere m.Dat.", "", 0},
        {"x m. Inf. m. Akk.", notizEntfernen, "x", "m. Inf.", 2},
        {"x m. Akk. m. Inf.", notizEntfernen, "x m. Akk.", "m. Inf.", 1},
        {"x m. Abl. oder Gen.", notizEntfernen, "x", "m. Abl. oder Gen.", 1},
        {"x m. Akk. m. Akk.", notizEntfernen, "x m. Akk.", "m. Akk.", 1},
        {"x m. Komp. beim Adj.", notizEntfernen, "x", "m. Komp.", 2},
        {"x m. AcI", notizEntfernen, "x", "m. AcI", 1},
        {"x \t m. Konj.", notizEntfernen, "x", "m. Konj.", 1},
        {"x\tm. Konj.", notizEntfernen, "x\tm. Konj.", "", 0},
        // prefixes: "er/sie/es " first, then "der/die/das "
        {"er/sie/es geht", praefixEntfernen, "geht", "er/sie/es", 1},
        {"er/sie/es", praefixEntfernen, "er/sie/es", "", 0},
        {"er/sie/es ", praefixEntfernen, "er/sie/es", "", 0},
        {"er/sie/es   geht", praefixEntfernen, "geht", "er/sie/es", 1},
        {"er/sie/es der/die/das x", praefixEntfernen, "x", "der/die/das", 2},
        {"der/die/das er/sie/es x", praefixEntfernen, "er/sie/es x", "der/die/das", 1},
        {"er/sie/es \tgeht", praefixEntfernen, "geht", "er/sie/es", 1},
        {"Er/sie/es geht", praefixEntfernen, "Er/sie/es geht", "", 0},
    };
    for (const auto& f : faelle) {
        const auto n = normalisieren(f.roh, f.schritt);
        EXPECT_EQ(n.teil.text, f.text) << "<" << f.roh << ">";
        EXPECT_EQ(n.teil.zusatz, f.zusatz) << "<" << f.roh << ">";
        EXPECT_EQ(n.zusaetze, f.zusaetze) << "<" << f.roh << ">";
    }
}

} // namespace
} // namespace quorvia::antwortzerlegung
