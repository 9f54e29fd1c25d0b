#pragma once

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

namespace quorvia {

// Brings a committed write-ahead log to the disk on a thread of its own. A commit then
// costs the caller no disk sync, yet by the time the pupil has typed the next answer the
// previous one is safe from a power loss: at most the answer in flight is lost.
class Nachsicherung {
public:
    explicit Nachsicherung(std::filesystem::path datei);
    // Syncs what is still pending before it returns.
    ~Nachsicherung();
    Nachsicherung(const Nachsicherung&) = delete;
    Nachsicherung& operator=(const Nachsicherung&) = delete;

    // A commit has happened: sync the file soon.
    void anstossen();

private:
    void laufen(std::stop_token halt);

    std::filesystem::path datei_;
    std::mutex mutex_;
    std::condition_variable_any signal_;
    bool ausstehend_ = false;
    std::jthread faden_; // last: starts once the members it uses exist
};

} // namespace quorvia
