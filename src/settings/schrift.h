#pragma once

#include <cstdint>
#include <string>

namespace quorvia {

// A colour as the settings file and the windows hold it: red + green*256 + blue*65536.
using Farbe = std::uint32_t;

constexpr Farbe rgb(int rot, int gruen, int blau) {
    return static_cast<Farbe>(rot) | (static_cast<Farbe>(gruen) << 8) |
           (static_cast<Farbe>(blau) << 16);
}
constexpr int rotVon(Farbe f) {
    return static_cast<int>(f & 0xFF);
}
constexpr int gruenVon(Farbe f) {
    return static_cast<int>((f >> 8) & 0xFF);
}
constexpr int blauVon(Farbe f) {
    return static_cast<int>((f >> 16) & 0xFF);
}

// A font as a window describes it: face name (Windows-1252, at most 31 characters),
// height in device pixels (negative: character height), weight (400 normal, 700 bold).
struct Schriftbeschreibung {
    std::string name;
    int hoehe = 0;
    int gewicht = 400;
    bool kursiv = false;

    friend bool operator==(const Schriftbeschreibung&, const Schriftbeschreibung&) = default;
};

inline constexpr std::size_t maxSchriftnamenLaenge = 31;

// a * b / c rounded to the nearest integer, halves away from zero; -1 when c is 0.
int mulDiv(int a, int b, int c);

// Point size to the (negative) pixel height and back, at the given pixels per inch.
int punkteZuHoehe(int punkte, int pixelProZoll);
int hoeheZuPunkte(int hoehe, int pixelProZoll);

} // namespace quorvia
