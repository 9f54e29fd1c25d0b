#include "lernstand/nachsicherung.h"

#include <fcntl.h>
#include <unistd.h>

namespace quorvia {
namespace {

void synchronisieren(const std::filesystem::path& datei) {
    // A descriptor of its own: a sync covers the file, whoever wrote it.
    const int fd = ::open(datei.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

Nachsicherung::Nachsicherung(std::filesystem::path datei)
    : datei_(std::move(datei)), faden_([this](std::stop_token halt) { laufen(halt); }) {}

Nachsicherung::~Nachsicherung() {
    faden_.request_stop();
    faden_.join();
}

void Nachsicherung::anstossen() {
    {
        std::lock_guard sperre(mutex_);
        ausstehend_ = true;
    }
    signal_.notify_one();
}

void Nachsicherung::laufen(std::stop_token halt) {
    std::unique_lock sperre(mutex_);
    while (true) {
        signal_.wait(sperre, halt, [this] { return ausstehend_; });
        if (!ausstehend_) {
            return; // stopped with nothing pending
        }
        ausstehend_ = false;
        sperre.unlock();
        synchronisieren(datei_);
        sperre.lock();
    }
}

} // namespace quorvia
