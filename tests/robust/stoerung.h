#pragma once

#include <csignal>
#include <filesystem>

#include <sys/resource.h>

// Faults made real inside the test process: a file size limit stands in for a full disk, a
// descriptor limit for a file that cannot be opened (both stop root as well), and the C
// library's rename and fsync can be made to fail for the calls the save makes.
namespace quorvia::test {

// Writes past `bytes` fail with EFBIG, as on a full disk, while the guard lives.
class Dateigroessengrenze {
public:
    explicit Dateigroessengrenze(rlim_t bytes);
    ~Dateigroessengrenze();
    Dateigroessengrenze(const Dateigroessengrenze&) = delete;
    Dateigroessengrenze& operator=(const Dateigroessengrenze&) = delete;

private:
    rlimit alt_{};
    struct sigaction altSignal_ {};
};

// No further file can be opened (EMFILE) while the guard lives.
class KeineDeskriptoren {
public:
    KeineDeskriptoren();
    ~KeineDeskriptoren();
    KeineDeskriptoren(const KeineDeskriptoren&) = delete;
    KeineDeskriptoren& operator=(const KeineDeskriptoren&) = delete;

private:
    rlimit alt_{};
};

// rename() or fsync() fail with EIO, or an exclusive create (open with O_CREAT|O_EXCL)
// with EACCES, while the guard lives.
class SystemaufrufScheitert {
public:
    enum class Aufruf { Umbenennen, Synchronisieren, Anlegen };
    explicit SystemaufrufScheitert(Aufruf aufruf);
    ~SystemaufrufScheitert();
    SystemaufrufScheitert(const SystemaufrufScheitert&) = delete;
    SystemaufrufScheitert& operator=(const SystemaufrufScheitert&) = delete;

    // How many calls were made to fail, to prove the fault was reached.
    static int fehlschlaege();

private:
    Aufruf aufruf_;
};

// Whether this process may write into a folder without write permission (root may).
bool rechteHaltenNichtAuf(const std::filesystem::path& ordner);

} // namespace quorvia::test
