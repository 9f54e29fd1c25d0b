#include "data/eintragsliste.h"
#include "data/zeilenleser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace quorvia {
namespace {

std::string datensatz(int n, std::string_view lateinisch, std::string_view deutsch) {
    return "#" + std::to_string(n) + "#\r\n#" + std::string(lateinisch) + "#\r\n#" +
           std::string(deutsch) + "#\r\n\r\n";
}

// A list as the program writes it: the empty line first, then records 1..n.
std::string liste(int n) {
    std::string text = "\r\n\r\n";
    for (int i = 1; i <= n; ++i) {
        text += datensatz(i, "lat" + std::to_string(i), "de" + std::to_string(i));
    }
    return text;
}

TEST(Tokenizer, SkipsLineEndsAndTakesTheRun) {
    struct Fall {
        std::string text;
        std::vector<std::string> tokens;
    };
    const std::vector<Fall> faelle = {
        {"", {}},
        {"\r\n\r\n", {}},
        {"abc", {"abc"}},
        {"a\r\nb", {"a", "b"}},
        {"\r\n\r\n\r\na\r\n\r\n\r\nb\r\n", {"a", "b"}},
        {"a\nb\rc", {"a", "b", "c"}},
        {"#1#\r\n#x#\r\n#y#\r\n\r\n", {"#1#", "#x#", "#y#"}},
    };
    for (const auto& f : faelle) {
        std::vector<std::string> gefunden;
        std::size_t pos = 0;
        for (int i = 0; i < 10; ++i) {
            const auto token = naechstesToken(f.text, pos);
            if (pos == std::string_view::npos) {
                EXPECT_TRUE(token.empty());
                break;
            }
            gefunden.emplace_back(token);
        }
        EXPECT_EQ(pos, std::string_view::npos) << "text not exhausted";
        EXPECT_EQ(gefunden, f.tokens) << '"' << f.text << '"';
        // Exhausted stays exhausted.
        EXPECT_TRUE(naechstesToken(f.text, pos).empty());
        EXPECT_EQ(pos, std::string_view::npos);
    }
}

TEST(Tokenizer, StripsEveryHashAtBothEndsOnly) {
    const std::vector<std::pair<std::string_view, std::string_view>> faelle = {
        {"#via, viae f.#", "via, viae f."},
        {"##via##", "via"},
        {"##a#b##", "a#b"},
        {"#a##b#", "a##b"},
        {"###", ""},
        {"", ""},
        {"abc", "abc"},
        {"#12#", "12"},
        {"# a #", " a "},
    };
    for (const auto& [roh, erwartet] : faelle) {
        EXPECT_EQ(rautenEntfernen(roh), erwartet) << roh;
    }
}

TEST(Eintragsliste, LooksUpItemsByWholeMarkerLines) {
    std::string text;
    for (int i = 1; i <= 25; ++i) {
        text += datensatz(i, "lat" + std::to_string(i), "de" + std::to_string(i));
    }
    const Eintragsliste l(text);
    struct Fall {
        int n;
        Eintrag erwartet;
    };
    const std::vector<Fall> faelle = {
        {1, {1, "lat1", "de1"}},
        {2, {2, "lat2", "de2"}},
        {11, {11, "lat11", "de11"}},
        {21, {21, "lat21", "de21"}},
        {25, {25, "lat25", "de25"}},
        {26, {}},
        {0, {}},
        {-1, {}},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(l.eintrag(f.n), f.erwartet) << f.n;
    }
}

TEST(Eintragsliste, LayoutVariantsReadTheSame) {
    struct Fall {
        std::string name;
        std::string text;
        int n;
        Eintrag erwartet;
    };
    const std::vector<Fall> faelle = {
        {"extra empty lines",
         "#1#\r\n#a#\r\n#b#\r\n\r\n\r\n\r\n#2#\r\n#c#\r\n#d#\r\n\r\n",
         2,
         {2, "c", "d"}},
        {"missing empty line", "#1#\r\n#a#\r\n#b#\r\n#2#\r\n#c#\r\n#d#\r\n", 2, {2, "c", "d"}},
        {"two hashes each end", "#1#\r\n##a, b##\r\n##c##\r\n\r\n", 1, {1, "a, b", "c"}},
        {"third hash inside", "#1#\r\n##a#b##\r\n#c#\r\n\r\n", 1, {1, "a#b", "c"}},
        {"no final line end", "#1#\r\n#a#\r\n#b#", 1, {1, "a", "b"}},
        {"text ends after marker", "#1#\r\n#a#\r\n#b#\r\n\r\n#2#", 2, {2, "", ""}},
        {"marker-shaped Latin text",
         "#1#\r\n#a #2# b#\r\n#x#\r\n\r\n#2#\r\n#echt#\r\n#y#\r\n\r\n",
         2,
         {2, "echt", "y"}},
        {"marker text only inside a line", "#1#\r\n#siehe #2##\r\n#x#\r\n\r\n", 2, {}},
        {"leading zero is no marker", "#01#\r\n#a#\r\n#b#\r\n\r\n", 1, {}},
        {"zero is no item number", "#0#\r\n#a#\r\n#b#\r\n\r\n", 0, {}},
        {"negative is no item number", "#-1#\r\n#a#\r\n#b#\r\n\r\n", -1, {}},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Eintragsliste(f.text).eintrag(f.n), f.erwartet) << f.name;
    }
}

