#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
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
// there is one, removed with everything in it when the process ends.
inline const std::filesystem::path& ordner() {
    struct Ordner {
        std::filesystem::path pfad;
        ~Ordner() {
            std::error_code fehler;
            std::filesystem::remove_all(pfad, fehler);
        }
    };
    static const Ordner o{[] {
        std::string muster = "/tmp/quorvia-fuzz-XXXXXX";
        if (std::filesystem::is_directory("/dev/shm")) {
            muster = "/dev/shm/quorvia-fuzz-XXXXXX";
        }
        if (!::mkdtemp(muster.data())) {
            std::abort();
        }
        return std::filesystem::path(muster);
    }()};
    return o.pfad;
}

inline void ablegen(const std::filesystem::path& pfad, std::string_view bytes) {
    std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
    aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string holen(const std::filesystem::path& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

} // namespace quorvia::fuzz
