#pragma once

#include <optional>
#include <string>
#include <string_view>

// The byte-level codec behind DatenDatei, open to the course tool and the tests.
namespace quorvia::kodierung {

// Plain bytes handed to the cipher per call; it decides where padding falls.
inline constexpr std::size_t stueckGroesse = 1000;

// Encrypts a plain text into the file bytes: 1000-byte chunks chained in one CBC run,
// PKCS #5 padding only on a final chunk shorter than 1000 bytes.
std::string verschluesseln(std::string_view klartext);

// Decrypts file bytes; nothing when they do not form a file the writer could have made
// (length, padding, or a NUL byte in the plain text).
std::optional<std::string> entschluesseln(std::string_view daten);

} // namespace quorvia::kodierung
