#include "data/startsperre.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>

namespace quorvia {

Startsperre::Startsperre(const std::filesystem::path& datei) {
    // Nothing planted at the name may redirect the create or stall the open; a folder
    // that became read-only still lets an existing file be locked for reading.
    constexpr int art = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    datei::Deskriptor fd(::open(datei.c_str(), O_RDWR | O_CREAT | art, 0666));
    if (!fd) {
        fd = datei::Deskriptor(::open(datei.c_str(), O_RDONLY | art));
    }
    if (!fd) {
        return;
    }
    // flock belongs to the open file, not the process: a second open is refused even here.
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
        fd_ = std::move(fd);
        stand_ = Stand::Gehalten;
    } else if (errno == EWOULDBLOCK) {
        stand_ = Stand::Besetzt;
    }
}

} // namespace quorvia
