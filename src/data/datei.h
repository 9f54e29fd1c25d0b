#pragma once

#include <cstddef>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

// Reading and replacing the files of the working folder, for the data files and the
// settings alike. Standard library and POSIX only.
namespace quorvia::datei {

// Closes a POSIX descriptor unless released.
class Deskriptor {
public:
    explicit Deskriptor(int fd = -1) noexcept : fd_(fd) {}
    Deskriptor(Deskriptor&& anderer) noexcept : fd_(anderer.freigeben()) {}
    Deskriptor& operator=(Deskriptor&& anderer) noexcept;
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    ~Deskriptor();

    int get() const noexcept { return fd_; }
    explicit operator bool() const noexcept { return fd_ >= 0; }
    int freigeben() noexcept { return std::exchange(fd_, -1); }

private:
    int fd_;
};

enum class Lesestand { Gelesen, Fehlt, Fehler };

struct Leseergebnis {
    Lesestand stand = Lesestand::Fehlt;
    std::string inhalt;
};

// Reads a regular file whole. Neither opening nor reading can block: anything but a
// regular file (a FIFO, a device, a folder) is Fehler, as is a file of more than
// `hoechstens` bytes. Fehlt only when nothing is at the path.
Leseergebnis lesen(const std::filesystem::path& pfad,
                   std::size_t hoechstens = std::numeric_limits<std::size_t>::max());

// The steps of a replacement that tests may make fail; the defaults do the real work.
class Ersetzungsschritte {
public:
    virtual ~Ersetzungsschritte() = default;
    // Writes all bytes to the new file; false on any failure.
    virtual bool schreiben(int fd, std::string_view inhalt) const;
    // Replaces ziel by quelle in one step; false on failure.
    virtual bool umbenennen(const std::filesystem::path& quelle,
                            const std::filesystem::path& ziel) const;
};

// Replaces the file at ziel (what a symlink there points to) in one step: a new file of
// a unique name beside it, never following a link at that name, with the old file's mode,
// written and synced, then renamed over it, then the folder synced. False on any failure;
// the old file is then left byte for byte and no new file remains. Anything but a regular
// file at ziel is never replaced.
bool ersetzen(const std::filesystem::path& ziel, std::string_view inhalt,
              const Ersetzungsschritte& schritte = Ersetzungsschritte());

} // namespace quorvia::datei
