#include "data/zeichensatz.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvia {
namespace {

using namespace zeichensatz;

TEST(Zeichensatz, ConvertsBothWays) {
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {"", ""},
        {"abc", "abc"},
        {"W\xF6rter", "W\xC3\xB6rter"},
        {"Stra\xDF"
         "e",
         "Stra\xC3\x9F"
         "e"},
        {"\xC4\xD6\xDC\xE4\xFC", "\xC3\x84\xC3\x96\xC3\x9C\xC3\xA4\xC3\xBC"},
        {"\x80", "\xE2\x82\xAC"},
        {"\x84"
         "a\x93",
         "\xE2\x80\x9E"
         "a\xE2\x80\x9C"},
        {"\x96\x97", "\xE2\x80\x93\xE2\x80\x94"},
        {"\x9F\xFF", "\xC5\xB8\xC3\xBF"},
    };
    for (const auto& [cp1252, utf8] : faelle) {
        EXPECT_EQ(nachUtf8(cp1252), utf8);
        EXPECT_EQ(nachWindows1252(utf8), cp1252);
    }
}

TEST(Zeichensatz, EveryByteSurvivesTheRoundTrip) {
    for (int b = 1; b < 256; ++b) {
        const std::string s(1, static_cast<char>(b));
        const auto zurueck = nachWindows1252(nachUtf8(s));
        // The five unassigned bytes come out as C1 controls, which are no text.
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) {
            EXPECT_FALSE(zurueck.has_value()) << b;
        } else {
            EXPECT_EQ(zurueck, s) << b;
        }
    }
}

TEST(Zeichensatz, RefusesWhatWindows1252CannotHold) {
    for (const std::string_view utf8 : {
             std::string_view("\xCE\xB1", 2),         // Greek alpha
             std::string_view("\xE2\x82", 2),         // cut short
             std::string_view("\xC3", 1),             // cut short
             std::string_view("\x80", 1),             // stray continuation byte
             std::string_view("\xC0\xAF", 2),         // overlong
             std::string_view("\xED\xA0\x80", 3),     // surrogate
             std::string_view("\xF0\x9F\x98\x80", 4), // emoji
             std::string_view("a\0b", 3),             // NUL
             std::string_view("\xC2\x81", 2),         // C1 control
         }) {
        EXPECT_FALSE(nachWindows1252(utf8).has_value()) << utf8.size();
    }
}

} // namespace
} // namespace quorvia
