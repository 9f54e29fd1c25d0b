#pragma once

#include <string_view>

// Every file is addressed relative to the working directory.
namespace quorvia::pfade {

inline constexpr std::string_view woerter = "Woerter/Woerter.dat";
inline constexpr std::string_view ngWoerter = "Woerter/ngwoerter.dat";
inline constexpr std::string_view stammformen = "Stammformen/Stammformen.dat";
inline constexpr std::string_view ngStammformen = "Stammformen/ngstammformen.dat";
inline constexpr std::string_view einstellungen = "Einstellungen.ini";
// Locked while the program runs in the folder.
inline constexpr std::string_view startsperre = "quorvia.lock";
inline constexpr std::string_view bildGross = "Bilder/Bustixgr.gif";
inline constexpr std::string_view bildKlein = "Bilder/Bustixkl.gif";

} // namespace quorvia::pfade
