#include "data/datendatei.h"

#include "data/kodierung.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace quorvia {

std::string_view meldung(Fehlerart art) {
    switch (art) {
    case Fehlerart::WoerterNichtLadbar:
        return "Die Datei \"\\Woerter\\Woerter.dat\" konnte nicht geladen werden!";
    case Fehlerart::NgWoerterNichtLadbar:
        return "Die Datei \"\\Woerter\\ngwoerter.dat\" konnte nicht geladen werden!";
    case Fehlerart::StammformenNichtLadbar:
        return "Die Datei \"\\Stammformen\\Stammformen.dat\" konnte nicht geladen werden!";
    case Fehlerart::NgStammformenNichtLadbar:
        return "Die Datei \"\\Stammformen\\ngstammformen.dat\" konnte nicht geladen werden!";
    case Fehlerart::Unerwartet:
        break;
    }
    return "Ein unerwarteter Fehler ist aufgetreten!";
}

DatenFehler::DatenFehler(Fehlerart art)
    : std::runtime_error(std::string(meldung(art))), art_(art) {}

namespace DatenDatei {

namespace {

struct DateiSchliessen {
    void operator()(std::FILE* f) const noexcept { std::fclose(f); }
};
using Datei = std::unique_ptr<std::FILE, DateiSchliessen>;

// Closes a POSIX descriptor unless released.
class Deskriptor {
public:
    explicit Deskriptor(int fd) : fd_(fd) {}
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    ~Deskriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const noexcept { return fd_; }
    int freigeben() noexcept { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool allesSchreiben(int fd, std::string_view daten) {
    while (!daten.empty()) {
        const ssize_t n = ::write(fd, daten.data(), daten.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        daten.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

bool existiert(const std::filesystem::path& pfad) {
    if (Datei(std::fopen(pfad.c_str(), "r"))) {
        return true;
    }
    // Only a file that is not there is missing. One that is there but cannot be opened
    // (no read permission, no descriptor left) must be reported when it is read, not
    // taken for an empty list that the next save would write over.
    return errno != ENOENT && errno != ENOTDIR;
}

std::string lesen(const std::filesystem::path& pfad, Fehlerart wennNichtLadbar) {
    std::error_code fehler;
    if (std::filesystem::is_directory(pfad, fehler)) {
        throw DatenFehler(wennNichtLadbar);
    }
    Datei datei(std::fopen(pfad.c_str(), "rb"));
    if (!datei) {
        throw DatenFehler(wennNichtLadbar);
    }
    std::string daten;
    char puffer[kodierung::stueckGroesse];
    for (;;) {
        const std::size_t n = std::fread(puffer, 1, sizeof puffer, datei.get());
        daten.append(puffer, n);
        if (n < sizeof puffer) {
            break;
        }
    }
    if (std::ferror(datei.get())) {
        throw DatenFehler(Fehlerart::Unerwartet);
    }
    auto klar = kodierung::entschluesseln(daten);
    if (!klar) {
        throw DatenFehler(Fehlerart::Unerwartet);
    }
    return std::move(*klar);
}

void schreiben(const std::filesystem::path& pfad, std::string_view text) {
    const std::string daten = kodierung::verschluesseln(text);
    const std::filesystem::path neu = kodierung::temporaererPfad(pfad);
    Deskriptor fd(::open(neu.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0) {
        throw DatenFehler(Fehlerart::Unerwartet);
    }
    // Only a complete, synced file replaces the previous one.
    const bool vollstaendig =
        allesSchreiben(fd.get(), daten) && ::fsync(fd.get()) == 0 && ::close(fd.freigeben()) == 0;
    std::error_code fehler;
    if (vollstaendig) {
        std::filesystem::rename(neu, pfad, fehler);
        if (!fehler) {
            return;
        }
    }
    std::filesystem::remove(neu, fehler);
    throw DatenFehler(Fehlerart::Unerwartet);
}

} // namespace DatenDatei

} // namespace quorvia
