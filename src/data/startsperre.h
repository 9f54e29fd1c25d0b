#pragma once

#include "data/datei.h"

#include <filesystem>

namespace quorvia {

// One running program per working folder: an advisory lock on a file there, held while
// the object lives and released by the system when the process ends in any way, a crash
// included, so it can never go stale.
class Startsperre {
public:
    enum class Stand {
        Gehalten,     // this object holds the lock
        Besetzt,      // another holder has it
        Ungeschuetzt, // no lock to be had (the file cannot be made, or locks are not supported)
    };

    // Tries once and never waits.
    explicit Startsperre(const std::filesystem::path& datei);

    Stand stand() const noexcept { return stand_; }

private:
    datei::Deskriptor fd_;
    Stand stand_ = Stand::Ungeschuetzt;
};

} // namespace quorvia