// A range read gives each item as eintrag(n) does, also in odd texts: numbers out of order
// and twice, one missing, a leading zero, marker-like text in a line, a marker at the end.
TEST(Eintragsliste, RangeReadsAsEachItem) {
    const Eintragsliste odd("\r\n" + datensatz(2, "b", "B") + datensatz(1, "a", "A") +
                            datensatz(3, "c#3#", "#4#C") + datensatz(2, "b2", "B2") +
                            "#05#\r\n#x#\r\n#X#\r\n\r\n" + datensatz(6, "f", "F") + "#7#");
    const std::vector<std::pair<int, int>> bereiche{{1, 8}, {2, 3}, {6, 6}, {4, 3}};
    for (const auto& [erste, letzte] : bereiche) {
        const std::vector<Eintrag> gelesen = odd.eintraege(erste, letzte);
        ASSERT_EQ(gelesen.size(), static_cast<std::size_t>(std::max(0, letzte - erste + 1)));
        for (int n = erste; n <= letzte; ++n) {
            EXPECT_EQ(gelesen[static_cast<std::size_t>(n - erste)], odd.eintrag(n)) << n;
        }
    }
}

TEST(Eintragsliste, NumberOfAPair) {
    const std::string text = "#1#\r\n#a#\r\n#b#\r\n\r\n#2#\r\n#a#\r\n#c#\r\n\r\n"
                             "#10234#\r\n#lang#\r\n#x#\r\n\r\n#3#\r\n#b#\r\n#a#\r\n\r\n";
    const Eintragsliste l(text);
    struct Fall {
        std::string_view lateinisch, deutsch;
        std::optional<int> erwartet;
    };
    const std::vector<Fall> faelle = {
        {"a", "b", 1},
        {"a", "c", 2},
        {"lang", "x", 10234},
        {"b", "a", 3},
        {"a", "x", std::nullopt},
        {"", "", std::nullopt},
        {"1", "a", std::nullopt}, // a marker line is no Latin line
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(l.nummerVon(f.lateinisch, f.deutsch), f.erwartet)
            << f.lateinisch << " / " << f.deutsch;
    }
    // At the very start of a text the record is still found.
    EXPECT_EQ(Eintragsliste(datensatz(1, "x", "y")).nummerVon("x", "y"), 1);
    // Lines that merely contain the pair do not match.
    EXPECT_EQ(Eintragsliste(datensatz(1, "xa", "by")).nummerVon("a", "b"), std::nullopt);
}

TEST(Eintragsliste, CountsGaplessMarkers) {
    const std::vector<std::pair<std::string, int>> faelle = {
        {"", 0},
        {"\r\n\r\n", 0},
        {liste(1), 1},
        {liste(3), 3},
        {liste(120), 120},
        {"#2#\r\n#a#\r\n#b#\r\n\r\n", 0},
        {datensatz(1, "a", "b") + datensatz(3, "c", "d"), 1},
        {datensatz(1, "x #2# y", "b"), 1},
        {"#1#", 1},
    };
    for (const auto& [text, n] : faelle) {
        EXPECT_EQ(Eintragsliste(text).anzahl(), n) << text.size() << " characters";
    }
}

