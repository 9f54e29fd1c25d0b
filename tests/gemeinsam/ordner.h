#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// Folders and files for tests that work on real files: a fresh temporary folder, and a
// working directory of a test's own with the course the windows read.

#include "data/datendatei.h"
#include "gemeinsam/kurs.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvia::test {

// A fresh folder below the given one (the system's temporary folder), removed with
// everything in it, also what a test made read-only.
class TempOrdner {
public:
    explicit TempOrdner(
        const std::filesystem::path& basis = std::filesystem::temp_directory_path()) {
        std::string muster = (basis / "quorvia-XXXXXX").string();
        if (!::mkdtemp(muster.data())) {
            throw std::runtime_error("mkdtemp failed");
        }
        pfad_ = muster;
    }
    TempOrdner(const TempOrdner&) = delete;
    TempOrdner& operator=(const TempOrdner&) = delete;
    ~TempOrdner() {
        std::error_code fehler;
        for (auto it = std::filesystem::recursive_directory_iterator(pfad_, fehler);
             !fehler && it != std::filesystem::recursive_directory_iterator();
             it.increment(fehler)) {
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, fehler);
        }
        std::filesystem::permissions(pfad_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, fehler);
        std::filesystem::remove_all(pfad_, fehler);
    }
    const std::filesystem::path& pfad() const noexcept { return pfad_; }
    std::filesystem::path operator/(std::string_view name) const { return pfad_ / name; }

private:
    std::filesystem::path pfad_;
};

// A memory-backed folder where there is one: thousands of synced saves stay quick there.
inline std::filesystem::path schnellerOrdner() {
    std::error_code fehler;
    return std::filesystem::is_directory("/dev/shm", fehler)
               ? std::filesystem::path("/dev/shm")
               : std::filesystem::temp_directory_path();
}

inline void dateiSchreiben(const std::filesystem::path& pfad, std::string_view bytes) {
    std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
    aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string dateiLesen(const std::filesystem::path& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

// The names in a folder, sorted: what a failed save may not leave behind.
inline std::vector<std::string> dateinamen(const std::filesystem::path& ordner) {
    std::vector<std::string> namen;
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
        namen.push_back(eintrag.path().filename().string());
    }
    std::sort(namen.begin(), namen.end());
    return namen;
}

// The current directory while the object lives: a fresh temporary folder, or a given
// folder that stays. Either way it gets the two data folders the program expects; the
// previous directory comes back at the end.
class Arbeitsordner {
public:
    Arbeitsordner() : Arbeitsordner(std::filesystem::path()) {}
    explicit Arbeitsordner(const std::filesystem::path& pfad)
        : vorher_(std::filesystem::current_path()), pfad_(pfad) {
        if (pfad_.empty()) {
            eigen_.emplace();
            pfad_ = eigen_->pfad();
        }
        std::filesystem::current_path(pfad_);
        std::filesystem::create_directory("Woerter");
        std::filesystem::create_directory("Stammformen");
    }
    ~Arbeitsordner() { std::filesystem::current_path(vorher_); }
    Arbeitsordner(const Arbeitsordner&) = delete;
    Arbeitsordner& operator=(const Arbeitsordner&) = delete;

    const std::filesystem::path& pfad() const { return pfad_; }
    std::filesystem::path pfad(std::string_view name) const { return pfad_ / name; }

    // Writes a file below the folder, making its folders first.
    void schreiben(std::string_view name, std::string_view bytes) const {
        std::filesystem::create_directories(pfad(name).parent_path());
        dateiSchreiben(pfad(name), bytes);
    }
    // The test courses as the encrypted course files.
    void kursSchreiben() const {
        DatenDatei::schreiben(std::string(pfade::woerter), kurstext(Kursart::Woerter));
        DatenDatei::schreiben(std::string(pfade::stammformen), kurstext(Kursart::Stammformen));
    }
    void nichtGewusst(Kursart kurs, const std::vector<int>& nummern) const {
        DatenDatei::schreiben(ngPfad(kurs), nichtGewusstText(kurs, nummern));
    }

private:
    std::filesystem::path vorher_;
    std::optional<TempOrdner> eigen_;
    std::filesystem::path pfad_;
};

} // namespace quorvia::test
