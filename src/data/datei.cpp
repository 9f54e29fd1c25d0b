#include "data/datei.h"

#include <cerrno>
#include <optional>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvia::datei {

namespace {

// A new file of a unique name beside `ziel`, created only if nothing (not even a
// dangling link) is at that name.
std::pair<Deskriptor, std::filesystem::path> neueDateiDaneben(const std::filesystem::path& ziel) {
    constexpr std::string_view zeichen =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device zufall;
    std::uniform_int_distribution<std::size_t> wahl(0, zeichen.size() - 1);
    for (int versuch = 0; versuch < 100; ++versuch) {
        std::string name = ziel.filename().string() + ".neu.";
        for (int i = 0; i < 6; ++i) {
            name += zeichen[wahl(zufall)];
        }
        std::filesystem::path pfad = ziel.parent_path() / name;
        Deskriptor fd(
            ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (fd) {
            return {std::move(fd), std::move(pfad)};
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return {Deskriptor(), std::filesystem::path()};
}

// Makes the rename itself durable. Its failure is not the save's: the new contents are in
// place by then.
void ordnerSynchronisieren(const std::filesystem::path& ordner) {
    const Deskriptor fd(
        ::open(ordner.empty() ? "." : ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd) {
        ::fsync(fd.get());
    }
}

} // namespace

Deskriptor& Deskriptor::operator=(Deskriptor&& anderer) noexcept {
    if (this != &anderer) {
        Deskriptor alt(std::exchange(fd_, anderer.freigeben()));
    }
    return *this;
}

Deskriptor::~Deskriptor() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

Leseergebnis lesen(const std::filesystem::path& pfad, std::size_t hoechstens) {
    // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; it is cleared once
    // the descriptor is known to be a regular file.
    const Deskriptor fd(::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd) {
        return {errno == ENOENT || errno == ENOTDIR ? Lesestand::Fehlt : Lesestand::Fehler, {}};
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::size_t>(info.st_size) > hoechstens) {
        return {Lesestand::Fehler, {}};
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return {Lesestand::Fehler, {}};
    }
    std::string inhalt;
    inhalt.reserve(static_cast<std::size_t>(info.st_size));
    char puffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd.get(), puffer, sizeof puffer);
        if (n == 0) {
            return {Lesestand::Gelesen, std::move(inhalt)};
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {Lesestand::Fehler, {}};
        }
        // The file may grow while it is read: the bound holds for what is read.
        if (static_cast<std::size_t>(n) > hoechstens - inhalt.size()) {
            return {Lesestand::Fehler, {}};
        }
        inhalt.append(puffer, static_cast<std::size_t>(n));
    }
}

bool Ersetzungsschritte::schreiben(int fd, std::string_view inhalt) const {
    while (!inhalt.empty()) {
        const ssize_t n = ::write(fd, inhalt.data(), inhalt.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        inhalt.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool Ersetzungsschritte::umbenennen(const std::filesystem::path& quelle,
                                    const std::filesystem::path& ziel) const {
    return ::rename(quelle.c_str(), ziel.c_str()) == 0;
}

bool ersetzen(const std::filesystem::path& ziel, std::string_view inhalt,
              const Ersetzungsschritte& schritte) {
    // Through a symlink the file it points to is replaced, so the link stays a link.
    std::error_code fehler;
    const std::filesystem::path echt = std::filesystem::weakly_canonical(ziel, fehler);
    if (fehler) {
        return false;
    }
    std::optional<mode_t> modus;
    struct stat alt {};
    if (::stat(echt.c_str(), &alt) == 0) {
        if (!S_ISREG(alt.st_mode)) {
            return false;
        }
        modus = alt.st_mode & 07777;
    } else if (errno != ENOENT) {
        return false;
    }

    auto [fd, neu] = neueDateiDaneben(echt);
    if (!fd) {
        return false;
    }
    const bool fertig = (!modus || ::fchmod(fd.get(), *modus) == 0) &&
                        schritte.schreiben(fd.get(), inhalt) && ::fsync(fd.get()) == 0 &&
                        ::close(fd.freigeben()) == 0 && schritte.umbenennen(neu, echt);
    if (!fertig) {
        ::unlink(neu.c_str());
        return false;
    }
    ordnerSynchronisieren(echt.parent_path());
    return true;
}

} // namespace quorvia::datei
