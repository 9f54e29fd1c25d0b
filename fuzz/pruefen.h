#pragma once

#include "gemeinsam/ordner.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <utility>

// Invariant checks of the fuzz targets: a broken one aborts, so libFuzzer keeps the input.
namespace quorvia::fuzz {

inline void verlangen(bool bedingung, const char* was) {
    if (!bedingung) {
        std::fprintf(stderr, "invariant broken: %s\n", was);
        std::abort();
    }
}

// The input before the first NUL and the bytes after it (empty when there is none). Plain
// texts never hold a NUL, so a seed file of ordinary text is all first part.
inline std::pair<std::string_view, std::string_view> teilen(const unsigned char* daten,
                                                            std::size_t groesse) {
    const std::string_view alles(reinterpret_cast<const char*>(daten), groesse);
    const auto nul = alles.find('\0');
    if (nul == std::string_view::npos) {
        return {alles, {}};
    }
    return {alles.substr(0, nul), alles.substr(nul + 1)};
}

// A folder of the process's own for targets that need real files, memory-backed where
// there is one, removed with everything in it when the process ends. Files go in and out
// through the tests' own test::dateiSchreiben and test::dateiLesen.
inline const std::filesystem::path& ordner() {
    static const test::TempOrdner o(test::schnellerOrdner());
    return o.pfad();
}

} // namespace quorvia::fuzz
