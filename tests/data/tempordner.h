#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quorvia::test {

// A fresh directory below the system's temporary folder, removed with everything in it.
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

// The names in a folder, sorted: what a save left behind.
inline std::vector<std::string> dateinamen(const std::filesystem::path& ordner) {
    std::vector<std::string> namen;
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
        namen.push_back(eintrag.path().filename().string());
    }
    std::sort(namen.begin(), namen.end());
    return namen;
}

} // namespace quorvia::test