TEST(Eintragsliste, AppendsOnlyNewPairs) {
    struct Fall {
        std::string name;
        std::string vorher;
        std::vector<std::pair<std::string, std::string>> paare;
        std::string nachher;
    };
    const std::vector<Fall> faelle = {
        {"first into the empty list",
         "\r\n\r\n",
         {{"a", "b"}},
         "\r\n\r\n" + datensatz(1, "a", "b")},
        {"into a length-0 text", "", {{"a", "b"}}, datensatz(1, "a", "b")},
        {"twice the same",
         "\r\n\r\n",
         {{"a", "b"}, {"a", "b"}},
         "\r\n\r\n" + datensatz(1, "a", "b")},
        {"same Latin, other German",
         "\r\n\r\n",
         {{"a", "b"}, {"a", "c"}},
         "\r\n\r\n" + datensatz(1, "a", "b") + datensatz(2, "a", "c")},
        {"already in a longer list", liste(3), {{"lat2", "de2"}}, liste(3)},
        {"after three", liste(3), {{"x", "y"}}, liste(3) + datensatz(4, "x", "y")},
        {"text without final line end", "abc", {{"a", "b"}}, "abc\r\n" + datensatz(1, "a", "b")},
    };
    for (const auto& f : faelle) {
        Eintragsliste l(f.vorher);
        for (const auto& [lat, de] : f.paare) {
            l.anhaengen(lat, de);
        }
        EXPECT_EQ(l.text(), f.nachher) << f.name;
    }
}

TEST(Eintragsliste, RemovesAndRenumbers) {
    struct Fall {
        std::string name;
        std::string vorher;
        std::pair<std::string, std::string> paar;
        std::string nachher;
    };
    const std::vector<Fall> faelle = {
        {"record 2 of 3",
         liste(3),
         {"lat2", "de2"},
         "\r\n\r\n" + datensatz(1, "lat1", "de1") + datensatz(2, "lat3", "de3")},
        {"the only record", liste(1), {"lat1", "de1"}, "\r\n\r\n"},
        {"the first of 3",
         liste(3),
         {"lat1", "de1"},
         "\r\n\r\n" + datensatz(1, "lat2", "de2") + datensatz(2, "lat3", "de3")},
        {"the last of 3", liste(3), {"lat3", "de3"}, liste(2)},
        {"absent pair", liste(3), {"lat9", "de9"}, liste(3)},
        {"record at the very start",
         datensatz(1, "a", "b") + datensatz(2, "c", "d"),
         {"a", "b"},
         datensatz(1, "c", "d")},
        {"marker-shaped text stays",
         "\r\n\r\n" + datensatz(1, "a", "b") + datensatz(2, "vgl. #3#", "#4# x") +
             datensatz(3, "c", "d") + datensatz(4, "e", "f"),
         {"a", "b"},
         "\r\n\r\n" + datensatz(1, "vgl. #3#", "#4# x") + datensatz(2, "c", "d") +
             datensatz(3, "e", "f")},
        {"missing empty line keeps the next record",
         "#1#\r\n#a#\r\n#b#\r\n#2#\r\n#c#\r\n#d#\r\n\r\n",
         {"a", "b"},
         datensatz(1, "c", "d")},
        {"renumbering stops at a gap",
         datensatz(1, "a", "b") + datensatz(2, "c", "d") + datensatz(4, "e", "f"),
         {"a", "b"},
         datensatz(1, "c", "d") + datensatz(4, "e", "f")},
        // Far more markers' worth of numbering than the short text has characters.
        {"high numbers in a short text",
         "\r\n\r\n#451#\r\n#a#\r\n#b#\r\n\r\n#452#\r\n#c#\r\n#d#\r\n\r\n",
         {"a", "b"},
         "\r\n\r\n#451#\r\n#c#\r\n#d#\r\n\r\n"},
        {"the largest number",
         datensatz(2147483646, "a", "b") + datensatz(2147483647, "c", "d"),
         {"a", "b"},
         datensatz(2147483646, "c", "d")},
    };
    for (const auto& f : faelle) {
        Eintragsliste l(f.vorher);
        l.entfernen(f.paar.first, f.paar.second);
        EXPECT_EQ(l.text(), f.nachher) << f.name;
    }
}

TEST(Eintragsliste, RemovingFromALongListKeepsItGapless) {
    Eintragsliste l(liste(40));
    for (int i = 40; i >= 1; i -= 3) {
        l.entfernen("lat" + std::to_string(i), "de" + std::to_string(i));
    }
    const int n = l.anzahl();
    EXPECT_EQ(n, 40 - 14);
    std::string erwartet = "\r\n\r\n";
    int nummer = 0;
    for (int i = 1; i <= 40; ++i) {
        if ((40 - i) % 3 != 0) {
            erwartet += datensatz(++nummer, "lat" + std::to_string(i), "de" + std::to_string(i));
        }
    }
    EXPECT_EQ(l.text(), erwartet);
}

} // namespace
} // namespace quorvia
