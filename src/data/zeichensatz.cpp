#include "data/zeichensatz.h"

#include <array>
#include <cstdint>

namespace quorvia::zeichensatz {

namespace {

// Code points of the bytes 0x80 to 0x9F; 0 where Windows-1252 leaves the byte unassigned.
constexpr std::array<char32_t, 32> sonderzeichen = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void utf8Anhaengen(std::string& aus, char32_t c) {
    if (c < 0x80) {
        aus += static_cast<char>(c);
    } else if (c < 0x800) {
        aus += static_cast<char>(0xC0 | (c >> 6));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        aus += static_cast<char>(0xE0 | (c >> 12));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::optional<char> nachByte(char32_t c) {
    if (c == 0) {
        return std::nullopt;
    }
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < sonderzeichen.size(); ++i) {
        if (sonderzeichen[i] != 0 && sonderzeichen[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

} // namespace

std::string nachUtf8(std::string_view windows1252) {
    std::string aus;
    aus.reserve(windows1252.size() + windows1252.size() / 8);
    for (const char zeichen : windows1252) {
        const auto b = static_cast<std::uint8_t>(zeichen);
        if (b >= 0x80 && b < 0xA0) {
            const char32_t c = sonderzeichen[b - 0x80];
            // Unassigned bytes keep their value as a C1 control, so nothing is lost.
            utf8Anhaengen(aus, c != 0 ? c : char32_t(b));
        } else {
            utf8Anhaengen(aus, b);
        }
    }
    return aus;
}

std::optional<std::string> nachWindows1252(std::string_view utf8) {
    std::string aus;
    aus.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<std::uint8_t>(utf8[i]);
        std::size_t laenge = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if (b < 0x80) {
            laenge = 1;
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            laenge = 2;
            c = b & 0x1F;
            minimum = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            laenge = 3;
            c = b & 0x0F;
            minimum = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            laenge = 4;
            c = b & 0x07;
            minimum = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + laenge > utf8.size()) {
            return std::nullopt;
        }
        for (std::size_t j = 1; j < laenge; ++j) {
            const auto f = static_cast<std::uint8_t>(utf8[i + j]);
            if ((f & 0xC0) != 0x80) {
                return std::nullopt;
            }
            c = (c << 6) | (f & 0x3F);
        }
        if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            return std::nullopt;
        }
        const auto byte = nachByte(c);
        if (!byte) {
            return std::nullopt;
        }
        aus += *byte;
        i += laenge;
    }
    return aus;
}

} // namespace quorvia::zeichensatz
