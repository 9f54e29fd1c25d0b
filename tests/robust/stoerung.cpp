#include "robust/stoerung.h"

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <fstream>
#include <stdexcept>

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The switches of the interposed calls; the C symbols below cannot take a parameter more.
std::atomic<bool> renameScheitert{false};
std::atomic<bool> fsyncScheitert{false};
std::atomic<bool> anlegenScheitert{false};
std::atomic<int> fehlschlaegeBisher{0};

template <class F> F echt(const char* name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

} // namespace

// Defined in the executable, these take the place of the C library's calls for every
// caller, std::filesystem::rename included.
extern "C" int rename(const char* quelle, const char* ziel) {
    static const auto weiter = echt<int (*)(const char*, const char*)>("rename");
    if (renameScheitert.load()) {
        ++fehlschlaegeBisher;
        errno = EIO;
        return -1;
    }
    return weiter(quelle, ziel);
}

extern "C" int fsync(int fd) {
    static const auto weiter = echt<int (*)(int)>("fsync");
    if (fsyncScheitert.load()) {
        ++fehlschlaegeBisher;
        errno = EIO;
        return -1;
    }
    return weiter(fd);
}

extern "C" int open(const char* pfad, int flags, ...) {
    static const auto weiter = echt<int (*)(const char*, int, ...)>("open");
    mode_t modus = 0;
    if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list argumente;
        va_start(argumente, flags);
        modus = va_arg(argumente, mode_t);
        va_end(argumente);
    }
    if (anlegenScheitert.load() && (flags & O_CREAT) != 0 && (flags & O_EXCL) != 0) {
        ++fehlschlaegeBisher;
        errno = EACCES;
        return -1;
    }
    return weiter(pfad, flags, modus);
}

namespace quorvia::test {

Dateigroessengrenze::Dateigroessengrenze(rlim_t bytes) {
    struct sigaction ignorieren {};
    ignorieren.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignorieren, &altSignal_);
    ::getrlimit(RLIMIT_FSIZE, &alt_);
    rlimit neu = alt_;
    neu.rlim_cur = bytes;
    if (::setrlimit(RLIMIT_FSIZE, &neu) != 0) {
        throw std::runtime_error("setrlimit(RLIMIT_FSIZE) failed");
    }
}

Dateigroessengrenze::~Dateigroessengrenze() {
    ::setrlimit(RLIMIT_FSIZE, &alt_);
    ::sigaction(SIGXFSZ, &altSignal_, nullptr);
}

KeineDeskriptoren::KeineDeskriptoren() {
    ::getrlimit(RLIMIT_NOFILE, &alt_);
    // The lowest free descriptor: with the limit there, no new one can be handed out.
    const int frei = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (frei < 0) {
        throw std::runtime_error("open(/dev/null) failed");
    }
    ::close(frei);
    rlimit neu = alt_;
    neu.rlim_cur = static_cast<rlim_t>(frei);
    if (::setrlimit(RLIMIT_NOFILE, &neu) != 0) {
        throw std::runtime_error("setrlimit(RLIMIT_NOFILE) failed");
    }
}

KeineDeskriptoren::~KeineDeskriptoren() {
    ::setrlimit(RLIMIT_NOFILE, &alt_);
}

namespace {

std::atomic<bool>& schalter(SystemaufrufScheitert::Aufruf aufruf) {
    using A = SystemaufrufScheitert::Aufruf;
    return aufruf == A::Umbenennen ? renameScheitert
           : aufruf == A::Anlegen  ? anlegenScheitert
                                   : fsyncScheitert;
}

} // namespace

SystemaufrufScheitert::SystemaufrufScheitert(Aufruf aufruf) : aufruf_(aufruf) {
    schalter(aufruf_).store(true);
}

SystemaufrufScheitert::~SystemaufrufScheitert() {
    schalter(aufruf_).store(false);
}

int SystemaufrufScheitert::fehlschlaege() {
    return fehlschlaegeBisher.load();
}

bool rechteHaltenNichtAuf(const std::filesystem::path& ordner) {
    namespace fs = std::filesystem;
    const auto alt = fs::status(ordner).permissions();
    fs::permissions(ordner, fs::perms::owner_read | fs::perms::owner_exec);
    const auto probe = ordner / "probe";
    { std::ofstream(probe) << 'x'; }
    std::error_code fehler;
    const bool geschrieben = fs::exists(probe, fehler);
    fs::remove(probe, fehler);
    fs::permissions(ordner, alt);
    return geschrieben;
}

} // namespace quorvia::test
