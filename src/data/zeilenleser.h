#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// How the data layer reads a decrypted text line by line. Internal to the data layer
// (and its tests): callers read items through Eintragsliste.

#include <cstddef>
#include <optional>
#include <string_view>

namespace quorvia {

// The line tokenizer shared by all reading: skips CR and LF, then takes the run up to the
// next CR or LF. Returns the token and moves pos past it; pos becomes npos when the text
// is exhausted (the token is then empty).
std::string_view naechstesToken(std::string_view text, std::size_t& pos);

// The number of a marker line "#n#" (decimal, no sign, no leading zero), or nothing.
std::optional<int> markierungsNummer(std::string_view zeile);

// Removes every '#' at the start and at the end of a token.
std::string_view rautenEntfernen(std::string_view token);

} // namespace quorvia
