#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvia {

// The failures that end the program. The windows turn them into the stop-icon message
// box; the core only reports them.
enum class Fehlerart {
    Unerwartet,
    WoerterNichtLadbar,
    NgWoerterNichtLadbar,
    StammformenNichtLadbar,
    NgStammformenNichtLadbar,
};

// The German message shown for a failure, exactly as the pupil sees it.
std::string_view meldung(Fehlerart art);

class DatenFehler : public std::runtime_error {
public:
    explicit DatenFehler(Fehlerart art);
    Fehlerart art() const noexcept { return art_; }

private:
    Fehlerart art_;
};

// The one component that touches the four encrypted .dat files.
namespace DatenDatei {

bool existiert(const std::filesystem::path& pfad);

// Reads and decrypts the whole file. Throws DatenFehler(wennNichtLadbar) when it cannot be
// read or is no regular file (a FIFO or a device never blocks or floods the reader),
// DatenFehler(Unerwartet) when it does not decrypt.
std::string lesen(const std::filesystem::path& pfad, Fehlerart wennNichtLadbar);

// Encrypts and writes the whole text through datei::ersetzen. Throws
// DatenFehler(Unerwartet) on any failure, the previous file then left as it was.
void schreiben(const std::filesystem::path& pfad, std::string_view text);

} // namespace DatenDatei

} // namespace quorvia
