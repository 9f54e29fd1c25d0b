#pragma once

#include <filesystem>

namespace quorvia::test {

// Makes a folder the working directory, with the two data folders the program expects, and
// returns to the previous one at the end.
class Arbeitsordner {
public:
    explicit Arbeitsordner(const std::filesystem::path& pfad)
        : alt_(std::filesystem::current_path()) {
        std::filesystem::current_path(pfad);
        std::filesystem::create_directory("Woerter");
        std::filesystem::create_directory("Stammformen");
    }
    ~Arbeitsordner() { std::filesystem::current_path(alt_); }
    Arbeitsordner(const Arbeitsordner&) = delete;
    Arbeitsordner& operator=(const Arbeitsordner&) = delete;

private:
    std::filesystem::path alt_;
};

} // namespace quorvia::test
