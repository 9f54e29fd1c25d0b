#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace quorvia::test {

// A fresh folder under the system's temporary directory, removed with everything in it.
class Testordner {
public:
    Testordner() {
        std::random_device zufall;
        pfad_ = std::filesystem::temp_directory_path() /
                ("quorvia-settings-" + std::to_string(zufall()) + std::to_string(zufall()));
        std::filesystem::create_directories(pfad_);
    }
    ~Testordner() {
        std::error_code fehler;
        std::filesystem::permissions(pfad_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, fehler);
        std::filesystem::remove_all(pfad_, fehler);
    }
    Testordner(const Testordner&) = delete;
    Testordner& operator=(const Testordner&) = delete;

    const std::filesystem::path& pfad() const { return pfad_; }
    std::filesystem::path operator/(std::string_view name) const { return pfad_ / name; }

private:
    std::filesystem::path pfad_;
};

inline void dateiSchreiben(const std::filesystem::path& pfad, std::string_view inhalt) {
    std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
    aus.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
}

inline std::string dateiLesen(const std::filesystem::path& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

} // namespace quorvia::test
